#include "platform/Text.h"

#include "platform/QtText.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace {

bool isAscii(unsigned char c) {
    return c < 0x80;
}

unsigned char asciiLower(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c;
}

bool isContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// Bytes taken by the character at `at`: the length of a well-formed UTF-8
// sequence, or 1 for a byte that starts none, so that such a byte stands
// alone as a character.
size_t characterSize(std::string_view text, size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    // The second byte's range is narrower after some leads; that is what
    // rules out overlong forms, surrogates and code points past U+10FFFF.
    size_t size = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (isAscii(lead)) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        size = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        size = 3;
        low = lead == 0xE0 ? 0xA0 : low;
        high = lead == 0xED ? 0x9F : high;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        size = 4;
        low = lead == 0xF0 ? 0x90 : low;
        high = lead == 0xF4 ? 0x8F : high;
    } else {
        return 1;
    }
    if (text.size() - at < size)
        return 1;
    const auto second = static_cast<unsigned char>(text[at + 1]);
    if (second < low || second > high)
        return 1;
    for (size_t i = 2; i < size; ++i) {
        if (!isContinuation(static_cast<unsigned char>(text[at + i])))
            return 1;
    }
    return size;
}

bool isValidUtf8(std::string_view text) {
    for (size_t at = 0; at < text.size();) {
        const size_t size = characterSize(text, at);
        if (size == 1 && !isAscii(static_cast<unsigned char>(text[at])))
            return false;
        at += size;
    }
    return true;
}

// Byte offset just past the first n characters (the whole text when shorter).
size_t offsetOfCharacter(std::string_view text, int n) {
    size_t at = 0;
    for (int counted = 0; counted < n && at < text.size(); ++counted)
        at += characterSize(text, at);
    return at;
}

bool sameAsciiFolded(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(static_cast<unsigned char>(a[i])) !=
            asciiLower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

size_t skipDigits(std::string_view text, size_t at) {
    while (at < text.size() && isDigit(text[at]))
        ++at;
    return at;
}

// Whether a decimal number whose value does not fit a double is too large
// rather than too small: its decimal exponent (the place of its first
// significant digit plus its written exponent) decides.
bool overflows(std::string_view mantissa, std::string_view exponent) {
    long long place = 0;
    bool seenPoint = false;
    bool seenSignificant = false;
    for (const char c : mantissa) {
        if (c == '.') {
            seenPoint = true;
        } else if (!seenSignificant && c == '0') {
            if (seenPoint)
                --place;
        } else if (!seenPoint) {
            seenSignificant = true;
            ++place;
        } else {
            break;
        }
    }
    // Saturated: any exponent this large is out of range whatever the digits.
    long long written = 0;
    for (const char c : exponent) {
        if (isDigit(c))
            written = std::min(written * 10 + (c - '0'), 1'000'000'000LL);
    }
    if (exponent.starts_with('-'))
        written = -written;
    return place + written > 0;
}

}  // namespace

bool SameText(std::string_view a, std::string_view b) {
    // Most comparisons in the program are between short ASCII texts, row after
    // row; they are settled here without decoding anything.
    const size_t common = std::min(a.size(), b.size());
    size_t i = 0;
    for (; i < common; ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (!isAscii(ca) || !isAscii(cb))
            break;
        if (asciiLower(ca) != asciiLower(cb))
            return false;
    }
    if (i == common) {
        // One text is an ASCII prefix of the other; the longer one has more
        // characters, and folding never merges characters.
        return a.size() == b.size();
    }
    if (a == b)
        return true;
    if (!isValidUtf8(a) || !isValidUtf8(b))
        return sameAsciiFolded(a, b);
    return QString::compare(toQString(a), toQString(b), Qt::CaseInsensitive) == 0;
}

std::string NthField(std::string_view text, std::string_view separator, int n) {
    if (n < 1 || text.empty())
        return {};
    if (separator.empty())
        return n == 1 ? std::string(text) : std::string();
    size_t start = 0;
    for (int field = 1; field < n; ++field) {
        const size_t found = text.find(separator, start);
        if (found == std::string_view::npos)
            return {};
        start = found + separator.size();
    }
    const size_t end = text.find(separator, start);
    return std::string(text.substr(start, end == std::string_view::npos ? end : end - start));
}

double Val(std::string_view text) {
    size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    const size_t begin = at;
    at = skipDigits(text, at);
    bool hasDigits = at > begin;
    if (at < text.size() && text[at] == '.') {
        const size_t fraction = at + 1;
        const size_t fractionEnd = skipDigits(text, fraction);
        if (hasDigits || fractionEnd > fraction) {
            hasDigits = true;
            at = fractionEnd;
        }
    }
    if (!hasDigits)
        return 0.0;
    const size_t mantissaEnd = at;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        size_t exponent = at + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
            ++exponent;
        const size_t exponentEnd = skipDigits(text, exponent);
        if (exponentEnd > exponent)
            at = exponentEnd;
    }

    // The number has been delimited above, so from_chars never gets to read
    // hex, "inf" or "nan", and the decimal point is "." whatever the locale.
    const std::string_view number = text.substr(begin, at - begin);
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        const std::string_view mantissa = number.substr(0, mantissaEnd - begin);
        const std::string_view exponent =
            number.size() > mantissa.size() ? number.substr(mantissa.size() + 1) : "";
        value = overflows(mantissa, exponent) ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

std::string Str(long long n) {
    return std::to_string(n);
}

std::string Left(std::string_view text, int n) {
    if (n <= 0)
        return {};
    return std::string(text.substr(0, offsetOfCharacter(text, n)));
}

std::string Right(std::string_view text, int n) {
    if (n <= 0)
        return {};
    const int skipped = Len(text) - n;
    if (skipped <= 0)
        return std::string(text);
    return std::string(text.substr(offsetOfCharacter(text, skipped)));
}

int Len(std::string_view text) {
    int count = 0;
    for (size_t at = 0; at < text.size(); at += characterSize(text, at))
        ++count;
    return count;
}

std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view replacement) {
    if (find.empty())
        return std::string(text);
    std::string result;
    result.reserve(text.size());
    size_t start = 0;
    for (size_t found = text.find(find); found != std::string_view::npos;
         found = text.find(find, start)) {
        result.append(text.substr(start, found - start));
        result.append(replacement);
        start = found + find.size();
    }
    result.append(text.substr(start));
    return result;
}

#pragma once

// The program's UTF-8 texts as Qt's strings, for platform code only. The way
// back is QString::toStdString, which gives UTF-8 too.

#include <QString>
#include <cstddef>
#include <string_view>

inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The start of a text, at most `limit` UTF-16 units of it, for showing a text
// that may be far longer than a control can lay out: only that start is
// converted, however long the text, and no character is cut in two. `whole`
// tells whether that start is all of the text.
inline QString toQStringPrefix(std::string_view text, qsizetype limit, bool* whole = nullptr) {
    // No character takes more than three bytes for each UTF-16 unit it gives,
    // so this many bytes give more than the limit whenever the text is longer.
    const size_t enough = static_cast<size_t>(limit) * 3 + 3;
    QString start = toQString(text.substr(0, enough));
    const bool all = text.size() <= enough && start.size() <= limit;
    if (!all) {
        start.truncate(limit);
        if (!start.isEmpty() && start.back().isHighSurrogate())
            start.chop(1);
    }
    if (whole)
        *whole = all;
    return start;
}

#include "platform/Text.h"

#include <gtest/gtest.h>

#include <atomic>
#include <climits>
#include <cmath>
#include <cstddef>

// Counts the allocations of this whole test program, Qt's included, so that
// the tests can check that comparisons made once per row of a long list
// allocate nothing. glibc lets a program put its own malloc in front of the
// library's.
namespace {
std::atomic<long> allocations{0};
}

#if defined(__GLIBC__)
constexpr bool kCountsAllocations = true;
extern "C" void* __libc_malloc(std::size_t size);
extern "C" void* malloc(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(size);
}
#else
constexpr bool kCountsAllocations = false;
#endif

namespace {

TEST(SameText, IgnoresCaseOfAsciiLetters) {
    EXPECT_TRUE(SameText("Smith", "SMITH"));
    EXPECT_TRUE(SameText("van der Berg", "Van Der Berg"));
    EXPECT_TRUE(SameText("", ""));
    EXPECT_FALSE(SameText("Smith", "Smyth"));
    EXPECT_FALSE(SameText("Smith", "Smit"));
    EXPECT_FALSE(SameText("Smit", "Smith"));
    EXPECT_FALSE(SameText("", "a"));
    // Folding touches letters only: "@" and "`" sit next to "A" and "a".
    EXPECT_FALSE(SameText("@", "`"));
    EXPECT_FALSE(SameText("[", "{"));
}

TEST(SameText, IgnoresCaseBeyondAscii) {
    EXPECT_TRUE(SameText("É", "é"));
    EXPECT_TRUE(SameText("Müller", "MÜLLER"));
    EXPECT_TRUE(SameText("ΣΟΦΙΑ", "σοφια"));
    EXPECT_TRUE(SameText("Ørsted", "øRSTED"));
    EXPECT_FALSE(SameText("Müller", "Muller"));
    EXPECT_FALSE(SameText("é", "e"));
    // An ASCII prefix equal, then a difference only a decoder sees.
    EXPECT_FALSE(SameText("Zoë", "Zoé"));
    EXPECT_FALSE(SameText("Zoë", "Zoëx"));
}

TEST(SameText, FoldsOnlyAsciiInTextThatIsNotUtf8) {
    EXPECT_TRUE(
        SameText("\xFF"
                 "abc",
                 "\xFF"
                 "ABC"));
    EXPECT_TRUE(SameText("caf\xE9", "CAF\xE9"));
    // Latin-1 "é" and "É": without a valid decoding there is no case to ignore.
    EXPECT_FALSE(SameText("\xE9", "\xC9"));
    EXPECT_FALSE(SameText("\xFF", "\xFE"));
    // A valid text never equals one with a stray byte, whatever the case.
    EXPECT_FALSE(SameText("é", "\xE9"));
    EXPECT_FALSE(SameText("abc\xFF", "ABC"));
}

TEST(SameText, AllocatesNothingForAsciiTexts) {
    if (!kCountsAllocations)
        GTEST_SKIP() << "allocations are counted with glibc only";
    const std::string a = "A member name long enough to live on the heap";
    const std::string b = "a MEMBER name long enough to live on the heap";
    const long before = allocations;
    EXPECT_TRUE(SameText(a, b));
    EXPECT_FALSE(SameText(a, "a member name"));
    EXPECT_EQ(allocations, before);
}

TEST(Fields, CutsAtTheWholeSeparator) {
    EXPECT_EQ(NthField("a@@@b", "@@@", 1), "a");
    EXPECT_EQ(NthField("a@@@b", "@@@", 2), "b");
    EXPECT_EQ(NthField("a@@@b", "@@@", 3), "");
    EXPECT_EQ(NthField("a@b", "@@@", 1), "a@b");
    EXPECT_EQ(NthField("2025-03-15", "-", 2), "03");
    EXPECT_EQ(NthField("2025-03-15", "-", 3), "15");
    // Cuts are made left to right and never overlap.
    EXPECT_EQ(NthField("aaa", "aa", 1), "");
    EXPECT_EQ(NthField("aaa", "aa", 2), "a");
    EXPECT_EQ(CountFields("aaa", "aa"), 2);
}

TEST(Fields, KeepsEmptyFieldsAndCountsTheTrailingOne) {
    EXPECT_EQ(CountFields("", ","), 0);
    EXPECT_EQ(CountFields("a", ","), 1);
    EXPECT_EQ(CountFields("a,b,", ","), 3);
    EXPECT_EQ(CountFields(",", ","), 2);
    EXPECT_EQ(CountFields("a@@@b@@@c", "@@@"), 3);
    EXPECT_EQ(NthField("a,,c", ",", 2), "");
    EXPECT_EQ(NthField("a,,c", ",", 3), "c");
    EXPECT_EQ(NthField(",b", ",", 1), "");
    EXPECT_EQ(NthField("a,b,", ",", 3), "");
}

TEST(Fields, GivesNothingOutsideTheFields) {
    EXPECT_EQ(NthField("a,b", ",", 0), "");
    EXPECT_EQ(NthField("a,b", ",", -1), "");
    EXPECT_EQ(NthField("a,b", ",", 9), "");
    EXPECT_EQ(NthField("", ",", 1), "");
    // Without a separator the whole text is the one field.
    EXPECT_EQ(NthField("a,b", "", 1), "a,b");
    EXPECT_EQ(NthField("a,b", "", 2), "");
    EXPECT_EQ(CountFields("a,b", ""), 1);
}

TEST(Fields, KeepsBytesOfAnyKind) {
    const std::string text = std::string("Zoë\xFF\0x", 7) + "\t" + "Ørsted";
    EXPECT_EQ(NthField(text, "\t", 1), std::string("Zoë\xFF\0x", 7));
    EXPECT_EQ(NthField(text, "\t", 2), "Ørsted");
}

TEST(Fields, AllocatesNothingForShortFields) {
    if (!kCountsAllocations)
        GTEST_SKIP() << "allocations are counted with glibc only";
    const std::string row = "Smith\tJohn\tMain Street 12\t2025-03-15\tpaid";
    const long before = allocations;
    EXPECT_EQ(NthField(row, "\t", 4).size(), 10u);
    EXPECT_EQ(CountFields(row, "\t"), 5);
    EXPECT_EQ(allocations, before);
}

TEST(Val, ReadsTheNumberAtTheStart) {
    EXPECT_DOUBLE_EQ(Val("12.7"), 12.7);
    EXPECT_DOUBLE_EQ(Val("6000001\n"), 6000001);
    EXPECT_DOUBLE_EQ(Val("3abc"), 3);
    EXPECT_DOUBLE_EQ(Val("-1"), -1);
    EXPECT_DOUBLE_EQ(Val("+4"), 4);
    EXPECT_DOUBLE_EQ(Val(".5"), 0.5);
    EXPECT_DOUBLE_EQ(Val("-.5"), -0.5);
    EXPECT_DOUBLE_EQ(Val("5."), 5);
    EXPECT_DOUBLE_EQ(Val("1e3"), 1000);
    EXPECT_DOUBLE_EQ(Val("2.5E-1"), 0.25);
    EXPECT_DOUBLE_EQ(Val("1e+2x"), 100);
    EXPECT_DOUBLE_EQ(Val("2025/03/15"), 2025);
    EXPECT_DOUBLE_EQ(Val("1.1 beta"), 1.1);
    EXPECT_DOUBLE_EQ(Val("007"), 7);
    EXPECT_DOUBLE_EQ(Val(" \t 42"), 42);
}

TEST(Val, GivesZeroWithoutANumber) {
    EXPECT_EQ(Val(""), 0);
    EXPECT_EQ(Val("abc"), 0);
    EXPECT_EQ(Val("-"), 0);
    EXPECT_EQ(Val("."), 0);
    EXPECT_EQ(Val("-.e5"), 0);
    EXPECT_EQ(Val("inf"), 0);
    EXPECT_EQ(Val("nan"), 0);
    EXPECT_EQ(Val("\n5"), 0);
    EXPECT_EQ(Val("- 5"), 0);
}

TEST(Val, ReadsNoHexAndNoDanglingExponent) {
    EXPECT_EQ(Val("0x10"), 0);
    EXPECT_EQ(Val("1e"), 1);
    EXPECT_EQ(Val("1e-"), 1);
    EXPECT_EQ(Val("1ex"), 1);
    EXPECT_EQ(Val("3e 4"), 3);
}

TEST(Val, SaturatesNumbersBeyondRange) {
    EXPECT_EQ(Val("1e999"), INFINITY);
    EXPECT_EQ(Val("-1e999"), -INFINITY);
    EXPECT_EQ(Val("1e-999"), 0);
    EXPECT_EQ(Val("0.0001e-330"), 0);
    EXPECT_EQ(Val("1" + std::string(400, '0')), INFINITY);
    EXPECT_EQ(Val("0." + std::string(400, '0') + "1"), 0);
}

TEST(Str, WritesPlainDecimalDigits) {
    EXPECT_EQ(Str(0), "0");
    EXPECT_EQ(Str(6000001), "6000001");
    EXPECT_EQ(Str(-42), "-42");
    EXPECT_EQ(Str(LLONG_MIN), "-9223372036854775808");
}

TEST(Characters, CountsCodePointsNotBytes) {
    EXPECT_EQ(Len(""), 0);
    EXPECT_EQ(Len("Smith"), 5);
    EXPECT_EQ(Len("Zoë"), 3);
    EXPECT_EQ(Len("€1"), 2);
    EXPECT_EQ(Len("\xF0\x9F\x98\x80!"), 2);
    EXPECT_EQ(Left("Zoë Ørsted", 3), "Zoë");
    EXPECT_EQ(Right("Zoë Ørsted", 6), "Ørsted");
    EXPECT_EQ(Left("\xF0\x9F\x98\x80!", 1), "\xF0\x9F\x98\x80");
    EXPECT_EQ(Right("\xF0\x9F\x98\x80!", 2), "\xF0\x9F\x98\x80!");
}

TEST(Characters, TakeAllOrNothingAtTheEdges) {
    EXPECT_EQ(Left("abc", 0), "");
    EXPECT_EQ(Left("abc", -1), "");
    EXPECT_EQ(Left("abc", 9), "abc");
    EXPECT_EQ(Right("abc", 0), "");
    EXPECT_EQ(Right("abc", -3), "");
    EXPECT_EQ(Right("abc", 9), "abc");
    EXPECT_EQ(Left("", 2), "");
    EXPECT_EQ(Right("", 2), "");
}

TEST(Characters, CountAndKeepEachStrayByte) {
    // Latin-1 "café", a lone continuation byte, a cut-off three-byte sequence,
    // overlong forms, an encoded surrogate and a code point past Unicode: no
    // byte is lost or merged.
    EXPECT_EQ(Len("caf\xE9"), 4);
    EXPECT_EQ(Len("\x80"
                  "a"),
              2);
    EXPECT_EQ(Len("\xE2\x82"), 2);
    EXPECT_EQ(Len("\xC0\xAF"), 2);
    EXPECT_EQ(Len("\xED\xA0\x80"), 3);
    EXPECT_EQ(Len("\xE0\x80\x80"), 3);
    EXPECT_EQ(Len("\xF4\x90\x80\x80"), 4);
    EXPECT_EQ(Len("\xF4\x8F\xBF\xBF"), 1) << "U+10FFFF itself is a character";
    EXPECT_EQ(Left("caf\xE9 au lait", 4), "caf\xE9");
    EXPECT_EQ(Right("\xE2\x82"
                    "x",
                    2),
              "\x82"
              "x");
    EXPECT_EQ(Left("\xE2\x82\xAC\xE2\x82", 2), "\xE2\x82\xAC\xE2");
    const std::string withNul("a\0b", 3);
    EXPECT_EQ(Len(withNul), 3);
    EXPECT_EQ(Right(withNul, 2), std::string("\0b", 2));
}

TEST(ReplaceAll, ReplacesEveryOccurrence) {
    EXPECT_EQ(ReplaceAll("a,b,,c", ",", ";"), "a;b;;c");
    EXPECT_EQ(ReplaceAll("line\r\nline\r\n", "\r\n", "\n"), "line\nline\n");
    EXPECT_EQ(ReplaceAll("aaaa", "aa", "b"), "bb");
    EXPECT_EQ(ReplaceAll("Zoë", "ë", "e"), "Zoe");
    EXPECT_EQ(ReplaceAll("abc", "x", "y"), "abc");
    EXPECT_EQ(ReplaceAll("", "x", "y"), "");
    EXPECT_EQ(ReplaceAll("a-b", "-", ""), "ab");
}

TEST(ReplaceAll, NeverRescansWhatItInserted) {
    EXPECT_EQ(ReplaceAll("a", "a", "aa"), "aa");
    EXPECT_EQ(ReplaceAll("%%", "%", "%%"), "%%%%");
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
}

}  // namespace

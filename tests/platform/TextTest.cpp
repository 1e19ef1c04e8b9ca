#include "platform/Text.h"

#include <gtest/gtest.h>

#include <atomic>
#include <climits>
#include <cmath>
#include <cstddef>
#include <vector>

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

// Case folding of whole names and their beginnings is tried through the
// search in tests/roll/SearchTest.cpp.
TEST(SameText, IgnoresLetterCaseOnlyWhereTheTextDecodes) {
    const struct {
        std::string a, b;
        bool same;
    } rows[] = {
        {"van der Berg", "Van Der Berg", true},
        {"", "", true},
        {"Smith", "Smit", false},
        {"Smit", "Smith", false},
        // Folding touches letters only: "@" and "`" sit next to "A" and "a".
        {"@", "`", false},
        {"Müller", "MÜLLER", true},
        {"ΣΟΦΙΑ", "σοφια", true},
        {"Müller", "Muller", false},
        // An ASCII prefix equal, then a difference only a decoder sees.
        {"Zoë", "Zoé", false},
        {"Zoë", "Zoëx", false},
        // Not UTF-8: ASCII letters still fold, Latin-1 "é"/"É" have no case.
        {"caf\xE9", "CAF\xE9", true},
        {"\xE9", "\xC9", false},
        {"é", "\xE9", false},
        {"abc\xFF", "ABC", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.a + " / " + row.b);
        EXPECT_EQ(SameText(row.a, row.b), row.same);
    }
}

TEST(Text, PerRowComparisonsAllocateNothing) {
    if (!kCountsAllocations)
        GTEST_SKIP() << "allocations are counted with glibc only";
    const std::string a = "A member name long enough to live on the heap";
    const std::string b = "a MEMBER name long enough to live on the heap";
    const std::string row = "Smith\tJohn\tMain Street 12\t2025-03-15\tpaid";
    const long before = allocations;
    EXPECT_TRUE(SameText(a, b));
    EXPECT_FALSE(SameText(a, "a member name"));
    EXPECT_EQ(NthField(row, "\t", 4), "2025-03-15");
    EXPECT_EQ(allocations, before);
}

TEST(Val, ReadsTheNumberAtTheStartOrZero) {
    const std::pair<std::string, double> numbers[] = {
        {"12.7", 12.7},
        {"6000001\n", 6000001},
        {"3abc", 3},
        {" \t 42", 42},
        {"-.5", -0.5},
        {"+4", 4},
        {"5.", 5},
        {"2.5E-1", 0.25},
        {"1e+2x", 100},
        {"1e-", 1},
        {"3e 4", 3},
        {"2025/03/15", 2025},
        {"", 0},
        {"-", 0},
        {"-.e5", 0},
        {"inf", 0},
        {"nan", 0},
        {"\n5", 0},
        {"- 5", 0},
        {"0x10", 0},
        {"1e-999", 0},
        {"-1e999", -INFINITY},
        {"1" + std::string(400, '0'), INFINITY},
        {"0." + std::string(400, '0') + "1", 0},
    };
    for (const auto& [text, value] : numbers) {
        SCOPED_TRACE(text);
        EXPECT_EQ(Val(text), value);
    }
    EXPECT_EQ(Str(LLONG_MIN), "-9223372036854775808");
}

// Latin-1 bytes, a lone continuation byte, cut-off and overlong sequences, an
// encoded surrogate and a code point past Unicode: each stray byte is one
// character, never lost or merged.
TEST(Characters, CountCodePointsAndKeepEachStrayByte) {
    const std::pair<std::string, int> lengths[] = {
        {"", 0},
        {"Zo\xC3\xAB", 3},
        {"\xF0\x9F\x98\x80!", 2},
        {"caf\xE9", 4},
        {"a\x80", 2},
        {"\xE2\x82", 2},
        {"\xC0\xAF", 2},
        {"\xED\xA0\x80", 3},
        {"\xE0\x80\x80", 3},
        {"\xF4\x90\x80\x80", 4},
        {"\xF4\x8F\xBF\xBF", 1},
        {std::string("a\0b", 3), 3},
    };
    for (const auto& [text, length] : lengths) {
        SCOPED_TRACE(text);
        EXPECT_EQ(Len(text), length);
    }
    EXPECT_EQ(Right(std::string("a\0b", 3), 2), std::string("\0b", 2));
    EXPECT_EQ(Left("Zoë Ørsted", 3), "Zoë");
    EXPECT_EQ(Right("Zoë Ørsted", 6), "Ørsted");
    EXPECT_EQ(Left("\xF0\x9F\x98\x80!", 1), "\xF0\x9F\x98\x80");
    EXPECT_EQ(Left("\xE2\x82\xAC\xE2\x82", 2), "\xE2\x82\xAC\xE2");
    EXPECT_EQ(Left("abc", -1), "");
    EXPECT_EQ(Right("abc", 9), "abc");
}

TEST(Fields, CutAtTheWholeSeparatorKeepingEmptyFields) {
    struct Row {
        std::string text, separator;
        int n;
        std::string field;
    };
    const std::vector<Row> rows = {
        {"a@@@b", "@@@", 2, "b"}, {"a@b", "@@@", 1, "a@b"}, {"a@@@b", "@@@", 3, ""},
        {"aaa", "aa", 1, ""},     {"aaa", "aa", 2, "a"},    {"a,,c", ",", 2, ""},
        {"a,,c", ",", 3, "c"},    {",b", ",", 1, ""},       {"a,b", ",", 0, ""},
        {"a,b", ",", -1, ""},     {"", ",", 1, ""},         {"a,b", "", 1, "a,b"},
        {"a,b", "", 2, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text + " at " + row.separator + " #" + std::to_string(row.n));
        EXPECT_EQ(NthField(row.text, row.separator, row.n), row.field);
    }
    const std::string text = std::string("Zoë\xFF\0x", 7) + "\t" + "Ørsted";
    EXPECT_EQ(NthField(text, "\t", 1), std::string("Zoë\xFF\0x", 7));
}

TEST(ReplaceAll, ReplacesEveryOccurrenceWithoutRescanning) {
    EXPECT_EQ(ReplaceAll("line\r\nline\r\n", "\r\n", "\n"), "line\nline\n");
    EXPECT_EQ(ReplaceAll("aaaa", "aa", "b"), "bb");
    EXPECT_EQ(ReplaceAll("%%", "%", "%%"), "%%%%");
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
}

}  // namespace

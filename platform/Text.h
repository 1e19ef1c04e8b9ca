#pragma once

#include <string>
#include <string_view>

// Texts are UTF-8 bytes held in std::string. Lengths and positions count
// characters, not bytes. Bytes that are not valid UTF-8 are kept as they are
// and count as one character each, so such text passes through unchanged.

// Whole-text equality ignoring letter case, also beyond ASCII ("É" equals "é").
bool SameText(std::string_view a, std::string_view b);

// The n-th piece (from 1) of text cut at each occurrence of the whole separator;
// empty for n below 1 or past the last piece. An empty separator cuts nothing.
std::string NthField(std::string_view text, std::string_view separator, int n);

// The number with which the text begins (leading blanks skipped), 0 when there
// is none. "12.7" gives 12.7, "3abc" 3, "-1" -1, "abc" 0. Never reads hex,
// "inf" or "nan"; a number too large for a double gives infinity.
double Val(std::string_view text);

// Decimal digits, "-" before a negative.
std::string Str(long long n);

// The first or last n characters (all of a shorter text, nothing for n <= 0).
std::string Left(std::string_view text, int n);
std::string Right(std::string_view text, int n);

// Length in characters.
int Len(std::string_view text);

// Every occurrence of find replaced by replacement (text unchanged for an empty find).
std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view replacement);

// The platform's line end.
inline constexpr std::string_view EndOfLine = "\n";

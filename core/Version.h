#pragma once

#include "core/Product.h"

#include <string>
#include <string_view>

// The number a version text stands for when two are compared: the dots taken
// out, a result of one or two characters padded with zeros to three ("1.1" is
// 110, "2" is 200, "1.0" is 100), then read as the number it begins with (0
// when it begins with none, so "ver1.1" counts as 0).
double VersionValue(std::string_view version);

// True only when the announced version stands for a greater number than ours.
bool IsNewerVersion(std::string_view announced, std::string_view own = Product::kVersion);

// The version text the maker's server sends: the product's name, the newest
// version, then the release notes, one line each.
struct VersionText {
    std::string name;
    std::string version;
    // Each note line followed by a line end; a line end after the last line of
    // the text counts as one more, empty, note line.
    std::string notes;
};

// Cuts the text at EndOfLine; a CR before it belongs to the line end.
// Gives the event loop a turn after each note line.
VersionText ReadVersionText(std::string_view text);

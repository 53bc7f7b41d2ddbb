// The version guard of a file copy: the ProductVersion texts of the source
// and of the file it would replace ("4.2.4.0"), read from their version
// resources ("\StringFileInfo\040904E4\ProductVersion").
#pragma once

#include <array>
#include <optional>
#include <string_view>

using ProductVersion = std::array<int, 4>;

// The four numbers of "a.b.c.d" (blanks before a number allowed, anything
// after the fourth ignored); nothing when the text does not start so or a
// number exceeds 65535, the width of a version field.
std::optional<ProductVersion> ParseProductVersion(std::string_view text);

// True when the user must be asked before the source replaces the target:
// both carry a version and the source's is lower. Equal or newer versions,
// and a missing or unreadable version on either side, do not ask.
bool AsksBeforeOverwrite(std::optional<std::string_view> sourceVersion,
                         std::optional<std::string_view> targetVersion);

// The files each product installs, by the directory they go to. The lists of
// an installation name no others, so a list that names another file was not
// written by the installer.
#pragma once

#include <algorithm>
#include <array>
#include <string_view>

#include "InstallPaths.h"

namespace product_files {

inline constexpr std::string_view kSondrel = "SONDREL.EXE";
inline constexpr std::string_view kSetup = "Setup.exe";
inline constexpr std::string_view kDll = "BARCODE.DLL";
inline constexpr std::string_view kMordane = "MORDANE.DLL";
inline constexpr std::string_view kCatalog = "Barcode.dat";
// The DLL once more under the name SAPlpd loads its extension by.
inline constexpr std::string_view kSaplpdExtension = "saplpdxt.dll";
inline constexpr std::string_view kQuodraServer = "QUODRA_SERVER.EXE";

// The barcode DLL's documents in the utilities directory, in copy order.
inline constexpr std::array<std::string_view, 3> kDocuments = {"ReadMe.txt", "Manual.pdf",
                                                               "Manual.doc"};
inline constexpr std::array<std::string_view, 3> kQuodraDocuments = {
    "ReadMe.txt", "Quodra_Manual.pdf", "Quodra_Manual.doc"};

// What the lists may name in the DLL directory D and the utilities directory U.
inline constexpr std::array<std::string_view, 3> kListedInD = {kDll, kMordane, kCatalog};
inline constexpr std::array<std::string_view, 5> kListedInU = {
    kSondrel, kDocuments[0], kDocuments[1], kDocuments[2], kCatalog};

// The folder of U below the ProgramFiles directory.
inline constexpr std::string_view kBarcodeFolder = "Barcode";
inline constexpr std::string_view kQuodraFolder = "QuodraServer";

// True when names holds the name, letters compared without regard to case.
template <size_t N>
bool IsListedName(std::string_view name, const std::array<std::string_view, N>& names) {
    return std::any_of(names.begin(), names.end(),
                       [&](std::string_view listed) { return EqualsNoCase(name, listed); });
}

} // namespace product_files

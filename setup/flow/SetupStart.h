// How a run of the installer starts: what its command line and the files
// beside it ask for, and how the chooser of remove, repair and install is
// enabled and preselected.
#pragma once

#include <string_view>

// The files in the current directory that tell the installer what it can do.
namespace start_files {
inline constexpr const char* kBarcodeMarker = "BARCODE.DL_";
inline constexpr const char* kServerMarker = "QUODRA_SERVER.EX_";
inline constexpr const char* kUninstallList = "repair\\uninstall.lst";
} // namespace start_files

enum class StartCase {
    ShowParameters, // a Windows Installer step: show the command line, exit code 1
    DetectProducts, // nothing installed and nothing asked: install what is here
    ShowChooser,    // remove, repair or install
};

// The command line without the program name; blanks around it do not count.
StartCase StartCaseOf(std::string_view commandLine, bool uninstallEntryExists);

// The chooser's radio group; the values are the group's indexes.
enum class ChooserAction { None = -1, Remove = 0, Repair = 1, Install = 2 };

struct StartDirectory {
    bool uninstallListPresent = false; // "repair\uninstall.lst"
    bool barcodeMarkerPresent = false;
    bool serverMarkerPresent = false;
};

struct ChooserState {
    ChooserAction selected = ChooserAction::None;
    bool removeEnabled = false;
    bool repairEnabled = false;
    bool installEnabled = false;

    bool IsEnabled(ChooserAction action) const;
};

ChooserState ChooserStateFor(std::string_view commandLine, const StartDirectory& directory);

// The command line without the blanks around it.
std::string_view TrimmedCommandLine(std::string_view commandLine);

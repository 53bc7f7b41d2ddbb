// What a user of Sondrel sees at start: the windows' titles, the ids of
// the controls the cases use, and the English texts of the messages about
// the barcode DLL (catalog module 203) where the program's description
// fixes their wording. Kept apart from the program's own resource header,
// so that a wrong id there fails the cases instead of moving with them.
#pragma once

#include <string>

namespace sondrel {

inline constexpr const char* kStartDialogTitle = "Start Options";
inline constexpr const char* kMainDialogTitle = "Configure Barcodes";
inline constexpr const char* kInitReportCaption = "BARCODE.DLL Init Message";
inline constexpr const char* kFatalErrorCaption = "Barcode Fatal Error";
inline constexpr const char* kSapConnectionTitle = "SAP Connection Data";

// Dialog 121: the start mode's radio group, and OK.
inline constexpr int kImportRadio = 188;
inline constexpr int kPredefinedRadio = 189;
inline constexpr int kCompatibilityRadio = 190;
// Dialog 101.
inline constexpr int kExitButton = 2;
inline constexpr int kDisplayButton = 114;
inline constexpr int kStorageLocationEdit = 138;
// The main menu's File/Exit.
inline constexpr int kFileExitCommand = 57665;

// Messages about the DLL, by their catalog index in module 203.
enum DllMessage : int {
    kDllNotLoaded = 18,
    kOldDll = 22,
    kIncompatibleDll = 23,
    kNoInitEntry = 25,
    kInitFailed = 26,
    kInitReport = 27, // the DLL's own report, under its own caption
    kNoVersionInfo = 32,
    kVersionInfoFailed = 33,
    kDllTooOld = 34,
    kDllTooNew = 35,
};

// The text of a message about the DLL (empty for kInitReport, whose text
// is the DLL's): the fixed English wording, or the catalog's where the
// catalog decides it (the second line of kIncompatibleDll).
std::string DllMessageText(DllMessage message);
// The caption of the boxes about the DLL's problems, from the catalog.
std::string DllProblemCaption();

// The catalog's profile key of the DLL's directory (section "Barcode") and
// the profile file it is read from.
std::string DllDirectoryKey();
std::string LibraryProfileFile();

// The first line of the incompatible-DLL message, which the catalog's text
// must start with.
inline constexpr const char* kIncompatibleDllFirstLine =
    "The loaded Barcode DLL is incompatible!\n";

} // namespace sondrel

// The installer's own texts: messages, captions and the file names it
// copies. The installer runs before a catalog file is installed and reads no
// catalog text, so its texts are literals kept together here. "%s" marks
// where FormatText puts its arguments.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace setup_text {

// Captions.
inline constexpr const char* kBarcode = "Barcode";
inline constexpr const char* kFileNotFound = "File not found";
inline constexpr const char* kCannotGetFileStatus = "Cannot get file status ?";
inline constexpr const char* kCannotGetFileSize = "Cannot get file size ?";
inline constexpr const char* kAreYouSure = "Are you sure?";
inline constexpr const char* kCannotCreateFile = "Cannot create file";
inline constexpr const char* kBufferAllocationFailed = "Buffer allocation failed";
inline constexpr const char* kErrorWhileReading = "Error while reading";
inline constexpr const char* kErrorWhileWriting = "Error while writing";
inline constexpr const char* kCannotDeleteFile =
    "Cannot delete file. Please make shure to close all applications.";
inline constexpr const char* kConflictingSoftware = "Conflicting Software found...";

// Texts; the file copy's boxes show a path as their text.
inline constexpr const char* kCreateDirectory = "Create directory %s?";
inline constexpr const char* kCannotCreateDirectory = "Cannot create directory %s !";
inline constexpr const char* kGetcwdFailed = "getcwd failed?";
inline constexpr const char* kInstallationCanceled = "Installation canceled";
inline constexpr const char* kInternalError = "Internal error";
inline constexpr const char* kOverwriteOlder =
    "Overwrite file\n%s, version %s\nwith probably older version %s ?";
inline constexpr const char* kConflictQuestion =
    "Conflicting versions of barcode.dll and/or barcode.dat found.\nDirectory: \"%s\"\n\n"
    "Please make sure that is not LIVE software and\nthan press OK to delete these files.";
inline constexpr const char* kConflictWarning =
    "The installed version of Barcode Software might not work properly if barcode.dll "
    "and/or barcode.dat exist at\nDirectory: \"%s\"\n";

// Refusals of a removal or repair list. The first %s is the list's path, the
// second the reason, one of the kReason texts (with the line number and the
// line where there is one).
inline constexpr const char* kListRefused =
    "The list\n%s\nis not the one this installation wrote: %s.\n\n"
    "Nothing has been removed or changed.";
inline constexpr const char* kReasonNotInRepairDirectory =
    "it does not lie in the repair directory of an installation";
inline constexpr const char* kReasonUnreadable = "it cannot be read";
inline constexpr const char* kReasonTooLarge = "it is too large";
inline constexpr const char* kReasonUnsafeDirectory =
    "the directory %s is not one an installation may remove (a drive root, the Windows, "
    "System or program files directory or one that holds it, or a name with \"%\", \"^\" "
    "or \"&\")";
inline constexpr const char* kReasonLineTooLong = "line %s is too long";
inline constexpr const char* kReasonUnknownLine = "line %s is of no kind it writes: %s";
inline constexpr const char* kReasonForeignPath =
    "line %s names a path outside the installation: %s";
inline constexpr const char* kReasonMissingEnd = "it does not end by removing %s";
inline constexpr const char* kReasonNoDirectories = "its directory lines are missing or wrong";

// Profile entries written by the DLL part.
inline constexpr const char* kProfileFile = "Barcode.ini";
inline constexpr const char* kProfileSection = "Barcode";
inline constexpr const char* kPrivKey = "Priv";
inline constexpr const char* kDllLocationKey = "DLL-location";
inline constexpr const char* kMappedSection = "Settings";

// The shortcut to the test program.
inline constexpr const char* kShortcutTarget = "Sondrel.exe";
inline constexpr const char* kShortcutDescription = "Barcode Testframe";
inline constexpr const char* kSetPathFailed = "SetPath failed!";
inline constexpr const char* kSetDescriptionFailed = "SetDescription failed!";

} // namespace setup_text

// The format with each "%s" replaced by the next argument, in order; a "%s"
// without an argument is left out. Arguments are copied as they stand, so
// a path holding "%" or "\" is safe.
std::string FormatText(std::string_view format, std::initializer_list<std::string_view> args);

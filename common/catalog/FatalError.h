// The numbered "System Error" reports of the text catalog. Each is logged at
// level 1 and shown in a box captioned "Barcode Fatal Error"; the fatal ones
// end the process with exit code 1.
#pragma once

#include <string>

inline constexpr const char* kFatalErrorCaption = "Barcode Fatal Error";

// System Error 23: no catalog file could be read. Lists the current (F1),
// Windows (F2) and System (F3) directories, then ends the process.
[[noreturn]] void ReportCatalogMissing(const char* catalogName);

// System Error 9 (content): a record of unknown kind. Ends the process.
[[noreturn]] void ReportUnknownCatalogRecord(int formatVersion, const std::string& record);

// System Error 8: an enciphered record in a file of another format version.
// Ends the process.
[[noreturn]] void ReportEncipheredRecordInUnknownFormat(int formatVersion);

// System Error 19: reading one file failed with an exception; that file
// counts as not read and the process continues.
void ReportCatalogFileUnreadable(const char* path, const char* exceptionMessage);

// System Error 9 (load): an exception escaped the loading sequence; the texts
// loaded so far stay and the process continues.
void ReportCatalogLoadFailed(const char* catalogName, const char* exceptionMessage);

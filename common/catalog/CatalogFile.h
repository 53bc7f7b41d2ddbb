// Reading the text catalog file (data/Barcode.dat).
//
// The file is line-oriented text in the Windows ANSI code page:
//
//   # comment                  comment lines and blank lines are ignored
//   @format 2                  format version of the lines that follow (default 1)
//   @module 104                the entries that follow belong to module 104
//   18 __ BarCode              entry (format 1): text index, language tag, text
//   18 EN 1765432100 Text      entry (format 2 and later): index, tag, time stamp, text
//   !A5B2...                   enciphered entry (formats 1 and 2 only): an entry line
//                              with every byte XOR 0xA5, as two hex digits per byte
//
// Language tags: "__" language-neutral (keys, file names, option words), "EN",
// "DE"; any other tag is kept in a slot no lookup reads. The text runs from
// the blank after the tag (or time stamp) to the end of the line; entries of
// a format 1 file carry the time stamp 1000000000. Escapes in the text:
// \n \r \t, \\ (backslash), \" (quote), \b and "\ " (blank, for leading or
// trailing blanks), \xHH (that byte), \$NAME (a placeholder's value); any
// other backslash sequence stays as it stands. Text after ";;" is a comment
// that is stored but never shown.
//
// A line of any other kind (or an unknown "@" directive) means the file is
// not a catalog of ours: reading stops with a fatal problem. Entries that are
// malformed (bad index, tag or time stamp, no module yet, text longer than
// kMaxCatalogTextLength) are skipped with a log line.
#pragma once

#include <cstdint>
#include <functional>
#include <istream>
#include <string>
#include <string_view>

struct CatalogEntry {
    int module = 0;
    int index = 0;
    std::string languageTag;
    uint32_t timeStamp = 0;
    std::string text; // escapes expanded
};

struct CatalogFatalProblem {
    enum Kind { kNone, kUnknownRecord, kEncipheredInUnknownFormat } kind = kNone;
    int formatVersion = 1;
    std::string record;
};

inline constexpr int kMaxCatalogModule = 9999;
inline constexpr int kMaxCatalogIndex = 99999;
inline constexpr size_t kMaxCatalogTextLength = 32 * 1024;
inline constexpr uint32_t kFormatOneTimeStamp = 1000000000;

// Reads a catalog from a stream, handing every entry to addEntry in file
// order. sourceName only names the file in log lines. Returns the first fatal
// problem, or kind kNone when the whole stream was read.
CatalogFatalProblem ReadCatalog(std::istream& in, const std::string& sourceName,
                                const std::function<void(const CatalogEntry&)>& addEntry);

// Expands the backslash escapes of a catalog text.
std::string ExpandCatalogEscapes(std::string_view raw);

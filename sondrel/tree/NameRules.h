// The rules every name in the tree follows: what makes a name valid, and
// how a copy finds a name its configuration does not have yet.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

// Names go to SAP as device type and print control names, which hold at most
// eight characters.
inline constexpr std::size_t kMaxNameLength = 8;

// Blanks, tabs, carriage returns and line feeds removed at both ends.
std::string TrimName(const std::string& text);

// The checks that do not depend on the node's kind, on the trimmed text: an
// empty text is invalid (reason empty); an apostrophe, a double quote, a
// backslash or a control character (below 32) makes it invalid with reason
// (208, 5). SAP's statements quote names with apostrophes and the export
// writes one name per line, so none of these may reach a name.
bool ValidateNameCharacters(const std::string& text, std::string& reason);

// The length limit: false with tooLongReason when the trimmed text has more
// than kMaxNameLength characters.
bool ValidateNameLength(const std::string& text, const char* tooLongReason, std::string& reason);

// The prefix a copy gets once.
inline constexpr const char* kCopyPrefix = "Copy of ";

// A name that taken(name) says is free: name itself when free; else
// "Copy of " + name (unless name already begins with "Copy of "); then that
// followed by " (2)", " (3)", ... up to " (999)". Empty when all of them are
// taken, so that a copy never gets a name its configuration already has.
std::string UniqueName(const std::string& name,
                       const std::function<bool(const std::string&)>& taken);

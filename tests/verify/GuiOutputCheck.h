// The independent check of what a program showed on screen and printed
// under Wine: the GUI cases leave a picture or a print job and a check line
// (tests/gui/driver/OutputChecks.h describes the lines); here zxing-cpp
// reads the symbol, and for a page Ghostscript renders the job first, so
// that its position on the paper and the footer lines can be measured.
#pragma once

#include <string>

// Empty when the line's output holds what it expects; otherwise what was
// wrong. Files named in the line are looked up in folder.
std::string CheckGuiOutput(const std::string& folder, const std::string& line);

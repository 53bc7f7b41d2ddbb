// What a case leaves for the independent check after the Wine run: the
// native program verify_gui_output decodes, with zxing-cpp, the pictures of
// what a program showed and the pages it printed. Each case writes one line
// into <build>/gui-check/<case>.check beside its files:
//   screen <picture.pgm> <zxing format> <expected text>
//   page <job.ps> <zxing format> <expected text> <dpi> <offset x> <offset y>
//        <footer line>...
// Texts are written as hexadecimal bytes ("-" for an empty one), so that any
// byte survives the line format.
#pragma once

#include <string>
#include <vector>

namespace gui {

// The folder of the check files (a Windows path of the prefix); made on
// first use.
std::string OutputCheckDirectory();

// Removes the case's check file left by an earlier run, so that a case that
// fails before it writes one cannot pass on old pictures.
void ForgetOutputCheck(const std::string& caseName);

// The decoded text must be exactly the expected one.
bool RecordScreenCheck(const std::string& caseName, const std::string& pictureFile,
                       const std::string& format, const std::string& expected);

// Where the printer puts a page: its resolution and the printable area's
// offset from the paper's corner, in pixels.
struct PageGeometry {
    int dpi = 0;
    int offsetX = 0;
    int offsetY = 0;
};

bool RecordPageCheck(const std::string& caseName, const std::string& jobFile,
                     const std::string& format, const std::string& expected,
                     const PageGeometry& geometry, const std::vector<std::string>& footerLines);

} // namespace gui

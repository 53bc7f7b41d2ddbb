#include "OutputChecks.h"

#include "AnsiText.h"
#include "BuildFiles.h"

#include <windows.h>

#include <cstdio>

namespace gui {
namespace {

// "-" stands for an empty text, which would leave a field out of the line.
std::string Hexadecimal(const std::string& text) {
    return text.empty() ? "-" : HexadecimalBytes(text);
}

std::string CheckFile(const std::string& caseName) {
    return JoinPath(OutputCheckDirectory(), caseName + ".check");
}

bool WriteLine(const std::string& caseName, const std::string& line) {
    FILE* file = std::fopen(CheckFile(caseName).c_str(), "w");
    if (!file) return false;
    bool written = std::fputs((line + "\n").c_str(), file) >= 0;
    return std::fclose(file) == 0 && written;
}

// Only the file's own name goes into the line: the checker finds it beside
// the check file, in the Unix view of the same folder.
std::string FileName(const std::string& path) {
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

std::string OutputCheckDirectory() {
    std::string directory = JoinPath(BuildDirectory(), "gui-check");
    CreateDirectoryA(directory.c_str(), nullptr);
    return directory;
}

void ForgetOutputCheck(const std::string& caseName) {
    DeleteFileA(CheckFile(caseName).c_str());
}

bool RecordScreenCheck(const std::string& caseName, const std::string& pictureFile,
                       const std::string& format, const std::string& expected) {
    return WriteLine(caseName, "screen " + FileName(pictureFile) + " " + format + " " +
                                   Hexadecimal(expected));
}

bool RecordPageCheck(const std::string& caseName, const std::string& jobFile,
                     const std::string& format, const std::string& expected,
                     const PageGeometry& geometry, const std::vector<std::string>& footerLines) {
    std::string line = "page " + FileName(jobFile) + " " + format + " " + Hexadecimal(expected) +
                       " " + std::to_string(geometry.dpi) + " " +
                       std::to_string(geometry.offsetX) + " " + std::to_string(geometry.offsetY);
    for (const std::string& footer : footerLines) line += " " + Hexadecimal(footer);
    return WriteLine(caseName, line);
}

} // namespace gui

// Native: checks what the GUI cases left after their Wine run (every
// <case>.check file of the folder) and fails unless there are at least the
// expected number of them and each holds.
//   verify_gui_output <folder> <at least this many checks>
#include "GuiOutputCheck.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: verify_gui_output <folder> <at least this many checks>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const int expected = std::atoi(argv[2]);
    int checked = 0;
    int failures = 0;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.path().extension() != ".check") continue;
        std::ifstream in(entry.path());
        std::string line;
        std::getline(in, line);
        const std::string problem = CheckGuiOutput(folder.string(), line);
        ++checked;
        if (!problem.empty()) ++failures;
        std::printf("%s %s%s%s\n", problem.empty() ? "ok    " : "FAILED",
                    entry.path().stem().c_str(), problem.empty() ? "" : ": ", problem.c_str());
    }
    std::printf("%d outputs checked, %d failed (at least %d expected)\n", checked, failures,
                expected);
    return failures == 0 && checked >= expected ? 0 : 1;
}

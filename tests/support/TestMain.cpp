// main() of every test program: a child mode when asked for one, else the tests.
#include "ChildProcess.h"

#include <gtest/gtest.h>

#include <map>

namespace testsupport {

namespace {
std::map<std::string, ChildMain>& ChildModes() {
    static std::map<std::string, ChildMain> modes;
    return modes;
}
} // namespace

bool RegisterChildMode(const std::string& mode, ChildMain main) {
    ChildModes()[mode] = std::move(main);
    return true;
}

bool RunChildModeIfRequested(int argc, char** argv, int& exitCode) {
    if (argc < 3 || std::string(argv[1]) != "--child") return false;
    auto found = ChildModes().find(argv[2]);
    if (found == ChildModes().end()) {
        exitCode = 99;
        return true;
    }
    exitCode = found->second(std::vector<std::string>(argv + 3, argv + argc));
    return true;
}

int RunChild(const std::string& mode, const std::vector<std::string>& arguments) {
    ChildProcess child(mode, arguments);
    return child.Wait();
}

} // namespace testsupport

int main(int argc, char** argv) {
    testsupport::PrepareTestEnvironment();
    int exitCode = 0;
    if (testsupport::RunChildModeIfRequested(argc, argv, exitCode)) return exitCode;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// Child processes of a test program: the same program started again with
// "--child <mode> <arguments>", which runs the function registered for that
// mode instead of the tests and exits with its result.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace testsupport {

using ChildMain = std::function<int(const std::vector<std::string>& arguments)>;

// Registers a child mode; use at namespace scope through BC_CHILD_MODE.
bool RegisterChildMode(const std::string& mode, ChildMain main);

// Runs the registered mode when argv asks for one; returns false otherwise.
bool RunChildModeIfRequested(int argc, char** argv, int& exitCode);

class ChildProcess {
  public:
    // Starts this test program as a child in the given mode.
    ChildProcess(const std::string& mode, const std::vector<std::string>& arguments);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const;
    // Waits for the child to end and returns its exit code (-1 on failure).
    int Wait();

  private:
    struct Impl;
    Impl* impl_;
};

// Starts a child, waits for it and returns its exit code.
int RunChild(const std::string& mode, const std::vector<std::string>& arguments);

// Sets up what every test program (and its children) expects of its
// environment before anything else runs.
void PrepareTestEnvironment();

} // namespace testsupport

#define BC_CHILD_MODE_CONCAT2(a, b) a##b
#define BC_CHILD_MODE_CONCAT(a, b) BC_CHILD_MODE_CONCAT2(a, b)
#define BC_CHILD_MODE(mode, function)                                                              \
    static const bool BC_CHILD_MODE_CONCAT(childModeRegistered_, __LINE__) =                       \
        ::testsupport::RegisterChildMode(mode, function)

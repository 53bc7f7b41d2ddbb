// Child processes on Windows: CreateProcess of this program's own file.
#include "ChildProcess.h"

#include <windows.h>

namespace testsupport {

struct ChildProcess::Impl {
    HANDLE process = nullptr;
};

namespace {
std::string Quoted(const std::string& argument) {
    return "\"" + argument + "\"";
}
} // namespace

ChildProcess::ChildProcess(const std::string& mode, const std::vector<std::string>& arguments)
    : impl_(new Impl) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string commandLine = Quoted(self) + " --child " + Quoted(mode);
    for (const auto& argument : arguments)
        commandLine += " " + Quoted(argument);
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (CreateProcessA(self, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &info)) {
        CloseHandle(info.hThread);
        impl_->process = info.hProcess;
    }
}

ChildProcess::~ChildProcess() {
    if (impl_->process) Wait();
    delete impl_;
}

bool ChildProcess::Started() const {
    return impl_->process != nullptr;
}

int ChildProcess::Wait() {
    if (!impl_->process) return -1;
    WaitForSingleObject(impl_->process, INFINITE);
    DWORD exitCode = static_cast<DWORD>(-1);
    GetExitCodeProcess(impl_->process, &exitCode);
    CloseHandle(impl_->process);
    impl_->process = nullptr;
    return static_cast<int>(exitCode);
}

} // namespace testsupport

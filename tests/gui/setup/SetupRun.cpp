#include "SetupRun.h"

#include "BuildFiles.h"
#include "WindowSearch.h"

#include <utility>

namespace setupgui {

namespace {

struct WindowList {
    DWORD processId;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM context) {
    auto* list = reinterpret_cast<WindowList*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == list->processId && IsWindowVisible(window)) list->windows.push_back(window);
    return TRUE;
}

std::vector<HWND> VisibleTopWindows(DWORD processId) {
    WindowList list{processId, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&list));
    return list.windows;
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

} // namespace

std::string ProgramOfCommand(const std::string& command) {
    if (!command.empty() && command.front() == '"') {
        size_t end = command.find('"', 1);
        return command.substr(1, end == std::string::npos ? std::string::npos : end - 1);
    }
    return command.substr(0, command.find(' '));
}

SetupRun::SetupRun(const std::string& caseName, const std::string& program,
                   const std::string& workingDirectory, const std::string& arguments)
    : SetupRun(WholeCommandLine{}, caseName, program,
               "\"" + program + "\"" + (arguments.empty() ? "" : " " + arguments),
               workingDirectory) {}

SetupRun SetupRun::FromCommand(const std::string& caseName, const std::string& command,
                               const std::string& workingDirectory) {
    return SetupRun(WholeCommandLine{}, caseName, ProgramOfCommand(command), command,
                    workingDirectory);
}

SetupRun::SetupRun(WholeCommandLine, const std::string& caseName, const std::string& program,
                   std::string commandLine, const std::string& workingDirectory)
    : shots_(gui::ShotDirectory(), caseName) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingDirectory.c_str(), &startup, &info_)) {
        startError_ = GetLastError();
        info_ = {};
    }
}

SetupRun::SetupRun(SetupRun&& other) noexcept
    : info_(std::exchange(other.info_, {})), startError_(other.startError_),
      shots_(std::move(other.shots_)) {}

SetupRun::~SetupRun() {
    if (Running()) {
        TerminateProcess(info_.hProcess, gui::kKilledExitCode);
        WaitForSingleObject(info_.hProcess, gui::kCloseTimeoutMs);
    }
    if (info_.hThread) CloseHandle(info_.hThread);
    if (info_.hProcess) CloseHandle(info_.hProcess);
}

bool SetupRun::Running() const {
    return Started() && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> SetupRun::WaitForExit(DWORD timeoutMs) const {
    if (!Started() || WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD exitCode = 0;
    if (!GetExitCodeProcess(info_.hProcess, &exitCode)) return std::nullopt;
    return exitCode;
}

HWND SetupRun::Find(const std::function<bool(HWND)>& matches, DWORD timeoutMs) const {
    const DWORD start = GetTickCount();
    for (;;) {
        const bool ended = !Running();
        for (HWND window : VisibleTopWindows(info_.dwProcessId))
            if (matches(window)) return window;
        if (ended || GetTickCount() - start >= timeoutMs) return nullptr;
        Sleep(gui::kPollIntervalMs);
    }
}

HWND SetupRun::Visit(const std::function<bool(HWND)>& matches, DWORD timeoutMs) {
    HWND window = Find(matches, timeoutMs);
    if (window) shots_.Take(window);
    return window;
}

HWND SetupRun::VisitDialog(const std::string& title, DWORD timeoutMs) {
    return Visit(
        [&](HWND window) {
            return ClassOf(window) == gui::kDialogClass && gui::WindowTitle(window) == title;
        },
        timeoutMs);
}

HWND SetupRun::VisitSplash(DWORD timeoutMs) {
    return Visit([](HWND window) { return _stricmp(ClassOf(window).c_str(), "Static") == 0; }, timeoutMs);
}

HWND SetupRun::VisitFrame(DWORD timeoutMs) {
    HWND frame =
        Find([](HWND window) { return gui::WindowTitle(window) == kFrameTitle; }, timeoutMs);
    // A maximised frame reaches past the screen's edges, and a picture of
    // that rectangle comes out black: the view inside it is on the screen.
    if (frame) {
        HWND view = FindWindowExA(frame, nullptr, nullptr, nullptr);
        shots_.Take(view ? view : frame);
    }
    return frame;
}

HWND SetupRun::VisitBoxOrDialog(const std::string& title, DWORD timeoutMs) {
    return Visit(
        [&](HWND window) {
            return ClassOf(window) == gui::kDialogClass &&
                   (gui::IsMessageBox(window) || gui::WindowTitle(window) == title);
        },
        timeoutMs);
}

std::string SetupRun::Showing() const {
    if (!Started()) return "setup did not start (error " + std::to_string(startError_) + ")\n";
    if (std::optional<DWORD> exitCode = WaitForExit(0))
        return "setup ended with exit code " + std::to_string(*exitCode) + "\n";
    std::string shown = "setup shows:\n";
    for (HWND window : VisibleTopWindows(info_.dwProcessId)) {
        shown += ClassOf(window) + " \"" + gui::WindowTitle(window) + "\"";
        if (gui::IsMessageBox(window)) shown += ": \"" + gui::MessageBoxText(window) + "\"";
        shown += "\n";
    }
    return shown;
}

} // namespace setupgui

#include "WindowSearch.h"

#include "AnsiText.h"
#include "Controls.h"
#include "MessageBoxes.h"

#include <functional>
#include <iterator>

namespace gui {

namespace {

struct DialogSearch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectDialog(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<DialogSearch*>(context);
    char className[16] = {};
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window) &&
        GetClassNameA(window, className, sizeof className) &&
        std::string(className) == kDialogClass)
        search->found.push_back(window);
    return TRUE;
}

// Polls until found() gives a window, the program ends or the time runs out.
HWND PollFor(const Program& program, DWORD timeoutMs, const std::function<HWND()>& found) {
    DWORD start = GetTickCount();
    for (;;) {
        if (HWND window = found()) return window;
        if (!program.Running() || GetTickCount() - start >= timeoutMs) return found();
        Sleep(kPollIntervalMs);
    }
}

} // namespace

std::vector<HWND> VisibleDialogs(DWORD processId) {
    DialogSearch search{processId, {}};
    EnumWindows(CollectDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string WindowTitle(HWND window) {
    // Read from the window manager's copy, without a message: the title of
    // a hung window reads as well, and at once.
    wchar_t title[512] = {};
    int length = InternalGetWindowText(window, title, static_cast<int>(std::size(title)));
    return AnsiText(std::wstring(title, static_cast<size_t>(length > 0 ? length : 0)));
}

HWND WaitForDialog(const Program& program, const std::string& title, DWORD timeoutMs) {
    return PollFor(program, timeoutMs, [&]() -> HWND {
        for (HWND dialog : VisibleDialogs(program.Id()))
            if (WindowTitle(dialog) == title) return dialog;
        return nullptr;
    });
}

HWND WaitForAnyDialog(const Program& program, DWORD timeoutMs) {
    return PollFor(program, timeoutMs, [&]() -> HWND {
        std::vector<HWND> dialogs = VisibleDialogs(program.Id());
        return dialogs.empty() ? nullptr : dialogs.front();
    });
}

HWND WaitForMessageBox(const Program& program, DWORD timeoutMs) {
    return PollFor(program, timeoutMs, [&]() -> HWND {
        for (HWND dialog : VisibleDialogs(program.Id()))
            if (IsMessageBox(dialog)) return dialog;
        return nullptr;
    });
}

bool WaitUntilClosed(HWND window, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (IsWindow(window) && IsWindowVisible(window)) {
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(kPollIntervalMs);
    }
    return true;
}

std::string DescribeDialogs(DWORD processId) {
    std::string description;
    for (HWND dialog : VisibleDialogs(processId)) {
        description += "\"" + WindowTitle(dialog) + "\"";
        if (IsMessageBox(dialog)) description += ": \"" + MessageBoxText(dialog) + "\"";
        description += "\n";
    }
    return description.empty() ? "no dialog\n" : description;
}

} // namespace gui

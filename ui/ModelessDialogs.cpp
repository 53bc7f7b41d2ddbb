#include "ui/ModelessDialogs.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<HWND>& OpenDialogs() {
    static std::vector<HWND> dialogs;
    return dialogs;
}

// While a modal dialog runs its own message loop, Windows offers each of
// its messages to the thread's message filter first: the filter gives the
// open modeless dialogs their keyboard navigation there too.
HHOOK filterHook = nullptr;
bool inFilter = false; // IsDialogMessage calls the filter again

LRESULT CALLBACK ModalLoopFilter(int code, WPARAM wParam, LPARAM lParam) {
    if (code == MSGF_DIALOGBOX && !inFilter) {
        inFilter = true;
        bool handled = IsModelessDialogMessage(reinterpret_cast<MSG*>(lParam));
        inFilter = false;
        if (handled) return TRUE;
    }
    return CallNextHookEx(filterHook, code, wParam, lParam);
}

} // namespace

void AddModelessDialog(HWND dialog) {
    OpenDialogs().push_back(dialog);
    if (!filterHook)
        filterHook = SetWindowsHookExA(WH_MSGFILTER, &ModalLoopFilter, nullptr,
                                       GetCurrentThreadId());
}

void RemoveModelessDialog(HWND dialog) {
    std::erase(OpenDialogs(), dialog);
    if (OpenDialogs().empty() && filterHook) {
        UnhookWindowsHookEx(filterHook);
        filterHook = nullptr;
    }
}

bool IsModelessDialogMessage(MSG* message) {
    for (HWND dialog : OpenDialogs())
        if (IsDialogMessageA(dialog, message)) return true;
    return false;
}

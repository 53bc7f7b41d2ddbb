#include "ui/ModelessDialogs.h"

#include <algorithm>
#include <vector>

namespace {
std::vector<HWND>& OpenDialogs() {
    static std::vector<HWND> dialogs;
    return dialogs;
}
} // namespace

void AddModelessDialog(HWND dialog) { OpenDialogs().push_back(dialog); }

void RemoveModelessDialog(HWND dialog) { std::erase(OpenDialogs(), dialog); }

bool IsModelessDialogMessage(MSG* message) {
    for (HWND dialog : OpenDialogs())
        if (IsDialogMessageA(dialog, message)) return true;
    return false;
}

#include "PopupMenus.h"

#include "WindowSearch.h"

#include <string>

namespace gui {

namespace {

struct MenuSearch {
    DWORD processId;
    HWND found = nullptr;
};

BOOL CALLBACK FindMenuWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<MenuSearch*>(context);
    char className[16] = {};
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window) &&
        GetClassNameA(window, className, sizeof className) &&
        std::string(className) == kPopupMenuClass) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

bool PostKeyToMenu(HWND menu, UINT virtualKey) {
    LPARAM flags = 1 | (static_cast<LPARAM>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC)) << 16);
    return PostMessageA(menu, WM_KEYDOWN, virtualKey, flags);
}

} // namespace

HWND FindPopupMenu(DWORD processId) {
    MenuSearch search{processId};
    EnumWindows(FindMenuWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForPopupMenu(const Program& program, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (HWND menu = FindPopupMenu(program.Id())) return menu;
        if (!program.Running() || GetTickCount() - start >= timeoutMs) return nullptr;
        Sleep(kPollIntervalMs);
    }
}

bool RequestContextMenu(HWND window) {
    return PostMessageA(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window), -1);
}

bool RequestContextMenuAt(HWND window, POINT screen) {
    return PostMessageA(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window),
                        MAKELPARAM(screen.x, screen.y));
}

bool ChoosePopupMenuItem(HWND menu, int position) {
    for (int down = 0; down <= position; ++down)
        if (!PostKeyToMenu(menu, VK_DOWN)) return false;
    return PostKeyToMenu(menu, VK_RETURN) && WaitUntilClosed(menu);
}

bool DismissPopupMenu(HWND menu) {
    return PostKeyToMenu(menu, VK_ESCAPE) && WaitUntilClosed(menu);
}

int PopupMenuHeight(HWND menu) {
    RECT rect{};
    return GetWindowRect(menu, &rect) ? rect.bottom - rect.top : 0;
}

} // namespace gui

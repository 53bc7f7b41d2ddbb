#include "Keys.h"

namespace gui {

namespace {

// lParam of a key message: repeat count 1, the key's scan code, and for a
// release the previous-state and transition bits.
LPARAM KeyMessageFlags(UINT virtualKey, bool release) {
    LPARAM flags = 1 | (static_cast<LPARAM>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC)) << 16);
    if (release) flags |= (LPARAM{1} << 30) | (LPARAM{1} << 31);
    return flags;
}

} // namespace

HWND FocusedControl(HWND dialog) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    DWORD thread = GetWindowThreadProcessId(dialog, nullptr);
    if (thread && GetGUIThreadInfo(thread, &info) && info.hwndFocus &&
        (info.hwndFocus == dialog || IsChild(dialog, info.hwndFocus)))
        return info.hwndFocus;
    return dialog;
}

bool PressKey(HWND dialog, UINT virtualKey) {
    HWND target = FocusedControl(dialog);
    if (!PostMessageA(target, WM_KEYDOWN, virtualKey, KeyMessageFlags(virtualKey, false)))
        return false;
    // The press may already have closed the dialog; the release then has
    // nowhere to go, as when a user lets go of the key.
    PostMessageA(target, WM_KEYUP, virtualKey, KeyMessageFlags(virtualKey, true));
    return true;
}

} // namespace gui

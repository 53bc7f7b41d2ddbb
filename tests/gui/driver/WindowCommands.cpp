#include "WindowCommands.h"

namespace gui {

bool PressCloseBox(HWND window) {
    return PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
}

bool PostCloseMessage(HWND window) {
    return PostMessageA(window, WM_CLOSE, 0, 0);
}

bool ChooseMenuCommand(HWND window, int commandId) {
    return PostMessageA(window, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
}

} // namespace gui

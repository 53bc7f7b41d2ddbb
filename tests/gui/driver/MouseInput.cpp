#include "MouseInput.h"

#include <vector>

namespace gui {

namespace {

// A drag moves in this many steps, this far apart: slow enough for the
// control to see the move leave its drag rectangle and for its scroll
// timer to run, as under a user's hand.
constexpr int kDragSteps = 10;
constexpr DWORD kDragStepMs = 30;

// Absolute positions are in 1/65536 of the screen: the smallest value that
// maps back onto the pixel.
LONG AbsoluteCoordinate(LONG pixel, int screenSize) {
    return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + screenSize - 1) / screenSize);
}

// A move to the point, or a button pressed or released where the cursor
// is: a button event without a move makes Wine move no pointer, so no
// second move (without Ctrl) follows it.
INPUT MouseEvent(POINT screen, DWORD buttonFlags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    if (buttonFlags) {
        input.mi.dwFlags = buttonFlags;
        return input;
    }
    input.mi.dx = AbsoluteCoordinate(screen.x, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = AbsoluteCoordinate(screen.y, GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return input;
}

INPUT CtrlEvent(bool release) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = VK_CONTROL;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(VK_CONTROL, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
    return input;
}

bool Send(std::vector<INPUT> inputs) {
    return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) ==
           inputs.size();
}

// One mouse event, with Ctrl pressed again just before it when held.
bool SendMouse(POINT screen, DWORD buttonFlags, bool withCtrl) {
    if (withCtrl) return Send({CtrlEvent(false), MouseEvent(screen, buttonFlags)});
    return Send({MouseEvent(screen, buttonFlags)});
}

} // namespace

bool ClickAt(POINT screen, bool rightButton) {
    DWORD down = rightButton ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    DWORD up = rightButton ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    if (!SendMouse(screen, 0, false)) return false;
    Sleep(kDragStepMs);
    if (!SendMouse(screen, down, false)) return false;
    Sleep(kDragStepMs);
    return SendMouse(screen, up, false);
}

bool DragWithMouse(const std::vector<POINT>& path, bool withCtrl) {
    if (path.empty()) return false;
    // Ctrl goes down before the mouse moves, as under a user's hand, so that
    // the program has taken it before the button goes down.
    if (withCtrl) {
        Send({CtrlEvent(false)});
        Sleep(kDragStepMs);
    }
    bool sent = SendMouse(path.front(), 0, withCtrl);
    Sleep(kDragStepMs);
    sent = sent && SendMouse(path.front(), MOUSEEVENTF_LEFTDOWN, withCtrl);
    for (size_t leg = 1; sent && leg < path.size(); ++leg) {
        const POINT from = path[leg - 1], to = path[leg];
        for (int step = 1; sent && step <= kDragSteps; ++step) {
            Sleep(kDragStepMs);
            POINT at{from.x + (to.x - from.x) * step / kDragSteps,
                     from.y + (to.y - from.y) * step / kDragSteps};
            sent = SendMouse(at, 0, withCtrl);
        }
    }
    Sleep(kDragStepMs);
    sent = sent && SendMouse(path.back(), MOUSEEVENTF_LEFTUP, withCtrl);
    // Ctrl is let go in any case, so that no later input of the run has it.
    if (withCtrl) Send({CtrlEvent(true)});
    return sent;
}

} // namespace gui

#include "MessageBoxes.h"

#include "Controls.h"
#include "WindowSearch.h"

namespace gui {

std::ostream& operator<<(std::ostream& out, const MessageBoxSeen& box) {
    return out << "[\"" << box.caption << "\": \"" << box.text << "\"]";
}

bool IsMessageBox(HWND dialog) {
    return GetDlgItem(dialog, kMessageBoxTextId) != nullptr;
}

std::string MessageBoxText(HWND box) {
    return ControlText(box, kMessageBoxTextId).value_or("");
}

MessageBoxSeen ReadMessageBox(HWND box) {
    return {WindowTitle(box), MessageBoxText(box)};
}

bool AnswerMessageBox(HWND box, int button) {
    // Posted: what the program does once the box has ended (often the next
    // box) must not keep the driver waiting here.
    return PostClick(box, button) && WaitUntilClosed(box);
}

} // namespace gui

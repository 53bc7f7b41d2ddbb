// Message boxes a program under test shows: their caption and text, and
// answering them with one of their buttons.
#pragma once

#include <windows.h>

#include <ostream>
#include <string>

namespace gui {

// The id of a message box's text (a static control).
inline constexpr int kMessageBoxTextId = 0xFFFF;

struct MessageBoxSeen {
    std::string caption;
    std::string text;
    bool operator==(const MessageBoxSeen&) const = default;
};
std::ostream& operator<<(std::ostream& out, const MessageBoxSeen& box);

// True for a dialog that is a message box (it has the text control).
bool IsMessageBox(HWND dialog);
std::string MessageBoxText(HWND box);
MessageBoxSeen ReadMessageBox(HWND box);

// Presses a button of the box (IDOK, IDYES, ...) and waits for the box to
// close; false when it has no such button or does not close.
bool AnswerMessageBox(HWND box, int button = IDOK);

} // namespace gui

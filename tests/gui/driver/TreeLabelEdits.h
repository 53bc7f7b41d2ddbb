// In-place editing of a tree item's label in another process, as a user
// renames an item: the edit field the control opens, a text put into it
// or typed, and the end of the edit that hands the text to the program.
#pragma once

#include "TreeViews.h"

#include <optional>
#include <string>

namespace gui {

// Opens the label edit of the item (TVM_EDITLABELA); the program's
// TVN_BEGINLABELEDIT handler has run on return. The edit field, or null
// when the program refused the edit.
HWND BeginLabelEdit(const RemoteTree& tree, HTREEITEM item);
// The edit field of a label edit in progress, or null.
HWND LabelEditField(const RemoteTree& tree);
// The most characters the edit field takes from typing (EM_GETLIMITTEXT).
std::optional<int> TypingLimit(HWND edit);

// Replaces the edit field's text at once (WM_SETTEXT, not limited).
bool PutLabelText(HWND edit, const std::string& text);
// Types the text into the edit field key by key (WM_CHAR), as a user
// does; the field's limit applies.
bool TypeLabelText(HWND edit, const std::string& text);

// How an edit ends: Enter keeps the text and Escape drops it, as a user
// ends it; the control's own TVM_ENDEDITLABELNOW keeps it too, as the
// control ends an edit when it loses the focus. (Under Wine a message box
// shown by the handler of that end takes the focus from the edit field,
// which ends the edit a second time: the program gets a second
// TVN_ENDLABELEDIT while the first is still in its handler.)
enum class LabelEditEnd { kEnterKey, kEscapeKey, kEndMessage };

// Ends the edit. Posted: the program's TVN_ENDLABELEDIT handler may show a
// message box and return only when it is answered. Returns once the handler
// has returned or the box it opened is shown; false when neither happened
// in time.
bool EndLabelEdit(const RemoteTree& tree, LabelEditEnd end = LabelEditEnd::kEnterKey);

} // namespace gui

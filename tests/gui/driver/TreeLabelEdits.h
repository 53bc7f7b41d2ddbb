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

// Ends the edit, keeping the text (TVM_ENDEDITLABELNOW FALSE) or dropping
// it. Posted: the program's TVN_ENDLABELEDIT handler may show a message box
// and return only when it is answered. Returns once the handler has
// returned or the box it opened is shown; false when neither happened in
// time.
bool EndLabelEdit(const RemoteTree& tree, bool keepText = true);

} // namespace gui

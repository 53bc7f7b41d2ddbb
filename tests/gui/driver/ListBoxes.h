// A list box (LISTBOX) of a dialog in another process: its items, read in
// their wide form (the ANSI form of LB_GETTEXT does not cross processes
// whole under Wine), and choosing one as a click or a double click does.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace gui {

// The items in their order; nothing when there is no such list or it does
// not answer.
std::optional<std::vector<std::string>> ListBoxItems(HWND dialog, int id);

// Selects the item with exactly this text (LB_SETCURSEL, which does not
// notify; the dialog reads the selection when it is closed). False when
// the list has no such item.
bool SelectListBoxItem(HWND dialog, int id, const std::string& text);

// Selects the item and posts the double click's notification (LBN_DBLCLK)
// to the dialog, whose handler may close it; does not wait for it.
bool DoubleClickListBoxItem(HWND dialog, int id, const std::string& text);

} // namespace gui

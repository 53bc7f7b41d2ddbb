// A tab control (SysTabControl32) of another process: its tabs, read
// through a TCITEMA in the program's memory, and choosing one as a click
// does. TCM_SETCURFOCUS notifies the program (TCN_SELCHANGING and
// TCN_SELCHANGE); TCM_SETCURSEL would change the tab without telling it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace gui {

std::optional<int> TabCount(HWND tabs);
// The selected tab's index; nothing when the control does not answer, -1
// when no tab is selected.
std::optional<int> SelectedTab(HWND tabs);
std::optional<std::string> TabText(HWND tabs, int index);

// Chooses the tab; the program's TCN_SELCHANGE handler has run on return.
bool ChooseTab(HWND tabs, int index);

} // namespace gui

// The modeless dialogs that are open, so that a message loop gives them
// their keyboard navigation (Tab, Enter, Escape) through IsDialogMessage.
#pragma once

#include "win32api.h"

void AddModelessDialog(HWND dialog);
void RemoveModelessDialog(HWND dialog);
// True when the message belonged to an open modeless dialog and was handled.
bool IsModelessDialogMessage(MSG* message);

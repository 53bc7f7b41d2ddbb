// Message boxes of the framework itself (a refused field, a failed
// handler): owned by the program's main window and captioned with the
// program's name.
#pragma once

#include "win32api.h"

int FrameworkMessageBox(const char* text, UINT style);

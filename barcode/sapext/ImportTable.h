// Replacing a function in the import address table of a module.
#pragma once

#include "win32api.h"

// Replaces the host module's import of function from the imported module
// whose name matches moduleName (without regard to case; "*crt*" matches
// every C runtime DLL) by replacement. The entry must hold the function's
// current address (or, in 32-bit programs, a stub that pushes it).
// original receives that address. False, with nothing changed, when no
// entry matches.
bool HookImport(HMODULE host, const char* moduleName, const char* function, void* replacement,
                void** original);

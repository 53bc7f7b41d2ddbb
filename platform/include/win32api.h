// The one header through which the system reaches the Win32 API.
//
// On Windows it is <windows.h>; on Linux it is our platform layer, which
// provides the subset of Win32 the system uses with Windows semantics.
// Code outside platform/ includes this header and nothing Windows-specific.
#pragma once

#ifdef _WIN32
#include <windows.h>
#else
#include "win32/types.h"
#include "win32/kernel.h"
#include "win32/profile.h"
#include "win32/user.h"
#include "win32/gdi.h"
#endif

#include "bcplatform.h"

// The DLL's defaults in the profile, read into the test settings and
// written back from them: the barcode DLL takes every parameter a command
// leaves out from these keys of barcode.ini. Older installations kept them
// in win.ini; they are read from there until the first save writes
// "PRIV=1" into barcode.ini and leaves a marker in win.ini.
#pragma once

#include "TestSettings.h"

// Reads the defaults over the settings: a key that is absent leaves its
// setting as it is (a few take a fixed default, as the DLL does). Returns
// whether kill blanks is on.
bool LoadDefaults(TestSettings& s);

// Writes the settings as the new defaults into barcode.ini, then the marker
// into win.ini.
void SaveDefaults(const TestSettings& s);

// The marker a save leaves in win.ini.
inline constexpr const char* kMovedMarkerSection = "Barcode";
inline constexpr const char* kMovedMarkerKey = "Attention";
inline constexpr const char* kMovedMarkerText = "+++++ Profile moved to barcode.ini +++++";

// Reading the defaults from the profile. The file is "barcode.ini" in the
// Windows directory, unless its key "PRIV" is absent or 0: then the defaults
// still live in the older file, the Windows profile "win.ini", as older
// versions of Sondrel kept them there.
#pragma once

#include "defaults/DefaultSettings.h"

// Resets the process's defaults to the built-in values and reads the section
// (the DLL passes "BarCode") from the profile files the catalog names.
void ReadDefaults(const char* section);

// The defaults of one section: built-in values overridden by the profile.
// profileFile is where "PRIV" is read; olderProfileFile is read instead of it
// when "PRIV" is 0. Both may be bare names (Windows directory) or full paths.
DefaultSettings ReadDefaultSettings(const char* section, const char* profileFile,
                                    const char* olderProfileFile);

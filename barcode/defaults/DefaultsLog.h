// The log lines that report the defaults after every read.
#pragma once

#include "defaults/DefaultSettings.h"

// At log level 3 or more: one line per group of defaults.
void LogDefaultSettings(const DefaultSettings& defaults);

// The once-per-process set-up of the library: the log, the defaults, and a
// report of both for the host.
#pragma once

#include <cstddef>

// On its first run in the process: opens the log, reads the defaults and
// writes the report (snprintf semantics) into text; every later run writes
// an empty text. Safe to call from several threads: one of them runs the
// set-up, the others wait for it. Returns 1.
int BuildInitReport(char* text, size_t size);

// True once the set-up has run in this process.
bool IsProcessInitialised();

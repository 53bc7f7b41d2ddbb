// How BarcodeInit hands its report to the host.
#pragma once

#include <cstddef>

// True when the host's buffer holds exactly "NoTime": the report then goes
// without time stamps. Reads at most the first seven bytes of the buffer,
// and only when its size allows.
bool AsksForNoTimeStamps(const char* buffer, int size);

// Copies the report into a buffer of size bytes (size >= 1), always
// terminated. With time stamps every line after the first starts with the
// local time as "[hh:mm:ss] " where room is left for it.
void CopyInitReport(const char* report, char* buffer, int size, bool timeStamps);

// The process-wide trace file: switched on and named by the profile keys
// "LogEnabled" and "LogFile", opened once, and written by every subsystem
// through LogWrite: a line is written only when the log is open and the log
// level is at least the line's threshold, after a time header when at least
// a second has passed since the last one, and flushed at once so that the
// file is complete after a crash.
#pragma once

#include <cstdint>
#include <cstdio>

#if defined(__GNUC__)
#define BC_PRINTF_FORMAT(formatIndex, firstArgument)                                               \
    __attribute__((format(printf, formatIndex, firstArgument)))
#else
#define BC_PRINTF_FORMAT(formatIndex, firstArgument)
#endif

struct LogState {
    int32_t level = 0;          // 0 off; negative: file open, nothing written
    FILE* file = nullptr;       // null while logging is off
    char fileName[200] = {};    // the file written (see LogInit)
    int64_t lastHeaderTime = 0; // seconds since 1970 of the last time header
};

// The one log of this process.
LogState& ProcessLog();

// Opens the log from a section of a profile file and returns the level.
// A second call in the same process re-reads nothing; at level 99 or more it
// notes the re-initialisation in the log.
//
// Several processes may name the same file. Each process writes its own
// file: when another live process already writes the named file, this one
// writes "<name>.<process id><extension>" instead, so that no process
// truncates or interleaves with another's log.
int LogInit(const char* profileFile, const char* section);

// Writes "--- dd.mm. hh:mm:ss ---" when at least intervalSeconds have passed
// since the last header.
void LogTimeHeader(FILE* stream, int intervalSeconds);

// Writes one printf-formatted text (carrying its own line ends) when the log
// is open and its level is at least the threshold.
void LogWrite(int threshold, const char* format, ...) BC_PRINTF_FORMAT(2, 3);

// The current level (0 when logging is off).
int LogLevel();

// True when a line of this threshold would be written; lets callers skip
// building expensive trace text.
bool LogWillWrite(int threshold);

// For tests: the clock that time headers read (seconds since 1970), null
// for the real clock, and a way back to the closed state.
void LogSetClockForTesting(int64_t (*now)());
void LogResetForTesting();

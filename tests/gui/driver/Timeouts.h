// How long the driver waits for what a program under test does. Every wait
// has a limit, so that a hung dialog fails its case instead of hanging the
// test run; the limits are generous for a machine busy with other builds.
#pragma once

#include <windows.h>

namespace gui {

// From the start of a program to its first window (Wine start-up included).
inline constexpr DWORD kFirstWindowTimeoutMs = 20000;
// From an action to the window it opens.
inline constexpr DWORD kWindowTimeoutMs = 10000;
// From an action to the end of the window or program it closes.
inline constexpr DWORD kCloseTimeoutMs = 10000;
// One message sent to a window of the program, until its handler returns.
inline constexpr DWORD kMessageTimeoutMs = 5000;
// How often a wait looks again.
inline constexpr DWORD kPollIntervalMs = 20;

} // namespace gui

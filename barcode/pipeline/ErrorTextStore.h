// The texts behind failed requests' errorText, one per printing thread.
//
// A host may read errorText after the thread that printed has ended (print
// servers run requests on short-lived worker threads), so the texts live in
// storage of the process, never in the thread's own. Each thread keeps its
// own text apart from the others', so that requests printing at the same
// time without the lock never see each other's half-written messages.
#pragma once

#include <cstddef>

// The calling thread's error text buffer of kErrorMessageBufferSize bytes.
// It stays valid for the whole process; its content stays until this thread
// reports again, or until more threads than the store has slots have failed
// since (the slot used longest ago goes to a newcomer; errorText is promised
// only until the next print call).
char* ThreadErrorText();

// How many threads keep their texts apart at once.
inline constexpr size_t kErrorTextSlots = 256;

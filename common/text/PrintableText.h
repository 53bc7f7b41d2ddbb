// The printable form of a command: the escaped text that every message and
// log line about a command shows, so that control bytes in a command never
// reach a log file or an error text raw.
#pragma once

#include <cstddef>
#include <cstdint>

inline constexpr size_t kPrintableTextBufferSize = 5000;
// Output stops once it has reached this many bytes; an escape that starts
// below the limit is still written whole, so the text never exceeds 4998.
inline constexpr size_t kPrintableTextLimit = 4997;

// Escapes "^" and "\" as "\^" and "\\", line feed, carriage return and tab
// as "\n", "\r", "\t", and any other byte below 32 as "^" and the byte + 64.
// Reads length bytes, or up to the NUL when length is below 0; null bytes
// read as an empty text. The result lives in a buffer of this thread, valid
// until the thread's next call.
const char* PrintableText(const char* bytes, int32_t length);

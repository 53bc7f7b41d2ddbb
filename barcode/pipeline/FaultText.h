// The message of a fault caught at the edge of a request or of an export:
// "Internal error in <where> (<what is known>): nothing printed". It is
// written into a buffer of the caller's, since the fault may be that the
// heap has run out.
#pragma once

#include <cstddef>

// Call only inside a catch handler: describes the exception being handled.
void FormatCaughtFault(char* buffer, size_t size, const char* where) noexcept;

// The printable form of a command.
#include "text/PrintableText.h"

#include <cstring>

namespace {

// One buffer per thread: the data channel logs from every printing thread,
// and a shared buffer would let one thread's text overwrite another's while
// it is being written to the log.
thread_local char printable[kPrintableTextBufferSize];

// Writes the escaped form of one byte at out and returns the bytes written.
size_t EscapeByte(unsigned char byte, char* out) {
    switch (byte) {
    case '^':
    case '\\':
        out[0] = '\\';
        out[1] = static_cast<char>(byte);
        return 2;
    case '\n':
        out[0] = '\\';
        out[1] = 'n';
        return 2;
    case '\r':
        out[0] = '\\';
        out[1] = 'r';
        return 2;
    case '\t':
        out[0] = '\\';
        out[1] = 't';
        return 2;
    default:
        break;
    }
    if (byte < 32) {
        out[0] = '^';
        out[1] = static_cast<char>(byte + 64);
        return 2;
    }
    out[0] = static_cast<char>(byte);
    return 1;
}

} // namespace

const char* PrintableText(const char* bytes, int32_t length) {
    size_t count = 0;
    if (bytes != nullptr) count = length < 0 ? std::strlen(bytes) : static_cast<size_t>(length);
    size_t written = 0;
    for (size_t i = 0; i < count && written < kPrintableTextLimit; ++i)
        written += EscapeByte(static_cast<unsigned char>(bytes[i]), printable + written);
    printable[written] = '\0';
    return printable;
}

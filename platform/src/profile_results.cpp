// Result rules of the profile functions, as the Windows test build shows
// them: its results and ours must be the same byte for byte.
#include "profile_results.h"

#include <algorithm>
#include <cstring>

namespace platform {

namespace {

bool IsQuotedByOneCharacter(std::string_view value) {
    return value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
           value.back() == value.front();
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return -1;
}

// The base a "0x", "0o" or "0b" prefix selects (lower case only), else 10.
UINT TakeBasePrefix(std::string_view& text) {
    if (text.size() < 2 || text[0] != '0') return 10;
    UINT base = text[1] == 'x' ? 16 : text[1] == 'o' ? 8 : text[1] == 'b' ? 2 : 10;
    if (base != 10) text.remove_prefix(2);
    return base;
}

} // namespace

DWORD CopyValueToBuffer(std::string_view value, LPSTR buffer, DWORD size) {
    bool quoted = IsQuotedByOneCharacter(value);
    if (quoted) value.remove_prefix(1);
    size_t length = std::min<size_t>(value.size(), size - 1);
    // Windows drops the closing quote only when the buffer could hold the
    // value with it; with one character less it cuts the last character of
    // the value instead, and so do we.
    if (quoted && size >= value.size() && length > 0) --length;
    std::memcpy(buffer, value.data(), length);
    buffer[length] = '\0';
    return static_cast<DWORD>(length);
}

DWORD CopyListToBuffer(const std::vector<std::string>& items, LPSTR buffer, DWORD size) {
    std::string list;
    for (const std::string& item : items) {
        list += item;
        list += '\0';
    }
    // A list that fills the buffer exactly counts as too long, as on Windows.
    if (list.size() + 1 < size) {
        std::memcpy(buffer, list.data(), list.size());
        buffer[list.size()] = '\0';
        if (list.empty()) buffer[1] = '\0';
        return static_cast<DWORD>(list.size());
    }
    if (size < 2) {
        buffer[0] = '\0';
        return 0;
    }
    DWORD length = size - 2;
    std::memcpy(buffer, list.data(), length);
    buffer[length] = '\0';
    buffer[length + 1] = '\0';
    return length;
}

std::string_view WithoutTrailingSpaces(std::string_view defaultValue) {
    // Only spaces go, and never the first character: Windows turns "   "
    // into " ".
    while (defaultValue.size() > 1 && defaultValue.back() == ' ')
        defaultValue.remove_suffix(1);
    return defaultValue;
}

UINT ParseProfileNumber(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ')
        text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    UINT base = TakeBasePrefix(text);
    UINT number = 0;
    for (char c : text) {
        int digit = DigitValue(c);
        if (digit < 0 || static_cast<UINT>(digit) >= base) break;
        number = number * base + static_cast<UINT>(digit);
    }
    return negative ? 0u - number : number;
}

} // namespace platform

#include "SapText.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

std::string FormatSapText(const char* format, ...) {
    if (format == nullptr) return {};
    va_list arguments;
    va_start(arguments, format);
    va_list again;
    va_copy(again, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, arguments);
    va_end(arguments);
    std::string text;
    if (length > 0) {
        std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, again);
        text.assign(buffer.data(), static_cast<std::size_t>(length));
    }
    va_end(again);
    return text;
}

std::string TrimSapText(const std::string& text) {
    const char* blanks = " \t\r\n";
    std::string trimmed = text.substr(0, text.find('\0'));
    const std::size_t first = trimmed.find_first_not_of(blanks);
    if (first == std::string::npos) return {};
    const std::size_t last = trimmed.find_last_not_of(blanks);
    return trimmed.substr(first, last - first + 1);
}

std::string FixedFieldText(const char* field, std::size_t size) {
    if (field == nullptr) return {};
    const void* end = std::memchr(field, '\0', size);
    return std::string(field, end ? static_cast<const char*>(end) - field : size);
}

std::string DoubleApostrophes(const std::string& text) {
    std::string doubled;
    for (char c : text) {
        doubled += c;
        if (c == '\'') doubled += '\'';
    }
    return doubled;
}

#include "FixedText.h"

#include <algorithm>
#include <cstring>

namespace rfcstandin {

void CopyTerminated(char* field, std::size_t size, std::string_view text) {
    if (field == nullptr || size == 0) return;
    std::size_t length = std::min(text.size(), size - 1);
    std::memcpy(field, text.data(), length);
    std::memset(field + length, 0, size - length);
}

void CopyPadded(char* field, std::size_t width, std::string_view text) {
    if (field == nullptr) return;
    std::size_t length = std::min(text.size(), width);
    std::memcpy(field, text.data(), length);
    std::memset(field + length, ' ', width - length);
}

std::string FieldText(const char* field, std::size_t width) {
    if (field == nullptr) return {};
    const char* end = static_cast<const char*>(std::memchr(field, 0, width));
    std::string text(field, end != nullptr ? end - field : width);
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

std::string_view Trim(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n";
    std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    std::size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

} // namespace rfcstandin

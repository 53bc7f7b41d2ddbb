#include "AnsiText.h"

#include <windows.h>

namespace gui {

std::string AnsiText(const std::wstring& text) {
    if (text.empty()) return {};
    int length = static_cast<int>(text.size());
    int size = WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), length, ansi.data(), size, nullptr, nullptr);
    return ansi;
}

std::wstring WideText(const std::string& text) {
    if (text.empty()) return {};
    int length = static_cast<int>(text.size());
    int size = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), length, wide.data(), size);
    return wide;
}

std::string HexadecimalBytes(const std::string& text) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char byte : text) {
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0xF];
    }
    return hex;
}

} // namespace gui

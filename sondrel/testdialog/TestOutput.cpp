// The texts the test dialog shows and prints around a test barcode: the
// parameters in plain and hexadecimal form, the DLL's response and the
// footer of a printed page.
#include "TestSettings.h"

#include "catalog/Translate.h"

#include <cstring>

std::string ParametersText(const std::string& command) {
    return "b%" + command;
}

std::string HexadecimalText(const std::string& text) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(text.size() * 2);
    for (unsigned char byte : text) {
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0x0F];
    }
    return hex;
}

std::string TrimResponse(const char* text) {
    if (text == nullptr) return std::string();
    size_t length = std::strlen(text);
    while (length > 0 &&
           (text[length - 1] == ' ' || text[length - 1] == '\n' || text[length - 1] == '\r'))
        --length;
    return std::string(text, length);
}

std::string FormatWithText(const char* format, const std::string& value) {
    std::string text;
    bool replaced = false;
    for (const char* p = format; *p != '\0'; ++p) {
        if (p[0] == '%' && p[1] == '%') {
            text += '%';
            ++p;
        } else if (p[0] == '%' && p[1] == 's' && !replaced) {
            text += value;
            replaced = true;
            ++p;
        } else {
            text += *p;
        }
    }
    return text;
}

std::vector<std::string> FooterLines(const std::string& command, const char* versionText) {
    return {FormatWithText(GetText(210, 16, false), command),
            std::string("Version ") + (versionText != nullptr ? versionText : "")};
}

// Print control values as SAP stores them, and the barcode commands in them.
#include "PrintControlValue.h"

#include <algorithm>

namespace {

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return 0;
}

bool StartsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

} // namespace

// A digit beyond "F" still counts (up to 35): the high half then carries
// into bits above the byte, which the cast drops, as SAP's own decoding does.
std::string DecodeHexValue(const std::string& value) {
    std::string bytes;
    bytes.reserve(value.size() / 2);
    for (std::size_t i = 0; i + 1 < value.size(); i += 2)
        bytes.push_back(
            static_cast<char>((HexDigitValue(value[i]) << 4) + HexDigitValue(value[i + 1])));
    return bytes;
}

std::optional<std::string> CommandFromPrintControl(const std::string& kind,
                                                   const std::string& hexFlag,
                                                   const std::string& value) {
    std::string text = hexFlag == "X" ? DecodeHexValue(value) : value;
    // A zero byte (a hex pair "00", or digits that count 0) ends the value,
    // as it ends the text SAP's printing hands on.
    text.resize(std::min(text.size(), text.find('\0')));
    // A printer sequence (kind 1) carries a command only after its escape.
    if (kind == "1") {
        if (!StartsWith(text, "\\e")) return std::nullopt;
        text.erase(0, 2);
    } else if (kind != "5") {
        return std::nullopt;
    }
    if (StartsWith(text, "b%")) return text.substr(2);
    if (StartsWith(text, "b")) return text.substr(1);
    return std::nullopt;
}

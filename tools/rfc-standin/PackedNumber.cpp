#include "PackedNumber.h"

namespace rfcstandin {

bool PackedToText(const unsigned char* packed, std::size_t length, int decimals,
                  std::string& text) {
    text.clear();
    if (packed == nullptr || length == 0 || length > 16) return false;
    std::string digits;
    for (std::size_t i = 0; i < length; ++i) {
        unsigned high = packed[i] >> 4;
        unsigned low = packed[i] & 0x0F;
        if (high > 9) return false;
        digits += static_cast<char>('0' + high);
        if (i + 1 < length) {
            if (low > 9) return false;
            digits += static_cast<char>('0' + low);
        }
    }
    unsigned sign = packed[length - 1] & 0x0F;
    if (sign != 0x0C && sign != 0x0F && sign != 0x0D) return false;
    if (decimals < 0 || static_cast<std::size_t>(decimals) >= digits.size()) return false;
    std::string whole = digits.substr(0, digits.size() - decimals);
    whole.erase(0, whole.find_first_not_of('0'));
    if (whole.empty()) whole = "0";
    text = (sign == 0x0D ? "-" : "") + whole;
    if (decimals > 0) text += "." + digits.substr(digits.size() - decimals);
    return true;
}

} // namespace rfcstandin

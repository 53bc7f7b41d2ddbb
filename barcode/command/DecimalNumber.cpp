// Decimal numbers with atoi's reading and saturation instead of overflow.
#include "command/DecimalNumber.h"

#include <cctype>
#include <limits>

int32_t DecimalPrefixValue(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    // Accumulated as a negative number, which reaches INT32_MIN as well.
    constexpr int64_t kMin = std::numeric_limits<int32_t>::min();
    int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 - (text[i] - '0');
        if (value < kMin) value = kMin;
    }
    if (!negative) value = value == kMin ? std::numeric_limits<int32_t>::max() : -value;
    return static_cast<int32_t>(value);
}

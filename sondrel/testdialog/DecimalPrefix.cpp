// The decimal number at the start of a text.
#include "DecimalPrefix.h"

#include <climits>

int DecimalPrefix(const char* text, const char** end) {
    const char* p = text;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    if (*p < '0' || *p > '9') {
        if (end != nullptr) *end = text;
        return 0;
    }
    long long value = 0;
    for (; *p >= '0' && *p <= '9'; ++p)
        if (value <= INT_MAX) value = value * 10 + (*p - '0');
    if (negative) value = -value;
    if (end != nullptr) *end = p;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

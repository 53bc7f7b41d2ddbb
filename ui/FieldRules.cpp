#include "ui/FieldRules.h"

#include <cctype>
#include <climits>
#include <cstdio>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The value of "[blanks][sign]digits[blanks]", or false.
bool ParseWholeInteger(const char* text, long long& value) {
    const char* p = text;
    while (IsBlank(*p)) ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    if (!std::isdigit(static_cast<unsigned char>(*p))) return false;
    long long magnitude = 0;
    for (; std::isdigit(static_cast<unsigned char>(*p)); ++p) {
        magnitude = magnitude * 10 + (*p - '0');
        if (magnitude > 0x80000000LL) return false; // beyond any 32-bit value
    }
    while (IsBlank(*p)) ++p;
    if (*p != '\0') return false;
    value = negative ? -magnitude : magnitude;
    return true;
}

std::string RangeMessage(int minimum, int maximum) {
    // A field that takes any integer has no range worth naming.
    if (minimum == INT_MIN && maximum == INT_MAX) return "Please enter an integer.";
    char text[100];
    std::snprintf(text, sizeof text, "Please enter an integer between %d and %d.", minimum,
                  maximum);
    return text;
}

} // namespace

FieldVerdict CheckIntegerField(const char* text, int minimum, int maximum, int& value) {
    long long parsed = 0;
    if (!ParseWholeInteger(text ? text : "", parsed) || parsed < minimum || parsed > maximum)
        return {false, RangeMessage(minimum, maximum)};
    value = static_cast<int>(parsed);
    return {};
}

FieldVerdict CheckTextLength(const std::string& text, size_t maxLength) {
    if (maxLength == 0 || text.size() <= maxLength) return {};
    char message[100];
    std::snprintf(message, sizeof message, "Please enter no more than %zu characters.", maxLength);
    return {false, message};
}

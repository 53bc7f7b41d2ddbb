#include "ui/FieldRules.h"

#include <cctype>
#include <charconv>
#include <climits>
#include <cmath>
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

// "[blanks][sign](digits[.[digits]] | .digits)[blanks]" without its blanks
// and a plus sign, or empty when the text is not of that form.
std::string RealNumberPart(const char* text) {
    const char* p = text;
    while (IsBlank(*p)) ++p;
    std::string number;
    if (*p == '+' || *p == '-') {
        if (*p == '-') number += '-';
        ++p;
    }
    size_t digits = 0;
    bool point = false;
    for (;; ++p) {
        if (std::isdigit(static_cast<unsigned char>(*p))) {
            number += *p;
            ++digits;
        } else if (*p == '.' && !point) {
            number += '.';
            point = true;
        } else {
            break;
        }
    }
    while (IsBlank(*p)) ++p;
    if (*p != '\0' || digits == 0) return {};
    return number;
}

std::string RealRangeMessage(double minimum, double maximum) {
    if (minimum <= -HUGE_VAL && maximum >= HUGE_VAL) return "Please enter a number.";
    return "Please enter a number between " + FormatReal(minimum) + " and " + FormatReal(maximum) +
           ".";
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

FieldVerdict CheckRealField(const char* text, double minimum, double maximum, double& value) {
    const std::string number = RealNumberPart(text ? text : "");
    double parsed = 0;
    // from_chars reads "." as the point in every locale; the syntax above
    // already kept out exponents, "inf" and "nan".
    auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), parsed,
                                        std::chars_format::fixed);
    if (number.empty() || error != std::errc() || end != number.data() + number.size() ||
        !(parsed >= minimum && parsed <= maximum))
        return {false, RealRangeMessage(minimum, maximum)};
    value = parsed == 0 ? 0.0 : parsed; // "-0" is 0
    return {};
}

std::string FormatReal(double value) {
    if (value == 0) return "0";
    // The shortest fixed form that reads back to the value; the largest
    // doubles have 309 digits, the smallest some 330 places.
    char text[400];
    auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    if (error != std::errc()) return {};
    return std::string(text, end);
}

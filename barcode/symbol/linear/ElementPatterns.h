// Element patterns written the way the symbology tables print them, turned
// into element widths. Keeping the tables in their printed form lets them be
// compared with the standards line by line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "symbol/linear/LinearSymbol.h"

// Appends a pattern of "n" (narrow) and "w" (wide) elements or of module
// counts "1" to "9", bar or space as the position in the symbol decides.
inline void AppendPattern(std::vector<uint8_t>& elements, std::string_view pattern) {
    for (char element : pattern) {
        if (element == 'w')
            elements.push_back(kWideElement);
        else if (element == 'n')
            elements.push_back(1);
        else
            elements.push_back(static_cast<uint8_t>(element - '0'));
    }
}

inline bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

inline int DigitValue(char c) {
    return c - '0';
}

inline bool AllDigits(std::string_view data) {
    for (char c : data)
        if (!IsDigit(c)) return false;
    return true;
}

inline char DigitCharacter(int value) {
    return static_cast<char>('0' + value);
}

// The position of c in a symbology's character set, -1 when it has none.
inline int IndexIn(std::string_view characterSet, char c) {
    size_t position = characterSet.find(c);
    return position == std::string_view::npos ? -1 : static_cast<int>(position);
}

// Only the ASCII letters: the bytes above 127 must not depend on the locale.
inline char AsciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}

// The Luhn check digit (modulo 10, every second value doubled, the one next
// to the check digit first) over the values valueOf gives the characters.
template <typename ValueOf> char LuhnCheckDigit(std::string_view characters, ValueOf valueOf) {
    int sum = 0;
    bool doubled = true;
    for (auto it = characters.rbegin(); it != characters.rend(); ++it) {
        int value = valueOf(*it);
        if (doubled) {
            value *= 2;
            if (value > 9) value -= 9;
        }
        sum += value;
        doubled = !doubled;
    }
    return DigitCharacter((10 - sum % 10) % 10);
}

// The modulo-10 check digit with weights 3 and 1 from the right, as EAN/UPC
// and the 2 of 5 family compute it.
inline char Modulo10Weighted31(std::string_view digits) {
    int sum = 0;
    int weight = 3;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        sum += DigitValue(*it) * weight;
        weight = 4 - weight;
    }
    return DigitCharacter((10 - sum % 10) % 10);
}

// Test-only reading of Code 128 elements back into symbol values and data,
// so that tests state what a scanner would see rather than how the encoder
// got there.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace code128_test {

// ISO/IEC 15417 Table 1, values 0 to 106 (106 is the stop with its final bar).
inline constexpr std::string_view kPatterns[107] = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212",
    "221213", "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221",
    "223211", "221132", "221231", "213212", "223112", "312131", "311222", "321122", "321221",
    "312212", "322112", "322211", "212123", "212321", "232121", "111323", "131123", "131321",
    "112313", "132113", "132311", "211313", "231113", "231311", "112133", "112331", "132131",
    "113123", "113321", "133121", "313121", "211331", "231131", "213113", "213311", "213131",
    "311123", "311321", "331121", "312113", "312311", "332111", "314111", "221411", "431111",
    "111224", "111422", "121124", "121421", "141122", "141221", "112214", "112412", "122114",
    "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111", "111242",
    "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141",
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311",
    "113141", "114131", "311141", "411131", "211412", "211214", "211232", "2331112"};

// The values from the start code up to the last value before the stop;
// empty when the elements are not a well-formed symbol.
inline std::vector<int> ValuesOf(const std::vector<uint8_t>& elements) {
    std::string widths;
    for (uint8_t width : elements)
        widths += static_cast<char>('0' + width);
    if (widths.size() < 13 || (widths.size() - 7) % 6 != 0) return {};
    if (widths.substr(widths.size() - 7) != kPatterns[106]) return {};
    std::vector<int> values;
    for (size_t at = 0; at + 7 < widths.size(); at += 6) {
        int found = -1;
        for (int value = 0; value < 106; ++value) {
            if (widths.compare(at, 6, kPatterns[value]) == 0) found = value;
        }
        if (found < 0) return {};
        values.push_back(found);
    }
    return values;
}

struct Reading {
    std::string trace; // "[B]AB[C]12345678": subsets in brackets, controls as ^I
    std::string data;  // bytes, function characters as 128 (SHIFT) to 132 (FNC4)
    bool ok = true;
};

// Reads data values (start code first, no check value) the way a scanner
// interprets them.
inline Reading Read(const std::vector<int>& values) {
    Reading reading;
    if (values.empty() || values[0] < 103 || values[0] > 105) {
        reading.ok = false;
        return reading;
    }
    char subset = static_cast<char>('A' + values[0] - 103);
    reading.trace = std::string("[") + subset + "]";
    bool shifted = false;
    auto function = [&](const char* name, unsigned char code) {
        reading.trace += name;
        reading.data += static_cast<char>(code);
    };
    for (size_t i = 1; i < values.size(); ++i) {
        const int v = values[i];
        const char in = shifted ? (subset == 'A' ? 'B' : 'A') : subset;
        shifted = false;
        if (in == 'C' && v < 100) {
            reading.trace += static_cast<char>('0' + v / 10);
            reading.trace += static_cast<char>('0' + v % 10);
            reading.data += reading.trace.substr(reading.trace.size() - 2);
        } else if (v == 102) {
            function("[F1]", 129);
        } else if (in == 'C' || (v == 99) || (v == 100 && in == 'A') || (v == 101 && in == 'B')) {
            subset = v == 99 ? 'C' : v == 100 ? 'B' : 'A';
            reading.trace += std::string("[") + subset + "]";
        } else if (v == 98) {
            reading.trace += "[S]";
            shifted = true;
        } else if (v == 96) {
            function("[F2]", 131);
        } else if (v == 97) {
            function("[F3]", 130);
        } else if (v >= 100) {
            function("[F4]", 132);
        } else {
            const int byte = in == 'A' && v >= 64 ? v - 64 : v + 32;
            if (byte < 32) {
                reading.trace += '^';
                reading.trace += static_cast<char>(byte + 64);
            } else {
                reading.trace += static_cast<char>(byte);
            }
            reading.data += static_cast<char>(byte);
        }
    }
    return reading;
}

inline int CheckValueOf(const std::vector<int>& valuesWithCheck) {
    int sum = valuesWithCheck[0];
    for (size_t i = 1; i + 1 < valuesWithCheck.size(); ++i)
        sum += static_cast<int>(i) * valuesWithCheck[i];
    return sum % 103;
}

} // namespace code128_test

// The small tables of AIM USS Code 49 (ANSI/AIM BC6): code character values,
// the full ASCII chart, the row parity patterns and the check character
// weights. The symbol character patterns are in Code49Patterns.h.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace code49 {

// Table 1, code character values 0..42: the characters that need no shift.
inline constexpr std::string_view kPlainCharacters = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";
// Table 1, values 43..48.
inline constexpr int kShift1 = 43;
inline constexpr int kShift2 = 44;
inline constexpr int kFnc1 = 45;
inline constexpr int kFnc2 = 46;
inline constexpr int kFnc3 = 47;
// Numeric Shift switches numeric encodation on and off; it also pads.
inline constexpr int kNumericShift = 48;
inline constexpr int kCharacterValues = 49;

// Table 7, the Code 49 ASCII chart: each ASCII character as an optional
// shift followed by a plain character.
enum class ChartShift : uint8_t { kNone, kShift1, kShift2 };
struct ChartEntry {
    ChartShift shift;
    char plain;
};
using S = ChartShift;
inline constexpr std::array<ChartEntry, 128> kAsciiChart = {{
    // NUL .. US
    {S::kShift1, ' '},
    {S::kShift1, 'A'},
    {S::kShift1, 'B'},
    {S::kShift1, 'C'},
    {S::kShift1, 'D'},
    {S::kShift1, 'E'},
    {S::kShift1, 'F'},
    {S::kShift1, 'G'},
    {S::kShift1, 'H'},
    {S::kShift1, 'I'},
    {S::kShift1, 'J'},
    {S::kShift1, 'K'},
    {S::kShift1, 'L'},
    {S::kShift1, 'M'},
    {S::kShift1, 'N'},
    {S::kShift1, 'O'},
    {S::kShift1, 'P'},
    {S::kShift1, 'Q'},
    {S::kShift1, 'R'},
    {S::kShift1, 'S'},
    {S::kShift1, 'T'},
    {S::kShift1, 'U'},
    {S::kShift1, 'V'},
    {S::kShift1, 'W'},
    {S::kShift1, 'X'},
    {S::kShift1, 'Y'},
    {S::kShift1, 'Z'},
    {S::kShift1, '1'},
    {S::kShift1, '2'},
    {S::kShift1, '3'},
    {S::kShift1, '4'},
    {S::kShift1, '5'},
    // space ! " # $ % & ' ( ) * + , - . /
    {S::kNone, ' '},
    {S::kShift1, '6'},
    {S::kShift1, '7'},
    {S::kShift1, '8'},
    {S::kNone, '$'},
    {S::kNone, '%'},
    {S::kShift1, '9'},
    {S::kShift1, '0'},
    {S::kShift1, '-'},
    {S::kShift1, '.'},
    {S::kShift1, '$'},
    {S::kNone, '+'},
    {S::kShift1, '/'},
    {S::kNone, '-'},
    {S::kNone, '.'},
    {S::kNone, '/'},
    // 0 .. 9 : ; < = > ?
    {S::kNone, '0'},
    {S::kNone, '1'},
    {S::kNone, '2'},
    {S::kNone, '3'},
    {S::kNone, '4'},
    {S::kNone, '5'},
    {S::kNone, '6'},
    {S::kNone, '7'},
    {S::kNone, '8'},
    {S::kNone, '9'},
    {S::kShift1, '+'},
    {S::kShift2, '1'},
    {S::kShift2, '2'},
    {S::kShift2, '3'},
    {S::kShift2, '4'},
    {S::kShift2, '5'},
    // @ A .. O
    {S::kShift2, '6'},
    {S::kNone, 'A'},
    {S::kNone, 'B'},
    {S::kNone, 'C'},
    {S::kNone, 'D'},
    {S::kNone, 'E'},
    {S::kNone, 'F'},
    {S::kNone, 'G'},
    {S::kNone, 'H'},
    {S::kNone, 'I'},
    {S::kNone, 'J'},
    {S::kNone, 'K'},
    {S::kNone, 'L'},
    {S::kNone, 'M'},
    {S::kNone, 'N'},
    {S::kNone, 'O'},
    // P .. Z [ \ ] ^ _
    {S::kNone, 'P'},
    {S::kNone, 'Q'},
    {S::kNone, 'R'},
    {S::kNone, 'S'},
    {S::kNone, 'T'},
    {S::kNone, 'U'},
    {S::kNone, 'V'},
    {S::kNone, 'W'},
    {S::kNone, 'X'},
    {S::kNone, 'Y'},
    {S::kNone, 'Z'},
    {S::kShift2, '7'},
    {S::kShift2, '8'},
    {S::kShift2, '9'},
    {S::kShift2, '0'},
    {S::kShift2, '-'},
    // ` a .. o
    {S::kShift2, '.'},
    {S::kShift2, 'A'},
    {S::kShift2, 'B'},
    {S::kShift2, 'C'},
    {S::kShift2, 'D'},
    {S::kShift2, 'E'},
    {S::kShift2, 'F'},
    {S::kShift2, 'G'},
    {S::kShift2, 'H'},
    {S::kShift2, 'I'},
    {S::kShift2, 'J'},
    {S::kShift2, 'K'},
    {S::kShift2, 'L'},
    {S::kShift2, 'M'},
    {S::kShift2, 'N'},
    {S::kShift2, 'O'},
    // p .. z { | } ~ DEL
    {S::kShift2, 'P'},
    {S::kShift2, 'Q'},
    {S::kShift2, 'R'},
    {S::kShift2, 'S'},
    {S::kShift2, 'T'},
    {S::kShift2, 'U'},
    {S::kShift2, 'V'},
    {S::kShift2, 'W'},
    {S::kShift2, 'X'},
    {S::kShift2, 'Y'},
    {S::kShift2, 'Z'},
    {S::kShift2, '$'},
    {S::kShift2, '/'},
    {S::kShift2, '+'},
    {S::kShift2, '%'},
    {S::kShift2, ' '},
}};

// Table 4, row parity patterns: the parity of the four symbol characters of
// rows 1 to 8 ('E' even, 'O' odd). The last row of a symbol is all even
// whatever its number, so the 8th entry only ever serves as a last row.
inline constexpr std::array<std::string_view, 8> kRowParity = {"OEEO", "EOEO", "OOEE", "EEOO",
                                                               "OEOE", "EOOE", "OOOO", "EEEE"};

// Table 5, check character weights, one per symbol character (word) in
// order, for the X, Y and Z symbol check characters.
inline constexpr std::array<int, 32> kXWeights = {1,  9,  31, 26, 2,  12, 17, 23, 37, 18, 22,
                                                  6,  27, 44, 15, 43, 39, 11, 13, 5,  41, 33,
                                                  36, 8,  4,  32, 3,  19, 40, 25, 29, 10};
inline constexpr std::array<int, 32> kYWeights = {9,  31, 26, 2,  12, 17, 23, 37, 18, 22, 6,
                                                  27, 44, 15, 43, 39, 11, 13, 5,  41, 33, 36,
                                                  8,  4,  32, 3,  19, 40, 25, 29, 10, 24};
inline constexpr std::array<int, 32> kZWeights = {31, 26, 2,  12, 17, 23, 37, 18, 22, 6,  27,
                                                  44, 15, 43, 39, 11, 13, 5,  41, 33, 36, 8,
                                                  4,  32, 3,  19, 40, 25, 29, 10, 24, 30};
// The row count character enters the check sums with these weights.
inline constexpr int kRowCountXWeight = 20;
inline constexpr int kRowCountYWeight = 16;
inline constexpr int kRowCountZWeight = 38;

// Start and stop patterns as module bits: a 1-module bar and space before
// the first symbol character, a 4-module bar after the last.
inline constexpr uint32_t kStartBits = 0b10;
inline constexpr int kStartModules = 2;
inline constexpr uint32_t kStopBits = 0b1111;
inline constexpr int kStopModules = 4;

// Starting modes carried by the row count character (7 x (rows - 2) + mode).
inline constexpr int kModeAlphanumeric = 0;
inline constexpr int kModeNumeric = 2;
inline constexpr int kModeShift1 = 4;
inline constexpr int kModeShift2 = 5;

inline constexpr int kMinRows = 2;
inline constexpr int kMaxRows = 8;
inline constexpr int kCharactersPerRow = 8;
inline constexpr int kDataCharactersPerRow = 7;
inline constexpr int kWordsPerRow = 4;

// Symbols of up to 6 rows need no Z check character, which leaves the first
// two characters of the last row to the data.
inline constexpr int kMaxRowsWithoutZCheck = 6;

} // namespace code49

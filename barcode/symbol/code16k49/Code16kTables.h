// The tables of Code 16K (EN 12323): symbol character patterns, start and
// stop patterns and the row numbers they stand for, and the values of the
// function characters.
#pragma once

#include <array>
#include <cstdint>

namespace code16k {

// Table 1, "Code 16K" character encodations: the six element widths of
// values 0..106, written digit by digit as printed. In a row each character
// begins with a space (the guard bar before the first one is a bar).
inline constexpr std::array<uint32_t, 107> kCharacterPatterns = {
    212222, 222122, 222221, 121223, 121322, 131222, 122213, 122312, 132212, 221213, 221312, 231212,
    112232, 122132, 122231, 113222, 123122, 123221, 223211, 221132, 221231, 213212, 223112, 312131,
    311222, 321122, 321221, 312212, 322112, 322211, 212123, 212321, 232121, 111323, 131123, 131321,
    112313, 132113, 132311, 211313, 231113, 231311, 112133, 112331, 132131, 113123, 113321, 133121,
    313121, 211331, 231131, 213113, 213311, 213131, 311123, 311321, 331121, 312113, 312311, 332111,
    314111, 221411, 431111, 111224, 111422, 121124, 121421, 141122, 141221, 112214, 112412, 122114,
    122411, 142112, 142211, 241211, 221114, 413111, 241112, 134111, 111242, 121142, 121241, 114212,
    124112, 124211, 411212, 421112, 421211, 212141, 214121, 412121, 111143, 111341, 131141, 114113,
    114311, 411113, 411311, 113141, 114131, 311141, 411131, 211412, 211214, 211232, 211133};

// Tables 3 and 4, start and stop patterns: four element widths, seven
// modules. A start pattern begins with a bar, a stop pattern with a space.
inline constexpr std::array<uint32_t, 8> kStartStopPatterns = {3211, 2221, 2122, 1411,
                                                               1132, 1231, 1114, 3112};

// Table 5, the start and stop pattern of each of the 16 rows: together they
// tell a reader which row it scans.
inline constexpr std::array<uint8_t, 16> kRowStartPattern = {0, 1, 2, 3, 4, 5, 6, 7,
                                                             0, 1, 2, 3, 4, 5, 6, 7};
inline constexpr std::array<uint8_t, 16> kRowStopPattern = {0, 1, 2, 3, 4, 5, 6, 7,
                                                            4, 5, 6, 7, 0, 1, 2, 3};

// Function character values (subsets A and B unless noted).
inline constexpr int kFnc3 = 96;
inline constexpr int kFnc2 = 97;
inline constexpr int kShift = 98;
inline constexpr int kCodeC = 99;
inline constexpr int kCodeB = 100; // in A and C
inline constexpr int kFnc4InB = 100;
inline constexpr int kCodeA = 101; // in B and C
inline constexpr int kFnc4InA = 101;
inline constexpr int kFnc1 = 102; // in all three subsets
inline constexpr int kPad = 103;
inline constexpr int kCheckModulus = 107;

// Starting modes carried by the first character (7 x (rows - 2) + mode).
enum Mode : int {
    kModeA = 0,
    kModeB = 1,
    kModeC = 2,
    kModeBWithFnc1 = 3, // FNC1 implied before the data
    kModeCWithFnc1 = 4,
    kModeCAfterShiftB = 5,       // the first character in B, then C
    kModeCAfterDoubleShiftB = 6, // the first two characters in B, then C
};

inline constexpr int kMinRows = 2;
inline constexpr int kMaxRows = 16;
inline constexpr int kCharactersPerRow = 5;
inline constexpr int kCheckCharacters = 2;

} // namespace code16k

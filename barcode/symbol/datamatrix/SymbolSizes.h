// The 30 ECC 200 symbol sizes and the choice of one for a codeword count.
#pragma once

#include "symbol/datamatrix/Codewords.h"

#include <array>
#include <cstdint>

namespace datamatrix {

struct SymbolSize {
    int32_t rows;
    int32_t columns;
    int32_t regionRows; // data region, without its finder and alignment edges
    int32_t regionColumns;
    int32_t regions;
    int32_t mappingRows; // all data regions together
    int32_t mappingColumns;
    int32_t dataCodewords;
    int32_t errorCodewords;
    int32_t dataPerBlock; // the largest block; see BlockDataCodewords
    int32_t errorPerBlock;
    int32_t blocks;
};

// ISO/IEC 16022, table 7 "ECC 200 symbol attributes": the squares first and
// the rectangles after them, in the order of the size option's words.
inline constexpr std::array<SymbolSize, 30> kSymbolSizes = {{
    {10, 10, 8, 8, 1, 8, 8, 3, 5, 3, 5, 1},
    {12, 12, 10, 10, 1, 10, 10, 5, 7, 5, 7, 1},
    {14, 14, 12, 12, 1, 12, 12, 8, 10, 8, 10, 1},
    {16, 16, 14, 14, 1, 14, 14, 12, 12, 12, 12, 1},
    {18, 18, 16, 16, 1, 16, 16, 18, 14, 18, 14, 1},
    {20, 20, 18, 18, 1, 18, 18, 22, 18, 22, 18, 1},
    {22, 22, 20, 20, 1, 20, 20, 30, 20, 30, 20, 1},
    {24, 24, 22, 22, 1, 22, 22, 36, 24, 36, 24, 1},
    {26, 26, 24, 24, 1, 24, 24, 44, 28, 44, 28, 1},
    {32, 32, 14, 14, 4, 28, 28, 62, 36, 62, 36, 1},
    {36, 36, 16, 16, 4, 32, 32, 86, 42, 86, 42, 1},
    {40, 40, 18, 18, 4, 36, 36, 114, 48, 114, 48, 1},
    {44, 44, 20, 20, 4, 40, 40, 144, 56, 144, 56, 1},
    {48, 48, 22, 22, 4, 44, 44, 174, 68, 174, 68, 1},
    {52, 52, 24, 24, 4, 48, 48, 204, 84, 102, 42, 2},
    {64, 64, 14, 14, 16, 56, 56, 280, 112, 140, 56, 2},
    {72, 72, 16, 16, 16, 64, 64, 368, 144, 92, 36, 4},
    {80, 80, 18, 18, 16, 72, 72, 456, 192, 114, 48, 4},
    {88, 88, 20, 20, 16, 80, 80, 576, 224, 144, 56, 4},
    {96, 96, 22, 22, 16, 88, 88, 696, 272, 174, 68, 4},
    {104, 104, 24, 24, 16, 96, 96, 816, 336, 136, 56, 6},
    {120, 120, 18, 18, 36, 108, 108, 1050, 408, 175, 68, 6},
    {132, 132, 20, 20, 36, 120, 120, 1304, 496, 163, 62, 8},
    {144, 144, 22, 22, 36, 132, 132, 1558, 620, 156, 62, 10}, // 2 blocks of 155
    {8, 18, 6, 16, 1, 6, 16, 5, 7, 5, 7, 1},
    {8, 32, 6, 14, 2, 6, 28, 10, 11, 10, 11, 1},
    {12, 26, 10, 24, 1, 10, 24, 16, 14, 16, 14, 1},
    {12, 36, 10, 16, 2, 10, 32, 22, 18, 22, 18, 1},
    {16, 36, 14, 16, 2, 14, 32, 32, 24, 32, 24, 1},
    {16, 48, 14, 22, 2, 14, 44, 49, 28, 49, 28, 1},
}};

inline constexpr int32_t kAutomaticSize = -1;
inline constexpr int32_t kSizeCount = static_cast<int32_t>(kSymbolSizes.size());
inline constexpr int32_t kMaxDataCodewords = 1558;

// The data codewords of one block: the codewords are dealt out to the blocks
// in turn, so the first blocks get one more when they do not divide evenly.
int32_t BlockDataCodewords(const SymbolSize& size, int32_t block);

// The index of the size for the data, or -1 when none holds it. At the one
// size short by a codeword, a C40/Text run's Unlatch may be given up (the
// data codewords change then); an Unlatch that fills the symbol exactly
// becomes a pad.
int32_t ChooseSymbolSize(EncodedData& data, int32_t requested);

} // namespace datamatrix

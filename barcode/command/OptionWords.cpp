// The value words of the Data Matrix and QR Code options.
#include "command/OptionWords.h"

#include "catalog/Translate.h"

#include <cstring>
#include <span>

namespace {

// One word of a list: its catalog text and its value.
struct OptionWord {
    const char* (*text)();
    int32_t value;
};

// clang-format off
constexpr OptionWord kDataMatrixEncodations[] = {
    {[] { return GetText(105, 3, true); }, 5}, // AUTO
    {[] { return GetText(105, 4, true); }, 0}, // ASCII
    {[] { return GetText(105, 5, true); }, 1}, // C40
    {[] { return GetText(105, 6, true); }, 2}, // TEXT
    {[] { return GetText(105, 7, true); }, 3}, // BASE256
    {[] { return GetText(105, 8, true); }, 4}, // NONE
};

// "AUTO", then the rows of the ECC 200 size table in its order: 24 squares,
// then 6 rectangles.
constexpr OptionWord kDataMatrixSizes[] = {
    {[] { return GetText(105, 3, true); }, -1}, // AUTO
    {[] { return GetText(105, 9, true); }, 0}, // 10X10
    {[] { return GetText(105, 10, true); }, 1}, // 12X12
    {[] { return GetText(105, 11, true); }, 2}, // 14X14
    {[] { return GetText(105, 12, true); }, 3}, // 16X16
    {[] { return GetText(105, 13, true); }, 4}, // 18X18
    {[] { return GetText(105, 14, true); }, 5}, // 20X20
    {[] { return GetText(105, 15, true); }, 6}, // 22X22
    {[] { return GetText(105, 16, true); }, 7}, // 24X24
    {[] { return GetText(105, 17, true); }, 8}, // 26X26
    {[] { return GetText(105, 18, true); }, 9}, // 32X32
    {[] { return GetText(105, 19, true); }, 10}, // 36X36
    {[] { return GetText(105, 20, true); }, 11}, // 40X40
    {[] { return GetText(105, 21, true); }, 12}, // 44X44
    {[] { return GetText(105, 22, true); }, 13}, // 48X48
    {[] { return GetText(105, 23, true); }, 14}, // 52X52
    {[] { return GetText(105, 24, true); }, 15}, // 64X64
    {[] { return GetText(105, 25, true); }, 16}, // 72X72
    {[] { return GetText(105, 26, true); }, 17}, // 80X80
    {[] { return GetText(105, 27, true); }, 18}, // 88X88
    {[] { return GetText(105, 28, true); }, 19}, // 96X96
    {[] { return GetText(105, 29, true); }, 20}, // 104X104
    {[] { return GetText(105, 30, true); }, 21}, // 120X120
    {[] { return GetText(105, 31, true); }, 22}, // 132X132
    {[] { return GetText(105, 32, true); }, 23}, // 144X144
    {[] { return GetText(105, 33, true); }, 24}, // 8X18
    {[] { return GetText(105, 34, true); }, 25}, // 8X32
    {[] { return GetText(105, 35, true); }, 26}, // 12X26
    {[] { return GetText(105, 36, true); }, 27}, // 12X36
    {[] { return GetText(105, 37, true); }, 28}, // 16X36
    {[] { return GetText(105, 38, true); }, 29}, // 16X48
};

constexpr OptionWord kQrModes[] = {
    {[] { return GetText(109, 1, true); }, 4}, // automatic
    {[] { return GetText(109, 2, true); }, 0}, // alphanumeric
    {[] { return GetText(109, 3, true); }, 1}, // 8-bit byte
    {[] { return GetText(109, 4, true); }, 2}, // numeric
    {[] { return GetText(109, 5, true); }, 2}, // numeric, short word
    {[] { return GetText(109, 6, true); }, 3}, // Kanji
};

constexpr OptionWord kQrEcLevels[] = {
    {[] { return GetText(109, 7, true); }, 0},  // L
    {[] { return GetText(109, 8, true); }, 1},  // M
    {[] { return GetText(109, 9, true); }, 2},  // Q
    {[] { return GetText(109, 10, true); }, 3}, // H
};
// clang-format on

static_assert(std::size(kDataMatrixEncodations) == 6);
static_assert(std::size(kDataMatrixSizes) == 31);
static_assert(std::size(kQrModes) == 6);
static_assert(std::size(kQrEcLevels) == 4);

bool LookUpWord(std::span<const OptionWord> words, const char* word, int32_t fallBack,
                int32_t& value) {
    if (word != nullptr)
        for (const OptionWord& candidate : words)
            if (std::strcmp(candidate.text(), word) == 0) {
                value = candidate.value;
                return true;
            }
    value = fallBack;
    return false;
}

} // namespace

bool ParseDataMatrixEncodation(const char* word, int32_t& value) {
    return LookUpWord(kDataMatrixEncodations, word, kDataMatrixAutoEncodation, value);
}

bool ParseDataMatrixSize(const char* word, int32_t& value) {
    return LookUpWord(kDataMatrixSizes, word, kDataMatrixAutoSize, value);
}

bool ParseQrMode(const char* word, int32_t& value) {
    return LookUpWord(kQrModes, word, kQrAutomaticMode, value);
}

bool ParseQrEcLevel(const char* word, int32_t& value) {
    return LookUpWord(kQrEcLevels, word, kQrLevelL, value);
}

#include "symbol/qrcode/QrCapacityTable.h"

#include <array>

namespace {

// ISO/IEC 18004, Table 1: total codewords per version 1..40.
constexpr std::array<int16_t, 40> kTotalCodewords = {
    26,   44,   70,   100,  134,  172,  196,  242,  292,  346,  404,  466,  532,  581,
    655,  733,  815,  901,  991,  1085, 1156, 1258, 1364, 1474, 1588, 1706, 1828, 1921,
    2051, 2185, 2323, 2465, 2611, 2761, 2876, 3034, 3196, 3362, 3532, 3706};

// ISO/IEC 18004, Table 9: error correction codewords per block, by level
// (L, M, Q, H) and version 1..40. Every block of a symbol has the same count.
constexpr std::array<std::array<int8_t, 40>, 4> kEccPerBlock = {{
    {7,  10, 15, 20, 26, 18, 20, 24, 30, 18, 20, 24, 26, 30, 22, 24, 28, 30, 28, 28,
     28, 28, 30, 30, 26, 28, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30},
    {10, 16, 26, 18, 24, 16, 18, 22, 22, 26, 30, 22, 22, 24, 24, 28, 28, 26, 26, 26,
     26, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28},
    {13, 22, 18, 26, 18, 24, 18, 22, 20, 24, 28, 26, 24, 20, 30, 24, 28, 28, 26, 30,
     28, 30, 30, 30, 30, 28, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30},
    {17, 28, 22, 16, 22, 28, 26, 26, 24, 28, 24, 28, 22, 24, 24, 30, 28, 28, 26, 28,
     30, 24, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30},
}};

// ISO/IEC 18004, Table 9: number of error correction blocks, by level and
// version. When the data codewords do not divide evenly, the later blocks
// carry one data codeword more.
constexpr std::array<std::array<int8_t, 40>, 4> kBlockCount = {{
    {1, 1, 1, 1,  1,  2,  2,  2,  2,  4,  4,  4,  4,  4,  6,  6,  6,  6,  7,  8,
     8, 9, 9, 10, 12, 12, 12, 13, 14, 15, 16, 17, 18, 19, 19, 20, 21, 22, 24, 25},
    {1,  1,  1,  2,  2,  4,  4,  4,  5,  5,  5,  8,  9,  9,  10, 10, 11, 13, 14, 16,
     17, 17, 18, 20, 21, 23, 25, 26, 28, 29, 31, 33, 35, 37, 38, 40, 43, 45, 47, 49},
    {1,  1,  2,  2,  4,  4,  6,  6,  8,  8,  8,  10, 12, 16, 12, 17, 16, 18, 21, 20,
     23, 23, 25, 27, 29, 34, 34, 35, 38, 40, 43, 45, 48, 51, 53, 56, 59, 62, 65, 68},
    {1,  1,  2,  4,  4,  4,  5,  6,  8,  8,  11, 11, 16, 16, 18, 16, 19, 21, 25, 25,
     25, 34, 30, 32, 35, 37, 40, 42, 45, 48, 51, 54, 57, 60, 63, 66, 70, 74, 77, 81},
}};

// ISO/IEC 18004, Annex E, Table E.1: row/column coordinates of the
// alignment pattern centres per version (version 1 has none).
constexpr std::array<std::array<uint8_t, 8>, 40> kAlignmentCentres = {{
    {0},
    {2, 6, 18},
    {2, 6, 22},
    {2, 6, 26},
    {2, 6, 30},
    {2, 6, 34},
    {3, 6, 22, 38},
    {3, 6, 24, 42},
    {3, 6, 26, 46},
    {3, 6, 28, 50},
    {3, 6, 30, 54},
    {3, 6, 32, 58},
    {3, 6, 34, 62},
    {4, 6, 26, 46, 66},
    {4, 6, 26, 48, 70},
    {4, 6, 26, 50, 74},
    {4, 6, 30, 54, 78},
    {4, 6, 30, 56, 82},
    {4, 6, 30, 58, 86},
    {4, 6, 34, 62, 90},
    {5, 6, 28, 50, 72, 94},
    {5, 6, 26, 50, 74, 98},
    {5, 6, 30, 54, 78, 102},
    {5, 6, 28, 54, 80, 106},
    {5, 6, 32, 58, 84, 110},
    {5, 6, 30, 58, 86, 114},
    {5, 6, 34, 62, 90, 118},
    {6, 6, 26, 50, 74, 98, 122},
    {6, 6, 30, 54, 78, 102, 126},
    {6, 6, 26, 52, 78, 104, 130},
    {6, 6, 30, 56, 82, 108, 134},
    {6, 6, 34, 60, 86, 112, 138},
    {6, 6, 30, 58, 86, 114, 142},
    {6, 6, 34, 62, 90, 118, 146},
    {7, 6, 30, 54, 78, 102, 126, 150},
    {7, 6, 24, 50, 76, 102, 128, 154},
    {7, 6, 28, 54, 80, 106, 132, 158},
    {7, 6, 32, 58, 84, 110, 136, 162},
    {7, 6, 26, 54, 82, 110, 138, 166},
    {7, 6, 30, 58, 86, 114, 142, 170},
}}; // first entry of each row: how many coordinates follow

// ISO/IEC 18004, Table 3: bits of the character count indicator by mode
// (alphanumeric, byte, numeric, Kanji) and version group.
constexpr std::array<std::array<int8_t, 3>, 4> kCountBits = {{
    {9, 11, 13},
    {8, 16, 16},
    {10, 12, 14},
    {8, 10, 12},
}};

constexpr int kModeIndicatorBits = 4;

// Data bits left for characters in one segment of the mode.
int CharacterBits(QrMode mode, int version, int level) {
    return QrCapacityTable::DataBits(version, level) - kModeIndicatorBits -
           QrCharacterCountBits(mode, QrVersionGroup(version));
}

} // namespace

int QrCapacityTable::TotalCodewords(int version) {
    return IsVersion(version) ? kTotalCodewords[version - 1] : 0;
}

int QrCapacityTable::BlockCount(int version, int level) {
    return IsVersion(version) && IsLevel(level) ? kBlockCount[level][version - 1] : 0;
}

int QrCapacityTable::EccCodewordsPerBlock(int version, int level) {
    return IsVersion(version) && IsLevel(level) ? kEccPerBlock[level][version - 1] : 0;
}

int QrCapacityTable::DataCodewords(int version, int level) {
    if (!IsVersion(version) || !IsLevel(level)) return 0;
    return TotalCodewords(version) -
           BlockCount(version, level) * EccCodewordsPerBlock(version, level);
}

int QrCapacityTable::NumericCapacity(int version, int level) {
    const int bits = CharacterBits(QrMode::kNumeric, version, level);
    const int rest = bits % 10;
    return bits <= 0 ? 0 : 3 * (bits / 10) + (rest >= 7 ? 2 : rest >= 4 ? 1 : 0);
}

int QrCapacityTable::AlphanumericCapacity(int version, int level) {
    const int bits = CharacterBits(QrMode::kAlphanumeric, version, level);
    return bits <= 0 ? 0 : 2 * (bits / 11) + (bits % 11 >= 6 ? 1 : 0);
}

int QrCapacityTable::ByteCapacity(int version, int level) {
    const int bits = CharacterBits(QrMode::kByte, version, level);
    return bits <= 0 ? 0 : bits / 8;
}

int QrCapacityTable::KanjiCapacity(int version, int level) {
    const int bits = CharacterBits(QrMode::kKanji, version, level);
    return bits <= 0 ? 0 : bits / 13;
}

std::span<const uint8_t> QrCapacityTable::AlignmentCentres(int version) {
    if (!IsVersion(version)) return {};
    const auto& row = kAlignmentCentres[version - 1];
    return std::span<const uint8_t>(row.data() + 1, row[0]);
}

int QrVersionGroup(int version) {
    return version <= 9 ? 0 : version <= 26 ? 1 : 2;
}

int QrFirstVersionOfGroup(int group) {
    return group == 0 ? 1 : group == 1 ? 10 : 27;
}

int QrLastVersionOfGroup(int group) {
    return group == 0 ? 9 : group == 1 ? 26 : 40;
}

int QrCharacterCountBits(QrMode mode, int group) {
    const int modeIndex = static_cast<int>(mode);
    if (modeIndex < 0 || modeIndex > 3 || group < 0 || group >= kQrVersionGroupCount) return 0;
    return kCountBits[modeIndex][group];
}

// The published building blocks of QR Code: capacities, Reed-Solomon
// codewords, format and version information, the mask score, and the
// function patterns of the module grid.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "symbol/qrcode/QrCode.h"
#include "symbol/qrcode/QrMask.h"
#include "symbol/qrcode/QrReedSolomon.h"

namespace {

TEST(QrCodeCapacity, PublishedCapacitiesPerVersionAndLevel) {
    // ISO/IEC 18004, Table 7.
    struct Case {
        int version, level, codewords, numeric, alphanumeric, bytes, kanji;
    };
    const Case cases[] = {
        {1, 0, 19, 41, 25, 17, 10},
        {1, 1, 16, 34, 20, 14, 8},
        {1, 2, 13, 27, 16, 11, 7},
        {1, 3, 9, 17, 10, 7, 4},
        {10, 1, 216, 513, 311, 213, 131},
        {40, 0, 2956, 7089, 4296, 2953, 1817},
        {40, 3, 1276, 3057, 1852, 1273, 784},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(QrCapacityTable::DataCodewords(c.version, c.level), c.codewords) << c.version;
        EXPECT_EQ(QrCapacityTable::NumericCapacity(c.version, c.level), c.numeric) << c.version;
        EXPECT_EQ(QrCapacityTable::AlphanumericCapacity(c.version, c.level), c.alphanumeric);
        EXPECT_EQ(QrCapacityTable::ByteCapacity(c.version, c.level), c.bytes) << c.version;
        EXPECT_EQ(QrCapacityTable::KanjiCapacity(c.version, c.level), c.kanji) << c.version;
    }
    EXPECT_EQ(QrCapacityTable::DataBits(1, 0), 152);
    EXPECT_EQ(QrCapacityTable::DataBits(40, 3), 10208);
}

// Modules left for data: the symbol less finders with separators and format
// areas, timing patterns, alignment patterns and version information.
int DataModules(int version) {
    const int size = 17 + 4 * version;
    int modules = size * size - 3 * 64 - 31 - 2 * (size - 16);
    if (version >= 2) {
        const int perSide = version / 7 + 2;
        modules -= 25 * (perSide * perSide - 3) - 10 * (perSide - 2);
    }
    if (version >= 7) modules -= 36;
    return modules;
}

TEST(QrCodeCapacity, CodewordsFillTheDataModulesOfEveryVersion) {
    for (int version = 1; version <= 40; ++version) {
        EXPECT_EQ(QrCapacityTable::TotalCodewords(version), DataModules(version) / 8) << version;
        const auto centres = QrCapacityTable::AlignmentCentres(version);
        ASSERT_EQ(centres.size(), version == 1 ? 0u : static_cast<size_t>(version / 7 + 2));
        if (version > 1) {
            EXPECT_EQ(centres.front(), 6);
            EXPECT_EQ(centres.back(), 4 * version + 10);
        }
        for (int level = 0; level < 4; ++level) {
            const int blocks = QrCapacityTable::BlockCount(version, level);
            const int data = QrCapacityTable::DataCodewords(version, level);
            EXPECT_EQ(blocks * QrCapacityTable::EccCodewordsPerBlock(version, level) + data,
                      QrCapacityTable::TotalCodewords(version));
            if (version > 1) {
                EXPECT_GT(data, QrCapacityTable::DataCodewords(version - 1, level));
            }
        }
    }
}

// GF(256) multiplication written out bit by bit, apart from the encoder's
// logarithm tables.
uint8_t SlowMultiply(uint8_t a, uint8_t b) {
    unsigned product = 0;
    unsigned shifted = a;
    for (int bit = 0; bit < 8; ++bit) {
        if (b & (1u << bit)) product ^= shifted;
        shifted <<= 1;
        if (shifted & 0x100) shifted ^= 0x11D;
    }
    return static_cast<uint8_t>(product);
}

// The codeword polynomial evaluated at α^root (Horner's rule).
uint8_t Syndrome(const std::vector<uint8_t>& codewords, int root) {
    uint8_t alpha = 1;
    for (int i = 0; i < root; ++i)
        alpha = SlowMultiply(alpha, 2);
    uint8_t value = 0;
    for (uint8_t codeword : codewords)
        value = static_cast<uint8_t>(SlowMultiply(value, alpha) ^ codeword);
    return value;
}

TEST(QrCodeReedSolomon, PublishedExamplesGiveTheirCodewords) {
    struct Case {
        std::vector<uint8_t> data, ecc;
    };
    const Case cases[] = {
        // ISO/IEC 18004, Annex I: "01234567" as 1-M.
        {{0x10, 0x20, 0x0C, 0x56, 0x61, 0x80, 0xEC, 0x11, 0xEC, 0x11, 0xEC, 0x11, 0xEC, 0x11, 0xEC,
          0x11},
         {0xA5, 0x24, 0xD4, 0xC1, 0xED, 0x36, 0xC7, 0x87, 0x2C, 0x55}},
        // "HELLO WORLD" as 1-M.
        {{0x20, 0x5B, 0x0B, 0x78, 0xD1, 0x72, 0xDC, 0x4D, 0x43, 0x40, 0xEC, 0x11, 0xEC, 0x11, 0xEC,
          0x11},
         {0xC4, 0x23, 0x27, 0x77, 0xEB, 0xD7, 0xE7, 0xE2, 0x5D, 0x17}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(QrErrorCorrection(c.data, 10), c.ecc);
}

TEST(QrCodeReedSolomon, EveryBlockLengthGivesCodewordsWithZeroSyndromes) {
    std::mt19937 random(18004);
    for (int ecc : {7, 10, 13, 15, 16, 17, 18, 20, 22, 24, 26, 28, 30}) {
        std::vector<uint8_t> block(static_cast<size_t>(15 + ecc % 7 * 17));
        for (uint8_t& codeword : block)
            codeword = static_cast<uint8_t>(random());
        const std::vector<uint8_t> correction = QrErrorCorrection(block, ecc);
        ASSERT_EQ(correction.size(), static_cast<size_t>(ecc));
        block.insert(block.end(), correction.begin(), correction.end());
        for (int root = 0; root < ecc; ++root)
            EXPECT_EQ(Syndrome(block, root), 0) << ecc;
    }
}

TEST(QrCodeReedSolomon, BlocksAreInterleavedCodewordByCodeword) {
    // 5-Q: two blocks of 15 and two of 16 data codewords, 18 correction each.
    std::vector<uint8_t> data(62);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<uint8_t>(i);
    const std::vector<uint8_t> sequence = QrInterleaveBlocks(data, 5, 2);
    ASSERT_EQ(sequence.size(), 134u);
    const std::vector<uint8_t> head(sequence.begin(), sequence.begin() + 8);
    EXPECT_EQ(head, std::vector<uint8_t>({0, 15, 30, 46, 1, 16, 31, 47}));
    EXPECT_EQ(sequence[60], 45);
    EXPECT_EQ(sequence[61], 61);
    const std::vector<uint8_t> firstBlock(data.begin(), data.begin() + 15);
    EXPECT_EQ(sequence[62], QrErrorCorrection(firstBlock, 18)[0]);
}

TEST(QrCodeFormat, FormatInformationMatchesThePublishedTable) {
    // ISO/IEC 18004, Annex C: the masked 15-bit words by level and mask.
    const uint32_t expected[4][8] = {
        {0x77C4, 0x72F3, 0x7DAA, 0x789D, 0x662F, 0x6318, 0x6C41, 0x6976}, // L
        {0x5412, 0x5125, 0x5E7C, 0x5B4B, 0x45F9, 0x40CE, 0x4F97, 0x4AA0}, // M
        {0x355F, 0x3068, 0x3F31, 0x3A06, 0x24B4, 0x2183, 0x2EDA, 0x2BED}, // Q
        {0x1689, 0x13BE, 0x1CE7, 0x19D0, 0x0762, 0x0255, 0x0D0C, 0x083B}, // H
    };
    for (int level = 0; level < 4; ++level)
        for (int mask = 0; mask < 8; ++mask)
            EXPECT_EQ(QrFormatInformation(level, mask), expected[level][mask]) << level << mask;
}

TEST(QrCodeFormat, VersionInformationMatchesThePublishedTable) {
    // ISO/IEC 18004, Annex D, versions 7 to 40.
    const uint32_t expected[] = {0x07C94, 0x085BC, 0x09A99, 0x0A4D3, 0x0BBF6, 0x0C762, 0x0D847,
                                 0x0E60D, 0x0F928, 0x10B78, 0x1145D, 0x12A17, 0x13532, 0x149A6,
                                 0x15683, 0x168C9, 0x177EC, 0x18EC4, 0x191E1, 0x1AFAB, 0x1B08E,
                                 0x1CC1A, 0x1D33F, 0x1ED75, 0x1F250, 0x209D5, 0x216F0, 0x228BA,
                                 0x2379F, 0x24B0B, 0x2542E, 0x26A64, 0x27541, 0x28C69};
    for (int version = 7; version <= 40; ++version)
        EXPECT_EQ(QrVersionInformation(version), expected[version - 7]) << version;
}

std::vector<uint8_t> Grid(const std::vector<std::string>& rows) {
    std::vector<uint8_t> dark;
    for (const std::string& row : rows)
        for (char module : row)
            dark.push_back(module == '#' ? 1 : 0);
    return dark;
}

TEST(QrCodeMask, ScoreOfKnownModuleGrids) {
    struct Case {
        std::vector<std::string> rows;
        QrPenalty expected;
    };
    const Case cases[] = {
        {{"##", "##"}, {0, 1, 0, 100}},
        {{"#.", ".#"}, {0, 0, 0, 0}},
        // Every row and column is a run of 7: 13 run starts, one per module.
        {std::vector<std::string>(7, "#######"), {26, 36, 0, 100}},
        // Runs of five count nothing, runs of six one.
        {{"......", "#####.", "......", "......", "......", "......"}, {6, 15, 0, 70}},
        // The 1:1:3:1:1 pattern between the edges, and between light modules.
        {{"#.###.#", ".......", ".......", ".......", ".......", ".......", "......."},
         {20, 30, 1, 70}},
        {{"..#.###.#..", "...........", "...........", "...........", "...........", "...........",
          "...........", "...........", "...........", "...........", "..........."},
         {121, 92, 1, 90}},
        // Followed by a dark module it is no finder pattern.
        {{"#.###.##", "........", "........", "........", "........", "........", "........",
          "........"},
         {37, 42, 0, 80}},
    };
    for (const Case& c : cases) {
        const QrPenalty penalty = ScoreQrModules(Grid(c.rows), static_cast<int>(c.rows.size()));
        EXPECT_EQ(penalty.runs, c.expected.runs) << c.rows[0];
        EXPECT_EQ(penalty.blocks, c.expected.blocks) << c.rows[0];
        EXPECT_EQ(penalty.finderLike, c.expected.finderLike) << c.rows[0];
        EXPECT_EQ(penalty.balance, c.expected.balance) << c.rows[0];
    }
    const QrPenalty sum{1, 2, 3, 4};
    EXPECT_EQ(sum.Score(), 3 + 6 + 120 + 4);
}

SymbolParams Params(int level, int version = 0) {
    SymbolParams params{};
    params.libraryCode = 28;
    params.moduleWidth = 1;
    params.qrMode = 4;
    params.qrLevel = level;
    params.qrVersion = version;
    return params;
}

TEST(QrCodeMask, TheLowestScoreWinsAndTiesGoToTheLowerMask) {
    const char* samples[] = {"HELLO WORLD", "01234567", "https://example.com/?q=1", "x"};
    for (const char* sample : samples)
        for (int level = 0; level < 4; ++level) {
            CQRCode symbol;
            ASSERT_EQ(symbol.Construct(Params(level, 2 + level * 4), sample), 0);
            const CQRMatrix& matrix = symbol.Matrix();
            int best = 0;
            for (int mask = 1; mask < 8; ++mask)
                if (matrix.ScoreWithMask(mask) < matrix.ScoreWithMask(best)) best = mask;
            EXPECT_EQ(matrix.Mask(), best) << sample << " level " << level;
            EXPECT_EQ(matrix.ScoreWithMask(matrix.Mask()),
                      ScoreQrModules(matrix.DarkModules(), matrix.Size()).Score());
        }
}

// The format bits as written beside the upper left finder.
uint32_t ReadFormatNearUpperLeft(const CQRMatrix& matrix) {
    uint32_t bits = 0;
    const int rows[15] = {0, 1, 2, 3, 4, 5, 7, 8, 8, 8, 8, 8, 8, 8, 8};
    const int columns[15] = {8, 8, 8, 8, 8, 8, 8, 8, 7, 5, 4, 3, 2, 1, 0};
    for (int i = 0; i < 15; ++i)
        bits |= (matrix.IsDark(rows[i], columns[i]) ? 1u : 0u) << i;
    return bits;
}

uint32_t ReadFormatSplit(const CQRMatrix& matrix) {
    const int size = matrix.Size();
    uint32_t bits = 0;
    for (int i = 0; i < 8; ++i)
        bits |= (matrix.IsDark(8, size - 1 - i) ? 1u : 0u) << i;
    for (int i = 8; i < 15; ++i)
        bits |= (matrix.IsDark(size - 15 + i, 8) ? 1u : 0u) << i;
    return bits;
}

TEST(QrCodeMatrix, FunctionPatternsAndInformationSitWhereReadersLook) {
    for (int version : {1, 2, 6, 7, 14, 21, 32, 40}) {
        CQRCode symbol;
        ASSERT_EQ(symbol.Construct(Params(version % 4, version), "FUNCTION PATTERNS"), 0);
        const CQRMatrix& matrix = symbol.Matrix();
        const int size = matrix.Size();
        ASSERT_EQ(size, 17 + 4 * version);
        // Finder centres and rings, timing patterns, the dark module.
        for (auto [row, column] : {std::pair{3, 3}, {3, size - 4}, {size - 4, 3}}) {
            EXPECT_TRUE(matrix.IsDark(row, column));
            EXPECT_FALSE(matrix.IsDark(row + 2, column));
            EXPECT_TRUE(matrix.IsDark(row + 3, column));
        }
        for (int i = 8; i < size - 8; ++i) {
            EXPECT_EQ(matrix.IsDark(6, i), i % 2 == 0);
            EXPECT_EQ(matrix.IsDark(i, 6), i % 2 == 0);
        }
        EXPECT_TRUE(matrix.IsDark(size - 8, 8));
        const uint32_t format = QrFormatInformation(version % 4, matrix.Mask());
        EXPECT_EQ(ReadFormatNearUpperLeft(matrix), format) << version;
        EXPECT_EQ(ReadFormatSplit(matrix), format) << version;
        if (version >= 7) {
            uint32_t upperRight = 0;
            uint32_t lowerLeft = 0;
            for (int i = 0; i < 18; ++i) {
                upperRight |= (matrix.IsDark(i / 3, size - 11 + i % 3) ? 1u : 0u) << i;
                lowerLeft |= (matrix.IsDark(size - 11 + i % 3, i / 3) ? 1u : 0u) << i;
            }
            EXPECT_EQ(upperRight, QrVersionInformation(version));
            EXPECT_EQ(lowerLeft, QrVersionInformation(version));
        }
        // What is not a function pattern holds the codewords and remainder bits.
        int dataModules = 0;
        for (int row = 0; row < size; ++row)
            for (int column = 0; column < size; ++column)
                if (!matrix.IsFunction(row, column)) ++dataModules;
        EXPECT_EQ(dataModules, DataModules(version)) << version;
    }
}

} // namespace

// Whole symbols: parameter errors, the choice of rows and columns, the
// MicroPDF417 sizes, the geometry of the matrix, what a reader finds in it
// (length descriptor, padding, row indicators, check codewords), and that no
// input breaks the encoder.
#include <gtest/gtest.h>

#include "Pdf417TestSupport.h"
#include "TestLog.h"
#include "symbol/pdf417/Pdf417Layout.h"

#include <climits>
#include <random>
#include <string>
#include <vector>

namespace {

using pdf417test::Params;

struct Encoded {
    int32_t result;
    SymbolMatrix matrix;
};

Encoded Encode(const SymbolParams& params, const std::string& data) {
    Encoded encoded{0, {}};
    encoded.result = EncodePdf417(params, data, encoded.matrix);
    return encoded;
}

TEST(Pdf417Symbol, ParameterErrorsComeBeforeEncoding) {
    struct Case {
        const char* name;
        SymbolParams params;
        int32_t expected;
    };
    SymbolParams rotated = Params(kLibPdf417);
    rotated.rotation = 4;
    SymbolParams rotatedBack = Params(kLibMicroPdf417);
    rotatedBack.rotation = -1;
    const Case cases[] = {
        {"security 9", Params(kLibPdf417, 9), -30},
        {"security -1", Params(kLibPdf417Truncated, -1), -30},
        {"security 9 in MicroPDF417", Params(kLibMicroPdf417, 9), -30},
        {"rotation 4", rotated, -11},
        {"rotation -1", rotatedBack, -11},
        {"not a PDF417 code", Params(kLibQrCode), -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Encode(c.params, std::string(3000, '\x80')).result, c.expected) << c.name;
}

TEST(Pdf417Symbol, RowsAndColumns) {
    struct Case {
        const char* name;
        int32_t total, forcedRows, forcedColumns;
        int32_t expected, rows, columns;
    };
    const Case cases[] = {
        {"columns forced", 40, 0, 2, 0, 20, 2},
        {"both forced but too small: automatic", 40, 3, 2, 0, 10, 4},
        {"both forced", 40, 5, 10, 0, 5, 10},
        {"rows forced", 40, 7, 0, 0, 7, 6},
        {"4 codewords give 2 x 2", 4, 0, 0, -37, 0, 0},
        {"3 codewords give one column", 3, 0, 0, 0, 3, 1},
        {"automatic 100", 100, 0, 0, 0, 17, 6},
        {"automatic 18 columns", 918, 0, 0, 0, 51, 18},
        // 19 columns need 49 rows for 919..925 codewords: 931 modules.
        {"19 columns of 49 rows exceed 928", 919, 0, 0, -50, 0, 0},
        {"19 columns at the end of the table", 925, 0, 0, -50, 0, 0},
        {"beyond the automatic table", 926, 0, 0, -39, 0, 0},
        {"31 columns", 40, 0, 31, -38, 0, 0},
        {"negative columns", 40, 0, -1, -39, 0, 0},
        {"columns before rows", 40, 2, 31, -38, 0, 0},
        {"91 rows", 40, 91, 0, -36, 0, 0},
        {"one column of 400", 400, 0, 1, -36, 0, 0},
        {"two rows", 40, 2, 30, -37, 0, 0},
        {"30 x 30", 900, 0, 30, 0, 30, 30},
        {"more than 928 modules", 928, 31, 30, -50, 0, 0},
        {"extreme values", 40, INT_MAX, INT_MAX, -38, 0, 0},
        {"extreme negative values", 40, INT_MIN, INT_MIN, -39, 0, 0},
    };
    for (const Case& c : cases) {
        pdf417::SymbolSize size;
        EXPECT_EQ(pdf417::ChoosePdf417Size(c.total, c.forcedRows, c.forcedColumns, size),
                  c.expected)
            << c.name;
        if (c.expected != 0) continue;
        EXPECT_EQ(size.rows, c.rows) << c.name;
        EXPECT_EQ(size.columns, c.columns) << c.name;
    }
}

TEST(Pdf417Symbol, MicroSizes) {
    struct Case {
        const char* name;
        int32_t data, forcedRows, forcedColumns;
        int32_t expected, columns, rows;
    };
    const Case cases[] = {
        {"5 codewords", 5, 0, 0, 0, 1, 14},
        {"4 codewords", 4, 0, 0, 0, 1, 11},
        {"20 codewords", 20, 0, 0, 0, 1, 28},
        {"21 codewords", 21, 0, 0, 0, 2, 17},
        {"37 codewords", 37, 0, 0, 0, 2, 26},
        {"38 codewords", 38, 0, 0, 0, 3, 26},
        {"82 codewords", 82, 0, 0, 0, 3, 44},
        {"83 codewords", 83, 0, 0, 0, 4, 32},
        {"91 codewords", 91, 0, 0, 0, 4, 38},
        {"126 codewords", 126, 0, 0, 0, 4, 44},
        {"127 codewords", 127, 0, 0, -31, 0, 0},
        {"3 columns forced", 5, 0, 3, 0, 3, 6},
        {"1 column forced, too much data", 21, 0, 1, -31, 0, 0},
        {"8 rows forced: 2 columns", 5, 8, 0, 0, 2, 8},
        {"8 rows forced, too much data", 10, 8, 0, -31, 0, 0},
        {"both forced", 5, 6, 4, 0, 4, 6},
        {"both forced but too small: automatic", 30, 6, 4, 0, 2, 23},
        {"a size the table lacks", 5, 7, 2, -31, 0, 0},
        {"5 columns", 5, 0, 5, -38, 0, 0},
        {"negative columns", 5, 0, -1, -39, 0, 0},
        {"45 rows", 5, 45, 0, -36, 0, 0},
        {"3 rows", 5, 3, 0, -37, 0, 0},
        {"extreme values", 5, INT_MIN, INT_MAX, -38, 0, 0},
    };
    for (const Case& c : cases) {
        pdf417::MicroSize size{};
        EXPECT_EQ(pdf417::ChooseMicroSize(c.data, c.forcedRows, c.forcedColumns, size), c.expected)
            << c.name;
        if (c.expected != 0) continue;
        EXPECT_EQ(size.columns, c.columns) << c.name;
        EXPECT_EQ(size.rows, c.rows) << c.name;
    }
}

TEST(Pdf417Symbol, Geometry) {
    struct Case {
        int32_t libraryCode, columns, rows;
        int32_t modules, rowHeight;
    };
    const Case cases[] = {
        {kLibPdf417, 1, 0, 69 + 17, 3},          {kLibPdf417, 5, 0, 69 + 85, 3},
        {kLibPdf417Truncated, 1, 0, 35 + 17, 3}, {kLibPdf417Truncated, 5, 0, 35 + 85, 3},
        {kLibMicroPdf417, 1, 0, 38, 2},          {kLibMicroPdf417, 2, 0, 55, 2},
        {kLibMicroPdf417, 3, 0, 82, 2},          {kLibMicroPdf417, 4, 0, 99, 2},
    };
    for (const Case& c : cases) {
        const Encoded encoded = Encode(Params(c.libraryCode, 2, c.rows, c.columns), "ABCDEFGH");
        ASSERT_EQ(encoded.result, 0);
        EXPECT_EQ(encoded.matrix.columns, c.modules) << c.libraryCode << "/" << c.columns;
        EXPECT_EQ(encoded.matrix.rowHeights,
                  std::vector<int32_t>(static_cast<size_t>(encoded.matrix.rows), c.rowHeight));
        EXPECT_EQ(encoded.matrix.quietZonePixels, 0);
    }
}

// A symbol read back module by module: the length descriptor counts the
// padding, the padding is 900, the row indicators carry rows, columns and
// level, and the check codewords are valid.
TEST(Pdf417Symbol, ReadBackPdf417) {
    for (bool truncated : {false, true}) {
        const int32_t code = truncated ? kLibPdf417Truncated : kLibPdf417;
        const Encoded encoded = Encode(Params(code, 1, 10, 3), "ABCDE");
        ASSERT_EQ(encoded.result, 0);
        ASSERT_EQ(encoded.matrix.rows, 10);
        const pdf417test::ReadBack read = pdf417test::ReadPdf417(encoded.matrix, 3, truncated);
        const std::vector<int32_t> data = {26,  1,   63,  149, 900, 900, 900, 900, 900,
                                           900, 900, 900, 900, 900, 900, 900, 900, 900,
                                           900, 900, 900, 900, 900, 900, 900, 900};
        ASSERT_EQ(read.codewords.size(), 30U);
        EXPECT_EQ(std::vector<int32_t>(read.codewords.begin(), read.codewords.begin() + 26), data);
        EXPECT_TRUE(pdf417test::SyndromesAreZero(read.codewords, 4));
        // Rows 10: (10 - 1) / 3 = 3, (10 - 1) % 3 = 0; columns 3; level 1.
        const std::vector<int32_t> left = {3, 3, 2, 33, 33, 32, 63, 63, 62, 93};
        EXPECT_EQ(read.leftIndicators, left);
        if (!truncated) {
            const std::vector<int32_t> right = {2, 3, 3, 32, 33, 33, 62, 63, 63, 92};
            EXPECT_EQ(read.rightIndicators, right);
        }
    }
}

TEST(Pdf417Symbol, ReadBackMicroPdf417) {
    const Encoded encoded = Encode(Params(kLibMicroPdf417), "ABCDE");
    ASSERT_EQ(encoded.result, 0);
    ASSERT_EQ(encoded.matrix.rows, 11); // 4 data codewords: 1 column, 11 rows
    const std::vector<int32_t> codewords = pdf417test::ReadMicro(encoded.matrix, 1, 0);
    ASSERT_EQ(codewords.size(), 11U);
    EXPECT_EQ(std::vector<int32_t>(codewords.begin(), codewords.begin() + 4),
              (std::vector<int32_t>{900, 1, 63, 149}));
    EXPECT_TRUE(pdf417test::SyndromesAreZero(codewords, 7));

    const Encoded padded = Encode(Params(kLibMicroPdf417, 2, 0, 4), "ABCDE");
    ASSERT_EQ(padded.result, 0);
    ASSERT_EQ(padded.matrix.rows, 4); // 4 x 4 holds 8 data codewords
    const std::vector<int32_t> read = pdf417test::ReadMicro(padded.matrix, 4, 3);
    EXPECT_EQ(std::vector<int32_t>(read.begin(), read.begin() + 8),
              (std::vector<int32_t>{900, 1, 63, 149, 900, 900, 900, 900}));
    EXPECT_TRUE(pdf417test::SyndromesAreZero(read, 8));
}

TEST(Pdf417Symbol, EveryLevelGivesValidCheckCodewords) {
    for (int32_t level = 0; level <= 8; ++level) {
        const Encoded encoded = Encode(Params(kLibPdf417, level), "PDF417 level test");
        ASSERT_EQ(encoded.result, 0) << level;
        const int32_t columns = (encoded.matrix.columns - 69) / 17;
        const pdf417test::ReadBack read = pdf417test::ReadPdf417(encoded.matrix, columns, false);
        EXPECT_TRUE(pdf417test::SyndromesAreZero(read.codewords, 2 << level)) << level;
        EXPECT_EQ(read.codewords[0], static_cast<int32_t>(read.codewords.size()) - (2 << level));
    }
}

TEST(Pdf417Symbol, TraceShowsInputAndDataCodewordsAtLevel42) {
    {
        TestLog log(42);
        ASSERT_EQ(Encode(Params(kLibPdf417, 0), "ABCDE").result, 0); // 2 x 3, no padding
        const std::string text = log.Text();
        EXPECT_NE(text.find("PDF 417 input data: \"ABCDE\"\n"), std::string::npos) << text;
        EXPECT_NE(text.find("PDF 417 raw data codewords: \n4 1 63 149 \n"), std::string::npos)
            << text;
    }
    TestLog quiet(41);
    ASSERT_EQ(Encode(Params(kLibPdf417, 0), "ABCDE").result, 0);
    EXPECT_EQ(quiet.Text().find("PDF 417"), std::string::npos);
}

// Random data and random options never crash: the result is a matrix or a
// negative error.
TEST(Pdf417Symbol, RandomDataAtEveryLevel) {
    std::mt19937 random(15438);
    std::uniform_int_distribution<int> byte(0, 255);
    const int32_t odd[] = {0, 0, 0, 1, 2, 3, 4, 30, 31, 44, 45, 90, 91, -1, -5, INT_MAX, INT_MIN};
    std::uniform_int_distribution<size_t> pick(0, sizeof(odd) / sizeof(odd[0]) - 1);
    for (int32_t code : {kLibPdf417, kLibPdf417Truncated, kLibMicroPdf417}) {
        for (int32_t level = 0; level <= 8; ++level) {
            for (size_t length : {size_t{2000}, size_t{300}, size_t{60}, size_t{0}}) {
                std::string data(length, '\0');
                for (char& c : data)
                    c = static_cast<char>(byte(random));
                const Encoded encoded =
                    Encode(Params(code, level, odd[pick(random)], odd[pick(random)]), data);
                ASSERT_LE(encoded.result, 0);
                // 2000 random bytes need about 1670 codewords.
                if (length == 2000) {
                    EXPECT_EQ(encoded.result, -31);
                }
                if (encoded.result != 0) continue;
                ASSERT_EQ(encoded.matrix.dark.size(),
                          static_cast<size_t>(encoded.matrix.rows) * encoded.matrix.columns);
                ASSERT_EQ(encoded.matrix.rowHeights.size(),
                          static_cast<size_t>(encoded.matrix.rows));
            }
        }
    }
}

} // namespace

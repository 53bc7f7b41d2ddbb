// Truncated PDF417 and MicroPDF417, which zxing-cpp does not read, compared
// module for module with zint on data where both encoders must choose the
// same codewords and the same size. Both pad the spare room with 900, so
// padded symbols match as well as those the data fills exactly.
#include <gtest/gtest.h>

#include <zint.h>

#include "Pdf417TestSupport.h"
#include "symbol/pdf417/Pdf417Compaction.h"

#include <memory>
#include <string>
#include <vector>

namespace {

struct ZintDeleter {
    void operator()(zint_symbol* symbol) const { ZBarcode_Delete(symbol); }
};
using ZintSymbol = std::unique_ptr<zint_symbol, ZintDeleter>;

ZintSymbol ZintEncode(int symbology, const std::string& data, int level, int columns) {
    ZintSymbol symbol(ZBarcode_Create());
    symbol->symbology = symbology;
    symbol->option_1 = level;
    symbol->option_2 = columns;
    const int error =
        ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char*>(data.data()),
                        static_cast<int>(data.size()));
    EXPECT_LT(error, ZINT_ERROR) << symbol->errtxt;
    return symbol;
}

bool ZintModule(const zint_symbol& symbol, int row, int column) {
    return ((symbol.encoded_data[row][column >> 3] >> (column & 7)) & 1) != 0;
}

// The modules where the two matrices differ, as "row:column" texts (at most a few).
std::string Differences(const SymbolMatrix& ours, const zint_symbol& zint, int32_t columns) {
    std::string differences;
    int count = 0;
    for (int32_t row = 0; row < ours.rows; ++row)
        for (int32_t column = 0; column < columns; ++column)
            if (ours.IsDark(row, column) != ZintModule(zint, row, column) && ++count <= 5)
                differences += std::to_string(row) + ":" + std::to_string(column) + " ";
    return count == 0 ? "" : std::to_string(count) + " differ: " + differences;
}

size_t CodewordCount(const std::string& data, pdf417::CompactionMode start) {
    std::vector<int32_t> codewords;
    pdf417::CompactData(data, start, 928, codewords);
    return codewords.size();
}

// Extends data with filler until its codewords fill whole rows; a filler
// of 0 leaves the data as it is, and the last row is padded.
std::string FillRows(std::string data, char filler, int32_t level, int32_t columns) {
    if (filler == 0) return data;
    const size_t check = size_t{2} << level;
    while ((1 + CodewordCount(data, pdf417::CompactionMode::Text) + check) % columns != 0 ||
           (1 + CodewordCount(data, pdf417::CompactionMode::Text) + check) / columns < 3)
        data += filler;
    return data;
}

struct TruncatedCase {
    const char* name;
    std::string data;
    char filler;
    int32_t level;
    int32_t columns;
};

const TruncatedCase kTruncatedCases[] = {
    {"upper text", "PDFTRUNCATED", 'X', 2, 3},
    {"text with sub-modes", "Truncated pdf417 Test", 'x', 1, 4},
    {"numeric", "123456789012345678901234567890", '5', 3, 5},
    {"bytes", std::string("\x80\x81\x82\x83\x84\x85\x86", 7), '\x90', 0, 2},
    {"text then numeric", "ABCDEFG12345678901234567890", '1', 4, 6},
    {"one shifted byte", "ABCDEFG\xe9HIJKLMN", 'O', 2, 3},
    {"many rows", std::string(200, 'A'), 'A', 5, 10},
    {"padded text", "PDFTRUNCATED", 0, 2, 3},
    {"padded numeric", "123456789012345678901234567890", 0, 1, 4},
    {"padded bytes", std::string("\x80\x81\x82\x83\x84\x85\x86", 7), 0, 3, 5},
    {"padded many rows", std::string(201, 'A'), 0, 5, 10},
};

// Truncated rows end with the one-module stop bar after the last symbol
// character, 35 + 17 C modules in all, as zint's do.
TEST(Pdf417Zint, TruncatedMatchesModuleForModule) {
    for (const TruncatedCase& c : kTruncatedCases) {
        const std::string data = FillRows(c.data, c.filler, c.level, c.columns);
        SymbolMatrix ours;
        ASSERT_EQ(EncodePdf417(pdf417test::Params(kLibPdf417Truncated, c.level, 0, c.columns), data,
                               ours),
                  0)
            << c.name;
        const ZintSymbol zint = ZintEncode(BARCODE_PDF417COMP, data, c.level, c.columns);
        ASSERT_EQ(zint->rows, ours.rows) << c.name;
        ASSERT_EQ(zint->width, ours.columns) << c.name;
        EXPECT_EQ(Differences(ours, *zint, ours.columns), "") << c.name;
    }
}

struct MicroCase {
    const char* name;
    std::string data;
    int32_t columns;
};

// Data that fills a MicroPDF417 size exactly or with padding: both encoders
// start with a latch, and zint picks the smallest size of the forced
// column count that holds the data, as we do.
const MicroCase kMicroCases[] = {
    {"1 x 11, text", "ABCDEF", 1},
    {"1 x 14, text", "ABCDEFGHIJKL", 1},
    {"1 x 28, text", std::string(38, 'M'), 1},
    {"2 x 8, text", "ABCDEFGHIJKLMN", 2},
    {"2 x 26, text", std::string(72, 'Q'), 2},
    {"3 x 6, text", "ABCDEFGHIJ", 3},
    {"3 x 10, numeric", "12345678901234567890123456789012345678", 3},
    {"3 x 20, lower text", std::string(64, 'z'), 3},
    {"4 x 4, text", "ABCDEFGHIJKLMN", 4},
    {"4 x 15, bytes", std::string(45, '\x81'), 4},
    {"4 x 44, text", std::string(250, 'W'), 4},
    {"1 column, padded text", "ABCDEFG", 1},
    {"2 columns, padded text", "ABCDEFGHIJKLMNOPQ", 2},
    {"3 columns, padded numeric", "1234567890123456789", 3},
    {"4 columns, padded bytes", std::string(9, '\x81'), 4},
};

TEST(Pdf417Zint, MicroMatchesModuleForModule) {
    for (const MicroCase& c : kMicroCases) {
        SymbolMatrix ours;
        ASSERT_EQ(EncodePdf417(pdf417test::Params(kLibMicroPdf417, 2, 0, c.columns), c.data, ours),
                  0)
            << c.name;
        const ZintSymbol zint = ZintEncode(BARCODE_MICROPDF417, c.data, -1, c.columns);
        ASSERT_EQ(zint->rows, ours.rows) << c.name;
        ASSERT_EQ(zint->width, ours.columns) << c.name;
        EXPECT_EQ(Differences(ours, *zint, ours.columns), "") << c.name;
    }
}

// Where the two encoders must differ, and the rule behind each difference.
struct Difference {
    const char* rule;
    std::string data;
    int32_t columns; // forced for both, 0 automatic
    int32_t ourRows, ourColumns;
    int zintRows, zintWidth;
};

const Difference kDifferences[] = {
    // A text segment needs more than 4 text characters: "ABCD" becomes a
    // byte segment (901 and 4 bytes, 5 codewords, 1 x 14), where zint
    // latches to text (3 codewords, 1 x 11).
    {"short text is bytes", "ABCD", 0, 14, 38, 11, 38},
    // The automatic choice uses one column up to 20 data codewords; zint
    // picks the 3 x 6 symbol for these 5.
    {"automatic size", "ABCDEFGH", 0, 14, 38, 6, 82},
    // Up to 82 data codewords the automatic choice stays at 3 columns; zint
    // takes 4 x 20 for 51.
    {"automatic size, 3 columns", std::string(100, 'A'), 0, 32, 82, 20, 99},
};

TEST(Pdf417Zint, KnownDifferences) {
    for (const Difference& d : kDifferences) {
        SymbolMatrix ours;
        ASSERT_EQ(EncodePdf417(pdf417test::Params(kLibMicroPdf417, 2, 0, d.columns), d.data, ours),
                  0)
            << d.rule;
        const ZintSymbol zint = ZintEncode(BARCODE_MICROPDF417, d.data, -1, d.columns);
        EXPECT_EQ(ours.rows, d.ourRows) << d.rule;
        EXPECT_EQ(ours.columns, d.ourColumns) << d.rule;
        EXPECT_EQ(zint->rows, d.zintRows) << d.rule;
        EXPECT_EQ(zint->width, d.zintWidth) << d.rule;
        if (ours.rows == zint->rows && ours.columns == zint->width) {
            EXPECT_NE(Differences(ours, *zint, ours.columns), "") << d.rule;
        }
    }
}

} // namespace

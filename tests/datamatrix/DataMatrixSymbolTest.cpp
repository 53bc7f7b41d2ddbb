// Whole symbols: the size table's arithmetic, the error correction checked
// by an independent Reed-Solomon syndrome computation, the finder and
// alignment patterns, the request errors and the matrix handed over.
#include "DataMatrixTestSupport.h"
#include "symbol/SymbolMatrix.h"
#include "symbol/datamatrix/DataMatrix.h"
#include "symbol/datamatrix/SymbolSizes.h"

#include <gtest/gtest.h>

using namespace datamatrix;

namespace {

TEST(DataMatrixSizeTable, RowsAgreeWithThemselves) {
    for (size_t index = 0; index < kSymbolSizes.size(); ++index) {
        SCOPED_TRACE(index);
        const SymbolSize& size = kSymbolSizes[index];
        const int32_t regionsAcross = size.mappingColumns / size.regionColumns;
        const int32_t regionsDown = size.mappingRows / size.regionRows;
        EXPECT_EQ(regionsAcross * regionsDown, size.regions);
        EXPECT_EQ(size.rows, size.mappingRows + 2 * regionsDown);
        EXPECT_EQ(size.columns, size.mappingColumns + 2 * regionsAcross);
        EXPECT_EQ(size.mappingRows * size.mappingColumns / 8,
                  size.dataCodewords + size.errorCodewords);
        EXPECT_EQ(size.errorPerBlock * size.blocks, size.errorCodewords);
        int32_t data = 0;
        for (int32_t block = 0; block < size.blocks; ++block)
            data += BlockDataCodewords(size, block);
        EXPECT_EQ(data, size.dataCodewords);
        EXPECT_EQ(BlockDataCodewords(size, 0), size.dataPerBlock);
    }
    EXPECT_EQ(BlockDataCodewords(kSymbolSizes[23], 7), 156);
    EXPECT_EQ(BlockDataCodewords(kSymbolSizes[23], 8), 155);
    EXPECT_EQ(BlockDataCodewords(kSymbolSizes[23], 9), 155);
}

// GF(256) with the field polynomial 301, built here by repeated doubling,
// independent of the encoder's tables.
class TestField {
  public:
    TestField() {
        int value = 1;
        for (int i = 0; i < 255; ++i) {
            power_[i] = value;
            value <<= 1;
            if (value & 0x100) value ^= 301;
        }
    }
    int Multiply(int a, int b) const {
        int product = 0;
        for (; b != 0; b >>= 1) {
            if (b & 1) product ^= a;
            a <<= 1;
            if (a & 0x100) a ^= 301;
        }
        return product;
    }
    int Power(int exponent) const { return power_[exponent % 255]; }

    // The block polynomial at x (highest power first, Horner's rule).
    int Evaluate(const std::vector<int>& block, int x) const {
        int sum = 0;
        for (int codeword : block)
            sum = Multiply(sum, x) ^ codeword;
        return sum;
    }

  private:
    int power_[255] = {};
};

// Every block of a valid symbol is a code word: its polynomial vanishes at
// alpha^1 .. alpha^k. In 144x144 the error codewords of the two short blocks
// (8 and 9) lead each interleaving round, as zxing-cpp and zint have them.
void ExpectBlocksAreCodeWords(const Codewords& all, const SymbolSize& size) {
    TestField field;
    const size_t blocks = static_cast<size_t>(size.blocks);
    const size_t dataTotal = static_cast<size_t>(size.dataCodewords);
    const size_t rotation = size.rows == 144 ? 2 : 0;
    ASSERT_EQ(all.size(), dataTotal + static_cast<size_t>(size.errorCodewords));
    for (size_t block = 0; block < blocks; ++block) {
        std::vector<int> codeWord;
        for (size_t i = block; i < dataTotal; i += blocks)
            codeWord.push_back(all[i]);
        const size_t slot = (block + rotation) % blocks;
        for (size_t i = dataTotal + slot; i < all.size(); i += blocks)
            codeWord.push_back(all[i]);
        for (int root = 1; root <= size.errorPerBlock; ++root)
            ASSERT_EQ(field.Evaluate(codeWord, field.Power(root)), 0)
                << "block " << block << " root " << root;
    }
}

TEST(DataMatrixErrorCorrection, EveryBlockOfEverySizeIsACodeWord) {
    for (int32_t index = 0; index < kSizeCount; ++index) {
        SCOPED_TRACE(index);
        const SymbolSize& size = kSymbolSizes[static_cast<size_t>(index)];
        std::string data;
        for (int32_t i = 0; i < size.dataCodewords - 1; ++i)
            data.push_back(static_cast<char>('!' + i * 7 % 90));
        CDataMatrix symbol(DataMatrixRequest(0, index), data);
        ASSERT_EQ(symbol.Encode(), 0);
        ASSERT_EQ(symbol.SizeIndex(), index);
        ExpectBlocksAreCodeWords(symbol.Codewords(), size);
    }
}

TEST(DataMatrixErrorCorrection, PublishedExample123456) {
    CDataMatrix symbol(DataMatrixRequest(5), "123456");
    ASSERT_EQ(symbol.Encode(), 0);
    EXPECT_EQ(symbol.Codewords(), (Codewords{142, 164, 186, 114, 25, 5, 88, 102}));
}

TEST(DataMatrixPadding, FirstPadPlainThenRandomised) {
    CDataMatrix symbol(DataMatrixRequest(0), "A");
    ASSERT_EQ(symbol.Encode(), 0);
    ASSERT_EQ(symbol.SizeIndex(), 0);
    // Positions 2 and 3: 129 + (149 * p mod 253) + 1, wrapped past 254.
    EXPECT_EQ(symbol.Codewords()[0], 66);
    EXPECT_EQ(symbol.Codewords()[1], 129);
    EXPECT_EQ(symbol.Codewords()[2], 129 + (149 * 3 % 253) + 1 - 254);
}

// Finder: solid left column and bottom row of every region; alignment:
// alternating top row (dark first) and right column (dark at the bottom).
void ExpectFramedRegions(const SymbolMatrix& matrix, const SymbolSize& size) {
    const int32_t framedRows = size.regionRows + 2;
    const int32_t framedColumns = size.regionColumns + 2;
    for (int32_t row = 0; row < matrix.rows; ++row) {
        for (int32_t column = 0; column < matrix.columns; ++column) {
            const int32_t r = row % framedRows;
            const int32_t c = column % framedColumns;
            bool expected;
            if (c == 0 || r == framedRows - 1)
                expected = true;
            else if (r == 0)
                expected = c % 2 == 0;
            else if (c == framedColumns - 1)
                expected = r % 2 == 1;
            else
                continue;
            ASSERT_EQ(matrix.IsDark(row, column), expected) << row << "," << column;
        }
    }
}

TEST(DataMatrixSymbol, EverySizeHasItsDimensionsAndPatterns) {
    for (int32_t index = 0; index < kSizeCount; ++index) {
        SCOPED_TRACE(index);
        const SymbolSize& size = kSymbolSizes[static_cast<size_t>(index)];
        SymbolMatrix matrix;
        ASSERT_EQ(EncodeDataMatrix(DataMatrixRequest(5, index), "Si", matrix), 0);
        EXPECT_EQ(matrix.rows, size.rows);
        EXPECT_EQ(matrix.columns, size.columns);
        EXPECT_EQ(matrix.quietZonePixels, 0);
        EXPECT_TRUE(matrix.rowHeights.empty());
        EXPECT_FALSE(matrix.drawUnrotated);
        ExpectFramedRegions(matrix, size);
    }
}

struct RequestCase {
    const char* name;
    int32_t rotation;
    int32_t encodation;
    int32_t size;
    int32_t expected;
};

TEST(DataMatrixSymbol, RequestErrors) {
    const std::vector<RequestCase> cases = {
        {"rotation 4", 4, 5, -1, -11},
        {"rotation -1", -1, 5, -1, -11},
        {"rotation before encodation", 4, 6, 30, -11},
        {"encodation 6", 0, 6, -1, -120},
        {"encodation -1", 0, -1, -1, -120},
        {"encodation before size", 0, 6, 30, -120},
        {"size 30", 0, 5, 30, -121},
        {"size -2", 0, 5, -2, -121},
        {"all in range", 3, 0, 29, 0},
    };
    for (const RequestCase& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        SymbolParams params = DataMatrixRequest(testCase.encodation, testCase.size);
        params.rotation = testCase.rotation;
        SymbolMatrix matrix;
        EXPECT_EQ(EncodeDataMatrix(params, "ABC", matrix), testCase.expected);
        EXPECT_EQ(matrix.rows == 0, testCase.expected != 0);
    }
}

struct EmptyCase {
    const char* name;
    std::string data;
    int32_t encodation;
    int32_t result;
};

// Empty data has no symbol; data that no size holds is refused.
TEST(DataMatrixSymbol, NoSymbolWhenNothingFits) {
    const std::vector<EmptyCase> cases = {
        {"empty data", "", 5, 0},
        {"3117 digits", Repeated('1', 3117), 0, -34},
        {"1559 letters in ASCII", Repeated('x', 1559), 0, -34},
        {"2400 capitals in C40", Repeated('Q', 2400), 1, -34},
        {"1556 bytes in Base 256", Repeated('\x01', 1556), 3, -34},
        {"1559 bytes unchanged", Repeated('\x41', 1559), 4, -34},
        {"1000 bytes above 127", Repeated('\xC0', 1000), 0, -34},
        {"a megabyte", Repeated('7', 1 << 20), 5, -34},
    };
    for (const EmptyCase& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        SymbolMatrix matrix;
        matrix.Resize(2, 2);
        EXPECT_EQ(EncodeDataMatrix(DataMatrixRequest(testCase.encodation), testCase.data, matrix),
                  testCase.result);
        EXPECT_EQ(matrix.rows, 0);
        EXPECT_EQ(matrix.columns, 0);
        EXPECT_TRUE(matrix.dark.empty());
    }
}

TEST(DataMatrixSymbol, RectangleOnlyWhenRequestedAndLargeEnough) {
    SymbolMatrix matrix;
    ASSERT_EQ(EncodeDataMatrix(DataMatrixRequest(0, 24), "ABCDE", matrix), 0);
    EXPECT_EQ(matrix.rows, 8);
    EXPECT_EQ(matrix.columns, 18);
    ASSERT_EQ(EncodeDataMatrix(DataMatrixRequest(0, -1), "ABCDE", matrix), 0);
    EXPECT_EQ(matrix.rows, 12);
    EXPECT_EQ(matrix.columns, 12);
    ASSERT_EQ(EncodeDataMatrix(DataMatrixRequest(0, 24), "ABCDEF", matrix), 0);
    EXPECT_EQ(matrix.rows, 14);
    EXPECT_EQ(matrix.columns, 14);
}

} // namespace

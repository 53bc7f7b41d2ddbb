// Whole symbols read back by an independent decoder: the module matrix is
// drawn into a gray image (4 pixels a module, a light margin around it) and
// zxing-cpp must read exactly the bytes that went in.
#define ZX_USE_UTF8 1
#include "DataMatrixTestSupport.h"
#include "symbol/SymbolMatrix.h"
#include "symbol/datamatrix/SymbolSizes.h"

#include <ZXing/ReadBarcode.h>
#include <gtest/gtest.h>

#include <random>

namespace {

constexpr int kPixelsPerModule = 4;
constexpr int kMarginModules = 4;
constexpr int32_t kAscii = 0, kC40 = 1, kText = 2, kBase256 = 3, kNone = 4, kAuto = 5;
constexpr int32_t kEncodingModes[] = {kAscii, kC40, kText, kBase256, kAuto};

struct Gray {
    int width;
    int height;
    std::vector<uint8_t> pixels;
};

Gray Render(const SymbolMatrix& matrix) {
    Gray image;
    image.width = (matrix.columns + 2 * kMarginModules) * kPixelsPerModule;
    image.height = (matrix.rows + 2 * kMarginModules) * kPixelsPerModule;
    image.pixels.assign(static_cast<size_t>(image.width) * static_cast<size_t>(image.height), 255);
    for (int row = 0; row < matrix.rows; ++row)
        for (int column = 0; column < matrix.columns; ++column) {
            if (!matrix.IsDark(row, column)) continue;
            for (int y = 0; y < kPixelsPerModule; ++y)
                for (int x = 0; x < kPixelsPerModule; ++x) {
                    int px = (column + kMarginModules) * kPixelsPerModule + x;
                    int py = (row + kMarginModules) * kPixelsPerModule + y;
                    image.pixels[static_cast<size_t>(py) * static_cast<size_t>(image.width) +
                                 static_cast<size_t>(px)] = 0;
                }
        }
    return image;
}

// The bytes zxing-cpp reads, or a text starting with "no symbol" / "no read".
std::string DecodeBytes(const SymbolMatrix& matrix) {
    if (matrix.rows <= 0 || matrix.columns <= 0) return "no symbol";
    Gray image = Render(matrix);
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::DataMatrix);
    hints.setTryHarder(true);
    ZXing::ImageView view(image.pixels.data(), image.width, image.height, ZXing::ImageFormat::Lum);
    ZXing::Result result = ZXing::ReadBarcode(view, hints);
    if (!result.isValid()) return "no read";
    const auto& bytes = result.bytes();
    return std::string(bytes.begin(), bytes.end());
}

std::string Printable(const std::string& data) {
    std::string text;
    for (unsigned char byte : data) {
        if (byte >= 32 && byte < 127)
            text.push_back(static_cast<char>(byte));
        else
            text += "\\x" + std::string(1, "0123456789ABCDEF"[byte >> 4]) +
                    std::string(1, "0123456789ABCDEF"[byte & 15]);
    }
    return text.size() > 160 ? text.substr(0, 160) + "..." : text;
}

// Encodes and reads back; returns the matrix for further checks.
SymbolMatrix ExpectRoundTrip(const std::string& data, int32_t encodation, int32_t size = -1) {
    SCOPED_TRACE("encodation " + std::to_string(encodation) + ", size " + std::to_string(size) +
                 ", data \"" + Printable(data) + "\"");
    SymbolMatrix matrix;
    EXPECT_EQ(EncodeDataMatrix(DataMatrixRequest(encodation, size), data, matrix), 0);
    std::string read = DecodeBytes(matrix);
    EXPECT_TRUE(read == data) << "read \"" << Printable(read) << "\"";
    return matrix;
}

TEST(DataMatrixZxing, EverySizeOfTheTable) {
    for (int32_t index = 0; index < datamatrix::kSizeCount; ++index) {
        const datamatrix::SymbolSize& size = datamatrix::kSymbolSizes[static_cast<size_t>(index)];
        std::string full, half;
        for (int32_t i = 0; i < size.dataCodewords; ++i)
            full.push_back(static_cast<char>('A' + i % 26));
        half = full.substr(0, static_cast<size_t>(size.dataCodewords / 2));
        for (const std::string& data : {full, half}) {
            SymbolMatrix matrix = ExpectRoundTrip(data, kAscii, index);
            EXPECT_EQ(matrix.rows, size.rows) << index;
            EXPECT_EQ(matrix.columns, size.columns) << index;
        }
    }
}

const std::vector<std::string> kTexts = {
    "A",
    "AB",
    "ABC",
    "ABCD",
    "1",
    "12",
    "123456",
    "Hello, World! 123",
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789",
    "the quick brown fox jumps over the lazy dog",
    "THE QUICK BROWN FOX JUMPS OVER THE LAZY DOG",
    "Mixed Case And Digits 1234567890 and MORE text",
    "\xC4pfel und \xD6l f\xFCr Stra\xDF"
    "e",
    "\xE9",
    "A\xE9",
    "AB!",
    "ab!",
    "AB\xC9",
    "ab\xE9z",
    "AIMAIMAIMA",
    "|P",
    "AB|P|P",
    "|P12345678",
    "|Pabcdefgh",
    "aimaimaima",
    "C40\x01\x02\x1F control",
    "{|}~\x7F`[\\]^_",
    "ABCDEF12345678901234",
    "12345678901234567890abc",
    "x\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9 then text again ABCDEFGHIJ",
    "Item 4711/0815 \xA7"
    "12 \xB5m \xB0"
    "C",
};

TEST(DataMatrixZxing, EveryEncodationReadsBack) {
    for (const std::string& text : kTexts)
        for (int32_t encodation : kEncodingModes)
            ExpectRoundTrip(text, encodation);
}

TEST(DataMatrixZxing, AllByteValues) {
    std::string all;
    for (int value = 0; value < 256; ++value)
        all.push_back(static_cast<char>(value));
    std::string reversed(all.rbegin(), all.rend());
    for (int32_t encodation : kEncodingModes) {
        ExpectRoundTrip(all, encodation);
        ExpectRoundTrip(reversed, encodation);
    }
}

TEST(DataMatrixZxing, LongDigitRuns) {
    std::mt19937 random(42);
    for (size_t length : {13u, 100u, 1001u, 2000u, 3116u}) {
        std::string digits;
        for (size_t i = 0; i < length; ++i)
            digits.push_back(static_cast<char>('0' + random() % 10));
        ExpectRoundTrip(digits, kAscii);
        ExpectRoundTrip(digits, kAuto);
        if (length <= 2000) ExpectRoundTrip(digits, kC40);
    }
    ExpectRoundTrip("A" + std::string(3000, '9') + "B", kAuto);
}

TEST(DataMatrixZxing, C40AndTextFriendlyTexts) {
    std::string capitals, smalls;
    for (int i = 0; i < 900; ++i) {
        capitals.push_back(i % 7 == 6 ? ' ' : static_cast<char>('A' + i % 26));
        smalls.push_back(i % 7 == 6 ? ' ' : static_cast<char>('a' + i % 26));
    }
    for (int32_t encodation : {kC40, kText, kAuto}) {
        for (size_t length : {3u, 4u, 5u, 17u, 100u, 900u}) {
            ExpectRoundTrip(capitals.substr(0, length), encodation);
            ExpectRoundTrip(smalls.substr(0, length), encodation);
        }
    }
}

TEST(DataMatrixZxing, Base256Runs) {
    std::mt19937 random(7);
    for (size_t length : {1u, 249u, 250u, 251u, 300u, 1555u}) {
        std::string bytes;
        for (size_t i = 0; i < length; ++i)
            bytes.push_back(static_cast<char>(random() % 256));
        ExpectRoundTrip(bytes, kBase256);
        if (length < 1555) ExpectRoundTrip(bytes, kAuto);
        std::string high;
        for (size_t i = 0; i < length; ++i)
            high.push_back(static_cast<char>(128 + random() % 128));
        if (length < 1555) ExpectRoundTrip("text " + high + " text", kAuto);
    }
}

TEST(DataMatrixZxing, BytesUnchangedAreReadAsCodewords) {
    // ASCII codewords 1..128 stand for the characters 0..127.
    std::string codewords, expected;
    for (int value = 1; value <= 128; ++value) {
        codewords.push_back(static_cast<char>(value));
        expected.push_back(static_cast<char>(value - 1));
    }
    SymbolMatrix matrix;
    ASSERT_EQ(EncodeDataMatrix(DataMatrixRequest(kNone), codewords, matrix), 0);
    EXPECT_EQ(DecodeBytes(matrix), expected);
    ASSERT_EQ(EncodeDataMatrix(DataMatrixRequest(kNone), Bytes({142, 164, 186}), matrix), 0);
    EXPECT_EQ(DecodeBytes(matrix), "123456");
    EXPECT_EQ(matrix.rows, 10);
}

TEST(DataMatrixZxing, TwoThousandRandomBytesAreRefused) {
    std::mt19937 random(2000);
    std::string bytes;
    for (int i = 0; i < 2000; ++i)
        bytes.push_back(static_cast<char>(random() % 256));
    for (int32_t encodation = 0; encodation <= kAuto; ++encodation) {
        SCOPED_TRACE(encodation);
        SymbolMatrix matrix;
        int32_t result = EncodeDataMatrix(DataMatrixRequest(encodation), bytes, matrix);
        EXPECT_EQ(result, -34);
        EXPECT_EQ(matrix.rows, 0);
        EXPECT_TRUE(matrix.dark.empty());
        if (encodation != kNone && matrix.rows > 0) {
            EXPECT_EQ(DecodeBytes(matrix), bytes);
        }
    }
}

// Random data over alphabets that favour each encodation, in every mode and
// at random requested sizes.
TEST(DataMatrixZxing, RandomDataReadsBack) {
    const std::vector<std::string> alphabets = {
        "0123456789",
        "ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789",
        "abcdefghijklmnopqrstuvwxyz 0123456789",
        "ABCabc019 !\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~\x01\x1F\x7F",
        "\x80\xA0\xC4\xD6\xDC\xE4\xF6\xFC\xDF\xFF",
        "Aa1\xE9",
    };
    std::mt19937 random(1234);
    for (int round = 0; round < 60; ++round) {
        const std::string& alphabet = alphabets[static_cast<size_t>(round) % alphabets.size()];
        std::string data;
        size_t length = 1 + random() % (round % 3 == 0 ? 400 : 40);
        for (size_t i = 0; i < length; ++i) {
            if (random() % 5 == 0)
                data.push_back(static_cast<char>(random() % 256));
            else
                data.push_back(alphabet[random() % alphabet.size()]);
        }
        int32_t size = static_cast<int32_t>(random() % 31) - 1;
        for (int32_t encodation : kEncodingModes)
            ExpectRoundTrip(data, encodation, size);
    }
}

} // namespace

// Whole PDF417 symbols read by an independent decoder (zxing-cpp): the
// matrix is drawn into a gray image as a printer would draw it, and what the
// decoder reads must be the data, byte for byte.
#define ZX_USE_UTF8
#include <ZXing/ReadBarcode.h>

#include <gtest/gtest.h>

#include "Pdf417TestSupport.h"

#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kPixelsPerModule = 3;
constexpr int kQuietModules = 4;

struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;
};

Image Render(const SymbolMatrix& matrix) {
    Image image;
    const int quiet = kQuietModules * kPixelsPerModule;
    image.width = matrix.columns * kPixelsPerModule + 2 * quiet;
    image.height = 2 * quiet;
    for (int32_t height : matrix.rowHeights)
        image.height += height * kPixelsPerModule;
    image.pixels.assign(static_cast<size_t>(image.width) * image.height, 255);
    int top = quiet;
    for (int32_t row = 0; row < matrix.rows; ++row) {
        const int rowPixels = matrix.rowHeights[static_cast<size_t>(row)] * kPixelsPerModule;
        for (int32_t column = 0; column < matrix.columns; ++column) {
            if (!matrix.IsDark(row, column)) continue;
            for (int y = top; y < top + rowPixels; ++y)
                for (int x = 0; x < kPixelsPerModule; ++x)
                    image.pixels[static_cast<size_t>(y) * image.width + quiet +
                                 column * kPixelsPerModule + x] = 0;
        }
        top += rowPixels;
    }
    return image;
}

struct Decoded {
    bool valid = false;
    std::string bytes;
};

Decoded Decode(const SymbolMatrix& matrix) {
    const Image image = Render(matrix);
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::PDF417);
    hints.setTryHarder(true);
    const ZXing::Result result = ZXing::ReadBarcode(
        ZXing::ImageView(image.pixels.data(), image.width, image.height, ZXing::ImageFormat::Lum),
        hints);
    Decoded decoded;
    decoded.valid = result.isValid();
    decoded.bytes.assign(result.bytes().begin(), result.bytes().end());
    return decoded;
}

// Encodes and reads back; an empty string when all went well, else why not.
std::string RoundTrip(const std::string& data, int32_t level, int32_t rows = 0,
                      int32_t columns = 0) {
    SymbolMatrix matrix;
    const int32_t result =
        EncodePdf417(pdf417test::Params(kLibPdf417, level, rows, columns), data, matrix);
    if (result != 0) return "encoder error " + std::to_string(result);
    const Decoded decoded = Decode(matrix);
    if (!decoded.valid) return "not decoded";
    if (decoded.bytes != data) return "decoded \"" + decoded.bytes + "\"";
    return "";
}

std::string AllByteValues() {
    std::string data;
    for (int value = 0; value < 256; ++value)
        data += static_cast<char>(value);
    return data;
}

std::string SubModeChanges() {
    std::string data;
    for (int i = 0; i < 6; ++i)
        data += "aA1;bB2<cC3>dD 4@eE,fF:gG\t\r\nhH|~";
    return data;
}

struct Case {
    const char* name;
    std::string data;
};

const Case kDataCases[] = {
    {"numeric", "12345678901234567890123456789012345678901234567890"},
    {"text", "Hello World, this is PDF417 text compaction."},
    {"bytes", std::string("\x80\x81\x82\x83\x84\x85\x86\x87\x88\xfe\xff", 11)},
    {"six bytes", std::string("\xe4\xf6\xfc\xc4\xd6\xdc", 6)},
    {"mixed", "ABC 12345678901234567 xyz \x01\x02 !@#$%^&*()_+ 'q' ~end\xe9"},
    {"shifted bytes in text", "Gr\xfc\xdf"
                              "e aus K\xf6ln und M\xfcnchen"},
    {"all 256 byte values", AllByteValues()},
    {"sub-mode changes", SubModeChanges()},
    {"long number", std::string(500, '7') + "0123456789"},
    {"digits around text", "0000000000000000ABCDEFGHIJ99999999999999999abc"},
    {"short", "A"},
};

TEST(Pdf417Decode, DataKinds) {
    for (const Case& c : kDataCases)
        EXPECT_EQ(RoundTrip(c.data, 2), "") << c.name;
}

TEST(Pdf417Decode, EverySecurityLevel) {
    const std::string data = "Level test: 0123456789012345 ABCdef \xa7\xb5";
    for (int32_t level = 0; level <= 8; ++level)
        EXPECT_EQ(RoundTrip(data, level), "") << level;
}

TEST(Pdf417Decode, ForcedRowsAndColumns) {
    struct Forced {
        int32_t rows, columns;
    };
    // Padded symbols as well as tight ones.
    const Forced forced[] = {{0, 1},  {0, 2},  {0, 7},  {0, 12},  {3, 0}, {10, 0},
                             {90, 0}, {20, 5}, {3, 30}, {30, 30}, {4, 4}};
    const std::string data = "Forced size, with padding 900 where the symbol has room.";
    for (const Forced& f : forced)
        EXPECT_EQ(RoundTrip(data, 1, f.rows, f.columns), "") << f.rows << " x " << f.columns;
}

TEST(Pdf417Decode, RandomData) {
    std::mt19937 random(929);
    for (int i = 0; i < 20; ++i) {
        std::string data(static_cast<size_t>(random() % 400), '\0');
        const int kind = i % 3; // bytes, printable text, digits
        for (char& c : data)
            c = static_cast<char>(kind == 0   ? random() & 0xFF
                                  : kind == 1 ? 32 + random() % 95
                                              : '0' + random() % 10);
        EXPECT_EQ(RoundTrip(data, static_cast<int32_t>(random() % 6)), "") << i;
    }
}

} // namespace

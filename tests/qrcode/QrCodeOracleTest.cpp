// QR Code symbols read back by an independent decoder (zxing-cpp): every
// version at every level, every mode, the automatic segmentation, Kanji,
// all byte values and FNC1; bad input yields an error and no symbol.
#define ZX_USE_UTF8 1
#include <ZXing/ReadBarcode.h>
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "symbol/SymbolMatrix.h"
#include "symbol/qrcode/QrCode.h"

namespace {

constexpr int kPixelsPerModule = 3;
constexpr int kQuietModules = 4;

struct Decoded {
    bool valid = false;
    std::string bytes;
    std::string text;
    std::string ecLevel;
    std::string identifier;
    ZXing::Result result;
};

// Renders modules into a gray image (0 dark, 255 light) with a quiet zone
// and decodes it.
template <typename IsDark> Decoded DecodeModules(int size, IsDark isDark) {
    const int width = (size + 2 * kQuietModules) * kPixelsPerModule;
    std::vector<uint8_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(width), 255);
    for (int row = 0; row < size; ++row)
        for (int column = 0; column < size; ++column) {
            if (!isDark(row, column)) continue;
            for (int dy = 0; dy < kPixelsPerModule; ++dy)
                for (int dx = 0; dx < kPixelsPerModule; ++dx) {
                    const int y = (row + kQuietModules) * kPixelsPerModule + dy;
                    const int x = (column + kQuietModules) * kPixelsPerModule + dx;
                    pixels[static_cast<size_t>(y) * static_cast<size_t>(width) +
                           static_cast<size_t>(x)] = 0;
                }
        }
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::QRCode);
    hints.setTryHarder(true);
    const ZXing::ImageView view(pixels.data(), width, width, ZXing::ImageFormat::Lum);
    Decoded decoded;
    decoded.result = ZXing::ReadBarcode(view, hints);
    decoded.valid = decoded.result.isValid();
    const ZXing::ByteArray& bytes = decoded.result.bytes();
    decoded.bytes.assign(bytes.begin(), bytes.end());
    decoded.text = decoded.result.text();
    decoded.ecLevel = decoded.result.ecLevel();
    decoded.identifier = decoded.result.symbologyIdentifier();
    return decoded;
}

Decoded DecodeSymbol(const SymbolMatrix& matrix) {
    return DecodeModules(matrix.rows,
                         [&](int row, int column) { return matrix.IsDark(row, column); });
}

SymbolParams QrParams(int32_t mode, int32_t version, int32_t level, int32_t kanji = 1) {
    SymbolParams params{};
    params.libraryCode = 28;
    params.moduleWidth = 3;
    params.qrMode = mode;
    params.qrVersion = version;
    params.qrLevel = level;
    params.qrKanji = kanji;
    return params;
}

const char* const kLevelNames[] = {"L", "M", "Q", "H"};

int VersionOf(const SymbolMatrix& matrix) {
    return (matrix.rows - 17) / 4;
}

std::string RandomBytes(size_t count, uint32_t seed) {
    std::mt19937 random(seed);
    std::string bytes(count, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random() & 0xFF);
    return bytes;
}

TEST(QrCodeOracle, EveryForcedVersionAtEveryLevelDecodes) {
    for (int version = 1; version <= 40; ++version)
        for (int level = 0; level < 4; ++level) {
            const std::string data = "V" + std::to_string(version) + kLevelNames[level];
            SymbolMatrix matrix;
            ASSERT_EQ(EncodeQrCode(QrParams(4, version, level), data, matrix), 0);
            EXPECT_EQ(VersionOf(matrix), version);
            const Decoded decoded = DecodeSymbol(matrix);
            ASSERT_TRUE(decoded.valid) << version << kLevelNames[level];
            EXPECT_EQ(decoded.bytes, data);
            EXPECT_EQ(decoded.ecLevel, kLevelNames[level]);
        }
}

TEST(QrCodeOracle, EveryVersionChosenByDataSizeAtEveryLevelDecodes) {
    for (int version = 1; version <= 40; ++version)
        for (int level = 0; level < 4; ++level) {
            const int capacity = QrCapacityTable::ByteCapacity(version, level);
            const std::string data =
                RandomBytes(static_cast<size_t>(capacity), 1000u * version + level);
            SymbolMatrix matrix;
            ASSERT_EQ(EncodeQrCode(QrParams(1, 0, level, 0), data, matrix), 0);
            ASSERT_EQ(VersionOf(matrix), version) << kLevelNames[level];
            const Decoded decoded = DecodeSymbol(matrix);
            ASSERT_TRUE(decoded.valid) << version << kLevelNames[level];
            EXPECT_EQ(decoded.bytes, data) << version << kLevelNames[level];
            EXPECT_EQ(decoded.ecLevel, kLevelNames[level]);
        }
}

struct ModeCase {
    const char* name;
    int32_t mode;
    int32_t kanji;
    std::string data;
    size_t segments; // 0: not checked
};

TEST(QrCodeOracle, EveryModeAndMixedDataDecode) {
    const ModeCase cases[] = {
        {"alphanumeric", 0, 1, "HELLO WORLD 0123456789 $%*+-./:", 1},
        {"byte", 1, 1, "Mixed case, punctuation; and \xe4\xf6\xfc bytes!", 1},
        {"numeric", 2, 1, "314159265358979323846264338327950288419716939937510", 1},
        {"Kanji", 3, 1, "\x93\x5f\xe4\xaa\x82\xa0\x88\x9f\x98\x9f\xea\xa4", 1},
        {"automatic numeric", 4, 1, "0123456789012345678901234567890", 1},
        {"automatic mixed", 4, 1, "Order 4711: SHIPPED TO WAREHOUSE 12 at 2024-06-01 0800h", 0},
        // Byte mode tries alphanumeric before numeric: B3 A1 N19 B3 A17.
        {"automatic digits in text", 4, 1, "abc12345678901234567890defABCDEFGHIJKLMNOPQ", 5},
        {"automatic Kanji in text", 4, 1, "Tokyo \x93\x8c\x8b\x9e 1234567890123 ABC", 0},
        {"automatic long mixed", 4, 1,
         std::string(200, '7') + std::string(120, 'K') + std::string(90, 'k') + "\x93\x5f", 0},
    };
    for (const ModeCase& c : cases)
        for (int level = 0; level < 4; ++level) {
            SymbolParams params = QrParams(c.mode, 0, level, c.kanji);
            CQRCode symbol;
            ASSERT_EQ(symbol.Construct(params, c.data), 0) << c.name;
            if (c.segments != 0)
                EXPECT_EQ(symbol.Encoder().Segments().size(), c.segments) << c.name;
            else
                EXPECT_GT(symbol.Encoder().Segments().size(), 1u) << c.name;
            SymbolMatrix matrix;
            ASSERT_EQ(EncodeQrCode(params, c.data, matrix), 0);
            const Decoded decoded = DecodeSymbol(matrix);
            ASSERT_TRUE(decoded.valid) << c.name << " " << kLevelNames[level];
            EXPECT_EQ(decoded.bytes, c.data) << c.name << " " << kLevelNames[level];
        }
}

TEST(QrCodeOracle, KanjiIsReadAsShiftJisText) {
    // 点茗 (ISO/IEC 18004's Kanji examples) in Shift-JIS.
    SymbolMatrix matrix;
    ASSERT_EQ(EncodeQrCode(QrParams(4, 0, 1), "\x93\x5f\xe4\xaa", matrix), 0);
    const Decoded decoded = DecodeSymbol(matrix);
    ASSERT_TRUE(decoded.valid);
    EXPECT_EQ(decoded.text, "\xe7\x82\xb9\xe8\x8c\x97");
}

TEST(QrCodeOracle, AllByteValuesSurviveWithAndWithoutTheShiftJisFlag) {
    std::string all;
    for (int value = 0; value < 256; ++value)
        all += static_cast<char>(value);
    for (int32_t kanji : {0, 1})
        for (int32_t mode : {1, 4}) {
            SymbolMatrix matrix;
            ASSERT_EQ(EncodeQrCode(QrParams(mode, 0, 1, kanji), all, matrix), 0);
            const Decoded decoded = DecodeSymbol(matrix);
            ASSERT_TRUE(decoded.valid) << kanji << " " << mode;
            EXPECT_EQ(decoded.bytes, all) << kanji << " " << mode;
        }
}

TEST(QrCodeOracle, Fnc1MarksGs1AndApplicationData) {
    const std::string gs1 = "01095011010209171719050810ABCD1234";
    SymbolParams first = QrParams(4, 0, 1);
    first.qrFnc1Mode = 1;
    SymbolMatrix matrix;
    ASSERT_EQ(EncodeQrCode(first, gs1, matrix), 0);
    Decoded decoded = DecodeSymbol(matrix);
    ASSERT_TRUE(decoded.valid);
    EXPECT_EQ(decoded.identifier, "]Q3");
    EXPECT_EQ(decoded.bytes, gs1);

    SymbolParams second = QrParams(4, 0, 1);
    second.qrFnc1Mode = 2;
    matrix = SymbolMatrix();
    ASSERT_EQ(EncodeQrCode(second, "ABC123", matrix), 0);
    decoded = DecodeSymbol(matrix);
    ASSERT_TRUE(decoded.valid);
    EXPECT_EQ(decoded.identifier, "]Q5");
    EXPECT_EQ(decoded.bytes, "00ABC123"); // the application indicator 0 read as "00"
}

// The headers the request never sets, written through the encoder itself.
TEST(QrCodeOracle, EciAndStructuredAppendHeadersAreRead) {
    const std::vector<QrValue> utf8 = InterpretQrInput("Gr\xc3\xbc\xc3\x9f"
                                                       "e",
                                                       false);
    CQREncoder eci;
    eci.SetEci(26);
    ASSERT_EQ(eci.Encode(utf8, 1), 0);
    CQRMatrix eciMatrix;
    ASSERT_TRUE(eciMatrix.Build(eci.Version(), eci.Level(), eci.Codewords()));
    const Decoded eciDecoded =
        DecodeModules(eciMatrix.Size(), [&](int r, int c) { return eciMatrix.IsDark(r, c); });
    ASSERT_TRUE(eciDecoded.valid);
    EXPECT_TRUE(eciDecoded.result.hasECI());
    EXPECT_EQ(eciDecoded.text, "Gr\xc3\xbc\xc3\x9f"
                               "e");

    CQREncoder appended;
    appended.SetStructuredAppend(3, 2, 0x5A);
    ASSERT_EQ(appended.Encode(InterpretQrInput("SECOND OF THREE", false), 1), 0);
    CQRMatrix appendedMatrix;
    ASSERT_TRUE(appendedMatrix.Build(appended.Version(), appended.Level(), appended.Codewords()));
    const Decoded appendedDecoded = DecodeModules(
        appendedMatrix.Size(), [&](int r, int c) { return appendedMatrix.IsDark(r, c); });
    ASSERT_TRUE(appendedDecoded.valid);
    EXPECT_EQ(appendedDecoded.result.sequenceSize(), 3);
    EXPECT_EQ(appendedDecoded.result.sequenceIndex(), 1);
    EXPECT_EQ(appendedDecoded.bytes, "SECOND OF THREE");
}

TEST(QrCodeOracle, BadInputGivesAnErrorAndNoSymbol) {
    struct Case {
        const char* name;
        SymbolParams params;
        std::string data;
        int32_t expected;
    };
    const Case cases[] = {
        {"version 41", QrParams(4, 41, 0), "DATA", -131},
        {"version -1", QrParams(4, -1, 0), "DATA", -131},
        {"level 4", QrParams(4, 0, 4), "DATA", -132},
        {"level -1", QrParams(4, 0, -1), "DATA", -132},
        {"mode 5", QrParams(5, 0, 0), "DATA", -130},
        {"mode -1", QrParams(-1, 0, 0), "DATA", -130},
        {"Kanji mode, ASCII", QrParams(3, 0, 0), "DATA", -9},
        {"Kanji mode, no Shift-JIS flag", QrParams(3, 0, 0, 0), "\x93\x5f", -9},
        {"Kanji mode, half pair", QrParams(3, 0, 0), "\x93\x5f\x93", -9},
        {"numeric mode, letters", QrParams(2, 0, 0), "12A", -9},
        {"2000 random bytes at H", QrParams(4, 0, 3), RandomBytes(2000, 7), -2},
        {"2000 random bytes at H, byte mode", QrParams(1, 0, 3), RandomBytes(2000, 8), -2},
        {"too long from version 40", QrParams(4, 40, 3), std::string(3058, '1'), -2},
    };
    for (const Case& c : cases) {
        SymbolMatrix matrix;
        EXPECT_EQ(EncodeQrCode(c.params, c.data, matrix), c.expected) << c.name;
        EXPECT_EQ(matrix.rows, 0) << c.name;
        EXPECT_TRUE(matrix.dark.empty()) << c.name;
    }
}

TEST(QrCodeOracle, RandomDataAtRandomOptionsDecodesOrFailsCleanly) {
    std::mt19937 random(4711);
    const std::string alphabet =
        "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ $%*+-./:abcxyz\x93\x5f\x81\x40";
    for (int round = 0; round < 60; ++round) {
        std::string data;
        const size_t length = random() % 400;
        for (size_t i = 0; i < length; ++i)
            data += alphabet[random() % alphabet.size()];
        const int32_t level = static_cast<int32_t>(random() % 4);
        const int32_t version = static_cast<int32_t>(random() % 41);
        const int32_t kanji = static_cast<int32_t>(random() % 2);
        SymbolMatrix matrix;
        const int32_t result = EncodeQrCode(QrParams(4, version, level, kanji), data, matrix);
        if (result != 0) {
            EXPECT_EQ(result, -2);
            continue;
        }
        EXPECT_GE(VersionOf(matrix), std::max(version, 1));
        const Decoded decoded = DecodeSymbol(matrix);
        ASSERT_TRUE(decoded.valid) << round;
        EXPECT_EQ(decoded.bytes, data) << round;
    }
}

} // namespace

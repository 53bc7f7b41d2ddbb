// Whole symbols through the library entry: the frame of rows and separators
// and its drawn height, the length and rotation errors, bytes outside the
// character sets, and data read back by the test reader in every subset and
// row count.
#include <gtest/gtest.h>

#include "TestHelpers.h"
#include "symbol/code16k49/Code49Encoder.h"

#include <vector>

namespace {

using namespace stackedtest;

const std::vector<int32_t> kAllCodes = {kLibCode49, kLibCode16kAuto, kCode16kA, kCode16kB,
                                        kLibCode16kC};

TEST(StackedSymbol, ThreeRowsOfThirtyPixelsWithTwoPixelModulesAre98High) {
    const Encoded encoded = Encode(kLibCode16kAuto, "ABCDEFGHIJ");
    ASSERT_EQ(encoded.result, 0);
    const Decoded decoded = DecodeCode16k(encoded.matrix);
    ASSERT_TRUE(decoded.ok) << decoded.error;
    EXPECT_EQ(decoded.rows, 3);
    EXPECT_EQ(DrawnHeight(encoded.matrix, 30, 2), 98);
    EXPECT_EQ(encoded.matrix.columns, 81) << "10 quiet + 70 + 1 quiet modules";
    EXPECT_EQ(encoded.matrix.quietZonePixels, 0);
    EXPECT_FALSE(encoded.matrix.drawUnrotated);
}

TEST(StackedSymbol, HeightIsRowsTimesBarHeightPlusOneModulePerSeparator) {
    for (int32_t code : kAllCodes) {
        const Encoded encoded = Encode(code, "Stacked 123");
        ASSERT_EQ(encoded.result, 0) << code;
        const int64_t rows = (encoded.matrix.rows - 1) / 2;
        EXPECT_EQ(DrawnHeight(encoded.matrix, 17, 3), rows * 17 + (rows + 1) * 3) << code;
    }
}

TEST(StackedSymbol, LengthLimitsAndEncoderCapacity) {
    struct Case {
        const char* name;
        int32_t code;
        std::string data;
        int32_t result;
    };
    const std::vector<Case> cases = {
        {"Code 49, 81 digits", kLibCode49, std::string(81, '9'), 0},
        {"Code 49, 82 digits", kLibCode49, std::string(82, '9'), -34},
        {"Code 49, 81 letters overflow 8 rows", kLibCode49, std::string(81, 'Q'), -34},
        {"Code 49, 49 letters fill 8 rows", kLibCode49, std::string(49, 'Q'), 0},
        {"Code 49, 50 letters", kLibCode49, std::string(50, 'Q'), -34},
        {"Code 16K, 154 digits", kLibCode16kAuto, std::string(154, '5'), 0},
        {"Code 16K, 155 digits", kLibCode16kAuto, std::string(155, '5'), -34},
        {"Code 16K C, 154 digits", kLibCode16kC, std::string(154, '5'), 0},
        {"Code 16K B, 154 digits overflow", kCode16kB, std::string(154, '5'), -34},
        {"Code 16K, 154 letters overflow", kLibCode16kAuto, std::string(154, 'x'), -34},
        {"Code 16K, 155 subset shifts", kLibCode16kAuto, std::string(155, kShift), -34},
    };
    for (const Case& c : cases) {
        const Encoded encoded = Encode(c.code, c.data);
        EXPECT_EQ(encoded.result, c.result) << c.name;
        if (c.result != 0) {
            EXPECT_EQ(encoded.matrix.rows, 0) << c.name;
        }
    }
}

TEST(StackedSymbol, RotationOutOfRangeFailsFirst) {
    for (int32_t code : kAllCodes)
        for (int32_t rotation : {-1, 4, 1000}) {
            SymbolParams params = Params(code);
            params.rotation = rotation;
            SymbolMatrix matrix;
            EXPECT_EQ(EncodeCode16k49(params, std::string(200, '\xff'), matrix), -11);
            EXPECT_EQ(matrix.rows, 0);
        }
    for (int32_t rotation = 0; rotation <= 3; ++rotation) {
        SymbolParams params = Params(kLibCode49);
        params.rotation = rotation;
        SymbolMatrix matrix;
        EXPECT_EQ(EncodeCode16k49(params, "R", matrix), 0) << rotation;
    }
}

TEST(StackedSymbol, BytesOutsideTheCharacterSetsAndUnknownCodes) {
    struct Case {
        int32_t code;
        std::string data;
        int32_t result;
    };
    const std::vector<Case> cases = {
        {kLibCode49, "ok" + std::string(1, kFnc4), -9},
        {kLibCode49, "\xe4", -9},
        {kLibCode16kAuto, "\x85", -9},
        {kCode16kA, "abc\xfc", -9},
        {kLibCode16kC, "12\x90", -9},
        {kLibCode16kAuto - 2, "12", -1},
        {27, "12", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Encode(c.code, c.data).result, c.result) << c.code;
}

// Data of every kind in every library code: what the reader gets back is
// the data without subset shifts.
TEST(StackedSymbol, VariedDataReadsBack) {
    const std::vector<std::string> data = {
        "",
        "0",
        "1234567890",
        "HELLO WORLD",
        "Hello, World!",
        "lower case only",
        "\t\r\nCONTROL\x01\x1f",
        "MiXeD 12345 \x7f ~{}|",
        std::string(1, kFnc1) + "0112345678901231",
        "A" + std::string(1, kFnc1) + "B" + std::string(1, kFnc1),
        std::string(1, kFnc2) + std::string(1, kFnc3) + "x" + std::string(1, kFnc1),
        "123" + std::string(1, kShift) + "a" + std::string(1, kShift),
        "0001112223334445556667778889990",
        "9876543210abcdefABCDEF\x1b",
    };
    for (int32_t code : kAllCodes)
        for (const std::string& text : data) {
            const Decoded decoded = EncodeAndDecode(code, text);
            ASSERT_TRUE(decoded.ok) << code << " '" << text << "': " << decoded.error;
            EXPECT_EQ(decoded.data, WithoutSubsetShifts(text)) << code << " '" << text << "'";
        }
    for (int32_t code : {kLibCode16kAuto, kCode16kA, kCode16kB, kLibCode16kC}) {
        const std::string fnc4 = std::string(1, kFnc4) + "a\t" + std::string(1, kFnc4);
        const Decoded decoded = EncodeAndDecode(code, fnc4);
        ASSERT_TRUE(decoded.ok) << code << ": " << decoded.error;
        EXPECT_EQ(decoded.data, fnc4) << code;
    }
}

TEST(StackedSymbol, StartingSubsetFollowsTheLibraryCode) {
    struct Case {
        int32_t code;
        std::string data;
        int mode;
    };
    const std::vector<Case> cases = {
        {kLibCode16kAuto, "abc", 1}, {kCode16kA, "abc", 0},        {kCode16kB, "\t\t\t", 1},
        {kLibCode16kC, "abc", 2},    {kLibCode16kAuto, "1234", 2}, {kCode16kA, "1234", 0},
    };
    for (const Case& c : cases) {
        const Decoded decoded = EncodeAndDecode(c.code, c.data);
        ASSERT_TRUE(decoded.ok) << decoded.error;
        EXPECT_EQ(decoded.mode, c.mode) << c.code << " " << c.data;
        EXPECT_EQ(decoded.data, c.data);
    }
}

TEST(StackedSymbol, EveryRowCountReadsBack) {
    for (int rows = 2; rows <= 16; ++rows) {
        // Mode character, data pairs and two checks fill the rows exactly.
        const std::string digits(2 * static_cast<size_t>(5 * rows - 3), '4');
        const Decoded decoded = EncodeAndDecode(kLibCode16kAuto, digits);
        ASSERT_TRUE(decoded.ok) << rows << ": " << decoded.error;
        EXPECT_EQ(decoded.rows, rows);
        EXPECT_EQ(decoded.data, digits);
    }
    for (int rows = 2; rows <= 8; ++rows) {
        // As many letters as the rows hold, one code character each.
        std::string letters;
        for (int next = code49::RowsFor(1); next != 0 && next <= rows;
             next = code49::RowsFor(letters.size() + 1))
            letters += 'K';
        const Decoded decoded = EncodeAndDecode(kLibCode49, letters);
        ASSERT_TRUE(decoded.ok) << rows << ": " << decoded.error;
        EXPECT_EQ(decoded.rows, rows) << letters.size();
        EXPECT_EQ(decoded.data, letters);
    }
}

// Random data from alphabets that favour each subset and mode, including
// function characters anywhere; too long for the symbol is the only
// acceptable failure.
TEST(StackedSymbol, RandomDataReadsBackOrOverflows) {
    std::string everything;
    for (int byte = 0; byte < 128; ++byte)
        everything += static_cast<char>(byte);
    const std::string functions = {kFnc1, kFnc2, kFnc3, kShift};
    const std::vector<std::string> alphabets = {
        "0123456789",
        "0123456789" + functions,
        "ABCDEFGHIJKLMNOPQRSTUVWXYZ -.$/+%0123456789",
        "abcdefghijklmnopqrstuvwxyz0123456789",
        "\x01\x02\t\n\r\x1b\x1f ABC012",
        everything + functions,
    };
    std::mt19937 random(16049);
    std::uniform_int_distribution<size_t> length(0, 90);
    for (int round = 0; round < 300; ++round)
        for (const std::string& alphabet : alphabets)
            for (int32_t code : kAllCodes) {
                std::string text = RandomText(random, alphabet, length(random));
                if (code != kLibCode49) text += (round % 3 == 0) ? std::string(1, kFnc4) : "";
                const Encoded encoded = Encode(code, text);
                if (encoded.result == -34) continue;
                ASSERT_EQ(encoded.result, 0) << code;
                const Decoded decoded = code == kLibCode49 ? DecodeCode49(encoded.matrix)
                                                           : DecodeCode16k(encoded.matrix);
                ASSERT_TRUE(decoded.ok) << code << ": " << decoded.error;
                ASSERT_EQ(decoded.data, WithoutSubsetShifts(text)) << code;
            }
}

TEST(StackedSymbol, ArbitraryBytesNeverBreakTheEncoder) {
    std::mt19937 random(4916);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<size_t> length(0, 200);
    for (int round = 0; round < 500; ++round) {
        std::string text;
        for (size_t i = length(random); i > 0; --i)
            text += static_cast<char>(byte(random));
        for (int32_t code : kAllCodes) {
            const int32_t result = Encode(code, text).result;
            EXPECT_TRUE(result == 0 || result == -9 || result == -34) << result;
        }
    }
}

} // namespace

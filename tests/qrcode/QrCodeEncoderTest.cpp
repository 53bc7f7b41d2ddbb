// The QR Code encoder from the request's options to the codewords: option
// errors, the input interpretation, the automatic segmentation, the version
// search and the headers of the bit stream.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "symbol/SymbolMatrix.h"
#include "symbol/qrcode/QrCode.h"

namespace {

SymbolParams QrParams(int32_t mode = 4, int32_t version = 0, int32_t level = 0) {
    SymbolParams params{};
    params.libraryCode = 28;
    params.moduleWidth = 4;
    params.qrMode = mode;
    params.qrVersion = version;
    params.qrLevel = level;
    params.qrKanji = 1;
    return params;
}

// Segments as "N10 B3": mode letter and value count.
std::string Describe(const std::vector<QrSegment>& segments) {
    std::string text;
    for (const QrSegment& segment : segments) {
        if (!text.empty()) text += ' ';
        text += "ABNK"[static_cast<int>(segment.mode) & 3]; // in the order of the mode option
        text += std::to_string(segment.count);
    }
    return text;
}

std::string SegmentsOf(const std::string& data, int group, bool shiftJis = true) {
    return Describe(SegmentQrValues(InterpretQrInput(data, shiftJis), group));
}

// The first `count` bits of the data codewords as "0" and "1".
std::string LeadingBits(const std::vector<uint8_t>& codewords, size_t count) {
    std::string bits;
    for (size_t i = 0; i < count && i / 8 < codewords.size(); ++i)
        bits += (codewords[i / 8] >> (7 - i % 8)) & 1 ? '1' : '0';
    return bits;
}

TEST(QrCodeOptions, OutOfRangeOptionsFailWithTheirOwnError) {
    struct Case {
        int32_t rotation, mode, version, level, expected;
    };
    const Case cases[] = {
        {4, 4, 0, 0, -11},   {-1, 4, 0, 0, -11},  {0, -1, 0, 0, -130}, {0, 5, 0, 0, -130},
        {0, 4, -1, 0, -131}, {0, 4, 41, 0, -131}, {0, 4, 0, -1, -132}, {0, 4, 0, 4, -132},
        {3, 0, 40, 3, 0},    {1, 4, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SymbolParams params = QrParams(c.mode, c.version, c.level);
        params.rotation = c.rotation;
        SymbolMatrix matrix;
        EXPECT_EQ(EncodeQrCode(params, "ABC", matrix), c.expected)
            << "rotation " << c.rotation << " mode " << c.mode << " version " << c.version
            << " level " << c.level;
        EXPECT_EQ(matrix.rows > 0, c.expected == 0);
    }
}

TEST(QrCodeOptions, QuietZoneComesFromTheMarginAndTheSymbolIsDrawnUpright) {
    SymbolParams params = QrParams();
    params.margin = 12;
    params.rotation = 1;
    SymbolMatrix matrix;
    ASSERT_EQ(EncodeQrCode(params, "ROTATED", matrix), 0);
    EXPECT_EQ(matrix.quietZonePixels, 12);
    EXPECT_TRUE(matrix.drawUnrotated);
    EXPECT_EQ(matrix.rows, 21);
    EXPECT_EQ(matrix.columns, 21);
    EXPECT_TRUE(matrix.rowHeights.empty());

    CQRCode symbol;
    ASSERT_EQ(symbol.Construct(params, "ROTATED"), 0);
    EXPECT_EQ(symbol.ExtentPixels(), 4 * 21 + 2 * 12);
}

TEST(QrCodeOptions, FixedModesRefuseValuesTheyCannotCarry) {
    struct Case {
        int32_t mode;
        int32_t kanjiFlag;
        std::string data;
        int32_t expected;
    };
    const Case cases[] = {
        {2, 1, "0123456789", 0},
        {2, 1, "01234A", -9},
        {0, 1, "AB CD$%*+-./:", 0},
        {0, 1, "ABc", -9},
        {1, 1, "any\x01\xff", 0},
        {3, 1, "\x93\x5f\xe4\xaa", 0},
        {3, 1,
         "\x93\x5f"
         "A",
         -9},
        {3, 0, "\x93\x5f", -9},
        {3, 1, "KANJI", -9},
    };
    for (const Case& c : cases) {
        SymbolParams params = QrParams(c.mode);
        params.qrKanji = c.kanjiFlag;
        SymbolMatrix matrix;
        EXPECT_EQ(EncodeQrCode(params, c.data, matrix), c.expected) << c.data;
    }
}

TEST(QrCodeInput, ShiftJisPairsBecomeOneKanjiValueOnlyWithTheFlag) {
    EXPECT_EQ(InterpretQrInput("\x93\x5f", true), std::vector<QrValue>({0x935F}));
    EXPECT_EQ(InterpretQrInput("\x93\x5f", false), std::vector<QrValue>({0x93, 0x5F}));
    // A second byte below 0x40 or a pair outside the Kanji ranges stays apart.
    EXPECT_EQ(InterpretQrInput("\x93\x3f", true), std::vector<QrValue>({0x93, 0x3F}));
    EXPECT_EQ(InterpretQrInput("\xa0\x50", true), std::vector<QrValue>({0xA0, 0x50}));
    EXPECT_EQ(InterpretQrInput("\xea\xa4\xea\xa5", true),
              std::vector<QrValue>({0xEAA4, 0xEA, 0xA5}));
    EXPECT_EQ(InterpretQrInput("\x81", true), std::vector<QrValue>({0x81}));

    // The Kanji examples of ISO/IEC 18004 (8.4.5).
    EXPECT_EQ(QrKanjiCode(0x935F), 0xD9Fu);
    EXPECT_EQ(QrKanjiCode(0xE4AA), 0x1AAAu);

    CQREncoder kanji;
    ASSERT_EQ(kanji.Encode(InterpretQrInput("\x93\x5f", true), 1), 0);
    EXPECT_EQ(Describe(kanji.Segments()), "K1");
    CQREncoder bytes;
    ASSERT_EQ(bytes.Encode(InterpretQrInput("\x93\x5f", false), 1), 0);
    EXPECT_EQ(Describe(bytes.Segments()), "B2");
}

TEST(QrCodeSegments, AutomaticSegmentationFollowsTheWindowsOfEachVersionGroup) {
    struct Case {
        std::string data;
        int group;
        std::string expected;
    };
    const std::string digits13 = "1234567890123";
    const Case cases[] = {
        {"HELLO WORLD", 0, "A11"},
        {"0123456789abc", 0, "N10 B3"},
        {"123abc", 0, "B6"}, // a byte value within the first 4 digits
        {"1234abc", 0, "N4 B3"},
        {"1234abc", 2, "B7"}, // the window is 5 digits long here
        {"12345AB", 0, "A7"}, // a letter within the first 6 digits
        {"1234567AB", 0, "N7 A2"},
        {"ABC123", 0, "A6"},
        {"ABCDEa", 0, "B6"}, // a byte value within the first 6 letters
        {"ABCDEFa", 0, "A6 B1"},
        {"ABCDEFa", 1, "B7"},
        {"ABCDEF" + digits13, 0, "A6 N13"},
        {"ABCDEF" + digits13, 1, "A19"},
        {"ABCDEF" + digits13 + "12", 1, "A6 N15"},
        {"aABCDEFGHIJKb", 0, "B1 A11 B1"},
        {"aABCDEFGHIJKb", 1, "B13"},
        {"a123456", 0, "B1 N6"},
        {"a123456", 1, "B7"},
        {"a1234567b", 1, "B9"},
        {"123aA", 0, "B5"},
        {"\x93\x5f"
         "ABC",
         0, "K1 A3"},
        {"abc\x93\x5f"
         "def",
         0, "B3 K1 B3"},
        {"1234567\x93\x5f", 0, "N7 K1"},
        {"", 0, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SegmentsOf(c.data, c.group), c.expected) << c.data << " group " << c.group;
}

TEST(QrCodeVersions, ElevenUpperCaseCharactersFitVersionOneAtLevelM) {
    CQRCode symbol;
    ASSERT_EQ(symbol.Construct(QrParams(4, 0, 1), "HELLO WORLD"), 0);
    EXPECT_EQ(symbol.Version(), 1);
    EXPECT_EQ(Describe(symbol.Encoder().Segments()), "A11");
}

TEST(QrCodeVersions, RequestedVersionIsAStartingPoint) {
    struct Case {
        int32_t requested, level;
        std::string data;
        int expected;
    };
    const std::string letters30(30, 'Q');
    const Case cases[] = {
        {5, 0, "1", 5},       // larger than needed: kept
        {1, 3, letters30, 3}, // 1-H holds 10 letters, 2-H 20, 3-H 35
        {2, 3, letters30, 3},
        {9, 0, std::string(300, 'x'), 11}, // beyond 9-L's 230 bytes: the next group
        {26, 0, std::string(1400, 'x'), 27},
        {40, 3, "1", 40},
    };
    for (const Case& c : cases) {
        CQRCode symbol;
        ASSERT_EQ(symbol.Construct(QrParams(4, c.requested, c.level), c.data), 0) << c.requested;
        EXPECT_EQ(symbol.Version(), c.expected) << "requested " << c.requested;
    }
}

TEST(QrCodeVersions, DataOfExactlyVersionFortyFitsAndOneMoreCharacterFails) {
    for (int level = 0; level < 4; ++level) {
        const int bytes = QrCapacityTable::ByteCapacity(40, level);
        const int digits = QrCapacityTable::NumericCapacity(40, level);
        const int letters = QrCapacityTable::AlphanumericCapacity(40, level);
        struct Case {
            std::string data;
            int32_t mode;
        };
        const Case fitting[] = {{std::string(static_cast<size_t>(bytes), 'x'), 4},
                                {std::string(static_cast<size_t>(digits), '7'), 4},
                                {std::string(static_cast<size_t>(letters), 'Z'), 0}};
        for (const Case& c : fitting) {
            CQRCode symbol;
            ASSERT_EQ(symbol.Construct(QrParams(c.mode, 0, level), c.data), 0) << level;
            EXPECT_EQ(symbol.Version(), 40);
            SymbolMatrix matrix;
            EXPECT_EQ(EncodeQrCode(QrParams(c.mode, 0, level), c.data + c.data.back(), matrix), -2);
            EXPECT_EQ(matrix.rows, 0);
        }
    }
}

TEST(QrCodeVersions, HugeDataFailsWithoutHarm) {
    SymbolMatrix matrix;
    EXPECT_EQ(EncodeQrCode(QrParams(), std::string(200000, '9'), matrix), -2);
    EXPECT_EQ(EncodeQrCode(QrParams(1), std::string(100000, '\xff'), matrix), -2);
    EXPECT_EQ(matrix.rows, 0);
}

TEST(QrCodeBitStream, NumericExampleOfTheStandardGivesItsCodewords) {
    // ISO/IEC 18004, Annex I: "01234567" as 1-M.
    CQREncoder encoder;
    encoder.SetLevel(1);
    ASSERT_EQ(encoder.Encode(InterpretQrInput("01234567", true), 1), 0);
    const std::vector<uint8_t> expected = {0x10, 0x20, 0x0C, 0x56, 0x61, 0x80, 0xEC, 0x11,
                                           0xEC, 0x11, 0xEC, 0x11, 0xEC, 0x11, 0xEC, 0x11};
    EXPECT_EQ(encoder.DataCodewords(), expected);
}

TEST(QrCodeBitStream, HeadersPrecedeTheSegmentsInTheirOrder) {
    struct Case {
        const char* name;
        void (*configure)(CQREncoder&);
        std::string leading;
    };
    const Case cases[] = {
        {"none", [](CQREncoder&) {}, "0001"},
        {"FNC1 first", [](CQREncoder& e) { e.SetFnc1(QrFnc1::kFirstPosition); },
         "0101"
         "0001"},
        {"FNC1 second", [](CQREncoder& e) { e.SetFnc1(QrFnc1::kSecondPosition, 0); },
         "1001"
         "00000000"
         "0001"},
        {"ECI 26", [](CQREncoder& e) { e.SetEci(26); },
         "0111"
         "00011010"
         "0001"},
        {"ECI 1000", [](CQREncoder& e) { e.SetEci(1000); },
         "0111"
         "1000001111101000"
         "0001"},
        {"ECI 20000", [](CQREncoder& e) { e.SetEci(20000); },
         "0111"
         "110000000100111000100000"
         "0001"},
        {"appended", [](CQREncoder& e) { e.SetStructuredAppend(3, 2, 0x5A); },
         "0011"
         "0001"
         "0010"
         "01011010"
         "0001"},
        {"all",
         [](CQREncoder& e) {
             e.SetStructuredAppend(2, 1, 1);
             e.SetEci(3);
             e.SetFnc1(QrFnc1::kFirstPosition);
         },
         "0011"
         "0000"
         "0001"
         "00000001"
         "0111"
         "00000011"
         "0101"
         "0001"},
    };
    for (const Case& c : cases) {
        CQREncoder encoder;
        c.configure(encoder);
        ASSERT_EQ(encoder.Encode(InterpretQrInput("123456", true), 1), 0) << c.name;
        EXPECT_EQ(LeadingBits(encoder.DataCodewords(), c.leading.size()), c.leading) << c.name;
    }
}

TEST(QrCodeBitStream, TerminatorIsCutShortWhenTheSymbolIsFull) {
    // 1-L holds 19 codewords; 17 bytes take 4 + 8 + 136 = 148 bits, leaving 4.
    CQREncoder full;
    ASSERT_EQ(full.Encode(InterpretQrInput(std::string(17, 'a'), true), 1), 0);
    EXPECT_EQ(full.Version(), 1);
    EXPECT_EQ(full.DataCodewords().size(), 19u);
    EXPECT_EQ(full.DataCodewords().back() & 0x0F, 0);
    EXPECT_EQ(full.Codewords().size(), 26u);
}

} // namespace

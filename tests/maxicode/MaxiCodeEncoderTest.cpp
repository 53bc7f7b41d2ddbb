// The MaxiCode encoder against ISO/IEC 16023: which layout the data is read
// in, the primary message fields, the code set encodation of the secondary
// message, the Reed-Solomon check codewords and the placement table.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "MaxiCodeTestSupport.h"
#include "symbol/maxicode/MaxiCodeCodeSets.h"

namespace {

const std::string kUsPrimary = "12345 6789 840 001 ";
const std::string kInternationalPrimary = "AB12CD 276 123 ";

MaxiCodewords EncodeToCodewords(const std::string& data) {
    MaxiCodeModules modules;
    EXPECT_EQ(EncodeMaxiCode(data, modules), 0) << data;
    return ReadCodewords(modules);
}

uint64_t UsPostal(uint32_t number) {
    return number | (uint64_t{9} << 30);
}

uint64_t CodeSetAPostal(std::array<int, 6> values) {
    uint64_t field = 0;
    for (int value : values)
        field = (field << 6) | static_cast<uint64_t>(value);
    return field;
}

struct LayoutCase {
    const char* name;
    std::string data;
    PrimaryFields expected;
};

class Layouts : public testing::TestWithParam<LayoutCase> {};

TEST_P(Layouts, PrimaryMessageHasTheFieldsOfTheLayout) {
    const PrimaryFields fields = ReadPrimaryFields(EncodeToCodewords(GetParam().data));
    EXPECT_EQ(fields.mode, GetParam().expected.mode);
    EXPECT_EQ(fields.postal, GetParam().expected.postal);
    EXPECT_EQ(fields.country, GetParam().expected.country);
    EXPECT_EQ(fields.serviceClass, GetParam().expected.serviceClass);
}

INSTANTIATE_TEST_SUITE_P(
    MaxiCode, Layouts,
    testing::Values(
        LayoutCase{"UsWithSecondary", kUsPrimary + "HELLO", {2, UsPostal(123456789), 840, 1}},
        LayoutCase{
            "UsZipWithoutPlusFour", "15238 0000 840 999 ", {2, UsPostal(152380000), 840, 999}},
        LayoutCase{"UsLeadingZeros", "00501 0001 840 066 X", {2, UsPostal(5010001), 840, 66}},
        LayoutCase{"International",
                   kInternationalPrimary + "HELLO",
                   {3, CodeSetAPostal({1, 2, 49, 50, 3, 4}), 276, 123}},
        // A five-character postal code padded with a blank has blanks at 5
        // and 6; a blank at 18 must not make it a US layout.
        LayoutCase{"ShortInternationalPostalCode",
                   "10115  276 001 AB C",
                   {3, CodeSetAPostal({49, 48, 49, 49, 53, 32}), 276, 1}},
        LayoutCase{"PostalCodeWithBlank",
                   "W1A 1A 826 002 X",
                   {3, CodeSetAPostal({23, 49, 1, 32, 49, 1}), 826, 2}},
        // Bytes outside code set A keep their value modulo 64.
        LayoutCase{"LowerCasePostalCode",
                   "ab12cd 250 003 ",
                   {3, CodeSetAPostal({33, 34, 49, 50, 35, 36}), 250, 3}},
        LayoutCase{"CountryAndClassReadLikeAtoi",
                   "AB12CD  76 7xy ",
                   {3, CodeSetAPostal({1, 2, 49, 50, 3, 4}), 76, 7}}),
    [](const auto& info) { return std::string(info.param.name); });

struct RejectCase {
    const char* name;
    std::string data;
    int32_t expected;
};

class Rejects : public testing::TestWithParam<RejectCase> {};

TEST_P(Rejects, ReturnsTheError) {
    MaxiCodeModules modules;
    EXPECT_EQ(EncodeMaxiCode(GetParam().data, modules), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    MaxiCode, Rejects,
    testing::Values(RejectCase{"Empty", "", -9}, RejectCase{"PostalCodeOnly", "12345", -9},
                    RejectCase{"UsLayoutOtherCountry", "12345 6789 276 001 X", -9},
                    RejectCase{"InternationalLayoutUs", "AB12CD 840 001 X", -9},
                    RejectCase{"LetterInUsPostalCode", "1234A 6789 840 001 X", -9},
                    RejectCase{"NoBlankBeforeSecondary", "AB12CD 276 001", -9},
                    RejectCase{"NegativeClass", "AB12CD 276 -01 X", -9},
                    RejectCase{"NoBlanks", "ABCDEFGHIJKLMNOPQRSTUVWXYZ", -9},
                    // 84 characters of set C need a lock-in before them.
                    RejectCase{"SetCTooLong", kUsPrimary + std::string(84, '\xC0'), -2},
                    RejectCase{"AlternatingCaseTooLong",
                               kInternationalPrimary +
                                   [] {
                                       std::string text;
                                       for (int i = 0; i < 42; ++i)
                                           text += "aA";
                                       return text;
                                   }(),
                               -2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MaxiCodeSecondary, EightyFourSetACharactersFillTheSymbolExactly) {
    const MaxiCodewords codewords = EncodeToCodewords(kUsPrimary + std::string(84, 'Z'));
    EXPECT_EQ(SecondaryData(codewords), std::vector<uint8_t>(84, 26));
}

// The whole secondary message is encoded: what does not fit is refused,
// never cut off and printed as if it were all; digits fit beyond one
// character per codeword.
TEST(MaxiCodeSecondary, WhatDoesNotFitIsRefusedNotCut) {
    MaxiCodeModules modules;
    EXPECT_EQ(EncodeMaxiCode(kUsPrimary + std::string(85, 'Z'), modules), -2);
    EXPECT_EQ(EncodeMaxiCode(kUsPrimary + std::string(84, 'Z') + std::string(200, 'a'), modules),
              -2);
    EXPECT_EQ(EncodeMaxiCode(kUsPrimary + std::string(120, '5'), modules), 0);
}

TEST(MaxiCodeSecondary, EmptySecondaryIsAllPads) {
    EXPECT_EQ(SecondaryData(EncodeToCodewords(kUsPrimary)), std::vector<uint8_t>(84, kMaxiCodePad));
}

struct TextCase {
    const char* name;
    std::string text;
    std::vector<uint8_t> expected; // before the pads
};

class Encodation : public testing::TestWithParam<TextCase> {};

TEST_P(Encodation, UsesTheStandardsCodeSets) {
    const auto codewords = EncodeMaxiCodeText(GetParam().text, 84);
    ASSERT_TRUE(codewords.has_value());
    EXPECT_EQ(*codewords, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    MaxiCode, Encodation,
    testing::Values(TextCase{"SetA", "AZ 09\x1d:", {1, 26, 32, 48, 57, 29, 58}},
                    TextCase{"LatchB", "abc", {63, 1, 2, 3}},
                    TextCase{"ShiftB", "AbC", {1, 59, 2, 3}},
                    TextCase{"LatchBackToA", "abcDEFG", {63, 1, 2, 3, 63, 4, 5, 6, 7}},
                    TextCase{"TwoShiftA", "abcDEfgh", {63, 1, 2, 3, 56, 4, 5, 6, 7, 8}},
                    TextCase{"ThreeShiftA", "abcDEFgh", {63, 1, 2, 3, 57, 4, 5, 6, 7, 8}},
                    TextCase{"NumericShift", "123456789", {31, 7, 22, 60, 52, 21}},
                    TextCase{"ShiftC", "A\xC0", {1, 60, 0}},
                    // A lock-in leaves C, D or E current; a latch to A lets the pads read.
                    TextCase{"LockInC", "\xC0\xC1\xC2", {60, 60, 0, 1, 2, 58}},
                    TextCase{"ShiftDAndE", "\xE0\x01", {61, 0, 62, 1}},
                    TextCase{"SetBPunctuation", "a{|}~@!", {63, 1, 32, 54, 34, 35, 52, 53}},
                    TextCase{"SeparatorsInSetB", "ab\x1e", {63, 1, 2, 30}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MaxiCodeSecondary, LockInFillingAllCodewordsNeedsNoLatch) {
    const auto codewords = EncodeMaxiCodeText(std::string(82, '\xC0'), 84);
    ASSERT_TRUE(codewords.has_value());
    EXPECT_EQ(codewords->size(), 84u);
    EXPECT_EQ(codewords->back(), 0);
}

// Every byte value has a place in one of the sets, so with a valid primary
// message only the length can fail.
TEST(MaxiCodeSecondary, EveryByteIsEncodable) {
    for (int byte = 0; byte < 256; ++byte) {
        MaxiCodeModules modules;
        EXPECT_EQ(EncodeMaxiCode(kUsPrimary + std::string(20, static_cast<char>(byte)), modules), 0)
            << byte;
    }
}

class CheckCodewords : public testing::TestWithParam<std::string> {};

TEST_P(CheckCodewords, PrimaryAndBothSecondaryHalvesHaveZeroSyndromes) {
    const MaxiCodewords codewords = EncodeToCodewords(GetParam());
    const std::vector<uint8_t> primary(codewords.begin(), codewords.begin() + 20);
    EXPECT_EQ(Syndromes(primary, 10), std::vector<uint8_t>(10, 0));
    for (int half = 0; half < 2; ++half) {
        std::vector<uint8_t> interleaved;
        for (int i = 20 + half; i < 144; i += 2)
            interleaved.push_back(codewords[i]);
        ASSERT_EQ(interleaved.size(), 62u);
        EXPECT_EQ(Syndromes(interleaved, 20), std::vector<uint8_t>(20, 0)) << "half " << half;
    }
}

INSTANTIATE_TEST_SUITE_P(MaxiCode, CheckCodewords,
                         testing::Values(kUsPrimary, kUsPrimary + "Shipment 0815 to Zurich",
                                         kInternationalPrimary + std::string(84, '7'),
                                         "99999 9999 840 999 \x04\x1d\x1e\xff\x80"));

// ISO/IEC 16023 orientation: three modules in each of six places around the
// bullseye, 11 of them dark, and the two dark modules at the top right.
TEST(MaxiCodePlacement, FixedModulesAreTheOrientationPattern) {
    const std::vector<std::pair<int, int>> dark = {{0, 28},  {0, 29},  {9, 10},  {9, 11},  {10, 11},
                                                   {15, 7},  {16, 8},  {16, 20}, {17, 20}, {22, 10},
                                                   {23, 10}, {22, 17}, {23, 17}};
    const std::vector<std::pair<int, int>> light = {{9, 17},  {10, 17}, {10, 18}, {16, 7},
                                                    {16, 21}, {22, 11}, {23, 16}};
    int darkCount = 0;
    for (const auto& row : kMaxiCodeModuleSequence)
        for (int16_t value : row)
            darkCount += value == kMaxiCodeAlwaysDark;
    EXPECT_EQ(darkCount, 13);
    for (auto [row, column] : dark)
        EXPECT_EQ(kMaxiCodeModuleSequence[row][column], kMaxiCodeAlwaysDark)
            << row << "," << column;
    for (auto [row, column] : light)
        EXPECT_EQ(kMaxiCodeModuleSequence[row][column], 0) << row << "," << column;
}

TEST(MaxiCodePlacement, EveryCodewordBitHasExactlyOneModule) {
    std::vector<int> uses(865, 0);
    for (const auto& row : kMaxiCodeModuleSequence)
        for (int16_t value : row)
            if (value > 0) ++uses.at(value);
    for (int bit = 1; bit <= 864; ++bit)
        EXPECT_EQ(uses[bit], 1) << bit;
}

TEST(MaxiCodePlacement, OddRowsHaveTwentyNineModules) {
    for (int row = 1; row < kMaxiCodeRows; row += 2)
        EXPECT_EQ(kMaxiCodeModuleSequence[row][29], 0) << row;
}

// Spot checks against the published figure: the primary message's first and
// last bits sit right of the bullseye and low in the centre, the secondary
// message starts at the top left.
TEST(MaxiCodePlacement, PublishedModulePositions) {
    EXPECT_EQ(kMaxiCodeModuleSequence[15][19], 1);
    EXPECT_EQ(kMaxiCodeModuleSequence[23][20], 120);
    EXPECT_EQ(kMaxiCodeModuleSequence[0][1], 121);
    EXPECT_EQ(kMaxiCodeModuleSequence[32][28], 864);
}

TEST(MaxiCodeRobustness, ArbitraryBytesNeverCrash) {
    std::mt19937 random(16023);
    for (int round = 0; round < 400; ++round) {
        std::string data(random() % 2001, '\0');
        for (char& c : data)
            c = static_cast<char>(random());
        // Half of the rounds carry a valid primary message, so that the
        // secondary encodation sees the arbitrary bytes.
        if (round % 2) data = (round % 4 == 1 ? kUsPrimary : kInternationalPrimary) + data;
        MaxiCodeModules modules;
        const int32_t result = EncodeMaxiCode(data, modules);
        EXPECT_TRUE(result == 0 || result == -2 || result == -9) << result;
        if (round % 2) {
            EXPECT_NE(result, -9);
        }
    }
}

} // namespace

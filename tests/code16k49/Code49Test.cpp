// Code 49 code characters: the published tables, the ASCII chart with its
// shifts, numeric encodation and its four closing rules, the starting modes
// and the row count.
#include <gtest/gtest.h>

#include "TestHelpers.h"
#include "symbol/code16k49/Code49Encoder.h"
#include "symbol/code16k49/Code49Patterns.h"
#include "symbol/code16k49/Code49Tables.h"

#include <set>
#include <vector>

namespace {

using namespace stackedtest;

struct Widths {
    int modules = 0;
    int barModules = 0;
    int elements = 0;
};

Widths WidthsOf(uint32_t printed) {
    Widths widths;
    for (int position = 7; printed != 0; printed /= 10, --position) {
        const int width = static_cast<int>(printed % 10);
        widths.modules += width;
        if (position % 2 == 0) widths.barModules += width;
        ++widths.elements;
    }
    return widths;
}

TEST(Code49Tables, EncodationPatternsHaveTheirParityAndNeverRepeat) {
    std::set<uint32_t> seen;
    for (uint32_t pattern : code49::kEvenParityPatterns) {
        const Widths widths = WidthsOf(pattern);
        EXPECT_EQ(widths.elements, 8) << pattern;
        EXPECT_EQ(widths.modules, 16) << pattern;
        EXPECT_EQ(widths.barModules % 2, 0) << pattern;
        seen.insert(pattern);
    }
    for (uint32_t pattern : code49::kOddParityPatterns) {
        const Widths widths = WidthsOf(pattern);
        EXPECT_EQ(widths.elements, 8) << pattern;
        EXPECT_EQ(widths.modules, 16) << pattern;
        EXPECT_EQ(widths.barModules % 2, 1) << pattern;
        seen.insert(pattern);
    }
    EXPECT_EQ(seen.size(), 2u * code49::kCode49WordValues);
}

TEST(Code49Tables, AsciiChartGivesEveryCharacterItsOwnSequence) {
    std::set<std::pair<int, char>> seen;
    for (const auto& entry : code49::kAsciiChart) {
        EXPECT_NE(code49::kPlainCharacters.find(entry.plain), std::string_view::npos);
        seen.insert({static_cast<int>(entry.shift), entry.plain});
    }
    EXPECT_EQ(seen.size(), code49::kAsciiChart.size());
}

struct CharactersCase {
    const char* name;
    std::string data;
    int mode;
    std::vector<int> values;
};

TEST(Code49Characters, ChartShiftsNumericRulesAndModes) {
    const std::vector<CharactersCase> cases = {
        {"plain characters", "ABC", 0, {10, 11, 12}},
        {"four digits stay plain", "1234", 0, {1, 2, 3, 4}},
        {"five digits: numeric start", "12345", 2, {5, 17, 9}},
        {"one digit left: one character", "123456", 2, {5, 17, 9, 6}},
        {"three digits left: two characters", "12345678", 2, {5, 17, 9, 14, 6}},
        {"four digits left: three characters with offset", "123456789", 2, {5, 17, 9, 46, 16, 37}},
        {"two digits left: four plus three", "1234567", 2, {43, 45, 2, 11, 39}},
        {"numeric run between text", "A12345B", 0, {10, 48, 5, 17, 9, 48, 11}},
        {"lower case first: Shift 2 start", "a", 5, {10}},
        {"control character first: Shift 1 start", "\t", 4, {18}},
        {"shift later stays a character", "Aa", 0, {10, 44, 10}},
        {"FNC1 first", std::string(1, kFnc1) + "A", 0, {45, 10}},
        {"FNC2 and FNC3", "A" + std::string(1, kFnc2) + std::string(1, kFnc3), 0, {10, 46, 47}},
        {"subset shift byte carries nothing", "A" + std::string(1, kShift) + "B", 0, {10, 11}},
        {"DEL", "\x7f", 5, {38}},
    };
    for (const CharactersCase& c : cases) {
        const code49::CodeCharacters characters = code49::ToCodeCharacters(c.data);
        ASSERT_EQ(characters.result, 0) << c.name;
        EXPECT_EQ(characters.mode, c.mode) << c.name;
        EXPECT_EQ(characters.values, c.values) << c.name;
    }
}

TEST(Code49Characters, BytesWithoutACharacterFail) {
    for (const std::string& data :
         {std::string(1, kFnc4), std::string("AB\xc8"), std::string("\x85"), std::string("\xff")})
        EXPECT_EQ(code49::ToCodeCharacters(data).result, -9);
}

TEST(Code49Rows, FewestRowsWhoseDataPositionsHoldTheCharacters) {
    struct Case {
        size_t characters;
        int rows;
    };
    // Up to six rows the last row keeps two data positions; seven and eight
    // rows give them to the Z check character.
    const std::vector<Case> cases = {{0, 2},  {9, 2},  {10, 3}, {16, 3}, {37, 6},
                                     {38, 7}, {42, 7}, {43, 8}, {49, 8}, {50, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(code49::RowsFor(c.characters), c.rows) << c.characters;
}

} // namespace

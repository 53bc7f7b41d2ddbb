// Code 16K symbol values: the published tables, the starting mode and the
// subset changes the encoder chooses, padding, and the row count.
#include <gtest/gtest.h>

#include "TestHelpers.h"
#include "symbol/code16k49/Code16kEncoder.h"
#include "symbol/code16k49/Code16kTables.h"

#include <set>
#include <vector>

namespace {

using namespace stackedtest;
using code16k::StartSubset;

int ModulesOf(uint32_t printed) {
    int modules = 0;
    for (; printed != 0; printed /= 10)
        modules += static_cast<int>(printed % 10);
    return modules;
}

TEST(Code16kTables, CharacterPatternsAreElevenModulesAndDistinct) {
    std::set<uint32_t> seen;
    for (uint32_t pattern : code16k::kCharacterPatterns) {
        EXPECT_EQ(ModulesOf(pattern), 11) << pattern;
        EXPECT_TRUE(pattern >= 111111 && pattern <= 999999) << pattern;
        seen.insert(pattern);
    }
    EXPECT_EQ(seen.size(), code16k::kCharacterPatterns.size());
}

TEST(Code16kTables, StartStopPatternsAreSevenModulesAndRowsDistinct) {
    for (uint32_t pattern : code16k::kStartStopPatterns)
        EXPECT_EQ(ModulesOf(pattern), 7);
    std::set<std::pair<int, int>> rows;
    for (size_t row = 0; row < 16; ++row)
        rows.insert({code16k::kRowStartPattern[row], code16k::kRowStopPattern[row]});
    EXPECT_EQ(rows.size(), 16u) << "every row needs its own start/stop pair";
}

struct ValuesCase {
    const char* name;
    StartSubset start;
    std::string data;
    int mode;
    std::vector<int> values; // the data values, without mode, pads and checks
};

std::vector<int> DataValues(const code16k::SymbolValues& symbol) {
    std::vector<int> values(symbol.values.begin() + 1, symbol.values.end() - 2);
    while (!values.empty() && values.back() == code16k::kPad)
        values.pop_back();
    return values;
}

TEST(Code16kValues, ModesSubsetsAndFunctionCharacters) {
    const std::vector<ValuesCase> cases = {
        {"upper case starts in B", StartSubset::kAutomatic, "ABC", 1, {33, 34, 35}},
        {"control character starts in A", StartSubset::kAutomatic, "\tABC", 0, {73, 33, 34, 35}},
        {"even digits start in C", StartSubset::kAutomatic, "1234", 2, {12, 34}},
        {"FNC1 then digits: C with FNC1",
         StartSubset::kAutomatic,
         std::string(1, kFnc1) + "1234",
         4,
         {12, 34}},
        {"FNC1 then text: B with FNC1",
         StartSubset::kAutomatic,
         std::string(1, kFnc1) + "abc",
         3,
         {65, 66, 67}},
        {"one character before digits", StartSubset::kAutomatic, "A1234", 5, {33, 12, 34}},
        {"two characters before digits", StartSubset::kAutomatic, "AB1234", 6, {33, 34, 12, 34}},
        {"odd digits: first in B", StartSubset::kAutomatic, "12345", 5, {17, 23, 45}},
        {"FNC1 between digit pairs stays in C",
         StartSubset::kAutomatic,
         "12" + std::string(1, kFnc1) + "34",
         2,
         {12, 102, 34}},
        {"FNC2 inside digits leaves C and comes back",
         StartSubset::kAutomatic,
         "1234" + std::string(1, kFnc2) + "5678",
         2,
         {12, 34, 100, 97, 99, 56, 78}},
        {"FNC4 in A",
         StartSubset::kAutomatic,
         "\t" + std::string(1, kFnc4) + "\t",
         0,
         {73, 101, 73}},
        {"FNC4 in B", StartSubset::kAutomatic, "a" + std::string(1, kFnc4) + "a", 1, {65, 100, 65}},
        {"FNC3 first", StartSubset::kAutomatic, std::string(1, kFnc3) + "abc", 1, {96, 65, 66, 67}},
        {"lone control character in B is shifted",
         StartSubset::kAutomatic,
         "ab\tcd",
         1,
         {65, 66, 98, 73, 67, 68}},
        {"subset shift byte carries nothing",
         StartSubset::kAutomatic,
         "a" + std::string(1, kShift) + "b",
         1,
         {65, 66}},
        {"subset A start latches to B", StartSubset::kA, "abc", 0, {100, 65, 66, 67}},
        {"subset A start with FNC1",
         StartSubset::kA,
         std::string(1, kFnc1) + "AB",
         0,
         {102, 33, 34}},
        {"subset B start shifts a control character", StartSubset::kB, "\t", 1, {98, 73}},
        {"subset B start keeps digits in B", StartSubset::kB, "12", 1, {17, 18}},
        {"subset C start latches to B", StartSubset::kC, "12ab", 2, {12, 100, 65, 66}},
        {"subset C start with text", StartSubset::kC, "ABC", 2, {100, 33, 34, 35}},
        {"subset C start with FNC1", StartSubset::kC, std::string(1, kFnc1) + "12", 4, {12}},
        {"empty data", StartSubset::kAutomatic, "", 1, {}},
    };
    for (const ValuesCase& c : cases) {
        const code16k::SymbolValues symbol = code16k::ToSymbolValues(c.data, c.start);
        ASSERT_EQ(symbol.result, 0) << c.name;
        EXPECT_EQ(symbol.mode, c.mode) << c.name;
        EXPECT_EQ(symbol.values[0], 7 * (symbol.rows - 2) + c.mode) << c.name;
        EXPECT_EQ(DataValues(symbol), c.values) << c.name;
    }
}

TEST(Code16kValues, PadsFillTheLastRowBeforeTheChecks) {
    const code16k::SymbolValues symbol = code16k::ToSymbolValues("ABC", StartSubset::kAutomatic);
    ASSERT_EQ(symbol.result, 0);
    ASSERT_EQ(symbol.rows, 2);
    ASSERT_EQ(symbol.values.size(), 10u);
    for (size_t i = 4; i < 8; ++i)
        EXPECT_EQ(symbol.values[i], code16k::kPad);
}

TEST(Code16kValues, RowCountIsTheFewestRowsOfFive) {
    struct Case {
        size_t digitPairs;
        int rows;
    };
    // Mode character + data + two checks, five to a row, at least two rows.
    const std::vector<Case> cases = {{0, 2},  {7, 2},   {8, 3},   {12, 3},
                                     {13, 4}, {72, 15}, {73, 16}, {77, 16}};
    for (const Case& c : cases) {
        const code16k::SymbolValues symbol =
            code16k::ToSymbolValues(std::string(2 * c.digitPairs, '7'), StartSubset::kAutomatic);
        ASSERT_EQ(symbol.result, 0) << c.digitPairs;
        EXPECT_EQ(symbol.rows, c.rows) << c.digitPairs;
        EXPECT_EQ(symbol.values.size(), static_cast<size_t>(5 * c.rows)) << c.digitPairs;
    }
}

TEST(Code16kValues, TooManyCharactersOrForeignBytesFail) {
    struct Case {
        const char* name;
        std::string data;
        int32_t result;
    };
    const std::vector<Case> cases = {
        {"78 letters need 17 rows", std::string(78, 'a'), -34},
        {"77 letters fill 16 rows", std::string(77, 'a'), 0},
        {"byte after the function codes", "AB\x85", -9},
        {"top byte", "\xff", -9},
    };
    for (const Case& c : cases)
        EXPECT_EQ(code16k::ToSymbolValues(c.data, StartSubset::kAutomatic).result, c.result)
            << c.name;
}

} // namespace

// Data codewords: the encodations, the look-ahead's choices, the end of a
// C40/Text run, the size choice with its Unlatch rules, and the trace.
#include "DataMatrixTestSupport.h"
#include "TestLog.h"
#include "symbol/SymbolMatrix.h"
#include "symbol/datamatrix/CodewordTrace.h"
#include "symbol/datamatrix/DataEncodation.h"
#include "symbol/datamatrix/LookAhead.h"
#include "symbol/datamatrix/SymbolSizes.h"

#include <gtest/gtest.h>

using namespace datamatrix;

namespace {

constexpr int32_t kAscii = 0, kC40 = 1, kText = 2, kBase256 = 3, kNone = 4, kAuto = 5;

EncodedData Encode(const std::string& data, int32_t encodation) {
    return EncodeData(Raw(data), data.size(), encodation);
}

// C40/Text triplet (a, b, c) as its two codewords.
std::vector<int32_t> Pair(int a, int b, int c) {
    int packed = 1600 * a + 40 * b + c + 1;
    return {packed / 256, packed % 256};
}

Codewords Join(std::initializer_list<std::vector<int32_t>> pieces) {
    Codewords all;
    for (const auto& piece : pieces)
        all.insert(all.end(), piece.begin(), piece.end());
    return all;
}

struct FixedCase {
    const char* name;
    std::string data;
    int32_t encodation;
    Codewords expected;
    bool tailFlag;
};

// C40 values: A 14, I 22, M 26; "!" is Shift 2 then 0.
const std::vector<FixedCase> kFixedCases = {
    {"digit pairs and a lone digit", "123456789", kAscii, {142, 164, 186, 208, 58}, false},
    {"Upper Shift for a byte above 127", Bytes({'a', 0xE4}), kAscii, {98, 235, 101}, false},
    {"digit, letter, digit", "1A2", kAscii, {50, 66, 51}, false},
    {"C40 complete triplets", "AIMAIM", kC40,
     Join({{230}, Pair(14, 22, 26), Pair(14, 22, 26), {254}}), false},
    {"C40 two pending values", "AIMAI", kC40,
     Join({{230}, Pair(14, 22, 26), Pair(14, 22, 0), {254}}), false},
    {"C40 one pending value", "AIMA", kC40, Join({{230}, Pair(14, 22, 26), {254, 66}}), true},
    {"C40 tail of a shifted character", "AB!", kC40, Join({{230}, Pair(14, 15, 0), {254, 34}}),
     true},
    {"C40 small letters are shifted", "ab c", kC40,
     Join({{230}, Pair(2, 1, 2), Pair(2, 3, 0), {254, 100}}), true},
    {"Text small letters are basic", "aimaim", kText,
     Join({{239}, Pair(14, 22, 26), Pair(14, 22, 26), {254}}), false},
    {"Text capitals are shifted", "Aa ", kText, Join({{239}, Pair(2, 1, 14), {254, 33}}), true},
    {"C40 Upper Shift", Bytes({0xC1, 'B', 'C'}), kC40,
     Join({{230}, Pair(1, 30, 14), Pair(15, 16, 0), {254}}), false},
    {"Text Upper Shift of a small letter", Bytes({0xE4, 'a'}), kText,
     Join({{239}, Pair(1, 30, 17), {254, 98}}), true},
    {"C40 control character", Bytes({'A', 0x0D, 'B'}), kC40,
     Join({{230}, Pair(14, 0, 13), {254, 67}}), true},
    {"a pair ending in 254 still gets its Unlatch", "|P", kC40,
     Join({{230}, Pair(2, 28, 29), {254}}), false},
    {"bytes unchanged", Bytes({1, 200, 255}), kNone, {1, 200, 255}, false},
};

TEST(DataMatrixCodewords, FixedEncodations) {
    for (const FixedCase& testCase : kFixedCases) {
        SCOPED_TRACE(testCase.name);
        EncodedData encoded = Encode(testCase.data, testCase.encodation);
        EXPECT_EQ(encoded.codewords, testCase.expected);
        EXPECT_EQ(encoded.tailFlag, testCase.tailFlag);
    }
}

TEST(DataMatrixCodewords, EmptyDataHasNoCodewords) {
    for (int32_t encodation = 0; encodation <= kAuto; ++encodation)
        EXPECT_TRUE(Encode("", encodation).codewords.empty());
}

// The codewords after the latch, without the randomising.
Codewords PlainBase256(const Codewords& codewords) {
    Codewords plain;
    for (size_t i = 1; i < codewords.size(); ++i)
        plain.push_back(Unrandomise255State(codewords[i], i + 1));
    return plain;
}

struct LengthCase {
    size_t bytes;
    Codewords lengthField;
};

TEST(DataMatrixCodewords, Base256LengthField) {
    const std::vector<LengthCase> cases = {
        {1, {1}}, {249, {249}}, {250, {250, 0}}, {300, {250, 50}}, {1555, {255, 55}}};
    for (const LengthCase& testCase : cases) {
        SCOPED_TRACE(testCase.bytes);
        std::string data = Repeated('\x7F', testCase.bytes);
        EncodedData encoded = Encode(data, kBase256);
        ASSERT_EQ(encoded.codewords.size(), 1 + testCase.lengthField.size() + testCase.bytes);
        EXPECT_EQ(encoded.codewords[0], kLatchBase256);
        Codewords plain = PlainBase256(encoded.codewords);
        EXPECT_TRUE(
            std::equal(testCase.lengthField.begin(), testCase.lengthField.end(), plain.begin()));
        EXPECT_EQ(plain.back(), 0x7F);
    }
}

TEST(DataMatrixCodewords, RandomisingFollowsThePublishedFormulas) {
    // 255-state: 149 * position mod 255 + 1 added, wrapping past 255.
    EXPECT_EQ(Randomise255State(0, 1), 150);
    EXPECT_EQ(Randomise255State(200, 1), 94);
    EXPECT_EQ(Randomise255State(10, 2), 54);
    // 253-state for pads: wraps past 254 (position 3).
    EXPECT_EQ(Randomise253State(129, 4), 129 + (149 * 4 % 253) + 1);
    EXPECT_EQ(Randomise253State(129, 3), 129 + (149 * 3 % 253) + 1 - 254);
    EXPECT_EQ(Randomise253State(129, 2), 129 + 45 + 1);
    for (int32_t value = 0; value < 256; ++value)
        EXPECT_EQ(Unrandomise255State(Randomise255State(value, 77), 77), value);
}

struct LookAheadCase {
    const char* name;
    std::string data;
    Encodation current;
    Encodation expected;
};

TEST(DataMatrixLookAhead, ChoosesTheCheapestEncodation) {
    const std::vector<LookAheadCase> cases = {
        {"digits", "12345678", Encodation::Ascii, Encodation::Ascii},
        {"capitals", "ABCDEFGHIJ", Encodation::Ascii, Encodation::C40},
        {"small letters", "abcdefghij", Encodation::Ascii, Encodation::Text},
        {"bytes above 127", Repeated('\xE9', 10), Encodation::Ascii, Encodation::Base256},
        {"four capitals end in a tie, ASCII wins", "ABCD", Encodation::Ascii, Encodation::Ascii},
        {"five capitals at the end", "ABCDE", Encodation::Ascii, Encodation::C40},
        {"capitals while in C40", "ABC", Encodation::C40, Encodation::C40},
        {"digits while in C40", "1234567890", Encodation::C40, Encodation::Ascii},
        {"Base 256 holds on to short text", "abcdefghijkl", Encodation::Base256,
         Encodation::Base256},
        {"small letters while in ASCII", "abcdefghijkl", Encodation::Ascii, Encodation::Text},
        {"bytes while in Base 256", Repeated('\xFF', 3), Encodation::Base256, Encodation::Base256},
        {"nothing left in Base 256", "", Encodation::Base256, Encodation::Base256},
        {"punctuation", "!\"#$%&'()*", Encodation::Ascii, Encodation::Ascii},
    };
    for (const LookAheadCase& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        EXPECT_EQ(ChooseEncodation(Raw(testCase.data), testCase.data.size(), 0, testCase.current),
                  testCase.expected);
    }
}

struct AutomaticCase {
    const char* name;
    std::string data;
    Codewords prefix; // the first codewords
    Encodation finalEncodation;
};

TEST(DataMatrixAutomatic, SwitchesWhereTheLookAheadSays) {
    const std::vector<AutomaticCase> cases = {
        {"digit pairs need no look-ahead", "123456", {142, 164, 186}, Encodation::Ascii},
        {"capitals go to C40", "AIMAIMAIM",
         Join({{230}, Pair(14, 22, 26), Pair(14, 22, 26), Pair(14, 22, 26), {254}}),
         Encodation::C40},
        {"small letters go to Text", "aimaimaim", {239}, Encodation::Text},
        {"bytes above 127 go to Base 256", Repeated('\xE9', 10), {231}, Encodation::Base256},
        {"short capitals stay in ASCII", "ABCD", {66, 67, 68, 69}, Encodation::Ascii},
        {"C40 back to ASCII for digits", "ABCDEF12345678901234",
         Join({{230}, Pair(14, 15, 16), Pair(17, 18, 19), {254, 142}}), Encodation::Ascii},
    };
    for (const AutomaticCase& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        EncodedData encoded = Encode(testCase.data, kAuto);
        ASSERT_GE(encoded.codewords.size(), testCase.prefix.size());
        EXPECT_TRUE(
            std::equal(testCase.prefix.begin(), testCase.prefix.end(), encoded.codewords.begin()));
        EXPECT_EQ(encoded.finalEncodation, testCase.finalEncodation);
    }
}

TEST(DataMatrixAutomatic, Base256RunCarriesItsLength) {
    std::string data = Repeated('\xE9', 300);
    EncodedData encoded = Encode(data, kAuto);
    ASSERT_EQ(encoded.codewords.size(), 303u);
    Codewords plain = PlainBase256(encoded.codewords);
    EXPECT_EQ(plain[0], 250);
    EXPECT_EQ(plain[1], 50);
}

struct SizeCase {
    const char* name;
    std::string data;
    int32_t encodation;
    int32_t requestedSize;
    int32_t expectedSize;
    Codewords expectedCodewords; // empty: not checked
};

const std::vector<SizeCase> kSizeCases = {
    {"123456 fits 10X10", "123456", kAuto, -1, 0, {142, 164, 186}},
    {"8X18 for five codewords", "ABCDE", kAscii, 24, 24, {}},
    {"AUTO for five codewords", "ABCDE", kAscii, -1, 1, {}},
    {"8X18 too small ends on a square", "ABCDEF", kAscii, 24, 2, {}},
    {"10X10 too small for 20 letters", "abcdefghijklmnopqrst", kAscii, 0, 5, {}},
    {"a larger request is kept", "1", kAscii, 12, 12, {}},
    {"16X48 holds 49", Repeated('x', 49), kAscii, 29, 29, {}},
    {"final Unlatch dropped at n - 1", "AIMAIM", kC40, -1, 1,
     Join({{230}, Pair(14, 22, 26), Pair(14, 22, 26)})},
    {"Unlatch before the ASCII tail dropped at n - 1", "AIMAIMAIMA", kC40, -1, 2,
     Join({{230}, Pair(14, 22, 26), Pair(14, 22, 26), Pair(14, 22, 26), {66}})},
    {"Unlatch filling the symbol becomes a pad", "AIMAIMAIM", kC40, -1, 2,
     Join({{230}, Pair(14, 22, 26), Pair(14, 22, 26), Pair(14, 22, 26), {129}})},
    {"tail kept with room for it", "AIMA", kC40, -1, 1, Join({{230}, Pair(14, 22, 26), {254, 66}})},
    {"a pair's own 254 is no Unlatch", "|P", kC40, -1, 0, {230, 16, 254}},
    {"ASCII never drops a codeword", "ABCD", kAscii, -1, 1, {66, 67, 68, 69}},
    {"3116 digits fill 144X144", Repeated('7', 3116), kAscii, -1, 23, {}},
    {"1558 codewords fill 144X144", Repeated('A', 1558), kAscii, -1, 23, {}},
    {"1559 codewords fit nowhere", Repeated('A', 1559), kAscii, -1, -1, {}},
    {"1555 bytes of Base 256 fill 144X144", Repeated('b', 1555), kBase256, -1, 23, {}},
    {"1556 bytes of Base 256 fit nowhere", Repeated('b', 1556), kBase256, -1, -1, {}},
    {"1559 bytes unchanged fit nowhere", Repeated('b', 1559), kNone, 23, -1, {}},
};

TEST(DataMatrixSizeChoice, TakesTheFirstSizeThatHoldsTheData) {
    for (const SizeCase& testCase : kSizeCases) {
        SCOPED_TRACE(testCase.name);
        EncodedData encoded = Encode(testCase.data, testCase.encodation);
        EXPECT_EQ(ChooseSymbolSize(encoded, testCase.requestedSize), testCase.expectedSize);
        if (!testCase.expectedCodewords.empty()) {
            EXPECT_EQ(encoded.codewords, testCase.expectedCodewords);
        }
    }
}

int64_t FixedClock() {
    return 1000000;
}

// A log at one level whose clock stands still, so that the time header
// comes once, before everything else.
class TraceLog {
  public:
    explicit TraceLog(int level) : log_(level) { LogSetClockForTesting(FixedClock); }
    ~TraceLog() { LogSetClockForTesting(nullptr); }
    std::string Text() const { return log_.Text(); }

  private:
    TestLog log_;
};

struct TraceCase {
    const char* name;
    std::string data;
    std::string expected;
};

TEST(DataMatrixTrace, WritesTheCodewordsAtLevel42) {
    const std::vector<TraceCase> cases = {
        {"digit pairs", "123456", "Datamatrix raw data codewords: \n142(1,2) 164(3,4) 186(5,6) \n"},
        {"ASCII characters", "a1!", "Datamatrix raw data codewords: \n98('a') 50('1') 34('!') \n"},
        {"C40", "AIMAIMAIM",
         "Datamatrix raw data codewords: \n\n230(Latch C40) 91/11 (14,22,26) 91/11 (14,22,26) "
         "91/11 (14,22,26) 254(Unlatch)\n\n"},
        {"Upper Shift", "\xE4", "Datamatrix raw data codewords: \n235 101('d') \n"},
    };
    for (const TraceCase& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        TraceLog log(42);
        SymbolMatrix matrix;
        ASSERT_EQ(EncodeDataMatrix(DataMatrixRequest(kAuto), testCase.data, matrix), 0);
        std::string text = log.Text();
        size_t start = text.find("Datamatrix");
        ASSERT_NE(start, std::string::npos) << text;
        EXPECT_EQ(text.substr(start), testCase.expected);
    }
}

TEST(DataMatrixTrace, Base256RunShowsItsLength) {
    TraceLog log(42);
    SymbolMatrix matrix;
    ASSERT_EQ(EncodeDataMatrix(DataMatrixRequest(kAuto), Repeated('\xE9', 6), matrix), 0);
    EXPECT_NE(log.Text().find("\n231(Latch Base256, 6 bytes) "), std::string::npos) << log.Text();
}

TEST(DataMatrixTrace, SilentAtOtherLevelsAndFixedEncodations) {
    for (int level : {41, 43, 99}) {
        TraceLog log(level);
        SymbolMatrix matrix;
        ASSERT_EQ(EncodeDataMatrix(DataMatrixRequest(kAuto), "123456", matrix), 0);
        EXPECT_EQ(log.Text().find("Datamatrix"), std::string::npos) << level;
    }
    TraceLog log(42);
    SymbolMatrix matrix;
    ASSERT_EQ(EncodeDataMatrix(DataMatrixRequest(kAscii), "123456", matrix), 0);
    EXPECT_EQ(log.Text().find("Datamatrix"), std::string::npos);
}

} // namespace

// The 2 of 5 family, Code 39, Code 93, Codabar, MSI and Postnet encoders:
// published patterns and check characters, the texts they show and the data
// they refuse.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "symbol/linear/LinearSymbol.h"

namespace {

struct Encoded {
    int32_t result = 0;
    LinearSymbol symbol;
};

Encoded Encode(int32_t libraryCode, const std::string& data, int32_t checkOption = 0,
               int32_t style = 0, const std::string& text = "") {
    LinearRequest request;
    request.libraryCode = libraryCode;
    request.data = data;
    request.checkOption = checkOption;
    request.style = style;
    request.text = text;
    Encoded encoded;
    encoded.result = EncodeLinear(request, encoded.symbol);
    return encoded;
}

// "n" and "w" for two-width elements, module counts otherwise.
std::string Pattern(const std::vector<uint8_t>& elements, bool twoWidth) {
    std::string pattern;
    for (uint8_t element : elements)
        pattern += element == kWideElement    ? 'w'
                   : element == 1 && twoWidth ? 'n'
                                              : static_cast<char>('0' + element);
    return pattern;
}

std::string PatternOf(int32_t libraryCode, const std::string& data, int32_t checkOption = 0) {
    Encoded encoded = Encode(libraryCode, data, checkOption);
    EXPECT_EQ(encoded.result, 0) << data;
    return Pattern(encoded.symbol.elements, libraryCode != kLibCode93);
}

// Small symbols written out from the symbology tables.
struct PatternCase {
    const char* name;
    int32_t libraryCode;
    const char* data;
    const char* elements;
};

// Characters separated by blanks for reading.
const PatternCase kPatternCases[] = {
    {"Industrial1", kLibIndustrial2of5, "1", "wnwnnn wnnnnnnnwn wnnnw"},
    {"Matrix1", kLibMatrix2of5, "1", "wnnnnn wnnnwn wnnnn"},
    {"Interleaved12", kLibInterleaved2of5, "12", "nnnn wnnwnnnnww wnn"},
    {"Itf14Bearers", kLibItf14, "12", "5: nnnn wnnwnnnnww wnn :5"},
    {"Code39A", kLibCode39, "A", "nwnnwnwnn n wnnnnwnnw n nwnnwnwnn"},
    {"Code39Lower", kLibCode39, "a", "nwnnwnwnn n wnnnnwnnw n nwnnwnwnn"},
    // Check characters C = "A" and K = "U".
    {"Code93A", kLibCode93, "A", "111141 211113 211113 221121 111141 1"},
    {"CodabarA1B", kLibCodabar, "A1B", "nnwwnwn n nnnnwwn n nwnwnnw"},
    // Check digit 9.
    {"Msi5", kLibMsiPlessey, "5", "wn nwwnnwwn wnnwnwwn nwn"},
};

class PublishedPatterns : public testing::TestWithParam<PatternCase> {};

TEST_P(PublishedPatterns, Elements) {
    const PatternCase& c = GetParam();
    std::string pattern = PatternOf(c.libraryCode, c.data);
    // The ITF-14 bearer space of ten modules has no single digit.
    for (char& element : pattern)
        if (element == '0' + 10) element = ':';
    std::string expected = c.elements;
    std::erase(expected, ' ');
    EXPECT_EQ(pattern, expected);
}

INSTANTIATE_TEST_SUITE_P(Linear, PublishedPatterns, testing::ValuesIn(kPatternCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Check characters and the text shown, from the request's point of view.
struct TextCase {
    const char* name;
    int32_t libraryCode;
    const char* data;
    int32_t checkOption;
    int32_t style;
    const char* requestText;
    char check;
    char secondCheck;
    const char* text;
};

const TextCase kTextCases[] = {
    {"InterleavedCheck", kLibInterleaved2of5, "12345", 1, 0, "", '7', 0, "12345"},
    {"InterleavedCheckShown", kLibInterleaved2of5, "12345", 1, 0x40, "", '7', 0, "123457"},
    {"InterleavedNoCheckShown", kLibInterleaved2of5, "12345", 0, 0x40, "", 0, 0, "12345"},
    {"Identcode", kLibGermanPtt, "12345678901", 0, 0, "", '6', 0, "12.345.678901"},
    {"IdentcodeCheckShown", kLibGermanPtt, "12345678901", 0, 0x40, "", '6', 0, "12.345.678901 6"},
    {"LeitcodeCheckShown", kLibGermanPtt, "1234567890123", 0, 0x40, "", '6', 0,
     "12345.678.901.23 6"},
    {"Code39Check", kLibCode39, "CODE39", 1, 0, "", 'W', 0, "CODE39"},
    {"Code39Framed", kLibCode39, "code39", 1, 0x60, "", 'W', 0, "*CODE39W*"},
    {"Code39Placeholder", kLibCode39, "CODE39", 1, 0, "No. _ end", 'W', 0, "No. W end"},
    {"PlaceholderWithoutCheck", kLibCode39, "CODE39", 0, 0, "No. _", 0, 0, "No. _"},
    {"TextEqualToData", kLibCode39, "code39", 0, 0, "code39", 0, 0, "CODE39"},
    {"HibcCheckForced", kLibHibc, "A123BJC5D6E71", 0, 0x40, "", 'G', 0, "+A123BJC5D6E71G"},
    {"Code39ExtendedHighBytesDropped", kLibCode39Extended, "a\xC4!", 0, 0, "", 0, 0, "a!"},
    {"Code93", kLibCode93, "TEST93", 0, 0x40, "", '6', 0, "TEST936"},
    {"CodabarStartStopAdded", kLibCodabar, "1234", 0, 0, "", 0, 0, "A1234A"},
    {"CodabarModulo16", kLibCodabar, "A40156B", 1, 0x40, "", '+', 0, "A40156B+"},
    {"CodabarModulo10", kLibCodabar, "A1234B", 2, 0, "_", '4', 0, "4"},
    {"MsiModulo10", kLibMsiPlessey, "1234567", 0, 0x40, "", '4', 0, "12345674"},
    {"MsiTwoModulo10", kLibMsiPlessey, "1234567", 1, 0x40, "", '4', '1', "123456741"},
    {"MsiModulo11", kLibMsiPlessey, "1", 2, 0, "", '9', '0', "1"},
    {"MsiModulo11Ten", kLibMsiPlessey, "6", 2, 0x40, "", '7', 0, "67"},
    {"PostnetPaddedTo9", kLibPostnet, "1234567", 0, 0, "", '2', 0, "123456700"},
    {"PostnetCutTo11", kLibPostnet, "123456789012", 0, 0, "", '4', 0, "12345678901"},
};

class ChecksAndTexts : public testing::TestWithParam<TextCase> {};

TEST_P(ChecksAndTexts, AsShown) {
    const TextCase& c = GetParam();
    Encoded encoded = Encode(c.libraryCode, c.data, c.checkOption, c.style, c.requestText);
    ASSERT_EQ(encoded.result, 0);
    EXPECT_EQ(encoded.symbol.checkCharacter, c.check);
    EXPECT_EQ(encoded.symbol.secondCheckCharacter, c.secondCheck);
    EXPECT_EQ(encoded.symbol.text, c.text);
}

INSTANTIATE_TEST_SUITE_P(Linear, ChecksAndTexts, testing::ValuesIn(kTextCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Data whose symbol must be the symbol of other data, as the rules for check
// characters, padding and supplied characters say.
struct SameSymbolCase {
    const char* name;
    int32_t libraryCode;
    const char* data;
    int32_t checkOption;
    const char* sameAsData; // encoded without check characters
};

const SameSymbolCase kSameSymbolCases[] = {
    {"InterleavedWithCheck", kLibInterleaved2of5, "12345", 1, "123457"},
    {"InterleavedOddPadded", kLibInterleaved2of5, "12345", 0, "012345"},
    {"InterleavedOddAfterCheck", kLibInterleaved2of5, "1234", 1, "012348"},
    {"IndustrialWithCheck", kLibIndustrial2of5, "12345", 1, "123457"},
    {"CodabarSupplied", kLibCodabar, "1234", 0, "A1234A"},
    {"CodabarStartOnly", kLibCodabar, "B", 0, "BA"},
    {"CodabarCheckBeforeStop", kLibCodabar, "A1234B", 2, "A12344B"},
    {"Code39ExtendedPairs", kLibCode39Extended, "a!", 0, "+A/A"},
    {"MsiModulo11TenLeftOut", kLibMsiPlessey, "6", 2, "67"},
};

class SameSymbol : public testing::TestWithParam<SameSymbolCase> {};

TEST_P(SameSymbol, AsOtherData) {
    const SameSymbolCase& c = GetParam();
    const int32_t plainCode = c.libraryCode == kLibCode39Extended ? kLibCode39 : c.libraryCode;
    // MSI always has one check digit: its plain symbol is the data before it.
    std::string plain = c.sameAsData;
    if (c.libraryCode == kLibMsiPlessey) plain.pop_back();
    EXPECT_EQ(PatternOf(c.libraryCode, c.data, c.checkOption), PatternOf(plainCode, plain, 0));
}

INSTANTIATE_TEST_SUITE_P(Linear, SameSymbol, testing::ValuesIn(kSameSymbolCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct RefusedCase {
    const char* name;
    int32_t libraryCode;
    const char* data;
    // Full ASCII drops what it cannot carry: nothing left is no data.
    int32_t result = kErrorInvalidData;
};

const RefusedCase kRefusedCases[] = {
    {"InterleavedLetter", kLibInterleaved2of5, "12A4"},
    {"MatrixBlank", kLibMatrix2of5, "12 4"},
    {"PttTwelveDigits", kLibGermanPtt, "123456789012"},
    {"PttTenDigits", kLibGermanPtt, "1234567890"},
    {"Code39Star", kLibCode39, "AB*C"},
    {"Code39Control", kLibCode39, "AB\tC"},
    {"HibcLowerOutsideSet", kLibHibc, "A~"},
    {"Code39ExtendedOnlyHighBytes", kLibCode39Extended, "\xC4\xD6", kErrorNoData},
    {"Code93Exclamation", kLibCode93, "AB!"},
    {"Code93ExtendedOnlyFunctionCodes", kLibCode93Extended, "\x80\x81", kErrorNoData},
    {"CodabarLetterInside", kLibCodabar, "A12B34A"},
    {"CodabarOtherStart", kLibCodabar, "T1234N"},
    {"CodabarLowerStart", kLibCodabar, "a1234a"},
    {"MsiLetter", kLibMsiPlessey, "12x"},
    {"PostnetDash", kLibPostnet, "12345-6789"},
};

class Refused : public testing::TestWithParam<RefusedCase> {};

TEST_P(Refused, AsInvalidDataOrNoData) {
    const RefusedCase& c = GetParam();
    EXPECT_EQ(Encode(c.libraryCode, c.data).result, c.result);
}

INSTANTIATE_TEST_SUITE_P(Linear, Refused, testing::ValuesIn(kRefusedCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Postnet, FrameBarsAndFiveBarsPerDigit) {
    Encoded encoded = Encode(kLibPostnet, "1");
    ASSERT_EQ(encoded.result, 0);
    // "10000" padded, check 9: frame, 1 0 0 0 0 9, frame.
    const std::vector<bool> expected = {1, 0, 0, 0, 1, 1, 1, 1, 0, 0, 0, 1, 1, 0, 0, 0,
                                        1, 1, 0, 0, 0, 1, 1, 0, 0, 0, 1, 0, 1, 0, 0, 1};
    EXPECT_EQ(encoded.symbol.postnetFullBars, expected);
}

const int32_t kOurCodes[] = {kLibIndustrial2of5, kLibMatrix2of5, kLibInterleaved2of5,
                             kLibItf14,          kLibGermanPtt,  kLibCode39,
                             kLibCode39Extended, kLibHibc,       kLibCode93,
                             kLibCode93Extended, kLibCodabar,    kLibMsiPlessey,
                             kLibPostnet};

// Whatever the bytes, a symbol that ends on a bar or a refusal.
void ExpectSymbolOrError(int32_t code, const std::string& data, int32_t checkOption) {
    Encoded encoded = Encode(code, data, checkOption, 0x60, "_");
    if (encoded.result != 0) {
        EXPECT_LT(encoded.result, 0);
        return;
    }
    if (code == kLibPostnet)
        EXPECT_FALSE(encoded.symbol.postnetFullBars.empty());
    else
        EXPECT_EQ(encoded.symbol.elements.size() % 2, 1u) << code;
}

TEST(AnyInput, EverySingleByte) {
    for (int32_t code : kOurCodes)
        for (int byte = 0; byte < 256; ++byte)
            for (int32_t checkOption = 0; checkOption <= 2; ++checkOption)
                ExpectSymbolOrError(code, std::string(1, static_cast<char>(byte)), checkOption);
}

TEST(AnyInput, RandomBytesUpToTheLimit) {
    std::mt19937 generator(47);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<size_t> length(1, kMaxLinearDataLength);
    for (int32_t code : kOurCodes)
        for (int i = 0; i < 300; ++i) {
            std::string data;
            for (size_t n = length(generator); n > 0; --n)
                data += static_cast<char>(byte(generator));
            ExpectSymbolOrError(code, data, i % 3);
        }
}

} // namespace

// The two-width encoders and Code 93 against zint, element by element. zint
// draws wide elements two to four modules wide, so the two-width symbologies
// are compared as narrow/wide classes; Code 93 has exact module widths.
#include <gtest/gtest.h>
#include <zint.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "symbol/linear/LinearSymbol.h"

namespace {

using ZintSymbol = std::unique_ptr<zint_symbol, decltype(&ZBarcode_Delete)>;

bool ZintModuleIsSet(const zint_symbol& symbol, int row, int column) {
    return (symbol.encoded_data[row][column >> 3] >> (column & 7)) & 1;
}

struct ZintOptions {
    int symbology = 0;
    int option2 = 0;
};

ZintSymbol EncodeWithZint(const ZintOptions& options, const std::string& data) {
    ZintSymbol symbol(ZBarcode_Create(), ZBarcode_Delete);
    symbol->symbology = options.symbology;
    symbol->option_2 = options.option2;
    const int rc =
        ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char*>(data.data()),
                        static_cast<int>(data.size()));
    EXPECT_LT(rc, ZINT_ERROR) << symbol->errtxt << " for \"" << data << "\"";
    return symbol;
}

// Module widths of the bars and spaces of zint's first row. zint counts the
// gap after Codabar's stop character in its width; ours ends on the bar.
std::vector<int> ZintRunWidths(const zint_symbol& symbol) {
    std::vector<int> widths;
    bool previous = !ZintModuleIsSet(symbol, 0, 0);
    for (int x = 0; x < symbol.width; ++x) {
        const bool set = ZintModuleIsSet(symbol, 0, x);
        if (set == previous)
            ++widths.back();
        else
            widths.push_back(1);
        previous = set;
    }
    if (widths.size() % 2 == 0) widths.pop_back();
    return widths;
}

// "n" and "w" per element, which is what both encoders must agree on.
std::string ClassesOf(const std::vector<int>& widths) {
    std::string classes;
    for (int width : widths)
        classes += width > 1 ? 'w' : 'n';
    return classes;
}

std::string ClassesOf(const std::vector<uint8_t>& elements) {
    std::string classes;
    for (uint8_t element : elements)
        classes += element == kWideElement ? 'w' : 'n';
    return classes;
}

LinearSymbol EncodeOurs(int32_t libraryCode, const std::string& data, int32_t checkOption) {
    LinearRequest request;
    request.libraryCode = libraryCode;
    request.data = data;
    request.checkOption = checkOption;
    LinearSymbol symbol;
    EXPECT_EQ(EncodeLinear(request, symbol), 0) << "\"" << data << "\"";
    return symbol;
}

void ExpectSameClasses(int32_t libraryCode, int32_t checkOption, const ZintOptions& zint,
                       const std::string& data) {
    const LinearSymbol ours = EncodeOurs(libraryCode, data, checkOption);
    const ZintSymbol theirs = EncodeWithZint(zint, data);
    EXPECT_EQ(ClassesOf(ours.elements), ClassesOf(ZintRunWidths(*theirs)))
        << "library code " << libraryCode << " data \"" << data << "\"";
}

// Deterministic so that a failure can be reproduced.
std::vector<std::string> RandomStrings(const std::string& alphabet, int count, size_t maxLength,
                                       unsigned seed) {
    std::mt19937 generator(seed);
    std::uniform_int_distribution<size_t> length(1, maxLength);
    std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
    std::vector<std::string> strings;
    for (int i = 0; i < count; ++i) {
        std::string s;
        for (size_t n = length(generator); n > 0; --n)
            s += alphabet[pick(generator)];
        strings.push_back(s);
    }
    return strings;
}

// The alphabet cut into pieces, so that every character is drawn somewhere.
std::vector<std::string> Pieces(const std::string& alphabet, size_t pieceLength) {
    std::vector<std::string> pieces;
    for (size_t i = 0; i < alphabet.size(); i += pieceLength)
        pieces.push_back(alphabet.substr(i, pieceLength));
    return pieces;
}

std::vector<std::string> VariedData(const std::string& alphabet, size_t maxLength, unsigned seed) {
    std::vector<std::string> data = Pieces(alphabet, 12);
    for (const std::string& s : RandomStrings(alphabet, 150, maxLength, seed))
        data.push_back(s);
    return data;
}

const std::string kDigits = "0123456789";
const std::string kCode39Set = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";

std::string AllAscii() {
    std::string ascii;
    for (int c = 0; c < 128; ++c)
        ascii += static_cast<char>(c);
    return ascii;
}

struct TwoWidthCase {
    const char* name;
    int32_t libraryCode;
    int32_t checkOption;
    ZintOptions zint;
};

// zint's option_2 = 1 appends the same check characters as our check option
// for these types: 3/1 modulo 10 for the 2 of 5 family, modulo 43 for
// Code 39, modulo 16 for Codabar.
const TwoWidthCase kTwoWidthCases[] = {
    {"Industrial", kLibIndustrial2of5, 0, {BARCODE_C25IND, 0}},
    {"IndustrialCheck", kLibIndustrial2of5, 1, {BARCODE_C25IND, 1}},
    {"Matrix", kLibMatrix2of5, 0, {BARCODE_C25STANDARD, 0}},
    {"MatrixCheck", kLibMatrix2of5, 1, {BARCODE_C25STANDARD, 1}},
    {"Interleaved", kLibInterleaved2of5, 0, {BARCODE_C25INTER, 0}},
    {"InterleavedCheck", kLibInterleaved2of5, 1, {BARCODE_C25INTER, 1}},
};

class TwoOfFiveAgainstZint : public testing::TestWithParam<TwoWidthCase> {};

TEST_P(TwoOfFiveAgainstZint, SameNarrowAndWideElements) {
    const TwoWidthCase& c = GetParam();
    for (const std::string& data : VariedData(kDigits, 40, 5))
        ExpectSameClasses(c.libraryCode, c.checkOption, c.zint, data);
}

INSTANTIATE_TEST_SUITE_P(Zint, TwoOfFiveAgainstZint, testing::ValuesIn(kTwoWidthCases),
                         [](const auto& info) { return std::string(info.param.name); });

// zint draws ITF-14's bearers as a box outside its row; ours are elements.
TEST(Itf14AgainstZint, SameElementsInsideTheBearers) {
    for (const std::string& data : RandomStrings(kDigits, 100, 1, 7)) {
        const std::string thirteen = (data + "1234567890123").substr(0, 13);
        LinearSymbol ours = EncodeOurs(kLibItf14, thirteen, 1);
        ASSERT_GT(ours.elements.size(), 4u);
        std::vector<uint8_t> inner(ours.elements.begin() + 2, ours.elements.end() - 2);
        EXPECT_EQ(ClassesOf(inner),
                  ClassesOf(ZintRunWidths(*EncodeWithZint({BARCODE_ITF14, 0}, thirteen))))
            << thirteen;
    }
}

TEST(GermanPostAgainstZint, IdentcodeAndLeitcode) {
    for (const std::string& data : RandomStrings(kDigits, 100, 13, 11)) {
        const std::string identcode = (data + "31415926535").substr(0, 11);
        const std::string leitcode = (data + "2718281828459").substr(0, 13);
        ExpectSameClasses(kLibGermanPtt, 0, {BARCODE_DPIDENT, 0}, identcode);
        ExpectSameClasses(kLibGermanPtt, 0, {BARCODE_DPLEIT, 0}, leitcode);
    }
}

TEST(Code39AgainstZint, FullCharacterSetWithAndWithoutCheck) {
    for (const std::string& data : VariedData(kCode39Set, 30, 13)) {
        ExpectSameClasses(kLibCode39, 0, {BARCODE_CODE39, 0}, data);
        ExpectSameClasses(kLibCode39, 1, {BARCODE_CODE39, 1}, data);
    }
}

TEST(Code39AgainstZint, ExtendedOverEveryAsciiByte) {
    for (const std::string& data : VariedData(AllAscii(), 30, 17)) {
        ExpectSameClasses(kLibCode39Extended, 0, {BARCODE_EXCODE39, 0}, data);
        ExpectSameClasses(kLibCode39Extended, 1, {BARCODE_EXCODE39, 1}, data);
    }
}

// HIBC always carries its check character, whatever the check option says.
TEST(Code39AgainstZint, HibcWithItsFlagAndCheck) {
    for (const std::string& data : VariedData(kCode39Set, 30, 19)) {
        ExpectSameClasses(kLibHibc, 0, {BARCODE_HIBC_39, 0}, data);
        ExpectSameClasses(kLibHibc, 1, {BARCODE_HIBC_39, 0}, data);
    }
}

TEST(CodabarAgainstZint, EveryStartStopWithAndWithoutModulo16) {
    const std::string inner = "0123456789-$:/.+";
    const std::string letters = "ABCD";
    size_t next = 0;
    for (const std::string& data : VariedData(inner, 30, 23)) {
        const std::string framed = letters[next % 4] + data + letters[(next / 4) % 4];
        ++next;
        ExpectSameClasses(kLibCodabar, 0, {BARCODE_CODABAR, 0}, framed);
        ExpectSameClasses(kLibCodabar, 1, {BARCODE_CODABAR, 1}, framed);
    }
}

// zint wants the start and stop letters in the data; ours supplies "A".
TEST(CodabarAgainstZint, MissingStartStopBecomeA) {
    for (const std::string& data : RandomStrings("0123456789-$:/.+", 50, 20, 43)) {
        const LinearSymbol ours = EncodeOurs(kLibCodabar, data, 0);
        EXPECT_EQ(
            ClassesOf(ours.elements),
            ClassesOf(ZintRunWidths(*EncodeWithZint({BARCODE_CODABAR, 0}, "A" + data + "A"))));
    }
}

int Modulo11Remainder(const std::string& digits) {
    int sum = 0;
    int weight = 2;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        sum += (*it - '0') * weight;
        weight = weight == 7 ? 2 : weight + 1;
    }
    return (11 - sum % 11) % 11;
}

// zint option_2: 1 modulo 10, 2 modulo 10 twice, 4 modulo 11 then 10. Where
// modulo 11 gives 10, zint draws "10" as two digits; ours leaves the digit
// out, which leaves the plain modulo-10 symbol.
TEST(MsiAgainstZint, EveryCheckOption) {
    int remainderTen = 0;
    for (const std::string& data : VariedData(kDigits, 30, 29)) {
        ExpectSameClasses(kLibMsiPlessey, 0, {BARCODE_MSI_PLESSEY, 1}, data);
        ExpectSameClasses(kLibMsiPlessey, 1, {BARCODE_MSI_PLESSEY, 2}, data);
        const bool modulo11IsTen = Modulo11Remainder(data) == 10;
        remainderTen += modulo11IsTen;
        ExpectSameClasses(kLibMsiPlessey, 2, {BARCODE_MSI_PLESSEY, modulo11IsTen ? 1 : 4}, data);
    }
    EXPECT_GT(remainderTen, 0) << "no data reached the modulo-11 remainder 10";
}

TEST(Code93AgainstZint, ExactModuleWidths) {
    for (const std::string& data : VariedData(kCode39Set, 30, 31)) {
        const LinearSymbol ours = EncodeOurs(kLibCode93, data, 0);
        std::vector<int> widths(ours.elements.begin(), ours.elements.end());
        EXPECT_EQ(widths, ZintRunWidths(*EncodeWithZint({BARCODE_CODE93, 0}, data))) << data;
    }
}

// Extended data reaches the shift characters and, through the check
// characters, every one of the 47 values.
TEST(Code93AgainstZint, ExtendedOverEveryAsciiByte) {
    for (const std::string& data : VariedData(AllAscii(), 30, 37)) {
        const LinearSymbol ours = EncodeOurs(kLibCode93Extended, data, 0);
        std::vector<int> widths(ours.elements.begin(), ours.elements.end());
        EXPECT_EQ(widths, ZintRunWidths(*EncodeWithZint({BARCODE_CODE93, 0}, data)));
    }
}

// zint's Postnet has the full bars in its first row and every bar in its
// second, one bar on every other module.
std::vector<bool> ZintPostnetFullBars(const zint_symbol& symbol) {
    std::vector<bool> full;
    for (int x = 0; x < symbol.width; x += 2)
        full.push_back(ZintModuleIsSet(symbol, 0, x));
    return full;
}

TEST(PostnetAgainstZint, FullAndHalfBars) {
    for (const std::string& data : RandomStrings(kDigits, 100, 11, 41)) {
        const LinearSymbol ours = EncodeOurs(kLibPostnet, data, 0);
        // zint takes only the standard lengths, which ours pads to.
        const std::string padded = ours.text;
        EXPECT_EQ(ours.postnetFullBars,
                  ZintPostnetFullBars(*EncodeWithZint({BARCODE_POSTNET, 0}, padded)))
            << data;
    }
}

} // namespace

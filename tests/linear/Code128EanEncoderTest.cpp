// Code 128, EAN 128, UCC128 and EAN/UPC against the published symbologies:
// the elements are read back as a scanner would and compared with what the
// symbology demands.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "Code128TestDecoding.h"
#include "symbol/linear/LinearSymbol.h"

namespace {

const std::string kFnc1(1, static_cast<char>(kCodeFnc1));

struct Encoded {
    int32_t result = 0;
    LinearSymbol symbol;
};

Encoded Encode(int32_t libraryCode, const std::string& data, int32_t checkOption = 1,
               int32_t addOnDigits = 0, const std::string& text = "", int32_t style = 0) {
    LinearRequest request;
    request.libraryCode = libraryCode;
    request.data = data;
    request.checkOption = checkOption;
    request.addOnDigits = addOnDigits;
    request.text = text;
    request.style = style;
    Encoded encoded;
    encoded.result = EncodeLinear(request, encoded.symbol);
    return encoded;
}

// The trace of the data values of a symbol with a check value.
std::string TraceOf(const LinearSymbol& symbol) {
    std::vector<int> values = code128_test::ValuesOf(symbol.elements);
    if (values.size() < 2) return "<malformed>";
    values.pop_back();
    return code128_test::Read(values).trace;
}

// --- Code 128 ---------------------------------------------------------------

struct SubsetCase {
    int32_t libraryCode;
    std::string data;
    std::string trace;
};

void PrintTo(const SubsetCase& c, std::ostream* out) {
    *out << "library code " << c.libraryCode << " expecting " << c.trace;
}

class Code128Subsets : public testing::TestWithParam<SubsetCase> {};

TEST_P(Code128Subsets, ReadsBackAsExpected) {
    const SubsetCase& c = GetParam();
    const Encoded encoded = Encode(c.libraryCode, c.data);
    ASSERT_EQ(encoded.result, 0);
    EXPECT_EQ(TraceOf(encoded.symbol), c.trace);
}

INSTANTIATE_TEST_SUITE_P(
    Automatic, Code128Subsets,
    testing::Values(SubsetCase{kLibCode128Auto, "12", "[C]12"},
                    SubsetCase{kLibCode128Auto, "1A", "[B]1A"},
                    SubsetCase{kLibCode128Auto, "AB12345678", "[B]AB[C]12345678"},
                    SubsetCase{kLibCode128Auto, "AB1234567", "[B]AB1[C]234567"},
                    SubsetCase{kLibCode128Auto, "AB123", "[B]AB123"},
                    // A run of four or more before other data switches at once.
                    SubsetCase{kLibCode128Auto, "AB12345X", "[B]AB[C]1234[B]5X"},
                    SubsetCase{kLibCode128Auto, "12345", "[C]1234[B]5"},
                    SubsetCase{kLibCode128Auto, "\tAB\t", "[A]^IAB^I"},
                    // After the last control character nothing favours A.
                    SubsetCase{kLibCode128Auto, "\tA", "[A]^I[B]A"},
                    SubsetCase{kLibCode128Auto, "abc", "[B]abc"},
                    SubsetCase{kLibCode128Auto, "A\tb", "[A]A^I[B]b"},
                    SubsetCase{kLibCode128Auto, "Ab\t", "[B]Ab[A]^I"},
                    SubsetCase{kLibCode128Auto, kFnc1 + "12AB", "[C][F1]12[B]AB"},
                    SubsetCase{kLibCode128Auto, "a\x84\x80\x82\x83", "[B]a[F4][S][F3][F2]"},
                    // Function characters decide nothing, so B follows the last control.
                    SubsetCase{kLibCode128Auto, "\t\x84", "[A]^I[B][F4]"}));

INSTANTIATE_TEST_SUITE_P(Fixed, Code128Subsets,
                         testing::Values(SubsetCase{kLibCode128A, "AB12\t", "[A]AB12^I"},
                                         SubsetCase{kLibCode128B, "ab1234", "[B]ab1234"},
                                         SubsetCase{kLibCode128C, "123", "[C]0123"},
                                         SubsetCase{kLibCode128C,
                                                    "123" + kFnc1 + "45" + kFnc1 + "6",
                                                    "[C]0123[F1]45[F1]06"},
                                         SubsetCase{kLibEan128C, "12345", "[C][F1]012345"},
                                         SubsetCase{kLibEan128B, "10ab", "[B][F1]10ab"}));

INSTANTIATE_TEST_SUITE_P(
    Gs1, Code128Subsets,
    testing::Values(SubsetCase{kLibEan128Auto, kFnc1 + "0112345678901231",
                               "[C][F1]0112345678901231"},
                    // Without the leading FNC1 the encoder supplies it.
                    SubsetCase{kLibEan128Auto, "0112345678901231", "[C][F1]0112345678901231"},
                    SubsetCase{kLibEan128Auto, kFnc1 + "10ABC" + kFnc1 + "211234",
                               "[C][F1]10[B]ABC[F1][C]211234"}));

TEST(Code128, RejectsBytesItsSubsetCannotHold) {
    EXPECT_EQ(Encode(kLibCode128A, "Ab").result, kErrorInvalidData);
    EXPECT_EQ(Encode(kLibCode128B, "A\t").result, kErrorInvalidData);
    EXPECT_EQ(Encode(kLibCode128C, "12A4").result, kErrorInvalidData);
    EXPECT_EQ(Encode(kLibCode128C, "12\x84").result, kErrorInvalidData);
    EXPECT_EQ(Encode(kLibCode128Auto, "AB\xC4").result, kErrorInvalidData);
    EXPECT_EQ(Encode(kLibUcc128, "00ABC").result, kErrorInvalidData);
}

TEST(Code128, CheckValueFollowsTheOption) {
    // 104 + 33 + 2·34 + 3·99 + 4·12 + 5·34 + 6·56 + 7·78 = 1602 ≡ 57 (mod 103)
    const Encoded on = Encode(kLibCode128Auto, "AB12345678", 1);
    std::vector<int> values = code128_test::ValuesOf(on.symbol.elements);
    ASSERT_FALSE(values.empty());
    EXPECT_EQ(values.back(), 57);
    EXPECT_EQ(on.symbol.checkCharacter, static_cast<char>(' ' + 57));

    const Encoded off = Encode(kLibCode128Auto, "AB12345678", 0);
    EXPECT_EQ(code128_test::ValuesOf(off.symbol.elements).size(), values.size() - 1);
    EXPECT_EQ(off.symbol.checkCharacter, 0);

    // EAN 128 carries its check value whatever the option says.
    const Encoded gs1 = Encode(kLibEan128Auto, kFnc1 + "0112345678901231", 0);
    values = code128_test::ValuesOf(gs1.symbol.elements);
    ASSERT_FALSE(values.empty());
    EXPECT_EQ(values.back(), code128_test::CheckValueOf(values));
}

TEST(Code128, Ucc128AddsTheGs1CheckDigitFirst) {
    // SSCC 10614141 123456789 with check digit 7.
    const Encoded sscc = Encode(kLibUcc128, kFnc1 + "0010614141123456789", 2);
    EXPECT_EQ(sscc.symbol.secondCheckCharacter, '7');
    EXPECT_EQ(TraceOf(sscc.symbol), "[C][F1]00106141411234567897");
    EXPECT_EQ(sscc.symbol.text, "00106141411234567897");

    const Encoded noDigit = Encode(kLibUcc128, kFnc1 + "0010614141123456789", 1);
    EXPECT_EQ(noDigit.symbol.secondCheckCharacter, 0);
    EXPECT_EQ(TraceOf(noDigit.symbol), "[C][F1]001061414112345678[B]9");
}

TEST(Code128, HumanReadableText) {
    EXPECT_EQ(Encode(kLibCode128Auto, "AB\x81"
                                      "12")
                  .symbol.text,
              "AB12");
    EXPECT_EQ(Encode(kLibCode128Auto, "AB12", 1, 0, "AB12").symbol.text, "AB12");
    EXPECT_EQ(Encode(kLibCode128Auto, "AB12", 1, 0, "Item AB12").symbol.text, "Item AB12");

    const Encoded shown = Encode(kLibCode128Auto, "AB12345678", 1, 0, "AB12345678 _");
    EXPECT_EQ(shown.symbol.text, "AB12345678 Y"); // check value 57 is "Y" in subset B
    EXPECT_EQ(Encode(kLibCode128Auto, "AB12345678", 1, 0, "", kStyleCheckInText).symbol.text,
              "AB12345678Y");
    // Without a check character the placeholder stays.
    EXPECT_EQ(Encode(kLibCode128Auto, "AB", 0, 0, "x_").symbol.text, "x_");

    // EAN 128 shows its data, never a text of the request.
    EXPECT_EQ(Encode(kLibEan128Auto, kFnc1 + "10ABC", 1, 0, "other").symbol.text, "10ABC");
}

// --- EAN/UPC ----------------------------------------------------------------

// GS1 number sets as space-first widths; set C is set A drawn bar first.
constexpr std::string_view kSetA[10] = {"3211", "2221", "2122", "1411", "1132",
                                        "1231", "1114", "1312", "1213", "3112"};
constexpr std::string_view kSetB[10] = {"1123", "1222", "2212", "1141", "2311",
                                        "1321", "4111", "2131", "3121", "2113"};

// Reads count digits of four elements each from element first; each digit
// comes back as the digit followed by its set letter (A or B; C reads as A).
// Before each digit listed in gaps, skip elements are passed over.
std::string ReadDigits(const LinearSymbol& symbol, size_t first, size_t count,
                       const std::vector<size_t>& gaps = {}, size_t skip = 0) {
    std::string read;
    size_t at = first;
    for (size_t i = 0; i < count; ++i) {
        for (size_t gap : gaps) {
            if (gap == i) at += skip;
        }
        std::string widths;
        for (size_t k = 0; k < 4 && at + k < symbol.elements.size(); ++k) {
            widths += static_cast<char>('0' + symbol.elements[at + k]);
        }
        char found = '?';
        char set = '?';
        for (int d = 0; d < 10; ++d) {
            if (widths == kSetA[d]) found = static_cast<char>('0' + d), set = 'A';
            if (widths == kSetB[d]) found = static_cast<char>('0' + d), set = 'B';
        }
        read += found;
        read += set;
        at += 4;
    }
    return read;
}

std::string PlainDigits(const std::string& read) {
    std::string digits;
    for (size_t i = 0; i < read.size(); i += 2)
        digits += read[i];
    return digits;
}

std::string Sets(const std::string& read) {
    std::string sets;
    for (size_t i = 1; i < read.size(); i += 2)
        sets += read[i];
    return sets;
}

// EAN-13: left half after the 3-element start guard, right half after the
// 5-element centre guard.
std::string Ean13Digits(const LinearSymbol& symbol) {
    return ReadDigits(symbol, 3, 12, {6}, 5);
}

TEST(EanUpc, Ean13PadsCutsAndComputesItsCheckDigit) {
    const Encoded padded = Encode(kLibEan13, "123");
    ASSERT_EQ(padded.result, 0);
    EXPECT_EQ(PlainDigits(Ean13Digits(padded.symbol)), "230000000000");
    EXPECT_EQ(padded.symbol.checkCharacter, '0');
    EXPECT_EQ(Sets(Ean13Digits(padded.symbol)).substr(0, 6), "AABABB"); // leading 1

    const Encoded cut = Encode(kLibEan13, "4006381333932");
    ASSERT_EQ(cut.result, 0);
    EXPECT_EQ(PlainDigits(Ean13Digits(cut.symbol)), "006381333931");
    EXPECT_EQ(cut.symbol.checkCharacter, '1');
    EXPECT_EQ(Sets(Ean13Digits(cut.symbol)).substr(0, 6), "ABAABB"); // leading 4
}

TEST(EanUpc, TextPiecesFollowTheLayout) {
    using A = TextAlign;
    using R = TextRow;
    struct Expected {
        int32_t libraryCode;
        std::string data;
        int32_t addOnDigits;
        std::vector<TextPiece> pieces;
    };
    const std::vector<Expected> cases = {
        {kLibUpcA,
         "03600029145"
         "12",
         2,
         {{"0", -10, A::kRight, R::kSideDigit},
          {"36000", 275, A::kCentre, R::kDigitGroup},
          {"29145", 675, A::kCentre, R::kDigitGroup},
          {"2", 960, A::kLeft, R::kSideDigit},
          {"12", 1140, A::kCentre, R::kAddOn}}},
        {kLibEan13,
         "400638133393"
         "52495",
         5,
         {{"4", -10, A::kRight, R::kSideDigit},
          {"006381", 240, A::kCentre, R::kDigitGroup},
          {"333931", 710, A::kCentre, R::kDigitGroup},
          {"52495", 1275, A::kCentre, R::kAddOn}}},
        {kLibEan8,
         "9638507",
         0,
         {{"9638", 170, A::kCentre, R::kDigitGroup}, {"5074", 500, A::kCentre, R::kDigitGroup}}},
        {kLibUpcE1,
         "123450"
         "12",
         2,
         {{"1", -10, A::kRight, R::kSideDigit},
          {"123450", 240, A::kCentre, R::kDigitGroup},
          {"2", 520, A::kLeft, R::kSideDigit},
          {"12", 700, A::kCentre, R::kAddOn}}},
    };
    for (const Expected& c : cases) {
        const Encoded encoded = Encode(c.libraryCode, c.data, 1, c.addOnDigits);
        ASSERT_EQ(encoded.result, 0) << c.data;
        ASSERT_EQ(encoded.symbol.pieces.size(), c.pieces.size()) << c.data;
        EXPECT_TRUE(encoded.symbol.text.empty());
        for (size_t i = 0; i < c.pieces.size(); ++i) {
            const TextPiece& got = encoded.symbol.pieces[i];
            EXPECT_EQ(got.text, c.pieces[i].text) << c.data;
            EXPECT_EQ(got.xTenths, c.pieces[i].xTenths) << c.data << " " << got.text;
            EXPECT_EQ(got.align, c.pieces[i].align) << c.data << " " << got.text;
            EXPECT_EQ(got.row, c.pieces[i].row) << c.data << " " << got.text;
        }
    }
}

TEST(EanUpc, UpcESuppressesZerosByTheStandardRules) {
    struct Case {
        std::string upcA;
        std::string upcE; // empty: cannot be suppressed
    };
    const std::vector<Case> cases = {
        {"01200000345", "123450"}, {"01230000045", "123453"}, {"01234000005", "123454"},
        {"01234500007", "123457"}, {"11200000345", "123450"}, {"01234500004", ""},
        {"01234000015", ""},       {"21200000345", ""},       {"01210001345", ""},
    };
    for (const Case& c : cases) {
        const Encoded encoded = Encode(kLibUpcE, c.upcA);
        if (c.upcE.empty()) {
            EXPECT_EQ(encoded.result, kErrorInvalidData) << c.upcA;
            continue;
        }
        ASSERT_EQ(encoded.result, 0) << c.upcA;
        EXPECT_EQ(PlainDigits(ReadDigits(encoded.symbol, 3, 6)), c.upcE) << c.upcA;
        EXPECT_EQ(encoded.symbol.pieces[0].text, c.upcA.substr(0, 1));
    }
    // 012000003455: the check digit of the UPC-A number, and its set pattern.
    const Encoded e = Encode(kLibUpcE, "01200000345");
    EXPECT_EQ(e.symbol.checkCharacter, '5');
    EXPECT_EQ(Sets(ReadDigits(e.symbol, 3, 6)), "BAABBA");
    const Encoded e0 = Encode(kLibUpcE0, "123450");
    EXPECT_EQ(e0.symbol.elements, e.symbol.elements);
    // Number system 1 (check digit 2 here) swaps the sets.
    const Encoded e1 = Encode(kLibUpcE1, "123450");
    EXPECT_EQ(e1.symbol.checkCharacter, '2');
    EXPECT_EQ(Sets(ReadDigits(e1.symbol, 3, 6)), "AABBAB");
}

TEST(EanUpc, AddOnsCarryTheirParityAfterTheGap) {
    struct Case {
        std::string addOn;
        std::string sets;
    };
    const std::vector<Case> cases = {{"12", "AA"},       {"13", "AB"},       {"14", "BA"},
                                     {"99", "BB"},       {"52495", "BABAA"},  // check value 1
                                     {"00000", "BBAAA"}, {"00005", "AABBA"}}; // 0 and 5
    for (const Case& c : cases) {
        const Encoded encoded =
            Encode(kLibEan13, "400638133393" + c.addOn, 1, int32_t(c.addOn.size()));
        ASSERT_EQ(encoded.result, 0) << c.addOn;
        const LinearSymbol& s = encoded.symbol;
        ASSERT_EQ(s.addOnFirstElement, 3 + 24 + 5 + 24 + 3 + 1);
        EXPECT_EQ(s.elements[size_t(s.addOnFirstElement) - 1], 9); // the gap
        std::vector<size_t> separators;
        for (size_t i = 1; i < c.addOn.size(); ++i)
            separators.push_back(i);
        const std::string read =
            ReadDigits(s, size_t(s.addOnFirstElement) + 3, c.addOn.size(), separators, 2);
        EXPECT_EQ(PlainDigits(read), c.addOn);
        EXPECT_EQ(Sets(read), c.sets) << c.addOn;
        for (size_t i = size_t(s.addOnFirstElement); i < s.kinds.size(); ++i) {
            EXPECT_EQ(s.kinds[i], BarKind::kAddOn);
        }
    }
}

TEST(EanUpc, GuardBarsAreMarked) {
    const LinearSymbol ean = Encode(kLibEan13, "400638133393").symbol;
    ASSERT_EQ(ean.kinds.size(), ean.elements.size());
    const auto guardsAt = [](const LinearSymbol& s, std::vector<size_t> at) {
        for (size_t i = 0; i < s.kinds.size(); i += 2) {
            const bool guard = std::find(at.begin(), at.end(), i) != at.end();
            EXPECT_EQ(s.kinds[i], guard ? BarKind::kGuard : BarKind::kData) << "element " << i;
        }
    };
    guardsAt(ean, {0, 2, 28, 30, 56, 58});
    // UPC-A draws its number-system and check digits at guard length.
    guardsAt(Encode(kLibUpcA, "03600029145").symbol, {0, 2, 4, 6, 28, 30, 52, 54, 56, 58});
    guardsAt(Encode(kLibUpcE0, "123450").symbol, {0, 2, 28, 30, 32});
    EXPECT_EQ(ean.addOnFirstElement, -1);
}

TEST(EanUpc, RejectsWhatCannotBeDrawn) {
    EXPECT_EQ(Encode(kLibEan13, "12345A").result, kErrorInvalidData);
    EXPECT_EQ(Encode(kLibEan8, "1234567 ").result, kErrorInvalidData);
    EXPECT_EQ(Encode(kLibEan13, "123", 1, 3).result, -14);
}

// --- Any input --------------------------------------------------------------

TEST(Code128Ean, AnyBytesGiveASymbolOrAnError) {
    const int32_t codes[] = {kLibCode128Auto, kLibCode128A, kLibCode128B, kLibCode128C,
                             kLibEan128Auto,  kLibEan128A,  kLibEan128B,  kLibEan128C,
                             kLibUcc128,      kLibUpcA,     kLibUpcE,     kLibEan13,
                             kLibEan8,        kLibUpcE0,    kLibUpcE1};
    std::mt19937 random(128);
    const std::string digitsAndFunctions = "0123456789\x81\x84";
    for (int round = 0; round < 3000; ++round) {
        const size_t length = 1 + random() % kMaxLinearDataLength;
        std::string data;
        for (size_t i = 0; i < length; ++i) {
            data += round % 2 == 0 ? static_cast<char>(random() % 256)
                                   : digitsAndFunctions[random() % digitsAndFunctions.size()];
        }
        for (int32_t code : codes) {
            const Encoded encoded = Encode(code, data, int32_t(random() % 3),
                                           int32_t(random() % 3 == 0 ? 2 : random() % 7));
            ASSERT_LE(encoded.result, 0);
            if (encoded.result != 0) continue;
            ASSERT_FALSE(encoded.symbol.elements.empty());
            for (uint8_t width : encoded.symbol.elements)
                ASSERT_TRUE(width >= 1 && width <= 9);
            if (code >= kLibCode128Auto && code != kLibUpcE0 && code != kLibUpcE1) {
                // Whatever subsets were chosen, a scanner reads the data back.
                std::vector<int> values = code128_test::ValuesOf(encoded.symbol.elements);
                ASSERT_FALSE(values.empty());
                if (encoded.symbol.checkCharacter != 0) values.pop_back();
                ASSERT_TRUE(code128_test::Read(values).ok);
            }
        }
    }
}

TEST(Code128, AutomaticSubsetsReadBackAsTheData) {
    std::mt19937 random(8);
    const std::string alphabet = std::string("0123456789AZaz \t\x7f\x81\x82\x83\x84", 22); // with its NUL
    for (int round = 0; round < 2000; ++round) {
        std::string data;
        const size_t length = 1 + random() % 30;
        for (size_t i = 0; i < length; ++i)
            data += alphabet[random() % alphabet.size()];
        const Encoded encoded = Encode(kLibCode128Auto, data);
        ASSERT_EQ(encoded.result, 0);
        std::vector<int> values = code128_test::ValuesOf(encoded.symbol.elements);
        ASSERT_FALSE(values.empty());
        EXPECT_EQ(values.back(), code128_test::CheckValueOf(values));
        values.pop_back();
        EXPECT_EQ(code128_test::Read(values).data, data);
    }
}

} // namespace

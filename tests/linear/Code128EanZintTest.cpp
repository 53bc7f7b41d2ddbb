// Code 128, GS1-128 and EAN/UPC module for module against zint. Where our
// subset choice deliberately differs from zint's, both symbols must still
// read back as the same data, and each such difference is listed with the
// rule that causes it.
#include <gtest/gtest.h>
#include <zint.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "Code128TestDecoding.h"
#include "symbol/linear/LinearSymbol.h"

namespace {

const std::string kFnc1(1, static_cast<char>(kCodeFnc1));

// The bars and spaces of zint's single row as "1" and "0" per module, or
// "error: ..." when zint refuses the input.
std::string ZintModules(int symbology, const std::string& input, int inputMode = DATA_MODE,
                        int addOnGap = 0) {
    std::unique_ptr<zint_symbol, void (*)(zint_symbol*)> symbol(ZBarcode_Create(), ZBarcode_Delete);
    symbol->symbology = symbology;
    symbol->input_mode = inputMode;
    if (addOnGap != 0) symbol->option_2 = addOnGap;
    const int result =
        ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char*>(input.data()),
                        static_cast<int>(input.size()));
    if (result >= ZINT_ERROR) return std::string("error: ") + symbol->errtxt;
    const int row = symbol->rows - 1;
    std::string modules;
    for (int x = 0; x < symbol->width; ++x) {
        const bool bar = (symbol->encoded_data[row][x >> 3] >> (x & 7)) & 1;
        modules += bar ? '1' : '0';
    }
    return modules;
}

std::string ModulesOf(const LinearSymbol& symbol) {
    std::string modules;
    bool bar = true;
    for (uint8_t width : symbol.elements) {
        modules.append(width, bar ? '1' : '0');
        bar = !bar;
    }
    return modules;
}

std::string OurModules(int32_t libraryCode, const std::string& data, int32_t addOnDigits = 0,
                       int32_t checkOption = 1) {
    LinearRequest request;
    request.libraryCode = libraryCode;
    request.data = data;
    request.addOnDigits = addOnDigits;
    request.checkOption = checkOption;
    LinearSymbol symbol;
    const int32_t result = EncodeLinear(request, symbol);
    if (result != 0) return "error " + std::to_string(result);
    return ModulesOf(symbol);
}

std::vector<uint8_t> ElementsOf(const std::string& modules) {
    std::vector<uint8_t> elements;
    for (size_t at = 0; at < modules.size();) {
        size_t end = at;
        while (end < modules.size() && modules[end] == modules[at])
            ++end;
        elements.push_back(static_cast<uint8_t>(end - at));
        at = end;
    }
    return elements;
}

// What a scanner reads from Code 128 modules (check value verified, then
// dropped).
code128_test::Reading ReadModules(const std::string& modules) {
    std::vector<int> values = code128_test::ValuesOf(ElementsOf(modules));
    if (values.size() < 2 || values.back() != code128_test::CheckValueOf(values)) {
        code128_test::Reading bad;
        bad.ok = false;
        bad.trace = "<unreadable>";
        return bad;
    }
    values.pop_back();
    return code128_test::Read(values);
}

std::string RandomFrom(std::mt19937& random, const std::string& alphabet, size_t length) {
    std::string text;
    for (size_t i = 0; i < length; ++i)
        text += alphabet[random() % alphabet.size()];
    return text;
}

std::string Digits(std::mt19937& random, size_t length) {
    return RandomFrom(random, "0123456789", length);
}

void ExpectSameModules(const std::string& ours, const std::string& zint, const std::string& what) {
    EXPECT_EQ(ours, zint) << what << "\n  ours: " << ReadModules(ours).trace
                          << "\n  zint: " << ReadModules(zint).trace;
}

// --- Code 128 ---------------------------------------------------------------

TEST(Code128Zint, EveryDigitPairMatches) {
    std::string low, high;
    for (int pair = 0; pair < 50; ++pair) {
        low += std::to_string(pair / 10) + std::to_string(pair % 10);
        high += std::to_string(5 + pair / 10) + std::to_string(pair % 10);
    }
    for (const std::string& data : {low, high}) {
        ExpectSameModules(OurModules(kLibCode128Auto, data), ZintModules(BARCODE_CODE128, data),
                          data);
    }
}

// Data in which the subset choice leaves no freedom: text with at most
// single digits, digit runs of four or more between texts or at the end,
// and control characters only where subset A holds everything up to the
// last of them.
TEST(Code128Zint, AgreesWhereTheSubsetChoiceIsForced) {
    std::mt19937 random(20);
    std::string textChars;
    for (int c = ' '; c < 128; ++c) {
        if (c < '0' || c > '9') textChars += static_cast<char>(c);
    }
    std::string upperAndControls = "ABCXYZ !#[]^_";
    for (char c = 0; c < ' '; ++c)
        upperAndControls += c;
    for (int round = 0; round < 500; ++round) {
        std::string data = RandomFrom(random, textChars, 1 + random() % 6);
        const int shape = round % 4;
        if (shape == 0) data += Digits(random, 1) + RandomFrom(random, textChars, 1 + random() % 4);
        if (shape == 1) data += Digits(random, 4 + random() % 12);
        if (shape == 2) {
            data += Digits(random, 2 * (2 + random() % 6)) + RandomFrom(random, textChars, 1);
        }
        if (shape == 3) data = RandomFrom(random, upperAndControls, 1 + random() % 12) + "\t";
        ExpectSameModules(OurModules(kLibCode128Auto, data), ZintModules(BARCODE_CODE128, data),
                          "data of shape " + std::to_string(shape));
    }
}

TEST(Code128Zint, FixedSubsetBMatchesZintsSubsetB) {
    std::mt19937 random(60);
    std::string printable;
    for (int c = ' '; c < 128; ++c)
        printable += static_cast<char>(c);
    for (int round = 0; round < 200; ++round) {
        const std::string data = RandomFrom(random, printable, 1 + random() % 40);
        ExpectSameModules(OurModules(kLibCode128B, data), ZintModules(BARCODE_CODE128B, data),
                          data);
    }
}

// Our subset choice differs from zint's in these cases; the table gives the
// rule behind ours. Both must read back as the same data.
TEST(Code128Zint, DifferencesFollowOurSubsetRules) {
    struct Case {
        std::string data;
        std::string ourTrace;
        std::string zintTrace;
        const char* rule;
    };
    const std::vector<Case> cases = {
        {"AB12345X", "[B]AB[C]1234[B]5X", "[B]AB1[C]2345[B]X",
         "four digits followed by other data switch to C at once, even an odd run"},
        {"b\t", "[B]b[A]^I", "[B]b[S]^I",
         "a character the subset lacks changes the code set; SHIFT is never chosen"},
        {"A\tb", "[A]A^I[B]b", "[A]A^I[S]b",
         "a character the subset lacks changes the code set; SHIFT is never chosen"},
        {"\tA", "[A]^I[B]A", "[A]^IA",
         "each character looks ahead; with no control character left, B is chosen"},
    };
    for (const Case& c : cases) {
        const std::string ours = OurModules(kLibCode128Auto, c.data);
        const std::string zint = ZintModules(BARCODE_CODE128, c.data);
        EXPECT_EQ(ReadModules(ours).trace, c.ourTrace) << c.rule;
        EXPECT_EQ(ReadModules(zint).trace, c.zintTrace) << "zint changed: " << c.rule;
        EXPECT_EQ(ReadModules(ours).data, ReadModules(zint).data) << c.rule;
    }
}

TEST(Code128Zint, RandomDataReadsBackTheSame) {
    std::mt19937 random(128);
    const std::string alphabet = std::string("0123456789AZaz{}~ \t\r\x7f", 22); // with its NUL
    for (int round = 0; round < 1000; ++round) {
        const std::string data = RandomFrom(random, alphabet, 1 + random() % 40);
        const code128_test::Reading ours = ReadModules(OurModules(kLibCode128Auto, data));
        const code128_test::Reading zint = ReadModules(ZintModules(BARCODE_CODE128, data));
        ASSERT_TRUE(ours.ok && zint.ok);
        EXPECT_EQ(ours.data, data) << ours.trace;
        EXPECT_EQ(zint.data, data) << zint.trace;
    }
}

// --- GS1-128 ----------------------------------------------------------------

struct Gs1Data {
    std::string zintInput; // "[01]..." with bracketed application identifiers
    std::string ourData;   // FNC1 first and after each variable-length field but the last
};

// Application identifiers with all-digit values of even total length keep
// both encoders in subset C throughout.
Gs1Data EvenDigitGs1(std::mt19937& random) {
    struct Field {
        const char* ai;
        size_t length;
    };
    const Field fixed[] = {{"01", 14}, {"11", 6}, {"3103", 6}, {"00", 18}, {"17", 6}};
    Gs1Data gs1{"", kFnc1};
    for (size_t i = 0, count = 1 + random() % 3; i < count; ++i) {
        const Field& field = fixed[random() % 5];
        const std::string value = Digits(random, field.length);
        gs1.zintInput += std::string("[") + field.ai + "]" + value;
        gs1.ourData += field.ai + value;
    }
    const std::string lot = Digits(random, 2 * (1 + random() % 5));
    gs1.zintInput += "[10]" + lot;
    gs1.ourData += "10" + lot;
    return gs1;
}

TEST(Gs1128Zint, EvenDigitFieldsMatch) {
    std::mt19937 random(128);
    for (int round = 0; round < 300; ++round) {
        const Gs1Data gs1 = EvenDigitGs1(random);
        ExpectSameModules(OurModules(kLibEan128Auto, gs1.ourData),
                          ZintModules(BARCODE_GS1_128, gs1.zintInput, GS1_MODE | GS1NOCHECK_MODE),
                          gs1.zintInput);
    }
}

TEST(Gs1128Zint, MixedFieldsReadBackTheSame) {
    std::mt19937 random(81);
    const char* variable[] = {"10", "21", "400"};
    for (int round = 0; round < 300; ++round) {
        Gs1Data gs1{"", kFnc1};
        const size_t count = 1 + random() % 3;
        for (size_t i = 0; i < count; ++i) {
            const std::string ai = variable[random() % 3];
            const std::string value = RandomFrom(random, "0123456789ABCXYZ", 1 + random() % 12);
            gs1.zintInput += "[" + ai + "]" + value;
            gs1.ourData += ai + value;
            if (i + 1 < count) gs1.ourData += kFnc1;
        }
        const code128_test::Reading ours = ReadModules(OurModules(kLibEan128Auto, gs1.ourData));
        const code128_test::Reading zint =
            ReadModules(ZintModules(BARCODE_GS1_128, gs1.zintInput, GS1_MODE | GS1NOCHECK_MODE));
        EXPECT_EQ(ours.data, gs1.ourData) << ours.trace;
        EXPECT_EQ(zint.data, gs1.ourData) << zint.trace;
    }
}

TEST(Gs1128Zint, DifferencesFollowOurSubsetRules) {
    struct Case {
        std::string zintInput;
        std::string ourData;
        std::string ourTrace;
        std::string zintTrace;
        const char* rule;
    };
    const std::vector<Case> cases = {
        {"[21]D2I", kFnc1 + "21D2I", "[C][F1]21[B]D2I", "[B][F1]21D2I",
         "data that starts with FNC1 and two digits starts in C"},
        {"[10]12345[11]123456", kFnc1 + "1012345" + kFnc1 + "11123456",
         "[C][F1]101234[B]5[F1][C]11123456", "[C][F1]101234[B]5[C][F1]11123456",
         "FNC1 chooses C only when C is the current subset"},
    };
    for (const Case& c : cases) {
        const std::string ours = OurModules(kLibEan128Auto, c.ourData);
        const std::string zint =
            ZintModules(BARCODE_GS1_128, c.zintInput, GS1_MODE | GS1NOCHECK_MODE);
        EXPECT_EQ(ReadModules(ours).trace, c.ourTrace) << c.rule;
        EXPECT_EQ(ReadModules(zint).trace, c.zintTrace) << "zint changed: " << c.rule;
        EXPECT_EQ(ReadModules(ours).data, ReadModules(zint).data) << c.rule;
    }
}

TEST(Gs1128Zint, Ucc128CheckDigitSatisfiesZintsSsccCheck) {
    std::mt19937 random(14);
    for (int round = 0; round < 100; ++round) {
        const std::string sscc = "0" + Digits(random, 16);
        LinearRequest request;
        request.libraryCode = kLibUcc128;
        request.data = kFnc1 + "00" + sscc;
        request.checkOption = 2;
        LinearSymbol symbol;
        ASSERT_EQ(EncodeLinear(request, symbol), 0);
        // zint verifies the SSCC's check digit without GS1NOCHECK_MODE.
        const std::string zint =
            ZintModules(BARCODE_GS1_128, "[00]" + sscc + symbol.secondCheckCharacter, GS1_MODE);
        ExpectSameModules(ModulesOf(symbol), zint, sscc);
    }
}

// --- EAN/UPC ----------------------------------------------------------------

// zint takes the add-on after "+"; our data is the main digits followed by
// the add-on digits. Both use a gap of nine modules.
void ExpectEanUpcMatches(int symbology, int32_t libraryCode, const std::string& zintMain,
                         const std::string& ourMain, const std::string& addOn) {
    const std::string zintInput = addOn.empty() ? zintMain : zintMain + "+" + addOn;
    EXPECT_EQ(OurModules(libraryCode, ourMain + addOn, int32_t(addOn.size())),
              ZintModules(symbology, zintInput, DATA_MODE, 9))
        << zintInput;
}

// Six UPC-E digits in the form the zero suppression produces: zint refuses
// the other forms, which stand for UPC-A numbers with another suppression.
std::string CanonicalUpcE(std::mt19937& random) {
    std::string six = Digits(random, 6);
    const char last = six[5];
    if (last == '3' && six[2] <= '2') six[2] = static_cast<char>('3' + random() % 7);
    if (last == '4' && six[3] == '0') six[3] = static_cast<char>('1' + random() % 9);
    if (last >= '5' && six[4] == '0') six[4] = static_cast<char>('1' + random() % 9);
    return six;
}

TEST(EanUpcZint, RandomDigitsMatchWithAndWithoutAddOns) {
    std::mt19937 random(13);
    for (int round = 0; round < 300; ++round) {
        const size_t addOnLength = round % 3 == 0 ? 0 : round % 3 == 1 ? 2 : 5;
        const std::string addOn = Digits(random, addOnLength);
        const std::string ean13 = Digits(random, 12);
        const std::string ean8 = Digits(random, 7);
        const std::string upcA = Digits(random, 11);
        const std::string six = CanonicalUpcE(random);
        ExpectEanUpcMatches(BARCODE_EANX, kLibEan13, ean13, ean13, addOn);
        ExpectEanUpcMatches(BARCODE_EANX, kLibEan8, ean8, ean8, addOn);
        ExpectEanUpcMatches(BARCODE_UPCA, kLibUpcA, upcA, upcA, addOn);
        ExpectEanUpcMatches(BARCODE_UPCE, kLibUpcE0, "0" + six, six, addOn);
        ExpectEanUpcMatches(BARCODE_UPCE, kLibUpcE1, "1" + six, six, addOn);
    }
}

// UPC-E0 and UPC-E1 draw any six digits; zint accepts only those the zero
// suppression would produce (here 08200000088 would be 080882).
TEST(EanUpcZint, NonCanonicalUpcEIsDrawnWhereZintRefusesIt) {
    EXPECT_EQ(ZintModules(BARCODE_UPCE, "0082883").rfind("error", 0), 0u);
    EXPECT_EQ(OurModules(kLibUpcE0, "082883").size(), 51u);
}

TEST(EanUpcZint, SuppressedUpcAMatchesItsUpcE) {
    struct Case {
        std::string upcA;
        std::string upcE;
    };
    const std::vector<Case> cases = {{"01200000345", "0123450"}, {"01230000045", "0123453"},
                                     {"01234000005", "0123454"}, {"01234500007", "0123457"},
                                     {"19920000012", "1990122"}, {"10980000056", "1098563"}};
    for (const Case& c : cases) {
        for (const std::string& addOn : {std::string(), std::string("07")}) {
            ExpectEanUpcMatches(BARCODE_UPCE, kLibUpcE, c.upcE, c.upcA, addOn);
        }
    }
}

} // namespace

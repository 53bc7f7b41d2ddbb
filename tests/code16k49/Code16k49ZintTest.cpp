// The symbols compared module for module with zint, an independent
// implementation of the same standards, and zint's symbols read by the test
// reader: agreement there checks the transcribed pattern tables, the row
// indicators and the check characters against a second source.
//
// Where the two differ, the standards leave the choice open or zint departs
// from them:
// - Code 16K subsets: EN 12323 allows any valid sequence of subset changes
//   and shifts. This encoder finds the fewest characters (ties: fewer
//   changes, then B before A before C); zint uses the Code 128 run
//   heuristics, which are sometimes one or more characters longer and
//   sometimes take a different but equally short route. Both read back to
//   the same data, and ours never needs more rows.
// - Code 49 shifted characters whose plain character is a digit (the
//   control characters 27..31 and ! " # & ' are Shift 1 + digit): zint
//   counts that digit into a following numeric run and puts the Numeric
//   Shift after the shift character, which no reader decodes as the data;
//   here a shifted character is one unit and numeric runs count only digit
//   bytes. Data with that pattern is left out of the comparison.
// - zint 2.11 Code 16K defects, where the standard leaves no choice: (1) it
//   counts the rows without the mode character, so data of 8, 13, 18 ...
//   symbol characters loses its last row and check characters; (2) after a
//   single shifted character inside subset B it emits value 100 to "return"
//   to B, which in B is FNC4 and changes the next character. Neither symbol
//   reads back; the tests below show it and leave such data out.
// - Function characters: zint takes bytes from 128 up as extended ASCII
//   (FNC4 in Code 16K, rejected in Code 49), whereas here 128..132 are the
//   function characters of the preparation. They are compared only through
//   the reader.
#include <gtest/gtest.h>
#include <zint.h>

#include "TestHelpers.h"

#include <memory>
#include <set>
#include <vector>

namespace {

using namespace stackedtest;

struct ZintDeleter {
    void operator()(zint_symbol* symbol) const { ZBarcode_Delete(symbol); }
};

// zint's code rows, or empty when zint refuses the data.
ModuleRows ZintRows(int symbology, const std::string& data) {
    std::unique_ptr<zint_symbol, ZintDeleter> symbol(ZBarcode_Create());
    symbol->symbology = symbology;
    const int result =
        ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char*>(data.data()),
                        static_cast<int>(data.size()));
    ModuleRows rows;
    if (result >= ZINT_ERROR) return rows;
    for (int row = 0; row < symbol->rows; ++row) {
        ModuleRow modules;
        for (int column = 0; column < symbol->width; ++column)
            modules.push_back(((symbol->encoded_data[row][column >> 3] >> (column & 7)) & 1) != 0);
        rows.push_back(modules);
    }
    return rows;
}

ModuleRows OurRows(int32_t code, const std::string& data) {
    const Encoded encoded = Encode(code, data);
    ModuleRows rows;
    std::string error;
    if (encoded.result == 0) ExtractCodeRows(encoded.matrix, rows, error);
    return rows;
}

// The Code 49 pattern zint reads differently from the standard (see top).
bool HasShiftedDigitBeforeDigits(const std::string& data) {
    static const std::string shiftedDigits = "\x1b\x1c\x1d\x1e\x1f!\"#&'";
    for (size_t i = 0; i + 1 < data.size(); ++i)
        if (shiftedDigits.find(data[i]) != std::string::npos && data[i + 1] >= '0' &&
            data[i + 1] <= '9')
            return true;
    return false;
}

TEST(Code49AgainstZint, PublishedExamplesAndEveryModeMatchModuleForModule) {
    const std::vector<std::string> cases = {
        "MULTIPLE ROWS IN CODE 49",
        "A",
        "1234567890",
        "12345",
        "123456",
        "1234567",
        "12345678",
        "123456789",
        "abcdefghijklmnopqrstuvw",
        "\tTAB FIRST",
        "Code 49: 12345 and $/+%",
        std::string(81, '7'),
        std::string(49, 'Z'),
        "A1B2C3D4E5F6G7H8I9J0",
        "~{}|\x7f@[]^_`",
    };
    for (const std::string& data : cases) {
        const ModuleRows zint = ZintRows(BARCODE_CODE49, data);
        ASSERT_FALSE(zint.empty()) << data;
        EXPECT_EQ(OurRows(kLibCode49, data), zint) << data;
    }
}

// Random data of printable and control characters; besides agreeing, this
// walks most of the 2 x 2401 symbol character patterns (the check
// characters spread evenly over them).
TEST(Code49AgainstZint, RandomDataMatchesModuleForModule) {
    std::string ascii;
    for (int byte = 0; byte < 128; ++byte)
        ascii += static_cast<char>(byte);
    const std::vector<std::string> alphabets = {
        "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%",
        "0123456789",
        ascii,
    };
    std::mt19937 random(49);
    std::uniform_int_distribution<size_t> length(1, 60);
    std::set<std::vector<bool>> patternsSeen;
    int compared = 0;
    for (int round = 0; round < 2500; ++round) {
        const std::string data = RandomText(
            random, alphabets[static_cast<size_t>(round) % alphabets.size()], length(random));
        if (HasShiftedDigitBeforeDigits(data)) continue;
        const ModuleRows zint = ZintRows(BARCODE_CODE49, data);
        const ModuleRows ours = OurRows(kLibCode49, data);
        if (zint.empty()) {
            EXPECT_TRUE(ours.empty()) << "zint refused what fits: " << data.size();
            continue;
        }
        ASSERT_EQ(ours, zint) << data;
        const Decoded decoded = DecodeCode49Rows(zint);
        ASSERT_TRUE(decoded.ok) << decoded.error;
        ASSERT_EQ(decoded.data, data);
        for (const ModuleRow& row : zint)
            for (size_t word = 0; word < 4; ++word)
                patternsSeen.insert(ModuleRow(row.begin() + 2 + 16 * static_cast<long>(word),
                                              row.begin() + 18 + 16 * static_cast<long>(word)));
        ++compared;
    }
    EXPECT_GT(compared, 1500);
    RecordProperty("distinct_patterns_compared", static_cast<int>(patternsSeen.size()));
    EXPECT_GT(patternsSeen.size(), 4000u);
}

TEST(Code16kAgainstZint, DataWithOneShortestEncodingMatchesModuleForModule) {
    const std::vector<std::string> cases = {
        "0123456789",
        "abcdefghijklmnopqrstuvwxyz",
        "ABCDEFG", // A and B tie; both start in B
        "\t\r\nABC",
        "A1234567",
        "AB1234",
        "Code 16K symbol",
        "Abcd-1234567890-wxyZ",
        std::string(154, '3'),
        std::string(77, 'q'),
        "1234567890123456789012",
        "abcd\t",
    };
    for (const std::string& data : cases) {
        const ModuleRows zint = ZintRows(BARCODE_CODE16K, data);
        ASSERT_FALSE(zint.empty()) << data;
        EXPECT_EQ(OurRows(kLibCode16kAuto, data), zint) << data;
    }
}

TEST(Code16kAgainstZint, ZintDefectsAreTheOnlyDisagreements) {
    struct Case {
        const char* data;
        const char* defect;
    };
    const std::vector<Case> cases = {
        {"ABCDEFGH", "8 symbol characters: last row missing"},
        {"Code 16K", "8 symbol characters: last row missing"},
        {"ab\tcd", "FNC4 emitted after a shifted character"},
    };
    for (const Case& c : cases) {
        const Decoded theirs = DecodeCode16kRows(ZintRows(BARCODE_CODE16K, c.data));
        EXPECT_FALSE(theirs.ok && theirs.data == c.data) << c.defect;
        const Decoded ours = EncodeAndDecode(kLibCode16kAuto, c.data);
        ASSERT_TRUE(ours.ok) << ours.error;
        EXPECT_EQ(ours.data, c.data);
    }
}

// zint's defects (see top), told by what they do to its symbol.
bool IsZintDefect(const ModuleRows& zint, const ModuleRows& ours, const Decoded& theirs,
                  const std::string& data) {
    // A missing last row leaves valid rows whose check characters fail.
    if (!theirs.ok) return theirs.error == "check characters do not hold" && !ours.empty();
    return theirs.data != data && theirs.data.find('\x84') != std::string::npos;
}

// The symbol characters before the pads and check characters.
size_t DataLength(const Decoded& decoded) {
    size_t end = decoded.characters.size() - 2;
    while (end > 1 && decoded.characters[end - 1] == 103)
        --end;
    return end;
}

// Any data: zint's symbol reads back to the data through the test reader
// (its row indicators and check characters agree with ours) unless it is
// one of zint's defects, and ours never has more symbol characters.
TEST(Code16kAgainstZint, RandomDataReadsTheSameAndIsNeverLonger) {
    std::string ascii;
    for (int byte = 0; byte < 128; ++byte)
        ascii += static_cast<char>(byte);
    const std::vector<std::string> alphabets = {"0123456789", "0123456789abcXYZ",
                                                "abcdefghijklmnopqrstuvwxyz \t", ascii};
    std::mt19937 random(16);
    std::uniform_int_distribution<size_t> length(1, 70);
    int same = 0;
    int differentChoice = 0;
    int zintLonger = 0;
    int zintDefective = 0;
    for (int round = 0; round < 2000; ++round) {
        const std::string data = RandomText(
            random, alphabets[static_cast<size_t>(round) % alphabets.size()], length(random));
        const ModuleRows zint = ZintRows(BARCODE_CODE16K, data);
        const ModuleRows ours = OurRows(kLibCode16kAuto, data);
        if (zint.empty()) continue;
        ASSERT_FALSE(ours.empty()) << data;
        const Decoded mine = DecodeCode16kRows(ours);
        ASSERT_TRUE(mine.ok) << mine.error;
        ASSERT_EQ(mine.data, data);
        const Decoded theirs = DecodeCode16kRows(zint);
        if (!theirs.ok || theirs.data != data) {
            ASSERT_TRUE(IsZintDefect(zint, ours, theirs, data)) << theirs.error << " " << data;
            ++zintDefective;
            continue;
        }
        ASSERT_LE(ours.size(), zint.size()) << data;
        ASSERT_LE(DataLength(mine), DataLength(theirs)) << data;
        if (ours == zint)
            ++same;
        else if (DataLength(mine) < DataLength(theirs))
            ++zintLonger;
        else
            ++differentChoice;
    }
    RecordProperty("identical", same);
    RecordProperty("zint_more_characters", zintLonger);
    RecordProperty("other_equally_tall_choice", differentChoice);
    RecordProperty("zint_defective", zintDefective);
    EXPECT_GT(same, 400);
}

} // namespace

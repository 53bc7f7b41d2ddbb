// The barcode type table: the prefix rule of the code lookup, first-match
// order, the not-found values and the cells the option predicates read.
#include "typetable/BarcodeTypeTable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

TEST(TypeTable, CodeMatchesOnlyWhenFollowedByEndOrComma) {
    struct Case {
        const char* text;
        const char* name;
    } cases[] = {
        {"128", "Code 128"},
        {"128A", "Code 128 Subset A"},
        {"128A,B=30,D=x", "Code 128 Subset A"},
        {"128,B=30", "Code 128"},
        {"128 ", "??"}, // a blank is not a terminator
        {"E13+2", "EAN13+2"},
        {"E13X", "??"},
        {"E13", "EAN13"},
        {"UPCE0+5", "UPCE0+5"},
        {"UPCE", "UPCE"},
        {"UPCE1,", "UPCE1"},
        {"dm", "??"}, // codes are case-sensitive
        {"DM", "Data Matrix"},
        {"PSN11", "ZIP Postnet 11"},
        {"I14", "ITF-14"},
        {"", "??"},
        {",", "??"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(FindTypeNameByCode(c.text), c.name) << c.text;
    EXPECT_STREQ(FindTypeNameByCode(nullptr), "??");
}

TEST(TypeTable, RowFoundByCodeCarriesIdAndBlankTrim) {
    const BarcodeTypeInfo* row = FindTypeRowByCode("128C,D=1234");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->id, 12);
    EXPECT_EQ(row->defaultBlankTrim, 3);
    row = FindTypeRowByCode("39X");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->id, 6);
    EXPECT_EQ(row->defaultBlankTrim, 0);
}

TEST(TypeTable, NameAndIdLookups) {
    EXPECT_EQ(FindTypeIdByName("ZIP Postnet 9"), 30);
    EXPECT_STREQ(FindTypeNameById(30), "ZIP Postnet");
    EXPECT_EQ(FindTypeIdByName("Data Matrix"), 46);
    EXPECT_EQ(FindTypeIdByName("Data matrix"), 0);
    EXPECT_EQ(FindTypeIdByName(""), 0);
    EXPECT_EQ(FindTypeIdByName("PDF417"), 0); // a code, not a name
    EXPECT_EQ(FindTypeIdByName(nullptr), 0);
    EXPECT_STREQ(FindTypeNameById(0), "unknown id");
    EXPECT_STREQ(FindTypeNameById(53), "unknown id");
    EXPECT_STREQ(FindTypeNameById(-1), "unknown id");
    EXPECT_STREQ(FindTypeCodeByName("QRCode"), "QR");
    EXPECT_STREQ(FindTypeCodeByName("QR Code"), "unknown");
}

TEST(TypeTable, PclFonts) {
    int plain = -1, withCheck = -1;
    ASSERT_TRUE(FindPclFontsByName("Code 93", plain, withCheck));
    EXPECT_EQ(plain, 0);
    EXPECT_EQ(withCheck, 24690);
    ASSERT_TRUE(FindPclFontsByName("HIBC", plain, withCheck));
    EXPECT_EQ(plain, 0);
    EXPECT_EQ(withCheck, 0);
    plain = withCheck = 7;
    EXPECT_FALSE(FindPclFontsByName("Code 94", plain, withCheck));
    EXPECT_EQ(plain, 7); // untouched
    EXPECT_EQ(withCheck, 7);
}

TEST(TypeTable, OptionPredicates) {
    EXPECT_TRUE(HasCheckDigitOption("Codabar"));
    EXPECT_FALSE(HasMandatoryCheckDigit("Codabar"));
    EXPECT_TRUE(HasMandatoryCheckDigit("Code 128"));
    EXPECT_FALSE(HasCheckDigitOption("Code 128"));
    EXPECT_FALSE(HasCheckDigitOption("ZIP Postnet"));
    EXPECT_FALSE(HasMandatoryCheckDigit("ZIP Postnet"));
    EXPECT_EQ(HasAnnotationOption("ZIP Postnet 5"), 0);
    EXPECT_EQ(HasAnnotationOption("EAN8+5"), 1);
    EXPECT_EQ(HasRatioOption("PDF 417"), 0);
    EXPECT_EQ(HasPdf417Options("PDF 417 Micro"), 1);
    EXPECT_EQ(HasDataMatrixOptions("Data Matrix"), 1);
    EXPECT_EQ(HasMaxiCodeOptions("Maxicode"), 1);
    EXPECT_EQ(HasFnc1Option("EAN 128 Subset C"), 1);
    EXPECT_EQ(HasFnc1Option("UCC128"), 0);
    EXPECT_EQ(HasRotationOption("nonexistent"), 0);
}

// The invariants other parts rely on: 55 rows and a terminator, unique names,
// ids 1..52 with only 30 repeated, every row rotatable.
TEST(TypeTable, TableInvariants) {
    ASSERT_EQ(TypeTableRowCount(), 56);
    const BarcodeTypeInfo& terminator = BarcodeTypeTable[55];
    EXPECT_EQ(terminator.longName, nullptr);
    EXPECT_EQ(terminator.code, nullptr);
    EXPECT_EQ(terminator.id, 0);
    std::set<std::string> names;
    std::multiset<int> ids;
    for (int i = 0; i < 55; ++i) {
        const BarcodeTypeInfo& row = BarcodeTypeTable[i];
        ASSERT_NE(row.longName, nullptr);
        ASSERT_NE(row.code, nullptr);
        EXPECT_TRUE(names.insert(row.longName).second) << row.longName;
        EXPECT_GE(row.id, 1);
        EXPECT_LE(row.id, 52);
        ids.insert(row.id);
        EXPECT_EQ(row.rotationOption, 1) << row.longName;
        // Every code finds its own row unless an earlier row carries the same id.
        EXPECT_EQ(FindTypeIdByName(FindTypeNameByCode(row.code)), row.id) << row.code;
    }
    EXPECT_EQ(ids.count(30), 4u);
    for (int id = 1; id <= 52; ++id)
        if (id != 30) {
            EXPECT_EQ(ids.count(id), 1u) << id;
        }
}

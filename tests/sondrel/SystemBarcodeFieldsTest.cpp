// The system barcode properties without a window: what the dialog shows of
// a definition and what OK stores, the unit texts both ways, the lists of
// the combos with an unknown stored unit, rotation or type, and every
// predefined definition passing the dialog's field rules unchanged.
#include "NamedCodeDefinitionTreeElement.h"
#include "PredefinedTree.h"
#include "SystemBarcodeFields.h"
#include "SystemBarcodeLists.h"
#include "ui/FieldRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> kUnitTexts = {"CM   (Centimeter)", "MM   (Millimeters)",
                                             "PT    (Point)", "TW  (Twips)"};

bool Lists(const std::vector<std::string>& items, const std::string& item) {
    return std::find(items.begin(), items.end(), item) != items.end();
}

// VBELN as a definition an SAP import might bring: Code 128 B, 4.8 cm by
// 1.2 mm, turned.
void FillDefinition(CNamedCodeDefinitionTreeElement& definition) {
    definition.SetName("VBELN");
    definition.description = "Delivery number";
    definition.sapBarcodeType = "C128_B";
    definition.width = 4.8;
    definition.widthUnit = "CM";
    definition.height = 1.2;
    definition.heightUnit = "MM";
    definition.rotation = "90";
    definition.minCharacters = 1;
    definition.maxCharacters = 10;
    definition.checkDigit = 1;
    definition.verticalAlignment = 0;
}

TEST(SystemBarcodeFields, UnitsMapBetweenSapAndTheTextsShown) {
    struct Case {
        const char* unit;
        const char* text;
    } cases[] = {
        {"CM", "CM   (Centimeter)"},
        {"MM", "MM   (Millimeters)"},
        {"PT", "PT    (Point)"},
        {"TW", "TW  (Twips)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(UnitText(c.unit), c.text);
        EXPECT_EQ(UnitOfText(c.text), c.unit);
    }
    // Case is ignored on the way in; OK then stores SAP's capitals.
    EXPECT_EQ(UnitText("mm"), "MM   (Millimeters)");
    // An unknown unit shows as it stands and stores itself again.
    for (const char* unknown : {"IN", "", "CM  ", "Centimeter"}) {
        EXPECT_EQ(UnitText(unknown), unknown);
        EXPECT_EQ(UnitOfText(unknown), unknown);
    }
}

TEST(SystemBarcodeFields, CombosListTheFixedItemsAndAnUnknownStoredValue) {
    EXPECT_EQ(UnitItems("CM   (Centimeter)"), kUnitTexts);
    EXPECT_EQ(UnitItems(""), kUnitTexts); // nothing selected, nothing added
    std::vector<std::string> withInches = kUnitTexts;
    withInches.push_back("IN");
    EXPECT_EQ(UnitItems("IN"), withInches);

    const std::vector<std::string> rotations = {"0", "90", "180", "270"};
    EXPECT_EQ(RotationItems("180"), rotations);
    EXPECT_EQ(RotationItems(""), rotations);
    std::vector<std::string> withOdd = rotations;
    withOdd.push_back("45");
    EXPECT_EQ(RotationItems("45"), withOdd);

    const std::vector<std::string> types = BarcodeTypeItems();
    EXPECT_EQ(types, (std::vector<std::string>{"2OF5", "C39", "C39X", "C93", "C128", "C128_A",
                                               "C128_B", "C128_C", "CODABAR", "EAN8", "EAN13",
                                               "UPC_A", "POSTNET", "UNDEF"}));
    for (const std::string& type : types)
        EXPECT_LE(type.size(), static_cast<size_t>(sondrel::kSapBarcodeTypeLength));
}

TEST(SystemBarcodeFields, TheDialogShowsTheDefinition) {
    CNamedCodeDefinitionTreeElement definition;
    FillDefinition(definition);
    SystemBarcodeFields fields = FieldsOf(definition);
    EXPECT_EQ(fields.name, "VBELN");
    EXPECT_EQ(fields.description, "Delivery number");
    EXPECT_EQ(fields.type, "C128_B");
    EXPECT_EQ(fields.width, 4.8);
    EXPECT_EQ(fields.widthUnit, "CM   (Centimeter)");
    EXPECT_EQ(fields.height, 1.2);
    EXPECT_EQ(fields.heightUnit, "MM   (Millimeters)");
    EXPECT_EQ(fields.rotation, "90");
    EXPECT_EQ(fields.minCharacters, 1);
    EXPECT_EQ(fields.maxCharacters, 10);
    EXPECT_EQ(fields.checkDigit, 1);
    EXPECT_EQ(fields.verticalAlignment, 0);
}

TEST(SystemBarcodeFields, OkStoresEveryFieldButTheName) {
    CNamedCodeDefinitionTreeElement definition;
    FillDefinition(definition);
    SystemBarcodeFields fields = FieldsOf(definition);
    fields.name = "CHANGED";
    fields.description = "Changed description";
    fields.type = "EAN13";
    fields.width = 12.5;
    fields.widthUnit = "PT    (Point)";
    fields.height = 0;
    fields.heightUnit = "TW  (Twips)";
    fields.rotation = "270";
    fields.minCharacters = 13;
    fields.maxCharacters = 50;
    fields.checkDigit = 0;
    fields.verticalAlignment = 1;
    CopyFieldsInto(fields, definition);
    EXPECT_EQ(definition.GetName(), "VBELN");
    EXPECT_EQ(definition.description, "Changed description");
    EXPECT_EQ(definition.sapBarcodeType, "EAN13");
    EXPECT_EQ(definition.width, 12.5);
    EXPECT_EQ(definition.widthUnit, "PT");
    EXPECT_EQ(definition.height, 0);
    EXPECT_EQ(definition.heightUnit, "TW");
    EXPECT_EQ(definition.rotation, "270");
    EXPECT_EQ(definition.minCharacters, 13);
    EXPECT_EQ(definition.maxCharacters, 50);
    EXPECT_EQ(definition.checkDigit, 0);
    EXPECT_EQ(definition.verticalAlignment, 1);
}

TEST(SystemBarcodeFields, OkWithoutAChangeKeepsEvenUnknownValues) {
    CNamedCodeDefinitionTreeElement definition;
    FillDefinition(definition);
    definition.widthUnit = "IN";
    definition.heightUnit = "";
    definition.rotation = "45";
    definition.sapBarcodeType = "QRCODE";
    CopyFieldsInto(FieldsOf(definition), definition);
    EXPECT_EQ(definition.widthUnit, "IN");
    EXPECT_EQ(definition.heightUnit, "");
    EXPECT_EQ(definition.rotation, "45");
    EXPECT_EQ(definition.sapBarcodeType, "QRCODE");
    EXPECT_EQ(definition.width, 4.8);
    EXPECT_EQ(definition.description, "Delivery number");
}

TEST(SystemBarcodeFields, ATypedTypeIsTrimmedInCapitalsAndEmptyIsUndefined) {
    struct Case {
        const char* typed;
        const char* stored;
    } cases[] = {
        {"C39", "C39"}, {" c128_a ", "C128_A"}, {"qrcode", "QRCODE"},
        {"", "UNDEF"},  {"  ", "UNDEF"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StoredBarcodeType(c.typed), c.stored) << c.typed;
}

TEST(SystemBarcodeFields, TheMinimumMayNotExceedTheMaximum) {
    SystemBarcodeFields fields;
    for (auto [minimum, maximum, accepted] :
         {std::tuple{1, 1, true}, {1, 50, true}, {10, 10, true}, {11, 10, false}, {50, 1, false}}) {
        fields.minCharacters = minimum;
        fields.maxCharacters = maximum;
        const std::string message = CheckCharacterCounts(fields);
        EXPECT_EQ(message.empty(), accepted) << minimum << " " << maximum;
        if (!accepted) {
            EXPECT_EQ(message,
                      "Please enter a minimum number of characters no larger than the maximum.");
        }
    }
}

// Opening any predefined definition and pressing OK at once must pass every
// rule of the dialog and store the definition unchanged.
TEST(SystemBarcodeFields, EveryPredefinedDefinitionPassesTheDialogUnchanged) {
    CTreeList list = BuildPredefinedTree("C=39,B=0,d=");
    ASSERT_EQ(list.Definitions().size(), static_cast<size_t>(kPredefinedDefinitionCount));
    for (const auto& definition : list.Definitions()) {
        const std::string& name = definition->GetName();
        const SystemBarcodeFields fields = FieldsOf(*definition);
        EXPECT_LE(fields.name.size(), 8u) << name;
        EXPECT_TRUE(CheckTextLength(fields.description, kSystemBarcodeDescriptionLength).accepted)
            << name;
        EXPECT_TRUE(Lists(BarcodeTypeItems(), fields.type)) << name << ": " << fields.type;
        EXPECT_TRUE(Lists(kUnitTexts, fields.widthUnit)) << name;
        EXPECT_TRUE(Lists(kUnitTexts, fields.heightUnit)) << name;
        EXPECT_EQ(RotationItems(fields.rotation).size(), 4u) << name << ": " << fields.rotation;
        for (double size : {fields.width, fields.height}) {
            double read = -1;
            EXPECT_TRUE(CheckRealField(FormatReal(size).c_str(), kSystemBarcodeSizeMinimum,
                                       kSystemBarcodeSizeMaximum, read)
                            .accepted)
                << name << ": " << size;
            EXPECT_EQ(read, size) << name;
        }
        for (int count : {fields.minCharacters, fields.maxCharacters}) {
            int read = -1;
            EXPECT_TRUE(CheckIntegerField(std::to_string(count).c_str(),
                                          kSystemBarcodeCharactersMinimum,
                                          kSystemBarcodeCharactersMaximum, read)
                            .accepted)
                << name << ": " << count;
        }
        EXPECT_TRUE(CheckCharacterCounts(fields).empty()) << name;

        CNamedCodeDefinitionTreeElement copy;
        copy.SetName(name);
        CopyFieldsInto(fields, copy);
        EXPECT_EQ(copy.description, definition->description) << name;
        EXPECT_EQ(copy.sapBarcodeType, definition->sapBarcodeType) << name;
        EXPECT_EQ(copy.width, definition->width) << name;
        EXPECT_EQ(copy.widthUnit, definition->widthUnit) << name;
        EXPECT_EQ(copy.height, definition->height) << name;
        EXPECT_EQ(copy.heightUnit, definition->heightUnit) << name;
        EXPECT_EQ(copy.rotation, definition->rotation) << name;
        EXPECT_EQ(copy.minCharacters, definition->minCharacters) << name;
        EXPECT_EQ(copy.maxCharacters, definition->maxCharacters) << name;
    }
    // The first one, as the GUI test meets it.
    const SystemBarcodeFields first = FieldsOf(*list.Definitions()[0]);
    EXPECT_EQ(first.name, "VBELN");
    EXPECT_EQ(first.description, "Delivery number");
    EXPECT_EQ(FormatReal(first.width), "4.8");
    EXPECT_EQ(FormatReal(first.height), "1.2");
    EXPECT_EQ(first.widthUnit, "CM   (Centimeter)");
    EXPECT_EQ(first.type, "UNDEF");
    EXPECT_EQ(first.rotation, "0");
    EXPECT_EQ(first.minCharacters, 1);
    EXPECT_EQ(first.maxCharacters, 10);
}

} // namespace

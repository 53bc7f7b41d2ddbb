// The tree the program starts with: the predefined definitions,
// configurations and named codes from the catalog, and every predefined
// command drawn by the DLL through its exports and read back by the test
// dialog unchanged.
#include "FakeTreeView.h"

#include "PredefinedTree.h"
#include "TestSettings.h"
#include "TreeImages.h"
#include "barcode.h"
#include "rasterdc.h"
#include "typetable/BarcodeTypeTable.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <set>
#include <string>

namespace {

constexpr char kDialogCommand[] = "C=25I,B=0,H=20,KB=3,S1=6,Z=0010000,d=";

// The catalog has every text: a missing one would read "(201-n)".
void ExpectCatalogText(const std::string& text, const std::string& what) {
    EXPECT_FALSE(text.empty()) << what;
    EXPECT_EQ(text.find("(201-"), std::string::npos) << what << ": " << text;
}

void ExpectValidName(const CTreeElement& node) {
    std::string reason;
    EXPECT_TRUE(node.ValidateName(node.GetName(), reason)) << node.GetName() << ": " << reason;
}

TEST(PredefinedTreeTest, DefinitionsFollowTheTable) {
    CTreeList list = BuildPredefinedTree(kDialogCommand);
    ASSERT_EQ(list.Definitions().size(), 36u);
    std::set<std::string> names;
    for (const auto& definition : list.Definitions()) {
        ExpectCatalogText(definition->GetName(), "definition name");
        ExpectCatalogText(definition->description, definition->GetName());
        EXPECT_LE(definition->description.size(), 30u) << definition->GetName();
        ExpectValidName(*definition);
        names.insert(definition->GetName());
        EXPECT_EQ(definition->widthUnit, "CM");
        EXPECT_EQ(definition->heightUnit, "CM");
        EXPECT_LE(definition->minCharacters, definition->maxCharacters);
        EXPECT_EQ(definition->GetImage(), kDefinitionImage);
        EXPECT_FALSE(definition->IsModified());
    }
    EXPECT_EQ(names.size(), 36u);
    // The rows where the table turns a symbol and changes its type.
    EXPECT_EQ(list.Definitions()[17]->sapBarcodeType, "POSTNET");
    EXPECT_EQ(list.Definitions()[27]->rotation, "90");
}

TEST(PredefinedTreeTest, ThreeConfigurationsWithTheirNamedCodes) {
    CTreeList list = BuildPredefinedTree(kDialogCommand);
    ASSERT_EQ(list.Configurations().size(), 3u);
    const CConfigTreeElement& editable = *list.Configurations()[0];
    const CConfigTreeElement& defaults = *list.Configurations()[1];
    const CConfigTreeElement& predefined = *list.Configurations()[2];
    EXPECT_EQ(list.GetCurrentConfiguration(), &editable);
    EXPECT_EQ(defaults.GetName(), "Default Values");
    EXPECT_EQ(predefined.GetName(), "Predefined");
    ExpectValidName(editable); // it can be exported as it is
    EXPECT_FALSE(editable.IsReadOnly());
    EXPECT_TRUE(defaults.IsReadOnly());
    EXPECT_TRUE(predefined.IsReadOnly());
    EXPECT_TRUE(editable.IsMarkedForExport());
    for (const auto& config : list.Configurations()) {
        EXPECT_FALSE(config->IsImported());
        EXPECT_FALSE(config->IsModified());
    }
    ASSERT_EQ(defaults.NamedCodes().size(), 1u);
    EXPECT_EQ(defaults.NamedCodes()[0]->GetCurrentCommand(), kDialogCommand);
    EXPECT_TRUE(defaults.NamedCodes()[0]->IsReadOnly());

    ASSERT_EQ(editable.NamedCodes().size(), 26u);
    ASSERT_EQ(predefined.NamedCodes().size(), 26u);
    std::set<std::string> names, printControls;
    for (size_t k = 0; k < 26; ++k) {
        const CNamedCodeTreeElement& code = *editable.NamedCodes()[k];
        const CNamedCodeTreeElement& twin = *predefined.NamedCodes()[k];
        ExpectCatalogText(code.GetName(), "named code " + std::to_string(k));
        ExpectCatalogText(code.GetPrintControlName(), code.GetName());
        ExpectCatalogText(code.GetPrintControlKind(), code.GetName());
        ExpectValidName(code);
        EXPECT_LE(code.GetPrintControlName().size(), 5u) << code.GetName();
        EXPECT_EQ(code.GetImage(), kNamedCodeImage);
        EXPECT_FALSE(code.IsReadOnly());
        EXPECT_TRUE(twin.IsReadOnly());
        EXPECT_EQ(twin.GetName(), code.GetName());
        EXPECT_EQ(twin.GetCurrentCommand(), code.GetCurrentCommand());
        names.insert(code.GetName());
        printControls.insert(code.GetPrintControlName());
    }
    EXPECT_EQ(names.size(), 26u);
    EXPECT_EQ(printControls.size(), 26u);
}

TEST(PredefinedTreeTest, NamedCodeEntriesCoverTheirRangesOnce) {
    std::set<int> used;
    for (int k = 0; k < kPredefinedNamedCodeCount; ++k) {
        PredefinedNamedCodeTexts texts = PredefinedNamedCodeEntries(k);
        used.insert({texts.name, texts.printControlName, texts.command});
    }
    std::set<int> expected = {193, 194, 195, 196, 197, 198};
    for (int n = 117; n <= 188; ++n)
        expected.insert(n);
    EXPECT_EQ(used, expected);
}

TEST(PredefinedTreeTest, AFailedImportBuildsNoTree) {
    CTreeList list = BuildPredefinedTree(kDialogCommand);
    treetest::FakeTreeView view;
    // The stand-in import never looks at the connection record, whose type
    // only the SAP side completes.
    alignas(std::max_align_t) unsigned char record[256] = {};
    auto& connection = *reinterpret_cast<SapConnection*>(record);
    EXPECT_FALSE(BuildImportedTree(list, view, connection, kDialogCommand));
    EXPECT_EQ(list.Configurations().size(), 3u);
    EXPECT_EQ(list.Configurations()[0]->GetName(), "ZBARCODE");
}

// Data the print stream would bring for each type of the predefined codes.
struct TestDataRow {
    const char* code;
    const char* data;
};
constexpr TestDataRow kTestData[] = {
    {"25L", "1234567890"},
    {"25I", "12345"},
    {"I14", "1234567890123"},
    {"39", "SONDREL-39"},
    {"39X", "Sondrel-39"},
    {"93", "SONDREL-93"},
    {"93X", "Sondrel-93"},
    {"CODA", "A1234B"},
    {"MSI", "1234567"},
    {"128", "Sondrel 128"},
    {"128C", "12345678"},
    {"E128", "00123456789012345675"}, // application identifier 00, an SSCC
    {"E13", "400638133393"},
    {"E13+5", "97838621561045099"},
    {"E8", "9638507"},
    {"UPCA", "03600029145"},
    {"UPCE+2", "0120000034512"}, // the UPC-A form of the number, then the add-on
    {"ZIP", "123456789"},
    {"PDF417", "Sondrel PDF417"},
    {"PDF417M", "Sondrel"},
    {"DM", "Sondrel Data Matrix"},
    {"QR", "https://example.com/sondrel"},
    {"MC", "12345 6789 840 002 Sondrel MaxiCode"}, // the carrier's primary message first
    {"C16K", "Sondrel 16K"},
    {"C49", "SONDREL 49"},
    {"G13", "1234567890123"},
};

// The short code after "C=" up to the next comma.
std::string TypeCodeOf(const std::string& command) {
    size_t start = command.find("C=");
    if (start == std::string::npos) return "";
    start += 2;
    return command.substr(start, command.find(',', start) - start);
}

std::string TestDataFor(const std::string& code) {
    for (const TestDataRow& row : kTestData)
        if (code == row.code) return row.data;
    return "";
}

// "" when the DLL drew the command, else its error text.
std::string Print(HDC page, const std::string& command) {
    BarcodeRequest request{};
    request.structVersion = 3;
    request.posX = 150;
    request.posY = 600;
    request.command = command.c_str();
    request.commandLength = static_cast<int32_t>(command.size());
    if (BarcodePrint(page, &request) == 1) return "";
    return request.errorText != nullptr && request.errorText[0] != '\0' ? request.errorText
                                                                        : "(no error text)";
}

TEST(PredefinedTreeTest, EveryPredefinedCommandPrintsAndSurvivesTheTestDialog) {
    CTreeList list = BuildPredefinedTree(kDialogCommand);
    HDC page = CreateRasterPrinterDC(2400, 3300, 300, 300);
    ASSERT_NE(page, nullptr);
    std::set<std::string> types;
    for (const auto& config : list.Configurations())
        for (const CNamedCodeTreeElement* code : config->NamedCodes()) {
            const std::string& command = code->GetCurrentCommand();
            const std::string type = TypeCodeOf(command);
            const std::string data = TestDataFor(type);
            ASSERT_FALSE(data.empty()) << code->GetName() << ": no test data for " << type;
            EXPECT_EQ(command.substr(command.size() - 2), "d=") << code->GetName();
            EXPECT_EQ(Print(page, command + data), "") << code->GetName() << ": " << command;
            types.insert(type);
            // Selecting the named code loads it into the test dialog, whose
            // refresh stores its own command back: the same text, so that
            // just looking at a predefined code does not modify it.
            TestSettings s;
            ApplyFactoryDefaults(s);
            ASSERT_TRUE(LoadFromCommandString(s, command.c_str())) << command;
            EXPECT_EQ(BuildCommandString(s, nullptr), command) << code->GetName();
        }
    DeleteDC(page);
    // Every family the DLL prints has a predefined named code.
    for (const char* family : {"25L", "25I", "39", "93", "CODA", "MSI", "128", "E128", "E13+5",
                               "UPCE+2", "ZIP", "PDF417", "DM", "QR", "MC", "C16K", "C49"})
        EXPECT_TRUE(types.count(family)) << family;
}

} // namespace

// The SAP import and export of the configuration tree against the RFC
// stand-in and copies of the sample system tests/sap-systems/sapt01: the
// print control values, the device type list, a device type imported into a
// shown configuration, cancelling, a missing table, new device types, values
// SAP cannot hold, and a round trip through the system's files.
#include "FakeTreeView.h"

#include "LibrarySearch.h"
#include "PredefinedTree.h"
#include "PrintControlValue.h"
#include "RfcBinding.h"
#include "SapExport.h"
#include "SapImport.h"
#include "SapSide.h"
#include "SapText.h"
#include "SapUserInterface.h"
#include "ScratchDirectory.h"
#include "catalog/Translate.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>

namespace fs = std::filesystem;
using treetest::FakeTreeView;

namespace {

// The user as a script: the device types to take in turn (then Cancel), the
// answer to the export's question, and a record of all that was shown
// (written to standard error too when SAP_TEST_SHOW_MESSAGES is set).
class ScriptedUi : public SapUserInterface {
  public:
    struct Message {
        std::string text, caption;
        SapIcon icon;
    };

    std::string ChooseDeviceType(const std::vector<std::string>& names) override {
        lists.push_back(names);
        if (beforeChoice) beforeChoice(static_cast<int>(lists.size()));
        if (choices.empty()) return {};
        std::string chosen = choices.front();
        choices.erase(choices.begin());
        return chosen;
    }
    void ShowMessage(const std::string& text, const std::string& caption, SapIcon icon) override {
        messages.push_back({text, caption, icon});
        if (std::getenv("SAP_TEST_SHOW_MESSAGES"))
            std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
    }

    bool AskYesNo(const std::string& text, const std::string& caption) override {
        questions.push_back(text);
        if (std::getenv("SAP_TEST_SHOW_MESSAGES"))
            std::fprintf(stderr, "[%s?] %s\n", caption.c_str(), text.c_str());
        return answerYes;
    }
    void ShowRfcError(const std::string& text, const std::string&) override {
        rfcErrors.push_back(text);
    }

    bool Showed(const std::string& text) const {
        for (const Message& message : messages)
            if (message.text == text) return true;
        return false;
    }

    std::vector<std::string> choices;
    std::function<void(int)> beforeChoice; // called with the number of the showing
    bool answerYes = true;
    std::vector<std::vector<std::string>> lists;
    std::vector<Message> messages;
    std::vector<std::string> questions, rfcErrors;
};

std::string Text(int module, int entry) {
    return GetText(module, entry, false);
}

class SapImportExport : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        library_ = LoadLibraryA(RFC_STANDIN_LIBRARY);
        ASSERT_TRUE(IsLoadedModule(library_));
        ASSERT_TRUE(BindRfcEntries(library_, rfc_));
    }

    void SetUp() override {
        ASSERT_TRUE(rfc_.open != nullptr);
        fs::copy(SAP_SYSTEMS_DIR, scratch_.Path(), fs::copy_options::recursive);
        setenv("RFC_STANDIN_ROOT", scratch_.Path().c_str(), 1);
        connection_.hostName = "sapt01";
        connection_.client = "100";
        connection_.user = "DEVELOPER";
        connection_.password = "init1234";
    }

    fs::path System() const { return fs::path(scratch_.Path()) / "sapt01"; }
    std::string TableFile(const std::string& table) const {
        return testsupport::ReadWholeFile((System() / (table + ".tbl")).string());
    }

    // A configuration shown at the top level of view, of list.
    CConfigTreeElement* ShownConfiguration(CTreeList& list, FakeTreeView& view) {
        auto config = std::make_unique<CConfigTreeElement>();
        config->SetName("Imported");
        config->SetNewOrNameChanged(false);
        CConfigTreeElement* added = list.AddConfiguration(std::move(config));
        added->InsertIntoTree(view, kNoItem);
        return added;
    }

    bool Import(CConfigTreeElement& config, CTreeList& list, FakeTreeView& view) {
        return config.ImportFromSap(view, config.GetTreeItem(), connection_, list);
    }

    static HMODULE library_;
    static RfcEntries rfc_;
    testsupport::ScratchDirectory scratch_{"sap-import-export"};
    SapConnection connection_;
    ScriptedUi ui_;
};

HMODULE SapImportExport::library_ = nullptr;
RfcEntries SapImportExport::rfc_;

TEST(PrintControlValueTest, HexPairsAndKindsGiveTheCommand) {
    EXPECT_EQ(DecodeHexValue("6225433D3339"), "b%C=39");
    EXPECT_EQ(DecodeHexValue("62254"), "b%");                 // a last single character is dropped
    EXPECT_EQ(DecodeHexValue("!!0z"), std::string("\0#", 2)); // others 0, "z" counts 35
    EXPECT_EQ(CommandFromPrintControl("5", "X", "6225433D3339"), "C=39");
    EXPECT_EQ(CommandFromPrintControl("1", "", "\\eb%C=39"), "C=39");
    EXPECT_EQ(CommandFromPrintControl("2", "", "\\eb%C=39"), std::nullopt);
    EXPECT_EQ(CommandFromPrintControl("1", "", "b%C=39"), std::nullopt); // no escape
    EXPECT_EQ(CommandFromPrintControl("5", "", "bC=39"), "C=39");
    EXPECT_EQ(CommandFromPrintControl("5", "", "b"), "");
    EXPECT_EQ(CommandFromPrintControl("5", "", "\\e(s12H"), std::nullopt);
    EXPECT_EQ(CommandFromPrintControl("5", "X", "7"), std::nullopt);  // nothing left
    EXPECT_EQ(CommandFromPrintControl("5", "X", "62433D!!33"), "C="); // a zero byte ends it
}

TEST(SapExportLinesTest, NamedCodeLinesDoubleApostrophes) {
    CNamedCodeTreeElement code;
    code.SetName("QUOTE");
    code.SetSavedCommand("C=39,d='x'");
    SapExportLines lines;
    int index = 4;
    code.AppendSapLines(lines, index);
    code.SetPrintControlName("SBP09");
    code.AppendSapLines(lines, index);
    EXPECT_EQ(lines, (SapExportLines{"PRCTL 4 QUOTE 5 ' '", "VALUE 'b%C=39,d=''x'''",
                                     "PRCTL 5 SBP09 5 ' '", "VALUE 'b%C=39,d=''x'''"}));
    EXPECT_EQ(index, 6);
}

// What the export counts and sends of the predefined tree: a change in
// "Default Values" (which follows the test dialog and is never sent) changes
// neither; a name SAP cannot take is reported.
TEST(SapExportSelectionTest, OnlyConfigurationsTheExportSendsCount) {
    CTreeList list = BuildPredefinedTree("C=39,d=");
    CConfigTreeElement* editable = list.Configurations()[0].get();
    list.Configurations()[1]->NamedCodes().front()->SetCurrentCommand("C=128,d=");
    EXPECT_EQ(ConfigurationsToExport(list), std::vector<CConfigTreeElement*>{editable});
    SapChangeCounts counts = CountSapChanges(list);
    EXPECT_FALSE(counts.changedNotImported);
    EXPECT_EQ(counts.importedConfigurations, 0);
    EXPECT_TRUE(counts.invalidNames.empty());

    editable->NamedCodes()[0]->SetName("A'B");
    counts = CountSapChanges(list);
    EXPECT_TRUE(counts.changedNotImported);
    EXPECT_EQ(counts.invalidNames, std::vector<std::string>{"A'B"});
    EXPECT_EQ(ExportQuestion(counts), FormatSapText(Text(201, 12).c_str(), 0, "s", 0, "s") +
                                          Text(201, 13) + Text(201, 190));
}

TEST_F(SapImportExport, ImportsTheChosenDeviceTypeIntoTheShownConfiguration) {
    CSapSide side(rfc_, ui_);
    CTreeList list;
    FakeTreeView view;
    CConfigTreeElement* config = ShownConfiguration(list, view);
    ui_.choices = {"ZSWIN_A"};
    ASSERT_TRUE(Import(*config, list, view)) << connection_.lastError;

    // The list in its order, shown again after the device type.
    ASSERT_EQ(ui_.lists.size(), 2u);
    EXPECT_EQ(ui_.lists[0], (std::vector<std::string>{"SAPWIN", "ZSWIN_A", "HPLJ4"}));
    EXPECT_TRUE(ui_.Showed(FormatSapText(Text(202, 30).c_str(), "ZSWIN_A", 2)));

    EXPECT_EQ(config->GetName(), "ZSWIN_A");
    EXPECT_TRUE(config->IsImported());
    EXPECT_TRUE(config->HasDeviceTypeInSap());
    EXPECT_FALSE(config->IsModified());
    EXPECT_EQ(config->GetDeviceTypeText(), "SAPWIN with the barcode DLL");
    EXPECT_EQ(view.At(config->GetTreeItem()).text, "ZSWIN_A");
    // Two barcodes by their assignments, ZQR01 unused by any; the "off"
    // control SBS01 and the printer sequence SF001 give none.
    EXPECT_EQ(view.TextsBelow(config->GetTreeItem()),
              (std::vector<std::string>{"ZBC39", "ZBC128", "ZQR01"}));
    CNamedCodeTreeElement* code39 = config->FindNamedCode("ZBC39");
    ASSERT_NE(code39, nullptr);
    EXPECT_EQ(code39->GetCurrentCommand(), "C=39"); // from the hex value
    EXPECT_EQ(code39->GetPrintControlName(), "SBP01");
    EXPECT_EQ(code39->GetPrintControlKind(), "SBS01");
    EXPECT_TRUE(code39->IsImported());
    EXPECT_FALSE(code39->IsModified());
    CNamedCodeTreeElement* qr = config->FindNamedCode("ZQR01");
    ASSERT_NE(qr, nullptr);
    EXPECT_EQ(qr->GetCurrentCommand(), "C=QR,B=0,H=10,KB=3,S1=8,R=0,d=");
    EXPECT_EQ(qr->GetPrintControlName(), "");

    // The system barcodes, each field as SAP writes it.
    ASSERT_EQ(list.Definitions().size(), 3u);
    const CNamedCodeDefinitionTreeElement* c39 = list.FindDefinition("ZBC39");
    ASSERT_NE(c39, nullptr);
    EXPECT_EQ(c39->description, "Code 39, ratio 3.0");
    EXPECT_EQ(c39->minCharacters, 1);
    EXPECT_EQ(c39->maxCharacters, 30);
    EXPECT_DOUBLE_EQ(c39->width, 60.0);
    EXPECT_DOUBLE_EQ(c39->height, 20.0);
    EXPECT_EQ(c39->widthUnit, "MM");
    EXPECT_EQ(c39->sapBarcodeType, "C39");
    EXPECT_EQ(c39->checkDigit, 0);
    EXPECT_EQ(list.FindDefinition("ZBC128")->checkDigit, 1);
    const CNamedCodeDefinitionTreeElement* qrCode = list.FindDefinition("ZBQR");
    EXPECT_EQ(qrCode->verticalAlignment, 1);
    EXPECT_EQ(qrCode->rotation, "090");
    EXPECT_TRUE(ui_.rfcErrors.empty());
}

TEST_F(SapImportExport, CancellingTheListAtOnceChangesNothing) {
    CSapSide side(rfc_, ui_);
    CTreeList list;
    FakeTreeView view;
    CConfigTreeElement* config = ShownConfiguration(list, view);
    EXPECT_FALSE(Import(*config, list, view));
    EXPECT_EQ(ui_.lists.size(), 1u);
    EXPECT_EQ(config->GetName(), "Imported");
    EXPECT_FALSE(config->IsImported());
    EXPECT_TRUE(config->NamedCodes().empty());
    EXPECT_TRUE(list.Definitions().empty());
    EXPECT_EQ(view.Count(), 1u);
    EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(SapImportExport, AMissingTableFailsAndKeepsWhatCameBefore) {
    CSapSide side(rfc_, ui_);
    CTreeList list;
    FakeTreeView view;
    CConfigTreeElement* config = ShownConfiguration(list, view);
    // HPLJ4 first: its print control is a printer sequence of kind 1.
    ui_.choices = {"HPLJ4", "ZSWIN_A"};
    ui_.beforeChoice = [&](int showing) {
        if (showing == 2) fs::remove(System() / "ZBC_PRCTL.tbl");
    };
    EXPECT_FALSE(Import(*config, list, view));
    EXPECT_FALSE(connection_.lastError.empty());
    EXPECT_EQ(ui_.lists.size(), 2u); // not shown again after the failure
    EXPECT_EQ(config->GetName(), "HPLJ4");
    EXPECT_EQ(view.TextsBelow(config->GetTreeItem()), (std::vector<std::string>{"ZBC39"}));
    EXPECT_EQ(config->FindNamedCode("ZBC39")->GetCurrentCommand(), "C=39");
    EXPECT_EQ(config->FindNamedCode("ZBC128"), nullptr);
}

// Values the system holds in odd shapes: a value field wider than SAP's 80
// characters, hex values of odd length or with other characters, bytes
// outside ASCII. Each is cut or decoded by the rules, none overflows, and an
// export of what SAP cannot hold is refused with its message.
TEST_F(SapImportExport, OddValuesAreCutOrRefused) {
    const std::string longValue = "b%C=39," + std::string(100, 'x');
    testsupport::WriteWholeFile((System() / "ZBC_PRCTL.tbl").string(),
                                "TYP/C/8 | PRCTL/C/40 | KIND/C/1 | HEX/C/1 | DAT/C/120\n"
                                "ZSWIN_A | SBP01 | 5 | X | 6225433D33390\n"
                                "ZSWIN_A | SBP02 | 5 |   | " +
                                    longValue +
                                    "\n"
                                    "ZSWIN_A | ZODDHEX | 5 | X | 62433D3G\n"
                                    "ZSWIN_A | ZUML | 5 |   | b%C=39,d=\xC4\n"
                                    "ZSWIN_A | Z" +
                                    std::string(39, 'L') + " | 5 |   | bC=39\n");
    CSapSide side(rfc_, ui_);
    CTreeList list;
    FakeTreeView view;
    CConfigTreeElement* config = ShownConfiguration(list, view);
    ui_.choices = {"ZSWIN_A"};
    ASSERT_TRUE(Import(*config, list, view)) << connection_.lastError;
    EXPECT_EQ(config->FindNamedCode("ZBC39")->GetCurrentCommand(), "C=39");
    EXPECT_EQ(config->FindNamedCode("ZBC128")->GetCurrentCommand(), longValue.substr(2, 78));
    EXPECT_EQ(config->FindNamedCode("ZODDHEX")->GetCurrentCommand(), "C=@"); // "3G": 3 * 16 + 16
    EXPECT_EQ(config->FindNamedCode("ZUML")->GetCurrentCommand(), "C=39,d=\xC4");
    EXPECT_NE(config->FindNamedCode("Z" + std::string(29, 'L')), nullptr); // cut to 30

    config->FindNamedCode("ZODDHEX")->SetCurrentCommand("C=39,d=");
    const std::string controlsBefore = TableFile("ZBC_PRCTL");
    EXPECT_FALSE(side.Export(connection_, list, view));
    EXPECT_TRUE(ui_.Showed(FormatSapText(Text(202, 44).c_str(), "ZUML", "ZSWIN_A")));
    EXPECT_EQ(TableFile("ZBC_PRCTL"), controlsBefore);
}

// The tree of an SAP import at start (item kNoItem) on the installed side.
TEST_F(SapImportExport, TheStartTreeTakesTheImport) {
    CSapSide side(rfc_, ui_);
    CTreeList list;
    FakeTreeView view;
    ui_.choices = {"ZSWIN_A"};
    ASSERT_TRUE(BuildImportedTree(list, view, connection_, "C=39,d="));
    ASSERT_EQ(list.Configurations().size(), 3u);
    EXPECT_EQ(list.GetCurrentConfiguration()->GetName(), "ZSWIN_A");
    EXPECT_EQ(list.GetCurrentConfiguration()->NamedCodes().size(), 3u);
    EXPECT_EQ(view.Count(), 0u);
    EXPECT_EQ(list.Definitions().size(), 3u);
}

// The predefined tree with its editable configuration renamed and one of
// its named codes changed.
CTreeList ChangedPredefinedTree(const std::string& name) {
    CTreeList list = BuildPredefinedTree("C=39,d=");
    CConfigTreeElement* editable = list.Configurations().front().get();
    editable->SetName(name);
    editable->NamedCodes().front()->SetCurrentCommand("C=39,H=33,d=");
    return list;
}

TEST_F(SapImportExport, ANewDeviceTypeNeedsACustomerName) {
    const std::string controlsBefore = TableFile("ZBC_PRCTL");
    CSapSide side(rfc_, ui_);
    FakeTreeView view;
    CTreeList list = ChangedPredefinedTree("TEST");
    EXPECT_FALSE(side.Export(connection_, list, view));
    ASSERT_EQ(ui_.questions.size(), 1u);
    EXPECT_NE(ui_.questions[0].find(Text(201, 13)), std::string::npos);
    EXPECT_TRUE(ui_.Showed(FormatSapText(Text(202, 36).c_str(), "TEST")));
    EXPECT_EQ(TableFile("ZBC_PRCTL"), controlsBefore);
    EXPECT_FALSE(list.Configurations().front()->IsImported());
}

TEST_F(SapImportExport, AConfigurationNotFromSapIsSentAsANewDeviceType) {
    CSapSide side(rfc_, ui_);
    FakeTreeView view;
    CTreeList list = ChangedPredefinedTree("ZTEST");
    ASSERT_TRUE(side.Export(connection_, list, view)) << connection_.lastError;
    EXPECT_TRUE(ui_.Showed(FormatSapText(Text(201, 17).c_str(), 1, "")));
    CConfigTreeElement* exported = list.Configurations().front().get();
    EXPECT_TRUE(exported->IsImported());
    EXPECT_TRUE(exported->HasDeviceTypeInSap());
    EXPECT_EQ(exported->GetDeviceTypeText(), Text(202, 31));

    const std::string deviceTypes = TableFile("ZBC_DEVTYPES");
    EXPECT_NE(deviceTypes.find("ZTEST"), std::string::npos);
    EXPECT_NE(deviceTypes.find(Text(202, 31)), std::string::npos);
    const std::string controls = TableFile("ZBC_PRCTL");
    EXPECT_NE(controls.find("b%C=39,H=33,d="), std::string::npos);
    // The new type took SAPWIN's assignments, and its "off" control exists.
    EXPECT_NE(TableFile("ZBC_PRTBARC").find("ZTEST"), std::string::npos);
    CTreeList fresh;
    FakeTreeView freshView;
    CConfigTreeElement* again = ShownConfiguration(fresh, freshView);
    ui_.choices = {"ZTEST"};
    ASSERT_TRUE(Import(*again, fresh, freshView)) << connection_.lastError;
    EXPECT_EQ(again->NamedCodes().size(), 26u);
}

TEST_F(SapImportExport, ValuesSapCannotHoldAreRefusedBeforeAnythingIsSent) {
    const std::string controlsBefore = TableFile("ZBC_PRCTL");
    CSapSide side(rfc_, ui_);
    FakeTreeView view;
    CTreeList list = ChangedPredefinedTree("ZTEST");
    CNamedCodeTreeElement* code = list.Configurations().front()->NamedCodes()[1];
    code->SetCurrentCommand("C=39,d=" + std::string(80, 'x'));
    EXPECT_FALSE(side.Export(connection_, list, view));
    EXPECT_TRUE(
        ui_.Showed(FormatSapText(Text(202, 43).c_str(), code->GetName().c_str(), "ZTEST", 78)));
    code->SetCurrentCommand("C=39,d=\xE4\x1B");
    EXPECT_FALSE(side.Export(connection_, list, view));
    EXPECT_TRUE(ui_.Showed(FormatSapText(Text(202, 44).c_str(), code->GetName().c_str(), "ZTEST")));
    // A name SAP refuses stops the whole write: no line reaches the tables.
    code->SetCurrentCommand("C=39,d=");
    code->SetPrintControlName("A-B");
    EXPECT_FALSE(side.Export(connection_, list, view));
    EXPECT_EQ(ui_.messages.back().icon, SapIcon::Stop);
    EXPECT_EQ(ui_.messages.back().text.rfind(Text(201, 18) + Text(201, 19), 0), 0u)
        << ui_.messages.back().text;
    EXPECT_EQ(TableFile("ZBC_PRCTL"), controlsBefore);
    EXPECT_EQ(TableFile("ZBC_DEVTYPES").find("ZTEST"), std::string::npos);
    EXPECT_FALSE(list.Configurations().front()->IsImported());
}

TEST_F(SapImportExport, RoundTripThroughTheSystem) {
    CTreeList list;
    FakeTreeView view;
    {
        CSapSide side(rfc_, ui_);
        CConfigTreeElement* config = ShownConfiguration(list, view);
        ui_.choices = {"ZSWIN_A"};
        ASSERT_TRUE(Import(*config, list, view)) << connection_.lastError;
        config->FindNamedCode("ZBC39")->SetCurrentCommand("C=39,H=25,d='1'");
        config->RemoveChild(config->FindNamedCode("ZQR01"));
        ASSERT_TRUE(side.Export(connection_, list, view)) << connection_.lastError;
        ASSERT_EQ(ui_.questions.size(), 1u);
        EXPECT_EQ(ui_.questions[0], FormatSapText(Text(201, 12).c_str(), 1, "", 1, "") +
                                        FormatSapText(Text(201, 15).c_str(), "    ", 1) +
                                        FormatSapText(Text(201, 16).c_str(), "    ", 1) +
                                        Text(201, 190));
    }
    const std::string controls = TableFile("ZBC_PRCTL");
    EXPECT_NE(controls.find("b%C=39,H=25,d='1'"), std::string::npos) << controls;
    EXPECT_EQ(controls.find("ZQR01"), std::string::npos);
    EXPECT_NE(controls.find("SBS01"), std::string::npos); // the "off" control stays
    EXPECT_NE(controls.find("SF001"), std::string::npos); // kind 1 is not cleared

    CSapSide side(rfc_, ui_);
    CTreeList fresh;
    FakeTreeView freshView;
    CConfigTreeElement* again = ShownConfiguration(fresh, freshView);
    ui_.choices = {"ZSWIN_A"};
    ASSERT_TRUE(Import(*again, fresh, freshView)) << connection_.lastError;
    ASSERT_NE(again->FindNamedCode("ZBC39"), nullptr);
    EXPECT_EQ(again->FindNamedCode("ZBC39")->GetSavedCommand(), "C=39,H=25,d='1'");
    EXPECT_FALSE(again->FindNamedCode("ZBC39")->IsModified());
    EXPECT_EQ(again->FindNamedCode("ZQR01"), nullptr);
}

} // namespace

// Sondrel's RFC layer against the stand-in and a copy of the sample system:
// what each operation answers, what it leaves in the connection record and
// the log, and what the simulated system's files hold afterwards.
#include "LibrarySearch.h"
#include "RfcSession.h"
#include "SapGenericTable.h"
#include "SapOperations.h"
#include "SapSettings.h"
#include "SapUserInterface.h"
#include "ScratchDirectory.h"
#include "TestLog.h"
#include "catalog/Translate.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

// Records what the layer shows; the layer asks no questions.
class RecordingInterface : public SapUserInterface {
  public:
    std::string ChooseDeviceType(const std::vector<std::string>&) override { return {}; }
    void ShowMessage(const std::string&, const std::string&, SapIcon) override {}
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
    void ShowRfcError(const std::string& text, const std::string&) override {
        rfcErrors.push_back(text);
    }
    std::vector<std::string> rfcErrors;
};

std::string FileText(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

class SapRfcLayer : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        HMODULE library = LoadLibraryA(RFC_STANDIN_LIBRARY);
        ASSERT_TRUE(IsLoadedModule(library));
        ASSERT_TRUE(BindRfcEntries(library, rfc_));
    }

    void SetUp() override {
        fs::copy(SAP_SYSTEMS_DIR, scratch_.Path(), fs::copy_options::recursive);
        setenv("RFC_STANDIN_ROOT", scratch_.Path().c_str(), 1);
        connection_.hostName = "sapt01";
        connection_.client = "100";
        connection_.user = "DEVELOPER";
        connection_.password = "init1234";
    }

    fs::path System() const { return fs::path(scratch_.Path()) / "sapt01"; }
    void AddToProfile(const std::string& lines) {
        std::ofstream(System() / "system.ini", std::ios::app) << lines;
    }

    static RfcEntries rfc_;
    testsupport::ScratchDirectory scratch_{"sap-rfc"};
    RecordingInterface ui_;
    SapContext context_{rfc_, ui_};
    SapConnection connection_;
};
RfcEntries SapRfcLayer::rfc_;

TEST(SapSettingsProfile, StoredSettingsComeBackWithoutThePasswordAndOptionsTextFollowsTheMode) {
    SapSettings settings;
    settings.systemName = "T01";
    settings.systemNumber = 7;
    settings.user = "DEVELOPER";
    settings.password = "secret";
    settings.client = "100";
    settings.hostName = "sapt01";
    settings.routerString = "/H/gate/S/3299/H/";
    settings.messageServer = "msg01";
    settings.group = "SPOOL";
    StoreSapSettings(settings);
    SapSettings read = ReadSapSettings();
    EXPECT_EQ(read.systemName, "T01");
    EXPECT_EQ(read.systemNumber, 7);
    EXPECT_EQ(read.hostName, "sapt01");
    EXPECT_EQ(read.routerString, "/H/gate/S/3299/H/");
    EXPECT_EQ(read.group, "SPOOL");
    EXPECT_EQ(read.password, "") << "the password is never written";

    SapConnection direct = MakeSapConnection(settings);
    EXPECT_EQ(RfcOptionsText(direct), "TYPE=3 CLIENT=100 USER=DEVELOPER PASSWD=secret LANG=E "
                                      "ASHOST=/H/gate/S/3299/H/sapt01 SYSNR=07");
    direct.loadBalancing = true;
    EXPECT_EQ(RfcOptionsText(direct), "TYPE=3 CLIENT=100 USER=DEVELOPER PASSWD=secret LANG=E "
                                      "MSHOST=/H/gate/S/3299/H/msg01 R3NAME=T01 GROUP=SPOOL");
}

TEST_F(SapRfcLayer, ConnectionTestAndDeviceTypesInListOrder) {
    ASSERT_TRUE(TestSapConnection(context_, connection_)) << connection_.lastError;
    SapDeviceTypes types;
    ASSERT_TRUE(ReadSapDeviceTypes(context_, connection_, types)) << connection_.lastError;
    EXPECT_EQ(types.names, (std::vector<std::string>{"HPLJ4", "ZSWIN_A", "SAPWIN"}));
    EXPECT_EQ(types.texts[0], "HP LaserJet 4 (PCL-5)");
    EXPECT_EQ(OrderDeviceTypesForList({"ZSWIN_A", "HPLJ4", "SAPWIN"}),
              (std::vector<std::string>{"SAPWIN", "ZSWIN_A", "HPLJ4"}));
    EXPECT_EQ(OrderDeviceTypesForList({"SWIN", "A", "ZSAPWIN1", "SAPWI", "ZSWI"}),
              (std::vector<std::string>{"ZSAPWIN1", "SWIN", "A", "SAPWI", "ZSWI"}));

    SapDeviceType type;
    ASSERT_TRUE(ReadSapDeviceType(context_, connection_, "ZSWIN_A", type));
    EXPECT_EQ(type.driver, "SWIN");
    EXPECT_EQ(type.codePage, "4103");
    EXPECT_EQ(type.changedBy, "DEVELOPER");
    EXPECT_FALSE(ReadSapDeviceType(context_, connection_, "NOSUCH", type));
    EXPECT_NE(connection_.lastError.find("NOT_FOUND"), std::string::npos);
    EXPECT_TRUE(ui_.rfcErrors.empty()) << "an exception is the caller's, not the handler's";
}

// A failed logon leaves the stand-in's text in the record and in the log
// (the password masked there); unsafe values never reach the library.
TEST_F(SapRfcLayer, FailedLogonsLeaveTheirTextInTheRecordAndTheLog) {
    struct Case {
        const char* what;
        void (*change)(SapConnection&);
        const char* errorPart; // of the record's last error
        bool logged;
    };
    const Case cases[] = {
        {"wrong password", [](SapConnection& c) { c.password = "wrong"; }, "assword", true},
        {"unknown host", [](SapConnection& c) { c.hostName = "nosuchhost"; }, "nosuchhost", true},
        {"password with an option", [](SapConnection& c) { c.password = "x ASHOST=evil"; },
         "password", false},
        {"library not bound", nullptr, "librfc32", false},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        TestLog log(1);
        SapConnection connection = connection_;
        RfcEntries unbound;
        SapContext context = test.change ? context_ : SapContext{unbound, ui_};
        if (test.change) test.change(connection);
        EXPECT_FALSE(TestSapConnection(context, connection));
        EXPECT_NE(connection.lastError.find(test.errorPart), std::string::npos)
            << connection.lastError;
        if (test.logged) {
            EXPECT_NE(log.Text().find(connection.lastError), std::string::npos) << log.Text();
            EXPECT_EQ(log.Text().find(connection.password), std::string::npos) << log.Text();
            // The error handler's record in the log, and its box.
            EXPECT_NE(log.Text().find("Key: RFC_ERROR_"), std::string::npos) << log.Text();
            EXPECT_EQ(ui_.rfcErrors.size(), 1u);
        }
        ui_.rfcErrors.clear();
    }
}

// A library that fills its error records to the last byte without a
// terminator: the texts stop at the fields' ends.
RfcHandle __stdcall OpenFillingTheRecord(const char*, RfcErrorInfoEx* error) {
    std::memset(error, 'X', sizeof *error);
    return 0;
}
int __stdcall LastErrorFillingTheRecord(RfcErrorInfo* error) {
    std::memset(error, 'E', sizeof *error);
    return 0;
}

TEST_F(SapRfcLayer, ErrorTextsStopAtTheEndOfTheirRecordFields) {
    RfcEntries careless = rfc_;
    careless.open = OpenFillingTheRecord;
    careless.lastError = LastErrorFillingTheRecord;
    SapContext context{careless, ui_};
    EXPECT_FALSE(TestSapConnection(context, connection_));
    EXPECT_EQ(connection_.lastError, std::string(sizeof RfcErrorInfoEx{}.message, 'X'));

    careless.open = rfc_.open;
    SapDeviceType type;
    EXPECT_FALSE(ReadSapDeviceType(context, connection_, "", type));
    EXPECT_NE(connection_.lastError.find("NOT_FOUND"), std::string::npos);
    AddToProfile("[failures]\nbreak_function=RFC_PING\n");
    EXPECT_FALSE(TestSapConnection(context, connection_));
    EXPECT_EQ(connection_.lastError, std::string(sizeof RfcErrorInfo{}.message, 'E'));
}

TEST_F(SapRfcLayer, TablesAreCutByTheirFieldListAndCachedBySelection) {
    CRfcSession session(rfc_, connection_, ui_);
    ASSERT_TRUE(session.Open());
    CSAPGenericTable controls(GetText(202, 7, true));
    ASSERT_TRUE(controls.Load(session, {"ZSWIN_A"})) << connection_.lastError;
    EXPECT_EQ(controls.RowCount(), 5u);
    EXPECT_EQ(controls.LineLength(), 8u + 30 + 1 + 1 + 80);
    const int row = controls.FindRow("ZSWIN_A", "SBP01");
    ASSERT_GE(row, 0);
    EXPECT_EQ(controls.Field(row, "DAT"), "6225433D3339");
    EXPECT_EQ(controls.Field(row, "HEX"), "X");
    EXPECT_EQ(controls.Field(99, "DAT"), "");
    EXPECT_EQ(controls.Field(row, "NOSUCH"), "");

    // The same selection is not read again; another one is.
    fs::remove(System() / "ZBC_PRCTL.tbl");
    EXPECT_TRUE(controls.Load(session, {"ZSWIN_A "}));
    EXPECT_FALSE(controls.Load(session, {"HPLJ4"}));
    EXPECT_NE(connection_.lastError.find("TABLE_NOT_AVAILABLE"), std::string::npos);
    EXPECT_FALSE(controls.IsLoaded());

    // A selection value with an apostrophe is quoted, not cut short.
    CSAPGenericTable assignments(GetText(202, 6, true));
    ASSERT_TRUE(assignments.Load(session, {"O'NEIL"})) << connection_.lastError;
    EXPECT_EQ(assignments.RowCount(), 0u);
}

// More rows than the limit fail the table instead of loading a part; the
// device type list has its own limit of 99 999.
TEST_F(SapRfcLayer, TablesOverTheirRowLimitFailWithAClearMessage) {
    CRfcSession session(rfc_, connection_, ui_);
    ASSERT_TRUE(session.Open());
    CSAPGenericTable small(GetText(202, 7, true), 4);
    EXPECT_FALSE(small.Load(session, {"ZSWIN_A"}));
    EXPECT_NE(connection_.lastError.find("more than 4 rows"), std::string::npos)
        << connection_.lastError;

    std::ofstream types(System() / "ZBC_DEVTYPES.tbl");
    types << "PATYPE/C/8 | PATEXT/C/40 | PADRIVER/C/4 | PACODEPAGE/N/4 | PABASE/C/8 | "
             "PACHGNAME/C/12\n";
    for (int i = 0; i < 100000; ++i)
        types << "Z" << i << " | type " << i << " | SWIN | 4103 | |\n";
    types.close();
    SapDeviceTypes list;
    EXPECT_FALSE(ReadSapDeviceTypes(context_, connection_, list));
    EXPECT_NE(connection_.lastError.find("99999"), std::string::npos) << connection_.lastError;
    EXPECT_TRUE(list.names.empty());
}

TEST_F(SapRfcLayer, PrintControlWritesGoWholeOrNotAtAll) {
    const std::vector<std::string> lines = {"DEVTYPE ZSWIN_A", "CLEAR ZSWIN_A 5",
                                            "PRCTL 1 SBP01 5 ' '", "VALUE 'b%C=QR,D=it''s'"};
    const std::string before = FileText(System() / "ZBC_PRCTL.tbl");
    struct Case {
        const char* what;
        std::vector<std::string> lines;
        const char* profile;
        const char* errorPart;
    };
    const Case refused[] = {
        {"a line refused", {"DEVTYPE ZSWIN_A", "PRCTL 1 SBP01 5"}, "", "line 2"},
        {"a line too long", {"DEVTYPE ZSWIN_A", std::string(300, 'A')}, "", "255"},
        {"a break half-way", lines, "[failures]\nbreak_function=Z_BARCODE_PRCTL_WRITE\n", ""},
    };
    for (const Case& test : refused) {
        SCOPED_TRACE(test.what);
        AddToProfile(test.profile);
        SapConnection connection = connection_;
        EXPECT_FALSE(WriteSapPrintControls(context_, connection, test.lines));
        EXPECT_NE(connection.lastError.find(test.errorPart), std::string::npos)
            << connection.lastError;
        EXPECT_FALSE(connection.lastError.empty());
        EXPECT_EQ(FileText(System() / "ZBC_PRCTL.tbl"), before);
    }
    fs::copy_file(fs::path(SAP_SYSTEMS_DIR) / "sapt01" / "system.ini", System() / "system.ini",
                  fs::copy_options::overwrite_existing);
    ASSERT_TRUE(WriteSapPrintControls(context_, connection_, lines)) << connection_.lastError;
    const std::string after = FileText(System() / "ZBC_PRCTL.tbl");
    EXPECT_NE(after.find("b%C=QR,D=it's"), std::string::npos) << after;
    EXPECT_EQ(after.find("ZQR01"), std::string::npos) << "kind 5 controls were replaced";
    EXPECT_NE(after.find("SF001"), std::string::npos) << "kind 1 controls stay";
}

TEST_F(SapRfcLayer, AProductionSystemIsRefusedByTheCheckAndTheWrite) {
    EXPECT_TRUE(CheckSapTargetSystem(context_, connection_)) << connection_.lastError;
    std::ofstream(System() / "system.ini")
        << "[system]\nname=P01\nclient=100\nproduction=1\n[users]\nDEVELOPER=init1234\n";
    EXPECT_FALSE(CheckSapTargetSystem(context_, connection_));
    EXPECT_EQ(connection_.lastError, GetText(1, 79, false));
    SapConnection connection = connection_;
    EXPECT_FALSE(WriteSapPrintControls(context_, connection, {"DEVTYPE ZSWIN_A"}));
    EXPECT_FALSE(connection.lastError.empty());
}

} // namespace

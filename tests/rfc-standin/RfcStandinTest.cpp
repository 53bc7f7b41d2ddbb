// The RFC stand-in through the entries Sondrel binds: logons, tables read
// with fields and selections, internal tables, and exports written all or
// none into a copy of the sample system under tests/sap-systems.
#include "LibrarySearch.h"
#include "RfcCall.h"
#include "ScratchDirectory.h"
#include "catalog/Translate.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iomanip>

namespace fs = std::filesystem;
using rfctest::RfcCall;

namespace {

std::vector<std::string> handlerKeys;
void __stdcall RecordError(char* key) {
    handlerKeys.emplace_back(key);
}

std::string Trimmed(const std::string& text) {
    std::size_t last = text.find_last_not_of(' ');
    return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}

struct Field {
    std::string name;
    unsigned offset;
    unsigned length;
    char type;
};

std::vector<Field> FieldList(const std::vector<std::string>& lines) {
    std::vector<Field> fields;
    for (const std::string& line : lines)
        fields.push_back({Trimmed(line.substr(0, 30)),
                          static_cast<unsigned>(std::stoul(line.substr(30, 6))),
                          static_cast<unsigned>(std::stoul(line.substr(36, 6))), line[42]});
    return fields;
}

// Each row cut into its trimmed field values.
std::vector<std::vector<std::string>> Rows(const std::vector<std::string>& lines,
                                           const std::vector<Field>& fields) {
    std::vector<std::vector<std::string>> rows;
    for (const std::string& line : lines) {
        std::vector<std::string> values;
        for (const Field& field : fields)
            values.push_back(Trimmed(line.substr(field.offset, field.length)));
        rows.push_back(values);
    }
    return rows;
}

std::string FileText(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

constexpr const char* kLogon =
    "TYPE=3 ASHOST=sapt01 SYSNR=00 CLIENT=100 USER=developer PASSWD=init1234 LANG=E";

class RfcStandin : public testing::Test {
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
        RfcEnvironment environment{RecordError, nullptr};
        rfc_.installEnvironment(&environment);
        handlerKeys.clear();
    }

    fs::path System() const { return fs::path(scratch_.Path()) / "sapt01"; }

    void SetProfile(const std::string& text) { std::ofstream(System() / "system.ini") << text; }

    RfcHandle Open(const std::string& options = kLogon) {
        RfcErrorInfoEx error{};
        return rfc_.open(options.c_str(), &error);
    }

    // RFC_READ_TABLE's rows, cut by its field list.
    std::vector<std::vector<std::string>> ReadTable(RfcHandle connection, const std::string& table,
                                                    const std::vector<std::string>& fields,
                                                    const std::string& selection,
                                                    int rowCount = 0) {
        RfcCall call(rfc_);
        call.Send("QUERY_TABLE", table).Send("DELIMITER", " ").SendNumber("ROWCOUNT", rowCount);
        call.Table("OPTIONS", 72,
                   selection.empty() ? std::vector<std::string>{} : std::vector{selection});
        call.Table("FIELDS", 103, fields).Table("DATA", 512);
        EXPECT_EQ(call.Run(connection, "RFC_READ_TABLE"), 0) << call.Exception();
        return Rows(call.Lines("DATA"), FieldList(call.Lines("FIELDS")));
    }

    static HMODULE library_;
    static RfcEntries rfc_;
    testsupport::ScratchDirectory scratch_{"rfc-standin"};
};

HMODULE RfcStandin::library_ = nullptr;
RfcEntries RfcStandin::rfc_;

TEST_F(RfcStandin, OpensOnlyWithTheRightLogonAndReportsWhyNot) {
    const std::string longHost(3000, 'h');
    struct Case {
        std::string options;
        int group; // 0: opened
        std::string messageStart;
    } cases[] = {
        {kLogon, 0, ""},
        {"TYPE=3 ASHOST=/H/gate.example/S/3299/H/SAPT01 SYSNR=00 CLIENT=100 USER=BARCODE "
         "PASSWD=Sondrel4",
         0, ""},
        {"TYPE=3 MSHOST=sapt01 R3NAME=T01 GROUP=PUBLIC CLIENT=100 USER=DEVELOPER PASSWD=init1234",
         0, ""},
        {"TYPE=3 MSHOST=sapt01 R3NAME=X01 GROUP=PUBLIC CLIENT=100 USER=DEVELOPER PASSWD=init1234",
         102, "Message server of sapt01 serves no system"},
        {"TYPE=3 ASHOST=sapt01 SYSNR=00 CLIENT=100 USER=DEVELOPER PASSWD=INIT1234", 103,
         "Name or password"},
        {"TYPE=3 ASHOST=sapt01 SYSNR=00 CLIENT=100 USER=NOBODY PASSWD=init1234", 103,
         "Name or password"},
        {"TYPE=3 ASHOST=sapt01 SYSNR=00 CLIENT=100 USER= PASSWD=", 103, "Name or password"},
        {"TYPE=3 ASHOST=sapt01 SYSNR=00 CLIENT=200 USER=DEVELOPER PASSWD=init1234", 103,
         "Client 200"},
        {"TYPE=3 ASHOST=sapx99 SYSNR=00 CLIENT=100 USER=DEVELOPER PASSWD=init1234", 102,
         "Connect to SAP gateway failed: partner 'sapx99'"},
        {"TYPE=3 ASHOST=../sap-systems/sapt01 CLIENT=100 USER=DEVELOPER PASSWD=init1234", 102,
         "Connect to"},
        {"TYPE=3 ASHOST=.. CLIENT=100 USER=DEVELOPER PASSWD=init1234", 102, "Connect to"},
        {"TYPE=3 CLIENT=100 USER=DEVELOPER PASSWD=init1234", 101, "Missing ASHOST"},
        {"TYPE=3 ASHOST=" + longHost + " CLIENT=100", 102, "Connect to SAP gateway failed"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.options.substr(0, 100));
        handlerKeys.clear();
        struct {
            RfcErrorInfoEx error;
            char canary[8];
        } open;
        std::memset(&open, 'x', sizeof open);
        RfcHandle connection = rfc_.open(test.options.c_str(), &open.error);
        EXPECT_EQ(std::string(open.canary, 8), "xxxxxxxx");
        if (test.group == 0) {
            ASSERT_NE(connection, 0u);
            EXPECT_TRUE(handlerKeys.empty());
            RfcCall ping(rfc_);
            EXPECT_EQ(ping.Run(connection, "RFC_PING"), 0);
            rfc_.close(connection);
            continue;
        }
        EXPECT_EQ(connection, 0u);
        EXPECT_EQ(open.error.group, test.group);
        EXPECT_EQ(std::string(open.error.message).rfind(test.messageStart, 0), 0u)
            << open.error.message;
        EXPECT_LT(std::strlen(open.error.message), sizeof open.error.message);
        ASSERT_EQ(handlerKeys.size(), 1u);
        EXPECT_EQ(handlerKeys[0], open.error.key);

        struct {
            RfcErrorInfo error;
            char canary[8];
        } last;
        std::memset(&last, 'x', sizeof last);
        EXPECT_EQ(rfc_.lastError(&last.error), 0);
        EXPECT_EQ(std::string(last.canary, 8), "xxxxxxxx");
        EXPECT_STREQ(last.error.key, open.error.key);
        EXPECT_EQ(std::string(open.error.message).substr(0, 255), last.error.message);
    }
}

TEST_F(RfcStandin, ReadsTablesByFieldsAndSelection) {
    RfcHandle connection = Open();
    ASSERT_NE(connection, 0u);
    using Rows = std::vector<std::vector<std::string>>;
    struct Case {
        std::string table;
        std::vector<std::string> fields;
        std::string selection;
        int rowCount;
        Rows rows;
    } cases[] = {
        {"ZBC_PRCTL",
         {"PRCTL", "DAT"},
         "TYP = 'ZSWIN_A' AND KIND = '5'",
         0,
         {{"SBP01", "6225433D3339"},
          {"SBP02", "b%C=128,B=0,H=15,KB=3,S1=6,Z=0110000,F1=,d="},
          {"SBS01", "b"},
          {"ZQR01", "b%C=QR,B=0,H=10,KB=3,S1=8,R=0,d="}}},
        {"ZBC_PRCTL",
         {"PRCTL", "KIND", "DAT"},
         "TYP = 'HPLJ4'",
         0,
         {{"SBP01", "1", "\\eb%C=39"}, {"SBS01", "1", "\\e(3@"}}},
        {"ZBC_PRTBARC",
         {"TDBARCODE", "TDBCPRA", "TDBCSUF"},
         "tdprinter eq 'ZSWIN_A'",
         0,
         {{"ZBC39", "SBP01", "SBS01"}, {"ZBC128", "SBP02", "SBS01"}}},
        {"ZBC_DEVTYPES",
         {"PATYPE", "PATEXT"},
         "",
         0,
         {{"HPLJ4", "HP LaserJet 4 (PCL-5)"},
          {"ZSWIN_A", "SAPWIN with the barcode DLL"},
          {"SAPWIN", "SAPWIN: Windows printing through SAPlpd"}}},
        {"ZBC_DEVTYPES", {"PATYPE"}, "", 1, {{"HPLJ4"}}},
        {"TFO05",
         {"TDBARCODE", "TDBCSIZE", "TDBCUPWARD", "TDBARCROT"},
         "TDBARCTYPE = 'UNDEF'",
         0,
         {{"ZBQR", "25,00", "X", "090"}}},
        {"ZBC_PRCTL", {"PRCTL"}, "TYP = 'NONE'", 0, {}},
        {"ZBC_PRCTL", {"PRCTL"}, "DAT = 'it''s'", 0, {}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.table + " " + test.selection);
        EXPECT_EQ(ReadTable(connection, test.table, test.fields, test.selection, test.rowCount),
                  test.rows);
    }
    rfc_.close(connection);
}

TEST_F(RfcStandin, FieldListAndLinesFollowTheCallersTables) {
    RfcHandle connection = Open();
    struct Case {
        const char* delimiter;
        unsigned dataLength;
        std::string firstLine;
    } cases[] = {
        {" ", 512, std::string("HPLJ4   HPL2") + std::string(500, ' ')},
        {"|", 20, "HPLJ4   |HPL2       "},
        {" ", 10, "HPLJ4   HP"},
    };
    for (const Case& test : cases) {
        RfcCall call(rfc_);
        call.Send("QUERY_TABLE", "zbc_devtypes").Send("DELIMITER", test.delimiter);
        call.Table("FIELDS", 103, {"PATYPE", "PADRIVER"}).Table("DATA", test.dataLength);
        ASSERT_EQ(call.Run(connection, "RFC_READ_TABLE"), 0);
        std::vector<Field> fields = FieldList(call.Lines("FIELDS"));
        ASSERT_EQ(fields.size(), 2u);
        EXPECT_EQ(fields[1].offset, *test.delimiter == '|' ? 9u : 8u);
        EXPECT_EQ(fields[1].length, 4u);
        EXPECT_EQ(fields[1].type, 'C');
        ASSERT_EQ(call.Lines("DATA").size(), 3u);
        EXPECT_EQ(call.Lines("DATA")[0], test.firstLine);
    }
    // Without a field list every field comes, in the table's order; NO_DATA
    // answers the list alone.
    RfcCall all(rfc_);
    all.Send("QUERY_TABLE", "TFO05").Send("NO_DATA", "X").Table("FIELDS", 103).Table("DATA", 512);
    ASSERT_EQ(all.Run(connection, "RFC_READ_TABLE"), 0);
    std::vector<Field> fields = FieldList(all.Lines("FIELDS"));
    ASSERT_EQ(fields.size(), 13u);
    EXPECT_EQ(fields[4].name, "TDBCSIZE");
    EXPECT_EQ(fields[4].type, 'P');
    EXPECT_EQ(fields[12].offset, 8u + 30 + 2 + 2 + 7 + 2 + 7 + 2 + 1 + 8 + 1 + 3);
    EXPECT_TRUE(all.Lines("DATA").empty());
    rfc_.close(connection);
}

TEST_F(RfcStandin, RefusedReadsRaiseTheirExceptions) {
    std::ofstream(System() / "ZBC_BROKEN.tbl") << "TYP/C/8 | DAT/C/4\nZSWIN_A | TOO LONG\n";
    RfcHandle connection = Open();
    struct Case {
        std::string table;
        std::vector<std::string> fields;
        std::string selection;
        int code;
        std::string exception;
    } cases[] = {
        {"ZBC_MISSING", {}, "", 2, "TABLE_NOT_AVAILABLE"},
        {"../sapt01/ZBC_PRCTL", {}, "", 2, "TABLE_NOT_AVAILABLE"},
        {"", {}, "", 2, "TABLE_NOT_AVAILABLE"},
        {"ZBC_PRCTL", {"NOFIELD"}, "", 2, "FIELD_NOT_VALID"},
        {"ZBC_PRCTL", {}, "TYP = ZSWIN_A", 2, "OPTION_NOT_VALID"},
        {"ZBC_PRCTL", {}, "TYP = 'ZSWIN_A' AND", 2, "OPTION_NOT_VALID"},
        {"ZBC_PRCTL", {}, "NOFIELD = 'A'", 2, "OPTION_NOT_VALID"},
        {"ZBC_PRCTL", {}, "TYP = 'ZSWIN_A", 2, "OPTION_NOT_VALID"},
        {"ZBC_BROKEN", {}, "", 3, "SYSTEM_FAILURE"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.table + " " + test.selection);
        handlerKeys.clear();
        RfcCall call(rfc_);
        call.Send("QUERY_TABLE", test.table).Table("OPTIONS", 72, {test.selection});
        call.Table("FIELDS", 103, test.fields).Table("DATA", 512);
        EXPECT_EQ(call.Run(connection, "RFC_READ_TABLE"), test.code);
        EXPECT_EQ(call.Exception(), test.exception);
        EXPECT_TRUE(call.Lines("DATA").empty());
        // Exceptions are the caller's; only a system failure reaches the handler.
        EXPECT_EQ(handlerKeys.size(), test.code == 3 ? 1u : 0u);
    }
    RfcErrorInfo error{};
    rfc_.lastError(&error);
    EXPECT_STREQ(error.message, "ZBC_BROKEN.tbl line 2: value of DAT longer than 4");
    RfcCall unknown(rfc_);
    EXPECT_EQ(unknown.Run(connection, "Z_NOT_THERE"), 1);
    EXPECT_EQ(unknown.Run(connection + 1000, "RFC_PING"), 6);
    rfc_.close(connection);
}

TEST_F(RfcStandin, InternalTablesCountLinesFromOneAndRefuseStrangeHandles) {
    RfcTableHandle table = rfc_.createTable("LINES", 12, 0, 0);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(rfc_.lineLength(table), 12u);
    std::vector<void*> lines;
    for (int i = 0; i < 1000; ++i)
        lines.push_back(rfc_.appendLine(table));
    EXPECT_EQ(rfc_.lineCount(table), 1000u);
    EXPECT_EQ(rfc_.line(table, 0), nullptr);
    EXPECT_EQ(rfc_.line(table, 1), lines[0]);
    EXPECT_EQ(rfc_.line(table, 1000), lines[999]);
    EXPECT_EQ(rfc_.line(table, 1001), nullptr);
    EXPECT_EQ(std::string(static_cast<char*>(rfc_.line(table, 7)), 12), std::string(12, ' '));
    EXPECT_EQ(rfc_.freeTable(table), 0);

    int notATable = 0;
    for (RfcTableHandle strange :
         {table, static_cast<RfcTableHandle>(&notATable), RfcTableHandle{}}) {
        EXPECT_EQ(rfc_.lineCount(strange), 0u);
        EXPECT_EQ(rfc_.lineLength(strange), 0u);
        EXPECT_EQ(rfc_.line(strange, 1), nullptr);
        EXPECT_EQ(rfc_.appendLine(strange), nullptr);
        EXPECT_NE(rfc_.freeTable(strange), 0);
    }
    EXPECT_EQ(rfc_.createTable("EMPTY", 0, 0, 0), nullptr);
    EXPECT_EQ(rfc_.createTable("HUGE", 1u << 31, 0, 0), nullptr);
}

TEST_F(RfcStandin, ListsAHundredThousandDeviceTypesUpToTheRowCount) {
    {
        std::ofstream file(System() / "ZBC_DEVTYPES.tbl");
        file << "PATYPE/C/8 | PATEXT/C/40 | PADRIVER/C/4 | PACODEPAGE/N/4\n";
        for (int i = 0; i < 100000; ++i)
            file << "Z" << std::setw(6) << std::setfill('0') << i << " | " << std::string(40, 'T')
                 << " | SWIN | 1100\n";
    }
    RfcHandle connection = Open();
    auto rows = ReadTable(connection, "ZBC_DEVTYPES", {"PATYPE", "PATEXT"}, "", 99999);
    ASSERT_EQ(rows.size(), 99999u);
    EXPECT_EQ(rows.back()[0], "Z099998");
    EXPECT_EQ(rows.back()[1], std::string(40, 'T'));
    rfc_.close(connection);
}

TEST_F(RfcStandin, AnswersADeviceTypeAndTheSystemRole) {
    RfcHandle connection = Open();
    RfcCall read(rfc_);
    read.Send("PATYPE", "zswin_a").Table("FIELDS", 103).Table("DEVTYPE", 200);
    ASSERT_EQ(read.Run(connection, "Z_BARCODE_DEVTYPE_READ"), 0);
    EXPECT_EQ(Rows(read.Lines("DEVTYPE"), FieldList(read.Lines("FIELDS"))),
              (std::vector<std::vector<std::string>>{{"ZSWIN_A", "SAPWIN with the barcode DLL",
                                                      "SWIN", "4103", "SWINCF", "DEVELOPER"}}));
    RfcCall missing(rfc_);
    missing.Send("PATYPE", "NOPE").Table("FIELDS", 103).Table("DEVTYPE", 200);
    EXPECT_EQ(missing.Run(connection, "Z_BARCODE_DEVTYPE_READ"), 2);
    EXPECT_EQ(missing.Exception(), "NOT_FOUND");
    RfcCall role(rfc_);
    role.Receive("ROLE", 25);
    ASSERT_EQ(role.Run(connection, "Z_BARCODE_SYSTEM_ROLE"), 0);
    EXPECT_EQ(role.Received("ROLE"), "TEST");
    rfc_.close(connection);
}

TEST_F(RfcStandin, PackedNumbersBecomeRightAlignedText) {
    struct Case {
        std::vector<unsigned char> packed;
        int decimals;
        unsigned width;
        int result;
        std::string text;
    } cases[] = {
        {{0x01, 0x23, 0x4C}, 2, 8, 0, "   12.34"},
        {{0x00, 0x05, 0x0D}, 1, 6, 0, "  -5.0"},
        {{0x12, 0x3F}, 0, 3, 0, "123"},
        {{0x12, 0x3C}, 0, 2, 1, "**"},
        {{0x1A, 0x3C}, 0, 4, 1, "    "},
        {{0x12, 0x34}, 0, 4, 1, "    "},
        {{0x12, 0x3C}, 3, 4, 1, "    "},
    };
    for (const Case& test : cases) {
        char text[16];
        std::memset(text, '#', sizeof text);
        EXPECT_EQ(rfc_.convertToText(test.packed.data(), static_cast<unsigned>(test.packed.size()),
                                     test.decimals, text, test.width),
                  test.result);
        EXPECT_EQ(std::string(text, test.width), test.text);
        EXPECT_EQ(text[test.width], '#');
    }
}

// An export sent through the check and the write, and what the system's
// files hold afterwards.
struct ExportCase {
    std::string description;
    std::string profile; // replaces system.ini when not empty
    std::vector<std::string> lines;
    std::string checked; // RESULT of the check
    int writeCode;       // of the write call
    std::string written; // RESULT of the write, or its exception
    bool filesChange;
};

const std::string kTestProfile =
    "[system]\nname=T01\nclient=100\nproduction=0\n[users]\nDEVELOPER=init1234\n";
const std::vector<std::string> kZswinExport = {"DEVTYPE ZSWIN_A",     "CLEAR ZSWIN_A 5",
                                               "PRCTL 1 SBP01 5 ' '", "VALUE 'b%C=39,H=25,d='",
                                               "PRCTL 2 ZNAME 5 ' '", "VALUE 'b%C=128,T=it''s,d='"};

TEST_F(RfcStandin, ExportsAreCheckedAndWrittenAllOrNone) {
    const ExportCase cases[] = {
        {"replaces the barcode controls", "", kZswinExport, "CHECKED", 0, "WRITTEN", true},
        {"creates a device type",
         "",
         {"CREATE ZTEST", "TEXT 'Lab printers'", "DRIVER SWIN", "CODEPAGE 4103", "DEVTYPE ZTEST",
          "CLEAR ZTEST 5", "PRCTL 1 SBP01 5 'X'", "VALUE '6225433D3339'"},
         "CHECKED",
         0,
         "WRITTEN",
         true},
        {"new names outside the customer namespace",
         "",
         {"CREATE TEST"},
         "ERROR",
         0,
         "ERROR",
         false},
        {"an unknown device type",
         "",
         {"DEVTYPE NOPE", "PRCTL 1 A 5 ' '", "VALUE 'b%'"},
         "ERROR",
         0,
         "ERROR",
         false},
        {"an unknown base", "", {"CREATE ZNEW", "BASE NOPE"}, "ERROR", 0, "ERROR", false},
        {"a base after the device type's controls",
         "",
         {"CREATE ZNEW", "DEVTYPE ZNEW", "BASE SAPWIN"},
         "ERROR",
         0,
         "ERROR",
         false},
        {"a byte that is not ASCII",
         "",
         {"DEVTYPE ZSWIN_A", "PRCTL 1 A 5 ' '", "VALUE 'b%C=39\xC3\xA9'"},
         "ERROR",
         0,
         "ERROR",
         false},
        {"a value of 81 characters",
         "",
         {"DEVTYPE ZSWIN_A", "PRCTL 1 A 5 ' '", "VALUE '" + std::string(81, 'b') + "'"},
         "ERROR",
         0,
         "ERROR",
         false},
        {"a control without value",
         "",
         {"DEVTYPE ZSWIN_A", "PRCTL 1 A 5 ' '"},
         "ERROR",
         0,
         "ERROR",
         false},
        {"odd hexadecimal",
         "",
         {"DEVTYPE ZSWIN_A", "PRCTL 1 A 5 'X'", "VALUE '622'"},
         "ERROR",
         0,
         "ERROR",
         false},
        {"a production system",
         "[system]\nname=P01\nclient=100\nproduction=1\n[users]\nDEVELOPER=init1234\n",
         kZswinExport, "CHECKED", 2, "PRODUCTIVE_SYSTEM", false},
        {"a connection that breaks half-way",
         kTestProfile + "[failures]\nbreak_function=Z_BARCODE_PRCTL_WRITE\n", kZswinExport,
         "CHECKED", 1, "", false},
    };
    for (const ExportCase& test : cases) {
        SCOPED_TRACE(test.description);
        fs::remove_all(System());
        fs::copy(fs::path(SAP_SYSTEMS_DIR) / "sapt01", System(), fs::copy_options::recursive);
        if (!test.profile.empty()) SetProfile(test.profile);
        const std::string controlsBefore = FileText(System() / "ZBC_PRCTL.tbl");
        const std::string typesBefore = FileText(System() / "ZBC_DEVTYPES.tbl");
        RfcHandle connection = Open();
        ASSERT_NE(connection, 0u);
        std::string results[2];
        int codes[2];
        const char* modules[2] = {"Z_BARCODE_PRCTL_CHECK", "Z_BARCODE_PRCTL_WRITE"};
        for (int step = 0; step < 2; ++step) {
            RfcCall call(rfc_);
            call.Table("LINES", 255, test.lines)
                .Receive("RESULT", 40)
                .Receive("MESSAGE", 220)
                .Receive("ERRLINE", 6);
            handlerKeys.clear();
            codes[step] = call.Run(connection, modules[step]);
            results[step] = codes[step] == 0 ? call.Received("RESULT") : call.Exception();
            if (results[step] == "ERROR") {
                EXPECT_NE(call.Received("MESSAGE"), "") << "no reason given";
            }
        }
        EXPECT_EQ(codes[0], 0);
        EXPECT_EQ(results[0], test.checked);
        EXPECT_EQ(codes[1], test.writeCode);
        EXPECT_EQ(results[1], test.written);
        EXPECT_EQ(handlerKeys.size(), test.writeCode == 1 ? 1u : 0u);
        bool changed = FileText(System() / "ZBC_PRCTL.tbl") != controlsBefore ||
                       FileText(System() / "ZBC_DEVTYPES.tbl") != typesBefore;
        EXPECT_EQ(changed, test.filesChange);
        for (const auto& entry : fs::directory_iterator(System()))
            EXPECT_NE(entry.path().extension(), ".new") << entry.path();
        if (test.writeCode == 1) {
            RfcCall after(rfc_);
            EXPECT_EQ(after.Run(connection, "RFC_PING"), 6) << "a broken connection stays broken";
        }
        rfc_.close(connection);
    }
}

TEST_F(RfcStandin, WrittenControlsAreWhatTheSystemThenHolds) {
    RfcHandle connection =
        Open("TYPE=3 ASHOST=sapt01 SYSNR=00 CLIENT=100 USER=barcode PASSWD=Sondrel4");
    RfcCall write(rfc_);
    write.Table("LINES", 255, kZswinExport).Receive("RESULT", 40).Receive("MESSAGE", 220);
    ASSERT_EQ(write.Run(connection, "Z_BARCODE_PRCTL_WRITE"), 0);
    EXPECT_EQ(write.Received("RESULT"), "WRITTEN");
    // The other kinds and device types stay; kind 5 of ZSWIN_A is what was sent.
    EXPECT_EQ(ReadTable(connection, "ZBC_PRCTL", {"TYP", "PRCTL", "KIND", "HEX", "DAT"}, ""),
              (std::vector<std::vector<std::string>>{
                  {"ZSWIN_A", "SF001", "1", "", "\\e(s12H"},
                  {"HPLJ4", "SBP01", "1", "", "\\eb%C=39"},
                  {"HPLJ4", "SBS01", "1", "", "\\e(3@"},
                  {"ZSWIN_A", "SBP01", "5", "", "b%C=39,H=25,d="},
                  {"ZSWIN_A", "ZNAME", "5", "", "b%C=128,T=it's,d="},
              }));
    EXPECT_EQ(ReadTable(connection, "ZBC_DEVTYPES", {"PATYPE", "PACHGNAME"}, "PATYPE = 'ZSWIN_A'"),
              (std::vector<std::vector<std::string>>{{"ZSWIN_A", "BARCODE"}}));
    rfc_.close(connection);
}

} // namespace

namespace {

std::string Text(int module, int index) {
    return GetText(module, index, true);
}

template <typename... Values> std::string Format(int module, int index, Values... values) {
    char text[512];
    std::snprintf(text, sizeof text, GetText(module, index, true), values...);
    return text;
}

// What Sondrel's SAP side will send, built from the catalog's names and
// formats: the stand-in answers each of them.
TEST_F(RfcStandin, AnswersTheCatalogsModulesTablesAndExportLines) {
    std::string options = Format(1, 2, "100", "DEVELOPER", "init1234", "/H/gate/H/", "sapt01", 0);
    RfcHandle connection = Open(options);
    ASSERT_NE(connection, 0u) << options;
    RfcCall ping(rfc_);
    EXPECT_EQ(ping.Run(connection, Text(1, 81)), 0);

    EXPECT_EQ(ReadTable(connection, Text(1, 46), {Text(1, 47)}, ""),
              (std::vector<std::vector<std::string>>{{"HPLJ4"}, {"ZSWIN_A"}, {"SAPWIN"}}));
    std::string selection = Format(1, 32, Text(202, 10).c_str(), "ZSWIN_A") + Text(1, 33) +
                            Format(1, 32, Text(202, 29).c_str(), "SBP01");
    EXPECT_EQ(
        ReadTable(connection, Text(202, 7), {Text(202, 8), Text(202, 9), Text(202, 11)}, selection),
        (std::vector<std::vector<std::string>>{{"5", "X", "6225433D3339"}}));
    EXPECT_EQ(ReadTable(connection, Text(202, 6), {Text(202, 28), Text(202, 25), Text(202, 26)},
                        Format(1, 32, Text(202, 27).c_str(), "HPLJ4")),
              (std::vector<std::vector<std::string>>{{"ZBC39", "SBP01", "SBS01"}}));
    std::vector<std::string> barcodeFields;
    for (int index = 12; index <= 24; ++index)
        barcodeFields.push_back(Text(202, index));
    EXPECT_EQ(ReadTable(connection, Text(202, 5), barcodeFields, "").size(), 3u);

    RfcCall device(rfc_);
    device.Send(Text(1, 50), "ZSWIN_A").Table(Text(1, 23), 103).Table(Text(1, 45), 200);
    ASSERT_EQ(device.Run(connection, Text(1, 49)), 0);
    std::vector<Field> fields = FieldList(device.Lines(Text(1, 23)));
    ASSERT_EQ(fields.size(), 6u);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(fields[i].name, Text(1, 51 + i));

    RfcCall role(rfc_);
    role.Receive(Text(1, 76), 25);
    ASSERT_EQ(role.Run(connection, Text(1, 77)), 0);
    EXPECT_NE(role.Received(Text(1, 76)), Text(1, 78));

    const std::vector<std::string> lines = {Format(202, 38, "ZLAB"),
                                            Format(202, 39, "Lab printers"),
                                            Text(202, 40),
                                            Text(202, 41),
                                            Text(202, 42),
                                            Format(202, 70, "ZLAB"),
                                            Format(202, 71, "ZLAB"),
                                            Format(205, 1, 1, "SBP01", "5", " "),
                                            Format(205, 7, "C=39,d=")};
    const int modules[] = {65, 73};
    const int answers[] = {72, 75};
    for (int step = 0; step < 2; ++step) {
        RfcCall call(rfc_);
        call.Table(Text(1, 66), static_cast<unsigned>(std::stoul(Text(1, 67))), lines);
        call.Receive(Text(1, 68), 40).Receive(Text(1, 69), 220).Receive(Text(1, 70), 6);
        ASSERT_EQ(call.Run(connection, Text(1, modules[step])), 0);
        EXPECT_EQ(call.Received(Text(1, 68)), Text(1, answers[step])) << call.Received(Text(1, 69));
    }
    EXPECT_EQ(ReadTable(connection, Text(202, 7), {Text(202, 11)},
                        Format(1, 32, Text(202, 10).c_str(), "ZLAB")),
              (std::vector<std::vector<std::string>>{{"b%C=39,d="}}));
    // The new device type took its base's barcode assignments.
    EXPECT_EQ(ReadTable(connection, Text(202, 6), {Text(202, 28), Text(202, 25)},
                        Format(1, 32, Text(202, 27).c_str(), "ZLAB")),
              (std::vector<std::vector<std::string>>{
                  {"ZBC39", "SBP01"}, {"ZBC128", "SBP02"}, {"ZBQR", "SBP03"}}));
    rfc_.close(connection);
}

} // namespace

namespace {

// Calls a careless caller could make: none crashes, each fails with its code.
TEST_F(RfcStandin, CarelessCallsFailWithoutHarm) {
    EXPECT_EQ(rfc_.open(nullptr, nullptr), 0u);
    EXPECT_EQ(rfc_.lastError(nullptr), 1);
    rfc_.installEnvironment(nullptr);
    rfc_.close(0);
    rfc_.close(12345);
    RfcHandle connection = Open();
    ASSERT_NE(connection, 0u);
    EXPECT_EQ(rfc_.callReceive(connection, nullptr, nullptr, nullptr, nullptr, nullptr), 1);
    EXPECT_EQ(rfc_.callReceive(connection, "RFC_PING", nullptr, nullptr, nullptr, nullptr), 0);

    // Parameters without buffer, of absurd length, a table handle not of
    // ours, a table name of 300 bytes with bytes outside ASCII.
    char value[8] = "TFO05";
    RfcParameter exporting[] = {{"QUERY_TABLE", 11, kRfcTypeChar, 0, value},
                                {"ROWCOUNT", 8, kRfcTypeInt, 4, nullptr},
                                {"DELIMITER", 9, kRfcTypeChar, 0xFFFFFFFFu, value},
                                {nullptr, 0, 0, 0, nullptr}};
    int notATable = 0;
    RfcTable tables[] = {{"DATA", 4, kRfcTypeChar, 512, &notATable, 0, 0},
                         {nullptr, 0, 0, 0, nullptr, 0, 0}};
    char* exception = nullptr;
    EXPECT_EQ(
        rfc_.callReceive(connection, "RFC_READ_TABLE", exporting, nullptr, tables, &exception), 2);
    EXPECT_STREQ(exception, "TABLE_NOT_AVAILABLE");

    std::string strange(300, '\xE9');
    RfcCall call(rfc_);
    call.Send("QUERY_TABLE", strange).Table("DATA", 512);
    EXPECT_EQ(call.Run(connection, "RFC_READ_TABLE"), 2);
    RfcCall write(rfc_);
    write.Table("LINES", 255, {"DEVTYPE " + strange, "\x01\x02\x03"}).Receive("RESULT", 3);
    EXPECT_EQ(write.Run(connection, "Z_BARCODE_PRCTL_WRITE"), 0);
    EXPECT_EQ(write.Received("RESULT"), "ERR") << "cut to the caller's 3 bytes";
    rfc_.close(connection);
}

} // namespace

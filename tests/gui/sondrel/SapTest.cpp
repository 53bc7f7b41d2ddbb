// Sondrel against a simulated SAP system (the RFC stand-in beside the
// program, its system copied into the case): the import at start through
// the connection dialog and the device type list, the imported tree, a
// changed command exported to SAP and read back from the system's files and
// by a second import; a refused logon with Retry and Cancel.
#include "AnsiText.h"
#include "BuildFiles.h"
#include "Controls.h"
#include "ListBoxes.h"
#include "PopupMenus.h"
#include "ProfileFiles.h"
#include "TabControls.h"
#include "TreeCase.h"
#include "WindowSearch.h"

#include <fstream>
#include <optional>
#include <sstream>

namespace sondrel {
namespace {

constexpr const char* kRfcLibrary = "librfc32.dll";
constexpr const char* kDeviceListTitle = "Select a Device Type";
// The sample system as the build copies it beside the driver, and its files.
constexpr const char* kBuiltSystems = "sap-systems";
constexpr const char* kHost = "sapt01";
constexpr const char* kSystemFiles[] = {"system.ini", "TFO05.tbl", "ZBC_DEVTYPES.tbl",
                                        "ZBC_PRCTL.tbl", "ZBC_PRTBARC.tbl"};
constexpr const char* kRootVariable = "RFC_STANDIN_ROOT";

// Dialog 117 and 118.
constexpr int kSystemNameEdit = 179, kSystemNumberEdit = 180, kUserEdit = 181, kPasswordEdit = 182,
              kClientEdit = 183, kHostEdit = 184, kRouterEdit = 185, kLoadBalancingCheck = 207,
              kMessageServerEdit = 208, kGroupEdit = 209;
constexpr int kDeviceList = 185;
// Dialog 101.
constexpr int kHeightEdit = 106, kParametersHexEdit = 134;

// What the sample system holds: its logon, its device types in the list's
// order (SAPWIN types first), and what the device type ZSWIN_A gives: the
// named codes of its two assignments, then its print control of a barcode
// command that no assignment uses; its three system barcodes.
constexpr const char* kPassword = "init1234";
const std::vector<std::string> kListedDeviceTypes = {"SAPWIN", "ZSWIN_A", "HPLJ4"};
constexpr const char* kDeviceType = "ZSWIN_A";
constexpr int kNamedCodesFromAssignments = 2;
const std::vector<std::string> kImportedNamedCodes = {"ZBC39", "ZBC128", "ZQR01"};
const std::vector<std::string> kSystemBarcodes = {"ZBC39", "ZBC128", "ZBQR"};
// HPLJ4 has one assignment, whose print control carries a command.
constexpr const char* kOtherDeviceType = "HPLJ4";
// The configuration menu's "Import from SAP...", separators not counted.
constexpr int kImportMenuItem = 5;
// ZBC128 is switched on by the print control SBP02, whose command says H=15.
constexpr const char* kChangedNamedCode = "ZBC128";
constexpr const char* kChangedPrintControl = "SBP02";

std::string ReplaceFirst(std::string text, const std::string& what, const std::string& with) {
    size_t at = text.find(what);
    if (at != std::string::npos) text.replace(at, what.size(), with);
    return text;
}

std::string FileContent(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// The values of a table file's row, split at every bar that is not "\|".
std::vector<std::string> RowValues(const std::string& line) {
    std::vector<std::string> values(1);
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\\' && i + 1 < line.size() && line[i + 1] == '|') {
            values.back() += '|';
            ++i;
        } else if (line[i] == '|') {
            values.emplace_back();
        } else {
            values.back() += line[i];
        }
    }
    for (std::string& value : values)
        value = Trimmed(value);
    return values;
}

// The row of a table file whose first two values are these; empty when none.
std::vector<std::string> TableRow(const std::string& path, const std::string& first,
                                  const std::string& second) {
    std::istringstream lines(FileContent(path));
    std::string line;
    while (std::getline(lines, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> values = RowValues(line);
        if (values.size() >= 2 && values[0] == first && values[1] == second) return values;
    }
    return {};
}

// An environment variable of the driver, which the programs it starts
// inherit, for the life of the object.
class ScopedEnvironmentVariable {
  public:
    ScopedEnvironmentVariable(const char* name, const std::string& value) : name_(name) {
        char old[4096];
        DWORD length = GetEnvironmentVariableA(name, old, sizeof old);
        if (length > 0 && length < sizeof old) old_ = std::string(old, length);
        SetEnvironmentVariableA(name, value.c_str());
    }
    ~ScopedEnvironmentVariable() { SetEnvironmentVariableA(name_, old_ ? old_->c_str() : nullptr); }
    ScopedEnvironmentVariable(const ScopedEnvironmentVariable&) = delete;
    ScopedEnvironmentVariable& operator=(const ScopedEnvironmentVariable&) = delete;

  private:
    const char* name_;
    std::optional<std::string> old_;
};

class SondrelSap : public SondrelCase {
  protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(SondrelCase::SetUp());
        // A logon stored by an earlier start in the prefix (the demo shares
        // it) would fill the connection dialog; the profile guard puts it
        // back afterwards.
        ASSERT_FALSE(Text(210, 21).empty()) << "no section of the connection settings";
        WritePrivateProfileStringA(Text(210, 21).c_str(), nullptr, nullptr, BarcodeIni().c_str());
        ASSERT_NO_FATAL_FAILURE(InstallProgram());
        ASSERT_NO_FATAL_FAILURE(CopyIn(kRfcLibrary, kRfcLibrary));
        for (const char* file : kSystemFiles)
            ASSERT_NO_FATAL_FAILURE(CopyIn(gui::JoinPath(gui::JoinPath(kBuiltSystems, kHost), file),
                                           gui::JoinPath(gui::JoinPath("sap", kHost), file)));
        root_ = std::make_unique<ScopedEnvironmentVariable>(kRootVariable, directory().File("sap"));
    }
    void TearDown() override {
        SondrelCase::TearDown();
        root_.reset();
    }

    static std::string BarcodeIni() {
        return gui::JoinPath(gui::WindowsDirectory(), "barcode.ini");
    }

    std::string SystemFile(const std::string& name) {
        return directory().File(gui::JoinPath(gui::JoinPath("sap", kHost), name));
    }

    // Starts Sondrel, answers the DLL's report and chooses the import in
    // the start dialog: the connection dialog, or null (with a failure).
    HWND StartImport(const std::string& run = "") {
        EXPECT_NO_FATAL_FAILURE(StartSondrel(kProgramFile, run));
        if (HasFatalFailure()) return nullptr;
        HWND start = nullptr;
        AnswerBoxesUntil(kStartDialogTitle, &start);
        if (!start || !gui::Click(start, kImportRadio) || !gui::PostClick(start, IDOK)) {
            ADD_FAILURE() << "no start dialog to choose the import in; " << Showing();
            return nullptr;
        }
        HWND connection = session().Visit(kSapConnectionTitle);
        EXPECT_NE(connection, nullptr) << "no connection dialog; " << Showing();
        return connection;
    }

    // The sample system's logon, typed into the connection dialog, then OK.
    void Connect(HWND dialog, const std::string& password) {
        const std::pair<int, std::string> fields[] = {
            {kSystemNameEdit, "T01"},  {kSystemNumberEdit, "0"}, {kUserEdit, "DEVELOPER"},
            {kPasswordEdit, password}, {kClientEdit, "100"},     {kHostEdit, kHost},
            {kRouterEdit, ""},         {kMessageServerEdit, ""}, {kGroupEdit, ""}};
        for (const auto& [id, text] : fields)
            ASSERT_TRUE(gui::SetControlText(dialog, id, text)) << id;
        ASSERT_EQ(gui::IsChecked(dialog, kLoadBalancingCheck), false);
        session().TakePicture(dialog);
        ASSERT_TRUE(gui::PostClick(dialog, IDOK));
        ASSERT_TRUE(gui::WaitUntilClosed(dialog)) << "the connection dialog stays; " << Showing();
    }

    // Takes ZSWIN_A from the device type list (a double click or OK),
    // answers the import's message and cancels the list shown again.
    void ImportTheDeviceType(bool doubleClick) {
        HWND list = session().Visit(kDeviceListTitle);
        ASSERT_NE(list, nullptr) << "no device type list; " << Showing();
        EXPECT_EQ(gui::ListBoxItems(list, kDeviceList), kListedDeviceTypes);
        if (doubleClick) {
            ASSERT_TRUE(gui::DoubleClickListBoxItem(list, kDeviceList, kDeviceType));
        } else {
            ASSERT_TRUE(gui::SelectListBoxItem(list, kDeviceList, kDeviceType));
            ASSERT_TRUE(gui::PostClick(list, IDOK));
        }
        ASSERT_TRUE(gui::WaitUntilClosed(list)) << "the device type list stays; " << Showing();

        HWND box = gui::WaitForMessageBox(session().program());
        ASSERT_NE(box, nullptr) << "no message after the import; " << Showing();
        session().TakePicture(box);
        EXPECT_EQ(
            gui::MessageBoxText(box),
            WithNumber(ReplaceFirst(Text(202, 30), "%s", kDeviceType), kNamedCodesFromAssignments));
        ASSERT_TRUE(gui::AnswerMessageBox(box));

        list = session().Visit(kDeviceListTitle);
        ASSERT_NE(list, nullptr) << "the device type list does not come again; " << Showing();
        ASSERT_TRUE(gui::PostClick(list, IDCANCEL));
        ASSERT_TRUE(gui::WaitUntilClosed(list));
    }

    HWND MainDialog() {
        HWND main = session().Visit(kMainDialogTitle);
        EXPECT_NE(main, nullptr) << "no main dialog; " << Showing();
        if (main) tree_ = std::make_unique<gui::RemoteTree>(GetDlgItem(main, kTreeId));
        return main;
    }

    const gui::RemoteTree& tree() const { return *tree_; }

    // Selects the named code of the imported configuration.
    void SelectImported(const std::string& name) {
        HTREEITEM item = tree().Find({kDeviceType, name});
        ASSERT_NE(item, nullptr) << tree().Describe();
        ASSERT_TRUE(tree().Select(item));
    }

    void Exit(HWND main) {
        ASSERT_TRUE(gui::PostClick(main, kExitButton));
        EXPECT_EQ(ExitCode(), 0u) << Showing();
    }

    // The message boxes that come one after the other until one with this
    // caption, answered with OK; that one is left open in *last.
    std::vector<gui::MessageBoxSeen> BoxesUntil(const std::string& caption, HWND* last) {
        std::vector<gui::MessageBoxSeen> before;
        *last = nullptr;
        while (HWND box = gui::WaitForMessageBox(session().program())) {
            session().TakePicture(box);
            gui::MessageBoxSeen seen = gui::ReadMessageBox(box);
            if (seen.caption == caption) {
                *last = box;
                break;
            }
            before.push_back(seen);
            if (!gui::AnswerMessageBox(box)) break;
        }
        return before;
    }

  private:
    std::unique_ptr<ScopedEnvironmentVariable> root_;
    std::unique_ptr<gui::RemoteTree> tree_;
};

// The whole way of a print control: imported at start, changed in the test
// dialog, exported to SAP, where the system's table holds it, and imported
// again by the next start, whose connection dialog shows the stored logon
// without the password.
TEST_F(SondrelSap, ImportChangeExportAndImportAgain) {
    HWND connection = StartImport();
    ASSERT_NE(connection, nullptr);
    // Nothing stored yet: the settings the catalog gives, empty ones empty.
    EXPECT_EQ(gui::ControlText(connection, kSystemNameEdit), "");
    EXPECT_EQ(gui::ControlText(connection, kHostEdit), "");
    EXPECT_EQ(gui::ControlText(connection, kClientEdit), Text(210, 25));
    ASSERT_NO_FATAL_FAILURE(Connect(connection, kPassword));
    ASSERT_NO_FATAL_FAILURE(ImportTheDeviceType(false));
    HWND main = MainDialog();
    ASSERT_NE(main, nullptr);

    ASSERT_TRUE(tree().Usable());
    EXPECT_EQ(tree().ChildTexts(nullptr),
              (std::vector<std::string>{kDeviceType, DefaultValuesConfiguration(),
                                        PredefinedConfiguration()}))
        << tree().Describe();
    EXPECT_EQ(tree().ChildTexts(tree().Find({kDeviceType})), kImportedNamedCodes)
        << tree().Describe();
    tree().Expand(tree().Find({kDeviceType}));
    session().TakePicture(main);
    ASSERT_TRUE(gui::ChooseTab(GetDlgItem(main, kTabsId), kDefinitionsTab));
    EXPECT_EQ(tree().ChildTexts(tree().Root()), kSystemBarcodes) << tree().Describe();
    session().TakePicture(main);
    ASSERT_TRUE(gui::ChooseTab(GetDlgItem(main, kTabsId), kConfigurationsTab));

    ASSERT_NO_FATAL_FAILURE(SelectImported(kChangedNamedCode));
    const std::string imported = gui::ControlText(main, kCommandEdit).value_or("");
    EXPECT_NE(imported.find("C=128,"), std::string::npos) << imported;
    EXPECT_NE(imported.find(",H=15,"), std::string::npos) << imported;
    ASSERT_TRUE(gui::SetControlText(main, kHeightEdit, "21"));
    const std::string changed = gui::ControlText(main, kCommandEdit).value_or("");
    ASSERT_NE(changed.find(",H=21,"), std::string::npos) << changed;

    ASSERT_TRUE(gui::PostClick(main, kExportButton));
    HWND question = nullptr;
    std::vector<gui::MessageBoxSeen> before = BoxesUntil(Text(201, 7), &question);
    EXPECT_TRUE(before.empty()) << ::testing::PrintToString(before);
    ASSERT_NE(question, nullptr) << "no question before the export; " << Showing();
    const std::string counts =
        WithNumber(ReplaceFirst(WithNumber(ReplaceFirst(Text(201, 12), "%s", ""), 1), "%s", ""), 1);
    EXPECT_EQ(gui::MessageBoxText(question).rfind(counts, 0), 0u)
        << gui::MessageBoxText(question) << "\nexpected to begin with " << counts;
    ASSERT_TRUE(gui::AnswerMessageBox(question, IDYES));
    HWND result = gui::WaitForMessageBox(session().program());
    ASSERT_NE(result, nullptr) << "no result of the export; " << Showing();
    session().TakePicture(result);
    EXPECT_EQ(gui::MessageBoxText(result), ReplaceFirst(WithNumber(Text(201, 17), 1), "%s", ""));
    ASSERT_TRUE(gui::AnswerMessageBox(result));
    Exit(main);

    // What SAP now holds: the parameters as the dialog shows them ("b%" and
    // the command) as a print control of kind 5 in plain form.
    EXPECT_EQ(changed.rfind("b%", 0), 0u) << changed;
    EXPECT_EQ(TableRow(SystemFile("ZBC_PRCTL.tbl"), kDeviceType, kChangedPrintControl),
              (std::vector<std::string>{kDeviceType, kChangedPrintControl, "5", "", changed}));
    // The logon is kept for the next start, the password never.
    const std::string profile = FileContent(BarcodeIni());
    EXPECT_NE(profile.find(kHost), std::string::npos) << profile;
    EXPECT_EQ(profile.find(kPassword), std::string::npos) << profile;

    connection = StartImport("again");
    ASSERT_NE(connection, nullptr);
    EXPECT_EQ(gui::ControlText(connection, kSystemNameEdit), "T01");
    EXPECT_EQ(gui::ControlText(connection, kSystemNumberEdit), "0");
    EXPECT_EQ(gui::ControlText(connection, kUserEdit), "DEVELOPER");
    EXPECT_EQ(gui::ControlText(connection, kClientEdit), "100");
    EXPECT_EQ(gui::ControlText(connection, kHostEdit), kHost);
    EXPECT_EQ(gui::ControlText(connection, kPasswordEdit), "");
    ASSERT_NO_FATAL_FAILURE(Connect(connection, kPassword));
    ASSERT_NO_FATAL_FAILURE(ImportTheDeviceType(true));
    main = MainDialog();
    ASSERT_NE(main, nullptr);
    ASSERT_NO_FATAL_FAILURE(SelectImported(kChangedNamedCode));
    EXPECT_EQ(gui::ControlText(main, kCommandEdit), changed);
    EXPECT_EQ(gui::ControlText(main, kParametersHexEdit), gui::HexadecimalBytes(changed));
    Exit(main);
}

// A system number out of range stays in the dialog. A wrong password: the
// RFC layer's error box, then the failed import with the stand-in's reason;
// Retry shows the connection dialog again with what was typed, Cancel
// starts with the predefined tree and stores nothing.
TEST_F(SondrelSap, RefusedLogonOffersRetryAndCancelStartsPredefined) {
    HWND connection = StartImport();
    ASSERT_NE(connection, nullptr);
    // A system number beyond two digits is refused where it was typed.
    ASSERT_TRUE(gui::SetControlText(connection, kSystemNumberEdit, "100"));
    ASSERT_TRUE(gui::PostClick(connection, IDOK));
    HWND refusal = gui::WaitForMessageBox(session().program());
    ASSERT_NE(refusal, nullptr) << "the system number 100 is taken; " << Showing();
    session().TakePicture(refusal);
    ASSERT_TRUE(gui::AnswerMessageBox(refusal));
    EXPECT_TRUE(IsWindowVisible(connection)) << "the connection dialog closed";
    for (int answer : {IDRETRY, IDCANCEL}) {
        ASSERT_NO_FATAL_FAILURE(Connect(connection, "wrong"));
        HWND failure = nullptr;
        std::vector<gui::MessageBoxSeen> before = BoxesUntil(Text(210, 10), &failure);
        EXPECT_EQ(before, (std::vector<gui::MessageBoxSeen>{{Text(1, 64), Text(1, 63)}}));
        ASSERT_NE(failure, nullptr) << "no failed import; " << Showing();
        const std::string text = gui::MessageBoxText(failure);
        EXPECT_EQ(text.rfind(Text(210, 9), 0), 0u) << text;
        EXPECT_NE(text.find("Name or password is incorrect"), std::string::npos) << text;
        EXPECT_NE(GetDlgItem(failure, IDRETRY), nullptr);
        ASSERT_TRUE(gui::AnswerMessageBox(failure, answer));
        if (answer == IDRETRY) {
            connection = session().Visit(kSapConnectionTitle);
            ASSERT_NE(connection, nullptr) << "Retry shows no connection dialog; " << Showing();
            EXPECT_EQ(gui::ControlText(connection, kHostEdit), kHost);
        }
    }
    HWND main = MainDialog();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(tree().ChildTexts(nullptr),
              (std::vector<std::string>{EditableConfiguration(), DefaultValuesConfiguration(),
                                        PredefinedConfiguration()}))
        << tree().Describe();
    Exit(main);
    const std::string profile = FileContent(BarcodeIni());
    EXPECT_EQ(profile.find(kHost), std::string::npos) << profile;
}

// The configuration menu's import takes the logon the profile holds (the
// password too, which only an administrator puts there).
TEST_F(SondrelSap, TreeMenuImportsWithTheStoredLogon) {
    const std::string section = Text(210, 21);
    const std::pair<int, std::string> stored[] = {{22, "0"},         {23, "T01"}, {24, "100"},
                                                  {33, "DEVELOPER"}, {35, kHost}, {37, kPassword},
                                                  {32, "0"}};
    for (const auto& [key, value] : stored)
        ASSERT_TRUE(gui::WriteProfileValue("barcode.ini", section, Text(210, key), value)) << key;

    ASSERT_NO_FATAL_FAILURE(StartSondrel());
    HWND start = nullptr;
    AnswerBoxesUntil(kStartDialogTitle, &start);
    ASSERT_NE(start, nullptr) << Showing();
    ASSERT_TRUE(gui::Click(start, kPredefinedRadio));
    ASSERT_TRUE(gui::PostClick(start, IDOK));
    HWND main = MainDialog();
    ASSERT_NE(main, nullptr);
    HTREEITEM config = tree().Find({EditableConfiguration()});
    ASSERT_NE(config, nullptr) << tree().Describe();
    ASSERT_TRUE(tree().Select(config));
    ASSERT_TRUE(gui::RequestContextMenu(tree().Window()));
    HWND menu = gui::WaitForPopupMenu(session().program());
    ASSERT_NE(menu, nullptr) << "no context menu; " << Showing();
    ASSERT_TRUE(gui::ChoosePopupMenuItem(menu, kImportMenuItem));

    HWND list = session().Visit(kDeviceListTitle);
    ASSERT_NE(list, nullptr) << "no device type list; " << Showing();
    ASSERT_TRUE(gui::DoubleClickListBoxItem(list, kDeviceList, kOtherDeviceType));
    HWND box = gui::WaitForMessageBox(session().program());
    ASSERT_NE(box, nullptr) << Showing();
    EXPECT_EQ(gui::MessageBoxText(box),
              WithNumber(ReplaceFirst(Text(202, 30), "%s", kOtherDeviceType), 1));
    ASSERT_TRUE(gui::AnswerMessageBox(box));
    list = session().Visit(kDeviceListTitle);
    ASSERT_NE(list, nullptr) << Showing();
    ASSERT_TRUE(gui::PostClick(list, IDCANCEL));
    ASSERT_TRUE(gui::WaitUntilClosed(list));

    EXPECT_EQ(tree().ChildTexts(nullptr),
              (std::vector<std::string>{kOtherDeviceType, DefaultValuesConfiguration(),
                                        PredefinedConfiguration()}))
        << tree().Describe();
    EXPECT_NE(tree().Find({kOtherDeviceType, "ZBC39"}), nullptr) << tree().Describe();
    session().TakePicture(main);
    Exit(main);
}

} // namespace
} // namespace sondrel

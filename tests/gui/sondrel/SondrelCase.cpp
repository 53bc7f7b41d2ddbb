#include "SondrelCase.h"

#include "BuildFiles.h"
#include "Controls.h"
#include "ShotLog.h"
#include "SondrelUi.h"
#include "WindowSearch.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace sondrel {

namespace {

constexpr const char* kLogSection = "Sondrel";
constexpr const char* kLogFile = "Sondrel.log";
constexpr const char* kLibrarySection = "Barcode";
// Names the program looks for in the Windows and System directories.
constexpr const char* kFilesNotInThePrefix[] = {"Barcode.dll", "barcode32.dll", "Barcode.dat"};

// Every case starts from a prefix that has neither the DLL nor the catalog
// in its Windows or System directory: they would be found there first.
void ExpectCleanPrefix() {
    for (const std::string& directory : {gui::WindowsDirectory(), gui::SystemDirectory()})
        for (const char* name : kFilesNotInThePrefix)
            ASSERT_FALSE(std::filesystem::exists(gui::JoinPath(directory, name)))
                << gui::JoinPath(directory, name) << " would be found before the case's files";
}

void RemoveLibraryDirectoryValues() {
    gui::RemoveProfileValue(LibraryProfileFile(), kLibrarySection, DllDirectoryKey());
    gui::RemoveProfileValue("win.ini", kLibrarySection, DllDirectoryKey());
}

} // namespace

std::string SondrelCase::CaseName() {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return gui::FileNamePart(std::string(info->test_suite_name()) + "-" + info->name());
}

void SondrelCase::SetUp() {
    ASSERT_NO_FATAL_FAILURE(ExpectCleanPrefix());
    ASSERT_FALSE(DllDirectoryKey().empty()) << "the catalog has no key for the DLL's directory";
    profiles_ = std::make_unique<gui::ProfileFilesGuard>();
    RemoveLibraryDirectoryValues();
    directory_ = std::make_unique<gui::CaseDirectory>(CaseName());
}

void SondrelCase::TearDown() {
    // The program first: it may hold files of the directory open.
    session_.reset();
    directory_.reset();
    profiles_.reset();
}

void SondrelCase::CopyIn(const std::string& builtFile, const std::string& relativePath) {
    ASSERT_TRUE(directory_->CopyIn(gui::BuiltFile(builtFile), relativePath))
        << "cannot copy " << gui::BuiltFile(builtFile) << " to " << relativePath;
}

void SondrelCase::InstallProgram(const std::string& dll) {
    ASSERT_NO_FATAL_FAILURE(CopyIn(kProgramFile, kProgramFile));
    ASSERT_NO_FATAL_FAILURE(CopyIn(kCatalogFile, kCatalogFile));
    if (!dll.empty()) {
        ASSERT_NO_FATAL_FAILURE(CopyIn(dll, "Barcode.dll"));
    }
}

void SondrelCase::EnableLog() {
    gui::WriteProfileValue("barcode.ini", kLogSection, "LogEnabled", "1");
    gui::WriteProfileValue("barcode.ini", kLogSection, "LogFile", directory_->File(kLogFile));
}

std::string SondrelCase::LogText() const {
    std::ifstream in(directory_->File(kLogFile), std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    std::string text = content.str();
    std::erase(text, '\r');
    return text;
}

void SondrelCase::StartSondrel(const std::string& program, const std::string& run) {
    const std::string name = run.empty() ? CaseName() : CaseName() + "-" + run;
    session_ = std::make_unique<gui::Session>(name, directory_->File(program), directory_->Path());
    ASSERT_TRUE(session_->program().Started())
        << "cannot start " << program << " (error " << session_->program().StartError() << ")";
}

std::vector<gui::MessageBoxSeen> SondrelCase::AnswerBoxesUntil(const std::string& title,
                                                               HWND* dialog) {
    std::vector<gui::MessageBoxSeen> boxes;
    *dialog = nullptr;
    DWORD timeout = gui::kFirstWindowTimeoutMs;
    while (HWND shown = session_->VisitAny(timeout)) {
        timeout = gui::kWindowTimeoutMs;
        if (gui::WindowTitle(shown) == title) {
            *dialog = shown;
            break;
        }
        // The import at start asks for the connection first: without an
        // SAP system, Cancel starts with the predefined tree.
        if (gui::WindowTitle(shown) == kSapConnectionTitle) {
            if (!gui::PostClick(shown, IDCANCEL) || !gui::WaitUntilClosed(shown)) {
                ADD_FAILURE() << "the SAP connection dialog does not close with Cancel";
                break;
            }
            continue;
        }
        if (!gui::IsMessageBox(shown)) {
            ADD_FAILURE() << "a dialog \"" << gui::WindowTitle(shown) << "\" instead of \"" << title
                          << "\"";
            break;
        }
        boxes.push_back(gui::ReadMessageBox(shown));
        if (!gui::AnswerMessageBox(shown)) {
            ADD_FAILURE() << "the box " << boxes.back() << " does not close with OK";
            break;
        }
    }
    return boxes;
}

HWND SondrelCase::PassStartDialog(HWND start) {
    if (!gui::PostClick(start, IDOK) || !gui::WaitUntilClosed(start)) return nullptr;
    HWND main = nullptr;
    AnswerBoxesUntil(kMainDialogTitle, &main);
    return main;
}

HWND SondrelCase::OpenMainDialog() {
    HWND start = nullptr;
    AnswerBoxesUntil(kStartDialogTitle, &start);
    if (!start) {
        ADD_FAILURE() << "no start dialog; " << Showing();
        return nullptr;
    }
    HWND main = PassStartDialog(start);
    if (!main) ADD_FAILURE() << "no main dialog after OK in the start dialog; " << Showing();
    return main;
}

std::string ComparablePath(const std::string& path, const std::string& relativeTo) {
    std::filesystem::path full(path);
    if (full.is_relative()) full = std::filesystem::path(relativeTo) / full;
    std::string comparable = full.lexically_normal().string();
    std::replace(comparable.begin(), comparable.end(), '/', '\\');
    std::transform(comparable.begin(), comparable.end(), comparable.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return comparable;
}

} // namespace sondrel

// Windows only: the installer engine on the machine itself, in a scratch
// directory of the prefix. Results are read back from outside the engine:
// file bytes, registry values, the profile functions and the shell link.
#include "InstallFiles.h"
#include "InstallLists.h"
#include "InstallPaths.h"
#include "InstallRegistry_win.h"
#include "RegistryEntries.h"
#include "RemovalRepair.h"
#include "ScratchDirectory.h"
#include "SetupTexts.h"
#include "WindowsInstallSystem_win.h"

#include <windows.h>

#include <objidl.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

using testsupport::ReadWholeFile;
using testsupport::ScratchDirectory;
using testsupport::WriteWholeFile;

namespace re = registry_entries;

namespace {

constexpr const char* kOlder = "setup_version_older.dll"; // ProductVersion 4.2.4.0
constexpr const char* kNewer = "setup_version_newer.dll"; // ProductVersion 4.2.5.0

// Answers the engine's questions from a script; records every box.
class ScriptedBoxes : public BoxAnswerer {
  public:
    BoxAnswer Answer(const MessageBoxRequest& box) override {
        shown.push_back(box);
        if (answers.empty()) return DefaultAnswerOf(box);
        BoxAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::vector<std::string> Captions() const {
        std::vector<std::string> captions;
        for (const MessageBoxRequest& box : shown)
            captions.push_back(box.caption);
        return captions;
    }

    std::deque<BoxAnswer> answers;
    std::vector<MessageBoxRequest> shown;
};

std::string ProgramDirectory() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(ParentOf(path));
}

std::string TestFileBytes(const char* name) {
    return ReadWholeFile(JoinPath(ProgramDirectory(), name));
}

std::string MakeDirectory(const std::string& parent, const std::string& name) {
    std::string path = JoinPath(parent, name);
    CreateDirectoryA(path.c_str(), nullptr);
    return path;
}

// The names of the files in a directory, lower case.
std::set<std::string> FileNamesIn(const std::string& directory) {
    std::set<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(JoinPath(directory, "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) continue;
        std::string name = found.cFileName;
        CharLowerA(name.data());
        names.insert(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

bool PathExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A string value of HKEY_LOCAL_MACHINE as stored, without a terminating
// NUL: Wine's registry keeps one after a REG_SZ whatever length was given.
struct StoredValue {
    bool found = false;
    DWORD type = 0;
    std::string data;
};

StoredValue MachineValue(std::string_view key, std::string_view name) {
    StoredValue value;
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, std::string(key).c_str(), 0, KEY_READ, &handle) !=
        ERROR_SUCCESS)
        return value;
    const std::wstring wideName(name.begin(), name.end());
    wchar_t data[512] = {};
    DWORD size = sizeof data;
    value.found = RegQueryValueExW(handle, wideName.c_str(), nullptr, &value.type,
                                   reinterpret_cast<BYTE*>(data), &size) == ERROR_SUCCESS;
    for (DWORD i = 0; value.found && i < size / sizeof(wchar_t); ++i)
        value.data += static_cast<char>(data[i]); // the texts here are ASCII
    if (!value.data.empty() && value.data.back() == '\0') value.data.pop_back();
    RegCloseKey(handle);
    return value;
}

std::string ProfileValue(std::string_view section, std::string_view key) {
    char value[256] = {};
    GetPrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(), "<absent>",
                             value, sizeof value, setup_text::kProfileFile);
    return value;
}

// The installer's registry keys are absent while the guard lives and after
// it: the build's prefix is shared with every other Windows test.
class RegistryGuard {
  public:
    RegistryGuard() { Remove(); }
    RegistryGuard(const RegistryGuard&) = delete;
    RegistryGuard& operator=(const RegistryGuard&) = delete;
    ~RegistryGuard() { Remove(); }

  private:
    static void Remove() {
        for (std::string_view key : {re::kIniFileMappingKey, re::kSettingsKey,
                                     std::string_view("Software\\Korvell\\barcodeDLL"),
                                     std::string_view("Software\\Korvell"), re::kUninstallKey})
            RegDeleteKeyA(HKEY_LOCAL_MACHINE, std::string(key).c_str());
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, setup_text::kProfileFile);
    }
};

struct ShellLinkContent {
    std::string target;
    std::string description;
};

// The shortcut read back through the shell link object.
std::optional<ShellLinkContent> ReadShellLink(const std::string& path) {
    CoInitialize(nullptr);
    std::optional<ShellLinkContent> content;
    IShellLinkA* link = nullptr;
    IPersistFile* file = nullptr;
    std::wstring widePath(path.begin(), path.end());
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(widePath.c_str(), STGM_READ))) {
        char target[MAX_PATH] = {};
        char description[MAX_PATH] = {};
        link->GetPath(target, MAX_PATH, nullptr, 0);
        link->GetDescription(description, MAX_PATH);
        content = ShellLinkContent{target, description};
    }
    if (file != nullptr) file->Release();
    if (link != nullptr) link->Release();
    CoUninitialize();
    return content;
}

std::string ShellFolder(int folder) {
    char path[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, folder, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

// The source's size reads larger than the file: the read of the whole
// source fails after the copy's checks passed, as on a damaged medium.
class ShrinkingSourceSystem : public WindowsInstallSystem {
  public:
    using WindowsInstallSystem::WindowsInstallSystem;
    std::optional<uint64_t> FileSize(const std::string& path) override {
        std::optional<uint64_t> size = WindowsInstallSystem::FileSize(path);
        return size ? std::optional<uint64_t>(*size + 4096) : size;
    }
};

} // namespace

TEST(SetupEngineWin, CopiesWithTheVersionGuard) {
    struct Case {
        const char* name;
        const char* mediumName; // the name on the medium
        const char* source;
        const char* existingTarget; // nullptr: no target yet
        std::deque<BoxAnswer> answers;
        bool asks;
        bool copied;
        const char* targetAfter;
    };
    const Case cases[] = {
        {"new target", "BARCODE.DLL", kOlder, nullptr, {}, false, true, kOlder},
        {"underscore form", "BARCODE.DL_", kOlder, nullptr, {}, false, true, kOlder},
        {"newer source", "BARCODE.DLL", kNewer, kOlder, {}, false, true, kNewer},
        {"equal version", "BARCODE.DLL", kNewer, kNewer, {}, false, true, kNewer},
        {"older source kept out",
         "BARCODE.DLL",
         kOlder,
         kNewer,
         {BoxAnswer::No},
         true,
         false,
         kNewer},
        {"older source let in",
         "BARCODE.DLL",
         kOlder,
         kNewer,
         {BoxAnswer::Yes},
         true,
         true,
         kOlder},
    };
    ScratchDirectory scratch("setup-copy");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string caseDirectory = MakeDirectory(scratch.Path(), c.name);
        const std::string medium = MakeDirectory(caseDirectory, "medium");
        const std::string targetDirectory = MakeDirectory(caseDirectory, "target");
        const std::string target = JoinPath(targetDirectory, "BARCODE.DLL");
        WriteWholeFile(JoinPath(medium, c.mediumName), TestFileBytes(c.source));
        if (c.existingTarget != nullptr) WriteWholeFile(target, TestFileBytes(c.existingTarget));

        ScriptedBoxes boxes;
        boxes.answers = c.answers;
        WindowsInstallSystem system(boxes, AfterHandOver::Return);
        EXPECT_EQ(CopyInstallFile(system, medium, targetDirectory, "BARCODE.DLL", false), c.copied);

        EXPECT_EQ(ReadWholeFile(target), TestFileBytes(c.targetAfter));
        EXPECT_EQ(FileNamesIn(targetDirectory), std::set<std::string>{"barcode.dll"});
        if (c.asks) {
            ASSERT_EQ(boxes.shown.size(), 1u);
            EXPECT_EQ(boxes.shown[0].text,
                      FormatText(setup_text::kOverwriteOlder, {target, "4.2.5.0", "4.2.4.0"}));
        } else {
            EXPECT_TRUE(boxes.shown.empty());
        }
    }
}

TEST(SetupEngineWin, AFailedCopyKeepsTheOldFile) {
    ScratchDirectory scratch("setup-failed-copy");
    const std::string medium = MakeDirectory(scratch.Path(), "medium");
    const std::string targetDirectory = MakeDirectory(scratch.Path(), "target");
    const std::string target = JoinPath(targetDirectory, "BARCODE.DLL");
    WriteWholeFile(JoinPath(medium, "BARCODE.DLL"), TestFileBytes(kNewer));
    WriteWholeFile(target, TestFileBytes(kOlder));
    ScriptedBoxes boxes;

    ShrinkingSourceSystem shrinking(boxes, AfterHandOver::Return);
    EXPECT_FALSE(CopyInstallFile(shrinking, medium, targetDirectory, "BARCODE.DLL", false));
    EXPECT_EQ(boxes.Captions(), std::vector<std::string>{setup_text::kErrorWhileReading});

    // A target held open without sharing (a DLL in use) cannot be replaced.
    WindowsInstallSystem system(boxes, AfterHandOver::Return);
    HANDLE inUse = CreateFileA(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(inUse, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(CopyInstallFile(system, medium, targetDirectory, "BARCODE.DLL", false));
    CloseHandle(inUse);
    EXPECT_EQ(boxes.Captions(), (std::vector<std::string>{setup_text::kErrorWhileReading,
                                                          setup_text::kCannotCreateFile}));

    EXPECT_EQ(ReadWholeFile(target), TestFileBytes(kOlder));
    EXPECT_EQ(FileNamesIn(targetDirectory), std::set<std::string>{"barcode.dll"});
}

TEST(SetupEngineWin, ProfileMappingReadsTheDefaultsThroughTheProfileFunctions) {
    RegistryGuard guard;
    install_registry::MapProfileToRegistry();

    EXPECT_EQ(MachineValue(re::kIniFileMappingKey, re::kSettingsMapping.name).data,
              re::kSettingsMapping.data);
    for (const RegistryValue& value : re::kSettingsDefaults) {
        SCOPED_TRACE(std::string(value.name));
        StoredValue stored = MachineValue(re::kSettingsKey, value.name);
        EXPECT_EQ(stored.type, DWORD{REG_SZ});
        EXPECT_EQ(stored.data, value.data);
        EXPECT_EQ(ProfileValue(setup_text::kMappedSection, value.name), value.data);
    }
    // The mapping is in force, so the section is not marked.
    EXPECT_EQ(ProfileValue(setup_text::kMappedSection, re::kMappingNotInForce.name), "<absent>");
    EXPECT_FALSE(MachineValue(re::kSettingsKey, re::kMappingNotInForce.name).found);

    // A section that is not the profile's first goes to the default values.
    install_registry::MapSettingsSection("SetupEngineWinTest");
    EXPECT_EQ(MachineValue(re::kIniFileMappingKey, "SetupEngineWinTest").data,
              re::kDefaultValuesMapping);
}

TEST(SetupEngineWin, UninstallEntryIsWrittenFoundAndDeleted) {
    RegistryGuard guard;
    ScriptedBoxes boxes;
    WindowsInstallSystem system(boxes, AfterHandOver::Return);
    const std::string utilities = "C:\\Program Files\\Barcode";

    EXPECT_FALSE(system.UninstallEntryExists());
    system.WriteUninstallEntry(utilities);
    EXPECT_TRUE(system.UninstallEntryExists());
    for (const auto& [name, data] : UninstallEntryValues(utilities))
        EXPECT_EQ(MachineValue(re::kUninstallKey, name).data, data) << name;
    EXPECT_TRUE(system.DeleteUninstallEntry());
    EXPECT_FALSE(system.UninstallEntryExists());
    EXPECT_FALSE(system.DeleteUninstallEntry());
}

TEST(SetupEngineWin, ShortcutPointsAtTheTestProgram) {
    ScratchDirectory scratch("setup-shortcut");
    const std::string target = JoinPath(scratch.Path(), setup_text::kShortcutTarget);
    WriteWholeFile(target, TestFileBytes(kOlder));
    ScriptedBoxes boxes;
    WindowsInstallSystem system(boxes, AfterHandOver::Return);

    for (bool allUsers : {true, false}) {
        SCOPED_TRACE(allUsers ? "all users" : "the user");
        const std::string folder = ShellFolder(allUsers ? CSIDL_COMMON_PROGRAMS : CSIDL_PROGRAMS);
        std::string shortcut =
            system.CreateProgramShortcut(target, setup_text::kShortcutDescription, allUsers);
        EXPECT_EQ(shortcut, JoinPath(folder, "Sondrel.LNK"));
        std::optional<ShellLinkContent> link = ReadShellLink(shortcut);
        ASSERT_TRUE(link.has_value());
        EXPECT_TRUE(EqualsNoCase(link->target, target)) << link->target;
        EXPECT_EQ(link->description, setup_text::kShortcutDescription);
        DeleteFileA(shortcut.c_str());
    }
    EXPECT_TRUE(boxes.shown.empty());
}

TEST(SetupEngineWin, RemovalDeletesTheListAndTheCommandProcessorRemovesTheDirectory) {
    RegistryGuard guard;
    ScratchDirectory scratch("setup-removal");
    const std::string utilities = MakeDirectory(scratch.Path(), "Barcode Utilities");
    const std::string repair = MakeDirectory(utilities, "repair");
    const std::string dll = MakeDirectory(scratch.Path(), "DLL");
    const std::string bytes = TestFileBytes(kOlder);
    InstallLists lists;
    for (const auto& [directory, kind, name] :
         {std::tuple{utilities, ListDirectory::U, "SONDREL.EXE"},
          std::tuple{dll, ListDirectory::D, "BARCODE.DLL"},
          std::tuple{dll, ListDirectory::D, "Barcode.dat"},
          std::tuple{utilities, ListDirectory::U, "Barcode.dat"}}) {
        WriteWholeFile(JoinPath(directory, name), bytes);
        WriteWholeFile(JoinPath(repair, name), bytes);
        lists.AddInstalledPath(JoinPath(directory, name));
        lists.AddRepairFile(kind, name);
    }
    WriteWholeFile(JoinPath(dll, "other.dll"), bytes);
    ScriptedBoxes boxes;
    WindowsInstallSystem system(boxes, AfterHandOver::Return);
    WriteInstallLists(system, lists, dll, utilities);
    system.WriteUninstallEntry(utilities);

    EXPECT_EQ(RunRemoval(system, JoinPath(repair, kUninstallListName)), RemovalOutcome::HandedOver);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_FALSE(system.UninstallEntryExists());
    EXPECT_EQ(FileNamesIn(dll), std::set<std::string>{"other.dll"});
    EXPECT_EQ(FileNamesIn(utilities), std::set<std::string>{});

    // The command processor waits about two seconds for the installer to end.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (PathExists(utilities) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
    EXPECT_FALSE(PathExists(utilities));
    EXPECT_TRUE(PathExists(dll));
}

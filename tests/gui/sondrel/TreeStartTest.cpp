// The configuration file the start-up holds open, given what a user or an
// administrator should not give it: a path of 500 characters in the
// profile, a path no file can have, a file another program holds open
// without sharing. The program starts, says nothing about the file, builds
// the predefined tree and leaves the file and the profile as they were.
#include "BuildFiles.h"
#include "ProfileFiles.h"
#include "TreeCase.h"

#include <fstream>
#include <sstream>

namespace sondrel {
namespace {

constexpr size_t kLongPathLength = 500;
constexpr const char* kHeldFileContent = "held open by another program\r\n";

struct FileSetting {
    const char* name;
    enum Kind { kLongPath, kImpossibleName, kHeldOpen } kind;
};
constexpr FileSetting kFileSettings[] = {
    {"PathOf500Characters", FileSetting::kLongPath},
    {"ImpossibleFileName", FileSetting::kImpossibleName},
    {"FileHeldOpenWithoutSharing", FileSetting::kHeldOpen},
};

void PrintTo(const FileSetting& setting, std::ostream* out) {
    *out << setting.name;
}

std::string ProfileValue(const std::string& section, const std::string& key) {
    std::string value(4096, '\0');
    DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", value.data(),
                                            static_cast<DWORD>(value.size()),
                                            gui::JoinPath(gui::WindowsDirectory(), "win.ini").c_str());
    value.resize(length);
    return value;
}

std::string FileContent(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

class SondrelTreeConfigurationFile : public SondrelTree,
                                     public ::testing::WithParamInterface<FileSetting> {
  protected:
    std::string PathFor(FileSetting::Kind kind) {
        const std::string directory = gui::JoinPath(this->directory().Path(), "");
        switch (kind) {
        case FileSetting::kLongPath:
            return directory + std::string(kLongPathLength - directory.size(), 'c');
        case FileSetting::kImpossibleName:
            return directory + "con<fig>|?*\".dat";
        case FileSetting::kHeldOpen:
            return directory + "held.dat";
        }
        return {};
    }
};

TEST_P(SondrelTreeConfigurationFile, StartsWithThePredefinedTreeAndLeavesFileAndProfile) {
    const std::string section = Text(201, 21), key = Text(201, 22);
    ASSERT_FALSE(section.empty() || key.empty())
        << "the catalog has no profile section (201, 21) or key (201, 22) of the "
           "configuration file";
    const std::string path = PathFor(GetParam().kind);
    ASSERT_TRUE(gui::WriteProfileValue("win.ini", section, key, path));

    HANDLE held = INVALID_HANDLE_VALUE;
    if (GetParam().kind == FileSetting::kHeldOpen) {
        held = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(held, kHeldFileContent, static_cast<DWORD>(strlen(kHeldFileContent)), &written,
                  nullptr);
    }

    HWND shown = OpenWithStartMode(kPredefinedRadio);
    if (held != INVALID_HANDLE_VALUE && !shown) CloseHandle(held);
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(BoxesAfterStartDialog().empty())
        << ::testing::PrintToString(BoxesAfterStartDialog());
    ASSERT_TRUE(tree().Usable());
    EXPECT_EQ(tree().ChildTexts(nullptr),
              (std::vector<std::string>{EditableConfiguration(), DefaultValuesConfiguration(),
                                        PredefinedConfiguration()}))
        << TreeShown();
    EXPECT_EQ(tree().ChildTexts(Configuration(EditableConfiguration())),
              PredefinedNamedCodeNames());
    ExpectPicture();
    ExitCleanly();

    if (held != INVALID_HANDLE_VALUE) {
        CloseHandle(held);
        EXPECT_EQ(FileContent(path), kHeldFileContent) << "the held file changed";
    }
    // A file that did not open is not written back; a long value is not cut.
    EXPECT_EQ(ProfileValue(section, key), path);
}

INSTANTIATE_TEST_SUITE_P(Settings, SondrelTreeConfigurationFile,
                         ::testing::ValuesIn(kFileSettings),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace sondrel

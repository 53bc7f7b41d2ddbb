// One site for a test of Sondrel's library search: a Windows directory of
// its own (barcode.ini, win.ini), a current directory, fake modules copied
// in under the names a site gives them, and the message boxes the program
// shows. The process's current directory and Windows directory are put back
// afterwards.
#pragma once

#include "ScratchDirectory.h"
#include "win32api.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace sondreltest {

// A fake module of tests/sondrel as built.
inline std::string FakeModule(const std::string& name) {
    return std::string(FAKE_MODULE_DIR) + "/" + name + ".so";
}

struct Box {
    std::string caption;
    std::string text;
    bool operator==(const Box&) const = default;
};

inline std::vector<Box>& RecordedBoxes() {
    static std::vector<Box> boxes;
    return boxes;
}

class TestSite {
  public:
    explicit TestSite(const std::string& name)
        : scratch_("sondrel-" + name), previousDirectory_(std::filesystem::current_path()) {
        const char* windows = std::getenv("BARCODE_WINDIR");
        previousWindows_ = windows ? windows : "";
        setenv("BARCODE_WINDIR", Directory("windows").c_str(), 1);
        std::filesystem::current_path(Directory("current"));
        RecordedBoxes().clear();
        previousHandler_ =
            SetMessageBoxHandler([](const char* text, const char* caption, unsigned) {
                RecordedBoxes().push_back({caption ? caption : "", text ? text : ""});
                return IDOK;
            });
    }
    ~TestSite() {
        SetMessageBoxHandler(previousHandler_);
        std::filesystem::current_path(previousDirectory_);
        setenv("BARCODE_WINDIR", previousWindows_.c_str(), 1);
    }

    // <site>/<name>, created when missing.
    std::string Directory(const std::string& name) const {
        std::string path = scratch_.File(name);
        std::filesystem::create_directories(path);
        return path;
    }

    // Copies a fake module into a directory of the site under fileName.
    void Install(const std::string& fakeModule, const std::string& directory,
                 const std::string& fileName) const {
        std::filesystem::copy_file(FakeModule(fakeModule), directory + "/" + fileName,
                                   std::filesystem::copy_options::overwrite_existing);
    }

    // Section "Barcode" of the program's profile and of win.ini.
    void SetProfileValue(const char* key, const std::string& value) const {
        WritePrivateProfileStringA("Barcode", key, value.c_str(), "barcode.ini");
    }
    void SetWindowsProfileValue(const char* key, const std::string& value) const {
        WriteProfileStringA("Barcode", key, value.c_str());
    }

  private:
    testsupport::ScratchDirectory scratch_;
    std::filesystem::path previousDirectory_;
    std::string previousWindows_;
    MessageBoxHandler previousHandler_;
};

} // namespace sondreltest

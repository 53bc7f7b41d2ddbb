// The profile files of the prefix that programs under test read without a
// path (barcode.ini and win.ini in the Windows directory). A case writes
// the values it needs through the profile functions; the guard puts the
// files back as they were before the case, byte for byte (or removes one
// that did not exist), so that no value reaches the next case.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace gui {

std::string WindowsDirectory();
std::string SystemDirectory();

// Sets or removes a value of a profile file named without a path (in the
// Windows directory), as the program under test reads it.
bool WriteProfileValue(const std::string& file, const std::string& section, const std::string& key,
                       const std::string& value);
bool RemoveProfileValue(const std::string& file, const std::string& section,
                        const std::string& key);

class ProfileFilesGuard {
  public:
    // Guards the named files of the Windows directory.
    explicit ProfileFilesGuard(std::vector<std::string> names = {"barcode.ini", "win.ini"});
    ~ProfileFilesGuard();
    ProfileFilesGuard(const ProfileFilesGuard&) = delete;
    ProfileFilesGuard& operator=(const ProfileFilesGuard&) = delete;

  private:
    struct SavedFile {
        std::string path;
        std::optional<std::string> content; // nothing: the file did not exist
    };
    std::vector<SavedFile> saved_;
};

} // namespace gui

#include "ProfileFiles.h"

#include "BuildFiles.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace gui {

namespace {

std::optional<std::string> ReadFileIfPresent(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

// Wine keeps the profile file last used in memory; flushing it makes the
// file on disk the one truth before it is saved and after it is restored.
void FlushProfileCache(const std::string& name) {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, name.c_str());
}

} // namespace

std::string WindowsDirectory() {
    char directory[MAX_PATH] = {};
    GetWindowsDirectoryA(directory, MAX_PATH);
    return directory;
}

std::string SystemDirectory() {
    char directory[MAX_PATH] = {};
    GetSystemDirectoryA(directory, MAX_PATH);
    return directory;
}

bool WriteProfileValue(const std::string& file, const std::string& section, const std::string& key,
                       const std::string& value) {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str());
}

bool RemoveProfileValue(const std::string& file, const std::string& section,
                        const std::string& key) {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), nullptr, file.c_str());
}

ProfileFilesGuard::ProfileFilesGuard(std::vector<std::string> names) {
    for (const std::string& name : names) {
        FlushProfileCache(name);
        std::string path = JoinPath(WindowsDirectory(), name);
        saved_.push_back({path, ReadFileIfPresent(path)});
    }
}

ProfileFilesGuard::~ProfileFilesGuard() {
    for (const SavedFile& file : saved_) {
        FlushProfileCache(std::filesystem::path(file.path).filename().string());
        if (file.content) {
            std::ofstream(file.path, std::ios::binary | std::ios::trunc) << *file.content;
        } else {
            std::error_code error;
            std::filesystem::remove(file.path, error);
        }
    }
}

} // namespace gui

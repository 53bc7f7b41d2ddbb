#include "ScratchDirectory.h"

#include "win32api.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace testsupport {

ScratchDirectory::ScratchDirectory(const std::string& name) {
    fs::path base = fs::temp_directory_path() /
                    ("bc-test-" + std::to_string(GetCurrentProcessId()) + "-" + name);
    std::error_code ignored;
    fs::remove_all(base, ignored);
    fs::create_directories(base);
    path_ = base.string();
}

ScratchDirectory::~ScratchDirectory() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

std::string ScratchDirectory::File(const std::string& name) const {
    return (fs::path(path_) / name).string();
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::string ReadTextFile(const std::string& path) {
    std::string text = ReadWholeFile(path);
    std::erase(text, '\r');
    return text;
}

void WriteWholeFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}

} // namespace testsupport

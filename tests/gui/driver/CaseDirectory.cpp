#include "CaseDirectory.h"

#include "BuildFiles.h"
#include "ShotLog.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace gui {

CaseDirectory::CaseDirectory(const std::string& caseName)
    : path_(JoinPath(CaseRootDirectory(), FileNamePart(caseName))) {
    std::error_code error;
    fs::remove_all(path_, error);
    fs::create_directories(path_, error);
}

CaseDirectory::~CaseDirectory() {
    std::error_code error;
    fs::remove_all(path_, error);
}

std::string CaseDirectory::File(const std::string& relativePath) const {
    return JoinPath(path_, relativePath);
}

bool CaseDirectory::CopyIn(const std::string& source, const std::string& relativePath) const {
    fs::path target = File(relativePath);
    std::error_code error;
    fs::create_directories(target.parent_path(), error);
    return fs::copy_file(source, target, fs::copy_options::overwrite_existing, error);
}

std::string CaseDirectory::MakeDirectory(const std::string& relativePath) const {
    std::string directory = File(relativePath);
    std::error_code error;
    fs::create_directories(directory, error);
    return fs::is_directory(directory, error) ? directory : std::string();
}

} // namespace gui

#include "BuildFiles.h"

#include <windows.h>

namespace gui {

namespace {

std::string DirectoryPart(const std::string& path) {
    size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? std::string(".") : path.substr(0, separator);
}

std::string DriverDirectory() {
    char file[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, file, MAX_PATH);
    return DirectoryPart(file);
}

} // namespace

std::string JoinPath(const std::string& directory, const std::string& name) {
    if (directory.empty() || directory.back() == '\\' || directory.back() == '/')
        return directory + name;
    return directory + "\\" + name;
}

std::string BuildDirectory() {
    return DirectoryPart(DriverDirectory());
}

std::string BuiltFile(const std::string& name) {
    return JoinPath(DriverDirectory(), name);
}

std::string ShotDirectory() {
    return JoinPath(BuildDirectory(), "gui-shots");
}

std::string CaseRootDirectory() {
    return JoinPath(BuildDirectory(), "gui-cases");
}

} // namespace gui

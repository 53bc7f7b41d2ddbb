// Module names and search directories (see module_search.h).
#include "module_search.h"

#include "path_util.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

namespace platform {

namespace {

bool EndsWithIgnoringCase(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           std::equal(suffix.rbegin(), suffix.rend(), text.rbegin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           });
}

bool HasPath(const std::string& moduleName) {
    return moduleName.find_first_of("/\\") != std::string::npos;
}

bool IsSharedObjectName(const std::string& name) {
    return name.ends_with(".so") || name.find(".so.") != std::string::npos;
}

std::string ToLower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string ProgramDirectory() {
    return fs::path(ProgramPath()).parent_path().string();
}

} // namespace

std::string ProgramPath() {
    std::error_code error;
    fs::path program = fs::read_symlink("/proc/self/exe", error);
    return error ? std::string() : program.string();
}

std::string SharedObjectName(const std::string& moduleName) {
    if (IsSharedObjectName(moduleName)) return moduleName;
    std::string base = moduleName;
    if (EndsWithIgnoringCase(base, ".dll")) base.resize(base.size() - 4);
    return "lib" + ToLower(base) + ".so";
}

std::vector<std::string> ModuleFileCandidates(const std::string& moduleName) {
    if (HasPath(moduleName)) {
        // Absolute, so that GetModuleFileNameA later names the file in full.
        std::error_code ignored;
        return {fs::absolute(MapDosPath(moduleName.c_str()), ignored).string()};
    }
    std::string file = SharedObjectName(moduleName);
    std::vector<std::string> dirs = {DirectoryOfThisModule()};
    std::string programDir = ProgramDirectory();
    if (!programDir.empty()) dirs = {programDir, dirs.front(), programDir + "/../lib"};
    std::vector<std::string> candidates;
    for (const std::string& dir : dirs) {
        std::string candidate = fs::path(dir + "/" + file).lexically_normal().string();
        if (std::find(candidates.begin(), candidates.end(), candidate) == candidates.end())
            candidates.push_back(candidate);
    }
    candidates.push_back(file);
    return candidates;
}

bool IsFileCandidate(const std::string& candidate) {
    return candidate.find('/') != std::string::npos;
}

} // namespace platform

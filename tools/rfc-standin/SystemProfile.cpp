#include "SystemProfile.h"

#include "FixedText.h"

#include <cstdlib>
#include <fstream>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace rfcstandin {

namespace {

using IniSections = std::map<std::string, std::map<std::string, std::string>>;

// Sections and keys in upper case; ';' and '#' begin comment lines.
std::optional<IniSections> ReadIni(const std::filesystem::path& path) {
    std::ifstream file(path);
    if (!file) return std::nullopt;
    IniSections sections;
    std::string section;
    std::string line;
    while (std::getline(file, line)) {
        std::string_view content = Trim(line);
        if (content.empty() || content.front() == ';' || content.front() == '#') continue;
        if (content.front() == '[' && content.back() == ']') {
            section = Upper(Trim(content.substr(1, content.size() - 2)));
            continue;
        }
        std::size_t equals = content.find('=');
        if (equals == std::string_view::npos) continue;
        sections[section][Upper(Trim(content.substr(0, equals)))] =
            std::string(Trim(content.substr(equals + 1)));
    }
    return sections;
}

std::string Value(const IniSections& ini, const std::string& section, const std::string& key) {
    auto keys = ini.find(section);
    if (keys == ini.end()) return {};
    auto value = keys->second.find(key);
    return value == keys->second.end() ? std::string() : value->second;
}

std::filesystem::path ThisLibraryPath() {
#ifdef _WIN32
    HMODULE module = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCSTR>(&ThisLibraryPath), &module))
        return {};
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    return std::filesystem::path(std::string(path, length));
#else
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&ThisLibraryPath), &info) == 0 || info.dli_fname == nullptr)
        return {};
    return std::filesystem::path(info.dli_fname);
#endif
}

} // namespace

std::optional<SystemProfile> ReadSystemProfile(const std::filesystem::path& systemDirectory) {
    std::optional<IniSections> ini = ReadIni(systemDirectory / "system.ini");
    if (!ini) return std::nullopt;
    SystemProfile profile;
    profile.name = Value(*ini, "SYSTEM", "NAME");
    profile.client = Value(*ini, "SYSTEM", "CLIENT");
    profile.production = Value(*ini, "SYSTEM", "PRODUCTION") == "1";
    auto users = ini->find("USERS");
    if (users != ini->end())
        for (const auto& [user, password] : users->second)
            profile.passwords[user] = password;
    profile.breakFunction = Upper(Value(*ini, "FAILURES", "BREAK_FUNCTION"));
    return profile;
}

std::filesystem::path SystemsRoot() {
    if (const char* root = std::getenv("RFC_STANDIN_ROOT"); root != nullptr && *root != 0)
        return std::filesystem::path(root);
    std::filesystem::path library = ThisLibraryPath();
    if (library.empty()) return {};
    std::filesystem::path profilePath = library.parent_path() / "librfc32.ini";
    std::optional<IniSections> ini = ReadIni(profilePath);
    if (!ini) return {};
    std::string root = Value(*ini, "STANDIN", "ROOT");
    if (root.empty()) return {};
    std::filesystem::path rootPath(root);
    return rootPath.is_absolute() ? rootPath : library.parent_path() / rootPath;
}

std::filesystem::path HostDirectory(const std::filesystem::path& root, const std::string& host) {
    if (root.empty() || host.empty() || host.size() > 100) return {};
    bool onlyDots = true;
    for (char c : host) {
        bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                     c == '.' || c == '-' || c == '_';
        if (!plain) return {};
        if (c != '.') onlyDots = false;
    }
    if (onlyDots) return {};
    std::error_code error;
    std::filesystem::path exact = root / host;
    if (std::filesystem::is_directory(exact, error)) return exact;
    // Host names do not depend on case; the directories are lower case.
    std::string lower = host;
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return root / lower;
}

} // namespace rfcstandin

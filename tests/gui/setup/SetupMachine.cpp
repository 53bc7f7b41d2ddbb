#include "SetupMachine.h"

#include <objidl.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace fs = std::filesystem;

namespace setupgui {

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

bool PathExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::set<std::string> FileNamesIn(const std::string& directory) {
    std::set<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((directory + "\\*").c_str(), &found);
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

bool WaitUntilGone(const std::string& path, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (PathExists(path)) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return true;
}

bool CopyFiles(const std::string& from, const std::string& to,
               const std::vector<std::string>& names) {
    std::error_code error;
    fs::create_directories(to, error);
    for (const std::string& name : names)
        if (!fs::copy_file(fs::path(from) / name, fs::path(to) / name,
                           fs::copy_options::overwrite_existing, error))
            return false;
    return true;
}

namespace {

std::wstring Wide(const std::string& text) {
    return std::wstring(text.begin(), text.end()); // the names here are ASCII
}

std::string Narrow(const wchar_t* text, size_t length) {
    std::string narrow;
    for (size_t i = 0; i < length; ++i)
        narrow += static_cast<char>(text[i]);
    return narrow;
}

} // namespace

std::optional<std::string> MachineString(const std::string& key, const std::string& name) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return std::nullopt;
    wchar_t data[2048] = {};
    DWORD size = sizeof data - sizeof(wchar_t);
    DWORD type = 0;
    LONG result = RegQueryValueExW(handle, Wide(name).c_str(), nullptr, &type,
                                   reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(handle);
    if (result != ERROR_SUCCESS || type != REG_SZ) return std::nullopt;
    std::string value = Narrow(data, size / sizeof(wchar_t));
    // Wine keeps a NUL after a REG_SZ whatever length was written.
    while (!value.empty() && value.back() == '\0')
        value.pop_back();
    return value;
}

bool MachineKeyExists(const std::string& key) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    RegCloseKey(handle);
    return true;
}

std::vector<std::pair<std::string, std::string>> MachineStrings(const std::string& key) {
    std::vector<std::pair<std::string, std::string>> values;
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return values;
    for (DWORD index = 0;; ++index) {
        char name[256] = {};
        DWORD nameLength = sizeof name;
        if (RegEnumValueA(handle, index, name, &nameLength, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        if (std::optional<std::string> data = MachineString(key, name))
            values.emplace_back(name, *data);
    }
    RegCloseKey(handle);
    return values;
}

void WriteMachineStrings(const std::string& key,
                         const std::vector<std::pair<std::string, std::string>>& values) {
    HKEY handle = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle,
                        nullptr) != ERROR_SUCCESS)
        return;
    for (const auto& [name, data] : values)
        RegSetValueExA(handle, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                       static_cast<DWORD>(data.size() + 1));
    RegCloseKey(handle);
}

void DeleteMachineKey(const std::string& key) {
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, key.c_str());
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, key.c_str());
}

std::string ProfileString(const std::string& section, const std::string& key,
                          const std::string& file) {
    char value[512] = {};
    GetPrivateProfileStringA(section.c_str(), key.c_str(), "<absent>", value, sizeof value,
                             file.c_str());
    return value;
}

std::optional<ShellLinkContent> ReadShellLink(const std::string& path) {
    CoInitialize(nullptr);
    std::optional<ShellLinkContent> content;
    IShellLinkA* link = nullptr;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(Wide(path).c_str(), STGM_READ))) {
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

std::string CommonProgramsFolder() {
    char path[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_COMMON_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

std::string SystemDirectory() {
    char path[MAX_PATH] = {};
    GetSystemDirectoryA(path, MAX_PATH);
    return path;
}

std::string ProductVersionOf(const std::string& path) {
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
    if (size == 0) return {};
    std::string block(size, '\0');
    if (!GetFileVersionInfoA(path.c_str(), 0, size, block.data())) return {};
    char* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), "\\StringFileInfo\\040904E4\\ProductVersion",
                        reinterpret_cast<void**>(&value), &length) ||
        value == nullptr)
        return {};
    return std::string(value, strnlen(value, length));
}

void RemoveInstallation(const std::string& utilities) {
    DeleteMachineKey(kUninstallKey);
    DeleteMachineKey(kIniFileMappingKey);
    DeleteMachineKey("Software\\Korvell");
    std::error_code error;
    fs::remove_all(utilities, error);
    DeleteFileA((CommonProgramsFolder() + "\\Sondrel.LNK").c_str());
    WritePrivateProfileStringA("Barcode", nullptr, nullptr, "barcode.ini");
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, "barcode.ini");
}

bool SameText(const std::string& a, const std::string& b) {
    return a.size() == b.size() && CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.data(),
                                                  static_cast<int>(a.size()), b.data(),
                                                  static_cast<int>(b.size())) == CSTR_EQUAL;
}

} // namespace setupgui

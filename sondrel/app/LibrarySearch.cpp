// The library search: the candidate list is built from the environment
// alone, and the loader walks it.
#include "LibrarySearch.h"

#include "catalog/Translate.h"

#include <cstring>

namespace {

// Both profiles keep the library's directory in a section of this name.
constexpr const char* kLibrarySection = "Barcode";
constexpr DWORD kProfileValueSize = 1000;
constexpr const char* kWindowsProfileDefault = ".";
// Where a developer's build of the DLL lies beside Sondrel's own build.
constexpr const char* kDevelopmentBuildDirectory = "..\\Barcode2\\Debug\\";
// Far beyond any real path; ends the growing of a buffer for a file name.
constexpr DWORD kLongestFileName = 32768;

std::string ReadPrivateProfileValue(const char* keyName) {
    char value[kProfileValueSize] = {};
    GetPrivateProfileStringA(kLibrarySection, keyName, "", value, kProfileValueSize,
                             GetText(203, 38, true));
    return value;
}

std::string ReadWindowsProfileValue(const char* keyName) {
    char value[kProfileValueSize] = {};
    GetProfileStringA(kLibrarySection, keyName, kWindowsProfileDefault, value, kProfileValueSize);
    return value;
}

// A directory as GetWindowsDirectoryA and GetSystemDirectoryA give it: they
// answer the size they need when the buffer is too small.
template <typename DirectoryFunction> std::string ReadDirectory(DirectoryFunction read) {
    std::string directory(MAX_PATH, '\0');
    UINT length = read(directory.data(), static_cast<UINT>(directory.size()));
    if (length >= directory.size()) {
        directory.assign(length + 1, '\0');
        length = read(directory.data(), static_cast<UINT>(directory.size()));
    }
    if (length >= directory.size()) return std::string();
    directory.resize(length);
    return directory;
}

// GetModuleFileNameA cuts a long name to the buffer and returns the buffer's size.
std::string ReadProgramFileName() {
    for (DWORD size = MAX_PATH; size <= kLongestFileName; size *= 2) {
        std::string name(size, '\0');
        DWORD length = GetModuleFileNameA(nullptr, name.data(), size);
        if (length == 0) return std::string();
        if (length < size) {
            name.resize(length);
            return name;
        }
    }
    return std::string();
}

// The program's directory with its trailing separator. Windows names the
// program with backslashes; the Linux build's platform layer with slashes.
std::string ProgramDirectory(const std::string& programFileName) {
    size_t separator = programFileName.find_last_of("\\/");
    if (separator == std::string::npos) return programFileName + "\\";
    return programFileName.substr(0, separator + 1);
}

void AddValueCandidates(std::vector<std::string>& candidates, const std::string& value,
                        const std::string& fileName) {
    candidates.push_back(value + "\\" + fileName);
    candidates.push_back(fileName);
}

// A directory of the library's name is no library: the search goes on.
bool FileExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsAbsolutePath(const std::string& path) {
    bool fromRoot = !path.empty() && (path[0] == '\\' || path[0] == '/');
    bool withDrive = path.size() >= 2 && path[1] == ':';
    return fromRoot || withDrive;
}

std::string CurrentDirectory() {
    std::string directory(GetCurrentDirectoryA(0, nullptr), '\0');
    DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(directory.size()), directory.data());
    if (length == 0 || length >= directory.size()) return std::string();
    directory.resize(length);
    return directory;
}

// The access check found a relative candidate in the current directory.
// LoadLibraryA would look for a relative path in its own places first (the
// program's directory, the system directories), which may hold another
// copy: the full path makes it load the file that was checked.
std::string LoadablePath(const std::string& candidate) {
    if (IsAbsolutePath(candidate)) return candidate;
    std::string current = CurrentDirectory();
    if (current.empty()) return candidate;
    std::string relative = candidate;
    while (relative.starts_with(".\\") || relative.starts_with("./"))
        relative.erase(0, 2);
    bool endsWithSeparator = current.back() == '\\' || current.back() == '/';
    return current + (endsWithSeparator ? "" : "\\") + relative;
}

// Copies as much of the path as fits, always terminated.
void CopyLocation(const std::string& path, char* locationOut, size_t locationSize) {
    if (locationOut == nullptr || locationSize == 0) return;
    size_t length = path.size() < locationSize ? path.size() : locationSize - 1;
    std::memcpy(locationOut, path.data(), length);
    locationOut[length] = '\0';
}

} // namespace

std::vector<std::string> LibraryCandidates(const std::string& fileName,
                                           const LibrarySearchEnvironment& environment) {
    std::vector<std::string> candidates;
    if (!environment.privateProfileValue.empty())
        AddValueCandidates(candidates, environment.privateProfileValue, fileName);
    AddValueCandidates(candidates, environment.windowsProfileValue, fileName);
    candidates.push_back(kDevelopmentBuildDirectory + fileName);
    candidates.push_back(environment.windowsDirectory + "\\" + fileName);
    candidates.push_back(environment.systemDirectory + "\\" + fileName);
    candidates.push_back(ProgramDirectory(environment.programFileName) + fileName);
    return candidates;
}

LibrarySearchEnvironment CurrentLibrarySearchEnvironment(const char* keyName) {
    LibrarySearchEnvironment environment;
    // Without a key GetPrivateProfileStringA would list the section's keys.
    if (keyName != nullptr) {
        environment.privateProfileValue = ReadPrivateProfileValue(keyName);
        environment.windowsProfileValue = ReadWindowsProfileValue(keyName);
    } else {
        environment.windowsProfileValue = std::string(kWindowsProfileDefault);
    }
    environment.windowsDirectory =
        ReadDirectory([](LPSTR buffer, UINT size) { return GetWindowsDirectoryA(buffer, size); });
    environment.systemDirectory =
        ReadDirectory([](LPSTR buffer, UINT size) { return GetSystemDirectoryA(buffer, size); });
    environment.programFileName = ReadProgramFileName();
    return environment;
}

HMODULE FindAndLoadLibrary(const char* fileName, const char* keyName, char* locationOut,
                           size_t locationSize) {
    if (fileName == nullptr || *fileName == '\0') return LibraryNotFound();
    for (const std::string& candidate :
         LibraryCandidates(fileName, CurrentLibrarySearchEnvironment(keyName))) {
        if (!FileExists(candidate)) continue;
        std::string path = LoadablePath(candidate);
        CopyLocation(path, locationOut, locationSize);
        return LoadLibraryA(path.c_str());
    }
    return LibraryNotFound();
}

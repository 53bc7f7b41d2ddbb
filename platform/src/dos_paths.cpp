// Windows paths on Linux: backslashes, drive letters and case-insensitive
// file names, so that a default such as "C:\Barcode.Log" lands in a known
// place instead of the current directory.
//
// DOS root: $BARCODE_DOSROOT, else ${XDG_DATA_HOME:-$HOME/.local/share}/barcode/drives.
// "X:\dir\file" maps to <root>/x/dir/file, "\\server\share\file" to
// <root>/unc/server/share/file; relative and POSIX paths keep their place.
#include "path_util.h"

#include <cctype>
#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace platform;

namespace {

std::string DosRoot() {
    std::string root = EnvOrEmpty("BARCODE_DOSROOT");
    if (!root.empty()) return root;
    std::string data = EnvOrEmpty("XDG_DATA_HOME");
    if (data.empty()) data = HomeDirectory() + "/.local/share";
    return data + "/barcode/drives";
}

bool HasDriveLetter(const std::string& path) {
    return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
}

std::string StripLeadingSlashes(const std::string& text) {
    size_t start = text.find_first_not_of('/');
    return start == std::string::npos ? "" : text.substr(start);
}

// Windows finds "Barcode.ini" when asked for "barcode.ini": where the exact
// name does not exist, take an entry of the same directory that differs only
// in case.
std::string ResolveNameCase(const std::string& path) {
    struct stat status {};
    if (path.empty() || stat(path.c_str(), &status) == 0) return path;
    size_t slash = path.find_last_of('/');
    std::string dir = slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.empty()) return path;
    DIR* listing = opendir(dir.c_str());
    if (listing == nullptr) return path;
    std::string resolved = path;
    while (const dirent* entry = readdir(listing)) {
        if (strcasecmp(entry->d_name, name.c_str()) == 0) {
            resolved = (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) +
                       entry->d_name;
            break;
        }
    }
    closedir(listing);
    return resolved;
}

std::string WithoutTextMode(const char* mode) {
    std::string result;
    for (const char* c = mode; *c; ++c)
        if (*c != 't') result += *c;
    return result;
}

} // namespace

std::string MapDosPath(const char* path) {
    if (path == nullptr) return "";
    std::string mapped(path);
    for (char& c : mapped)
        if (c == '\\') c = '/';
    if (HasDriveLetter(mapped)) {
        std::string drive(1,
                          static_cast<char>(std::tolower(static_cast<unsigned char>(mapped[0]))));
        std::string driveDir = DosRoot() + "/" + drive;
        MakeDirectories(driveDir); // a drive's root always exists on Windows
        mapped = driveDir + "/" + StripLeadingSlashes(mapped.substr(2));
    } else if (mapped.rfind("//", 0) == 0) {
        std::string uncDir = DosRoot() + "/unc";
        MakeDirectories(uncDir);
        mapped = uncDir + "/" + StripLeadingSlashes(mapped);
    }
    return ResolveNameCase(mapped);
}

FILE* OpenFileStream(const char* path, const char* mode) {
    if (path == nullptr || mode == nullptr) return nullptr;
    return std::fopen(MapDosPath(path).c_str(), WithoutTextMode(mode).c_str());
}

FILE* OpenExclusiveFileStream(const char* path) {
    if (path == nullptr) return nullptr;
    int fd = open(MapDosPath(path).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return nullptr;
    // The lock goes with the open file and ends with the process, so a crashed
    // writer never keeps the name.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0 || ftruncate(fd, 0) != 0) {
        close(fd);
        return nullptr;
    }
    FILE* stream = fdopen(fd, "w+");
    if (stream == nullptr) close(fd);
    return stream;
}

#include "InstallPaths.h"

#include <algorithm>
#include <cctype>

namespace {

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool IsDriveLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

bool StartsWithDrive(std::string_view path) {
    return path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == ':';
}

// Characters Windows refuses in a file name (the ":" of the drive aside).
bool IsForbiddenNameCharacter(char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == '"' || c == '*' || c == '?' || c == '<' ||
           c == '>' || c == '|' || c == ':' || c == '/';
}

bool IsPlainComponent(std::string_view component) {
    if (component.empty() || component == "." || component == "..") return false;
    return std::none_of(component.begin(), component.end(), IsForbiddenNameCharacter);
}

} // namespace

std::string JoinPath(std::string_view directory, std::string_view name) {
    std::string path(directory);
    if (path.empty() || path.back() != '\\') path += '\\';
    // A name given as "\Setup.exe" does not double the backslash.
    if (!name.empty() && name.front() == '\\') name.remove_prefix(1);
    path += name;
    return path;
}

std::string UnderscoreForm(std::string_view name) {
    std::string form(name);
    if (!form.empty()) form.back() = '_';
    return form;
}

std::string TemporaryPathBeside(std::string_view target) {
    return std::string(target) + ".~new";
}

std::string NormaliseDirectory(std::string_view directory) {
    while (!directory.empty() && std::isspace(static_cast<unsigned char>(directory.front())))
        directory.remove_prefix(1);
    while (!directory.empty() && std::isspace(static_cast<unsigned char>(directory.back())))
        directory.remove_suffix(1);
    while (directory.size() > 1 && directory.back() == '\\' && !IsDriveRoot(directory))
        directory.remove_suffix(1);
    return std::string(directory);
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Lower(x) == Lower(y); });
}

bool EndsWithNoCase(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && EqualsNoCase(text.substr(text.size() - tail.size()), tail);
}

bool IsDriveRoot(std::string_view path) {
    return StartsWithDrive(path) && (path.size() == 2 || (path.size() == 3 && path[2] == '\\'));
}

bool IsPlainDrivePath(std::string_view path) {
    if (!StartsWithDrive(path) || path.size() < 3 || path[2] != '\\') return false;
    std::string_view rest = path.substr(3);
    if (rest.empty()) return true;
    while (true) {
        size_t end = rest.find('\\');
        if (!IsPlainComponent(rest.substr(0, end))) return false;
        if (end == std::string_view::npos) return true;
        rest.remove_prefix(end + 1);
    }
}

bool IsBelowDirectory(std::string_view path, std::string_view directory) {
    std::string prefix = JoinPath(directory, "");
    return path.size() > prefix.size() && EqualsNoCase(path.substr(0, prefix.size()), prefix);
}

bool IsSameOrAncestorOf(std::string_view path, std::string_view directory) {
    std::string normalised = NormaliseDirectory(directory);
    return EqualsNoCase(NormaliseDirectory(path), normalised) ||
           IsBelowDirectory(normalised, NormaliseDirectory(path));
}

std::string_view ParentOf(std::string_view path) {
    size_t slash = path.rfind('\\');
    return slash == std::string_view::npos ? std::string_view() : path.substr(0, slash);
}

std::string_view FileNameOf(std::string_view path) {
    size_t slash = path.rfind('\\');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

bool IsPlainFileName(std::string_view name) {
    return name.find('\\') == std::string_view::npos && IsPlainComponent(name);
}

std::string RepairDirectoryOf(std::string_view utilitiesDirectory) {
    return JoinPath(utilitiesDirectory, "repair");
}

std::string DefaultUtilitiesDirectory(std::string_view programFiles, std::string_view folder) {
    return JoinPath(programFiles.empty() ? std::string_view("C:\\") : programFiles, folder);
}

std::string ShortcutPath(std::string_view folder, std::string_view target) {
    std::string_view name = FileNameOf(target);
    return JoinPath(folder, name.substr(0, name.find('.'))) + ".LNK";
}

std::string AbsolutePath(std::string_view path, std::string_view currentDirectory) {
    if (StartsWithDrive(path) || (!path.empty() && path.front() == '\\')) return std::string(path);
    return JoinPath(currentDirectory, path);
}

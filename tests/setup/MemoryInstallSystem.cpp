#include "MemoryInstallSystem.h"

#include "InstallPaths.h"

#include <algorithm>
#include <cctype>
#include <cstring>

MemoryInstallSystem::MemoryInstallSystem() {
    machine = {"E:\\",
               "C:\\WINDOWS",
               "C:\\WINDOWS\\SYSTEM32",
               "C:\\Program Files",
               "C:\\ProgramData\\Programs",
               "C:\\Users\\me\\Programs"};
    for (const std::string* directory :
         {&machine.current, &machine.windows, &machine.system, &machine.programFiles,
          &machine.commonPrograms, &machine.userPrograms})
        AddDirectory(*directory);
}

std::string MemoryInstallSystem::Key(const std::string& path) {
    std::string key = NormaliseDirectory(path);
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return key;
}

void MemoryInstallSystem::AddDirectory(const std::string& path) {
    for (std::string directory = NormaliseDirectory(path); !directory.empty();
         directory = std::string(ParentOf(directory))) {
        directories_.insert(
            Key(IsDriveRoot(directory) ? directory.substr(0, 2) + "\\" : directory));
        if (IsDriveRoot(directory)) break;
    }
}

void MemoryInstallSystem::AddFile(const std::string& path, std::string bytes,
                                  std::optional<std::string> version) {
    AddDirectory(std::string(ParentOf(path)));
    files_[Key(path)] = {std::move(bytes), std::move(version)};
}

void MemoryInstallSystem::Answer(std::initializer_list<BoxAnswer> answers) {
    answers_.insert(answers_.end(), answers.begin(), answers.end());
}

const MemoryInstallSystem::File* MemoryInstallSystem::FindFile(const std::string& path) const {
    auto found = files_.find(Key(path));
    return found == files_.end() ? nullptr : &found->second;
}

bool MemoryInstallSystem::HasDirectory(const std::string& path) const {
    return directories_.count(Key(path)) != 0;
}

std::vector<std::string> MemoryInstallSystem::FilePaths() const {
    std::vector<std::string> paths;
    for (const auto& [path, file] : files_)
        paths.push_back(path);
    return paths;
}

std::vector<std::string> MemoryInstallSystem::Captions() const {
    std::vector<std::string> captions;
    for (const MessageBoxRequest& box : boxes)
        captions.push_back(box.caption);
    return captions;
}

bool MemoryInstallSystem::Listed(const std::set<std::string>& paths, const std::string& path) {
    return std::any_of(paths.begin(), paths.end(),
                       [&](const std::string& listed) { return Key(listed) == Key(path); });
}

bool MemoryInstallSystem::ParentExists(const std::string& path) const {
    std::string parent(ParentOf(NormaliseDirectory(path)));
    return HasDirectory(IsDriveRoot(parent) ? parent + "\\" : parent);
}

BoxAnswer MemoryInstallSystem::ShowBox(const MessageBoxRequest& box) {
    boxes.push_back(box);
    if (box.buttons == BoxButtons::Ok) return BoxAnswer::Ok;
    if (!answers_.empty()) {
        BoxAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    if (box.buttons == BoxButtons::OkCancel)
        return box.secondButtonDefault ? BoxAnswer::Cancel : BoxAnswer::Ok;
    return box.secondButtonDefault ? BoxAnswer::No : BoxAnswer::Yes;
}

DirectoryProbe MemoryInstallSystem::ProbeDirectory(const std::string& path) {
    if (currentDirectoryUnreadable) return DirectoryProbe::CurrentDirectoryUnreadable;
    return HasDirectory(path) ? DirectoryProbe::Exists : DirectoryProbe::Missing;
}

bool MemoryInstallSystem::CreateOneDirectory(const std::string& path) {
    if (HasDirectory(path) || !ParentExists(path)) return false;
    directories_.insert(Key(path));
    return true;
}

std::optional<uint64_t> MemoryInstallSystem::FileSize(const std::string& path) {
    const File* file = FindFile(path);
    if (!file) return std::nullopt;
    return file->bytes.size();
}

bool MemoryInstallSystem::ReadFileInto(const std::string& path, char* buffer, size_t size) {
    const File* file = FindFile(path);
    if (!file || Listed(unreadable, path) || file->bytes.size() < size) return false;
    std::memcpy(buffer, file->bytes.data(), size);
    return true;
}

WriteResult MemoryInstallSystem::WriteNewFile(const std::string& path, const char* data,
                                              size_t size) {
    if (!ParentExists(path) || HasDirectory(path)) return WriteResult::CannotCreate;
    files_[Key(path)] = {std::string(data, size), std::nullopt};
    return WriteResult::Written;
}

bool MemoryInstallSystem::ReplaceFile(const std::string& from, const std::string& target) {
    auto source = files_.find(Key(from));
    if (source == files_.end() || Listed(undeletable, target)) return false;
    File moved = std::move(source->second);
    files_.erase(source);
    // The copy's version is the one of the file it was read from.
    files_[Key(target)] = std::move(moved);
    return true;
}

bool MemoryInstallSystem::DeleteOneFile(const std::string& path) {
    if (Listed(undeletable, path)) return false;
    return files_.erase(Key(path)) != 0;
}

bool MemoryInstallSystem::WriteTextFile(const std::string& path, const std::string& text) {
    if (!ParentExists(path)) return false;
    files_[Key(path)] = {text, std::nullopt};
    return true;
}

std::optional<std::string> MemoryInstallSystem::ProductVersionOf(const std::string& path) {
    const File* file = FindFile(path);
    return file ? file->version : std::nullopt;
}

void MemoryInstallSystem::WriteProfileString(const std::string& section, const std::string& key,
                                             const std::string& value, const std::string& file) {
    profileWrites.push_back(section + "/" + key + "=" + value);
}

void MemoryInstallSystem::MapSettingsSection(const std::string& section) {
    mappedSections.push_back(section);
}

void MemoryInstallSystem::WriteUninstallEntry(const std::string& utilitiesDirectory) {
    uninstallEntry = true;
}

bool MemoryInstallSystem::DeleteUninstallEntry() {
    bool existed = uninstallEntry;
    uninstallEntry = false;
    return existed;
}

std::string MemoryInstallSystem::CreateProgramShortcut(const std::string& target,
                                                       const std::string& description,
                                                       bool allUsers) {
    std::string path =
        ShortcutPath(allUsers ? machine.commonPrograms : machine.userPrograms, target);
    AddFile(path, "shortcut to " + target);
    return path;
}

bool MemoryInstallSystem::RunAndWait(const std::string& program, const std::string& argument) {
    programsRun.push_back(program + " " + argument);
    return true;
}

bool MemoryInstallSystem::HandOverToCommandProcessor(const std::vector<std::string>& arguments) {
    handOver = arguments;
    return handOverStarts;
}

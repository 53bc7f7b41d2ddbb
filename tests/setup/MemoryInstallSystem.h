// The installer's view of a machine, in memory: files with their bytes and
// versions, directories, the profile and registry entries the installer
// writes, the boxes it shows (answered from a script), and the programs it
// starts. Paths compare without regard to case, as on Windows.
#pragma once

#include "InstallSystem.h"

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

class MemoryInstallSystem : public InstallSystem {
  public:
    struct File {
        std::string bytes;
        std::optional<std::string> version;
    };

    MemoryInstallSystem();

    // Set-up of the machine.
    void AddDirectory(const std::string& path); // with its parents
    void AddFile(const std::string& path, std::string bytes,
                 std::optional<std::string> version = std::nullopt);
    // Answers for the next boxes that ask something, in order; a box that
    // asks beyond them gets the default button.
    void Answer(std::initializer_list<BoxAnswer> answers);

    // What the installer did.
    const File* FindFile(const std::string& path) const;
    bool HasDirectory(const std::string& path) const;
    std::vector<std::string> FilePaths() const; // lower case, sorted
    // The captions of the boxes shown, in order.
    std::vector<std::string> Captions() const;

    MachineDirectories machine;
    bool german = false;
    std::string computerName = "WORKSTATION";
    bool uninstallEntry = false;
    bool handOverStarts = true;
    bool currentDirectoryUnreadable = false;
    std::set<std::string> unreadable;  // reads of these paths fail
    std::set<std::string> undeletable; // deleting these fails
    std::vector<MessageBoxRequest> boxes;
    std::vector<std::string> profileWrites; // "section/key=value"
    std::vector<std::string> mappedSections;
    std::vector<std::string> programsRun; // "program argument"
    std::vector<std::string> handOver;    // the command processor's arguments

    BoxAnswer ShowBox(const MessageBoxRequest& box) override;
    MachineDirectories Directories() override { return machine; }
    bool ThreadLocaleIsGerman() override { return german; }
    std::string ComputerName() override { return computerName; }
    DirectoryProbe ProbeDirectory(const std::string& path) override;
    bool CreateOneDirectory(const std::string& path) override;
    bool FileExists(const std::string& path) override { return FindFile(path) != nullptr; }
    bool OpenableForReading(const std::string& path) override { return FileExists(path); }
    std::optional<uint64_t> FileSize(const std::string& path) override;
    bool ReadFileInto(const std::string& path, char* buffer, size_t size) override;
    WriteResult WriteNewFile(const std::string& path, const char* data, size_t size) override;
    bool ReplaceFile(const std::string& from, const std::string& target) override;
    bool DeleteOneFile(const std::string& path) override;
    bool WriteTextFile(const std::string& path, const std::string& text) override;
    std::optional<std::string> ProductVersionOf(const std::string& path) override;
    void WriteProfileString(const std::string& section, const std::string& key,
                            const std::string& value, const std::string& file) override;
    void MapSettingsSection(const std::string& section) override;
    void WriteUninstallEntry(const std::string& utilitiesDirectory) override;
    bool UninstallEntryExists() override { return uninstallEntry; }
    bool DeleteUninstallEntry() override;
    std::string CreateProgramShortcut(const std::string& target, const std::string& description,
                                      bool allUsers) override;
    bool RunAndWait(const std::string& program, const std::string& argument) override;
    bool HandOverToCommandProcessor(const std::vector<std::string>& arguments) override;

  private:
    static std::string Key(const std::string& path);
    static bool Listed(const std::set<std::string>& paths, const std::string& path);
    bool ParentExists(const std::string& path) const;

    std::map<std::string, File> files_;
    std::set<std::string> directories_;
    std::deque<BoxAnswer> answers_;
};

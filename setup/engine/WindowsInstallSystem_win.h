// The installer engine's machine on Windows: each operation of InstallSystem
// as one or two system calls. Questions go to a BoxAnswerer.
#pragma once

#include "InstallBoxes_win.h"
#include "InstallSystem.h"

// What the hand-over to the command processor does to the installer: the
// installer ends so that the command processor can remove its directory; a
// test keeps running and waits for the removal instead.
enum class AfterHandOver { EndInstaller, Return };

class WindowsInstallSystem : public InstallSystem {
  public:
    explicit WindowsInstallSystem(BoxAnswerer& boxes,
                                  AfterHandOver afterHandOver = AfterHandOver::EndInstaller)
        : boxes_(boxes), afterHandOver_(afterHandOver) {}

    BoxAnswer ShowBox(const MessageBoxRequest& box) override { return boxes_.Answer(box); }
    MachineDirectories Directories() override;
    bool ThreadLocaleIsGerman() override;
    std::string ComputerName() override;

    DirectoryProbe ProbeDirectory(const std::string& path) override;
    bool CreateOneDirectory(const std::string& path) override;

    bool FileExists(const std::string& path) override;
    bool OpenableForReading(const std::string& path) override;
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
    bool UninstallEntryExists() override;
    bool DeleteUninstallEntry() override;
    std::string CreateProgramShortcut(const std::string& target, const std::string& description,
                                      bool allUsers) override;

    bool RunAndWait(const std::string& program, const std::string& argument) override;
    bool HandOverToCommandProcessor(const std::vector<std::string>& arguments) override;

  private:
    BoxAnswerer& boxes_;
    AfterHandOver afterHandOver_;
};

// The command processor's command line of a hand-over: it waits about two
// seconds (so that the installer has ended and released its directory and
// files), then runs the arguments after "/c".
std::string DelayedCommandLine(const std::string& commandProcessor,
                               const std::vector<std::string>& arguments);

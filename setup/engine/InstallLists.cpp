#include "InstallLists.h"

#include "InstallPaths.h"
#include "InstallSystem.h"

namespace {

void AppendLine(std::string& text, std::string_view line) {
    text.append(line);
    text += '\n';
}

} // namespace

void InstallLists::AddUninstallProgramFirst(std::string_view program) {
    uninstallLines_.insert(uninstallLines_.begin(), "-c " + std::string(program) + " -u");
}

void InstallLists::AddRepairFile(ListDirectory directory, std::string_view name) {
    repairLines_.push_back((directory == ListDirectory::D ? "D " : "U ") + std::string(name));
}

std::string InstallLists::RepairListText(std::string_view dllDirectory,
                                         std::string_view utilitiesDirectory) const {
    std::string text;
    AppendLine(text, "D=" + std::string(dllDirectory));
    AppendLine(text, "U=" + std::string(utilitiesDirectory));
    for (const std::string& line : repairLines_)
        AppendLine(text, line);
    return text;
}

std::string InstallLists::UninstallListText(std::string_view utilitiesDirectory) const {
    const std::string repairDirectory = RepairDirectoryOf(utilitiesDirectory);
    std::string text;
    for (const std::string& line : uninstallLines_)
        AppendLine(text, line);
    AppendLine(text, JoinPath(repairDirectory, kRepairListName));
    AppendLine(text, JoinPath(repairDirectory, kUninstallListName));
    AppendLine(text, "-r " + std::string(utilitiesDirectory));
    return text;
}

void WriteInstallLists(InstallSystem& system, const InstallLists& lists,
                       std::string_view dllDirectory, std::string_view utilitiesDirectory) {
    const std::string repairDirectory = RepairDirectoryOf(utilitiesDirectory);
    if (!lists.RepairListEmpty())
        system.WriteTextFile(JoinPath(repairDirectory, kRepairListName),
                             lists.RepairListText(dllDirectory, utilitiesDirectory));
    if (!lists.UninstallListEmpty())
        system.WriteTextFile(JoinPath(repairDirectory, kUninstallListName),
                             lists.UninstallListText(utilitiesDirectory));
}

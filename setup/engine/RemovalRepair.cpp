#include "RemovalRepair.h"

#include "InstallFiles.h"
#include "InstallLists.h"
#include "InstallPaths.h"
#include "InstallSystem.h"
#include "RemovalList.h"
#include "RepairList.h"
#include "SetupTexts.h"

#include <optional>

namespace {

constexpr std::string_view kListSwitch = "-U ";
constexpr std::string_view kUninstallTail = "\\repair\\uninstall.lst";
constexpr std::string_view kRepairTail = "\\repair\\repair.lst";

std::string Trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        text = text.substr(1, text.size() - 2);
    return std::string(text);
}

void ReplaceTail(std::string& path, std::string_view tail, std::string_view replacement) {
    if (EndsWithNoCase(path, tail))
        path.replace(path.size() - tail.size(), tail.size(), replacement);
}

void ShowRefusal(InstallSystem& system, std::string_view listPath, const ListRefusal& refusal) {
    system.ShowBox({RefusalText(listPath, refusal), setup_text::kBarcode, BoxIcon::Error});
}

// D of the repair list beside the removal list, when that list is sound.
std::optional<std::string> DllDirectoryBeside(InstallSystem& system, std::string_view utilities) {
    const std::string repairList = JoinPath(RepairDirectoryOf(utilities), kRepairListName);
    ListRefusal refusal;
    std::optional<std::string> text = ReadListFile(system, repairList, refusal);
    if (!text) return std::nullopt;
    RepairPlan repair = PlanRepair(*text, repairList);
    if (repair.refusal || repair.dllDirectory.empty()) return std::nullopt;
    return repair.dllDirectory;
}

RemovalPlan PlanRemovalOfFile(InstallSystem& system, const std::string& listPath) {
    RemovalPlan plan;
    std::optional<std::string> text = ReadListFile(system, listPath, plan.refusal);
    if (!text) return plan;
    RemovalContext context{listPath, std::nullopt, system.Directories()};
    if (std::optional<std::string> utilities =
            UtilitiesDirectoryOfList(listPath, kUninstallListName))
        context.dllDirectory = DllDirectoryBeside(system, *utilities);
    return PlanRemoval(*text, context);
}

} // namespace

std::string ListPathFromCommandLine(std::string_view commandLine, ListUse use) {
    std::string path(commandLine);
    for (size_t at = path.find(kListSwitch); at != std::string::npos; at = path.find(kListSwitch))
        path.erase(at, kListSwitch.size());
    path = Trimmed(path);
    if (path.empty())
        return std::string("repair\\") +
               (use == ListUse::Removal ? kUninstallListName : kRepairListName);
    if (use == ListUse::Repair) ReplaceTail(path, kUninstallTail, kRepairTail);
    return path;
}

RemovalOutcome RunRemoval(InstallSystem& system, std::string_view listPath) {
    if (!system.UninstallEntryExists()) return RemovalOutcome::NoUninstallEntry;
    const std::string absolute = AbsolutePath(listPath, system.Directories().current);
    RemovalPlan plan = PlanRemovalOfFile(system, absolute);
    if (plan.refusal) {
        ShowRefusal(system, absolute, plan.refusal);
        return RemovalOutcome::Refused;
    }
    if (!system.DeleteUninstallEntry()) return RemovalOutcome::NoUninstallEntry;
    for (const RemovalStep& step : plan.steps) {
        switch (step.kind) {
        case RemovalKind::DeleteFile:
            system.DeleteOneFile(step.path);
            break;
        case RemovalKind::RunProgram:
            system.RunAndWait(step.path, "-u");
            break;
        case RemovalKind::RemoveDirectory:
            // Last: the command processor removes U, the repair directory
            // and this list with it, after the installer has ended.
            return system.HandOverToCommandProcessor({"/c", "RD", "/s", "/q", step.path})
                       ? RemovalOutcome::HandedOver
                       : RemovalOutcome::HandOverFailed;
        case RemovalKind::DeleteByCommandProcessor:
            // Refused by PlanRemoval; never reached.
            break;
        }
    }
    return RemovalOutcome::Completed;
}

bool RunRepair(InstallSystem& system, std::string_view listPath) {
    const std::string absolute = AbsolutePath(listPath, system.Directories().current);
    RepairPlan plan;
    std::optional<std::string> text = ReadListFile(system, absolute, plan.refusal);
    if (text) plan = PlanRepair(*text, absolute);
    if (plan.refusal) {
        ShowRefusal(system, absolute, plan.refusal);
        return false;
    }
    for (const RepairFile& file : plan.files) {
        const std::string& target =
            file.directory == ListDirectory::D ? plan.dllDirectory : plan.utilitiesDirectory;
        CopyInstallFile(system, plan.repairDirectory, target, file.name, true);
    }
    return true;
}

std::string CommandLineOf(const std::vector<std::string>& arguments) {
    std::string line;
    for (const std::string& argument : arguments) {
        if (!line.empty()) line += ' ';
        bool quoted = argument.empty() || argument.find_first_of(" \t") != std::string::npos;
        line += quoted ? '"' + argument + '"' : argument;
    }
    return line;
}

#include "RemovalList.h"

#include "InstallLists.h"
#include "InstallPaths.h"
#include "ProductFiles.h"
#include "SetupTexts.h"

#include <algorithm>
#include <string>

namespace {

constexpr std::string_view kRunPrefix = "-c ";
constexpr std::string_view kDeletePrefix = "-d ";
constexpr std::string_view kRemovePrefix = "-r ";
constexpr std::string_view kUninstallSwitch = " -u";
// "-r " and a path of more than five characters: "-r C:\" is no directory.
constexpr size_t kShortestRemoveLine = 9;

// Characters the command processor reads even inside quotes, or that split
// its command line outside them.
constexpr std::string_view kCommandProcessorCharacters = "%^&";

bool StartsWith(std::string_view line, std::string_view prefix) {
    return line.substr(0, prefix.size()) == prefix;
}

bool IsTestProgramShortcut(std::string_view path, const MachineDirectories& machine) {
    for (const std::string* folder : {&machine.commonPrograms, &machine.userPrograms}) {
        if (!folder->empty() &&
            EqualsNoCase(path, ShortcutPath(*folder, setup_text::kShortcutTarget)))
            return true;
    }
    return false;
}

class RemovalChecker {
  public:
    RemovalChecker(const RemovalContext& context, std::string utilities)
        : context_(context), utilities_(std::move(utilities)) {}

    bool IsInstalledFile(std::string_view path) const {
        if (!IsPlainDrivePath(path) || IsProtectedDirectory(path, context_.machine)) return false;
        if (IsBelowDirectory(path, utilities_)) return true;
        if (context_.dllDirectory && EqualsNoCase(ParentOf(path), *context_.dllDirectory) &&
            product_files::IsListedName(FileNameOf(path), product_files::kListedInD))
            return true;
        return IsTestProgramShortcut(path, context_.machine);
    }

    bool IsInstalledProgram(std::string_view path) const {
        return IsPlainDrivePath(path) && IsBelowDirectory(path, utilities_);
    }

    // The reason a step is refused, or an empty text.
    std::string CheckStep(const RemovalStep& step, size_t number, bool last,
                          std::string_view line) const {
        const std::string lineNumber = std::to_string(number);
        switch (step.kind) {
        case RemovalKind::DeleteFile:
            if (IsInstalledFile(step.path)) return {};
            break;
        case RemovalKind::RunProgram:
            if (IsInstalledProgram(step.path)) return {};
            break;
        case RemovalKind::RemoveDirectory:
            if (last && EqualsNoCase(step.path, utilities_)) return {};
            break;
        case RemovalKind::DeleteByCommandProcessor:
            return FormatText(setup_text::kReasonUnknownLine, {lineNumber, line});
        }
        return FormatText(setup_text::kReasonForeignPath, {lineNumber, line});
    }

  private:
    const RemovalContext& context_;
    std::string utilities_;
};

} // namespace

RemovalStep ClassifyRemovalLine(std::string_view line) {
    if (StartsWith(line, kRunPrefix)) {
        std::string_view program = line.substr(kRunPrefix.size());
        if (EndsWithNoCase(program, kUninstallSwitch))
            program.remove_suffix(kUninstallSwitch.size());
        return {RemovalKind::RunProgram, std::string(program)};
    }
    if (StartsWith(line, kDeletePrefix))
        return {RemovalKind::DeleteByCommandProcessor,
                std::string(line.substr(kDeletePrefix.size()))};
    if (StartsWith(line, kRemovePrefix) && line.size() >= kShortestRemoveLine)
        return {RemovalKind::RemoveDirectory, std::string(line.substr(kRemovePrefix.size()))};
    return {RemovalKind::DeleteFile, std::string(line)};
}

bool IsProtectedDirectory(std::string_view path, const MachineDirectories& machine) {
    if (IsDriveRoot(path)) return true;
    for (const std::string* directory :
         {&machine.windows, &machine.system, &machine.programFiles}) {
        if (!directory->empty() && IsSameOrAncestorOf(path, *directory)) return true;
    }
    return false;
}

bool IsRemovableDirectory(std::string_view directory, const MachineDirectories& machine) {
    return IsPlainDrivePath(directory) &&
           directory.find_first_of(kCommandProcessorCharacters) == std::string_view::npos &&
           !IsProtectedDirectory(directory, machine);
}

RemovalPlan PlanRemoval(std::string_view listText, const RemovalContext& context) {
    RemovalPlan plan;
    std::optional<std::string> utilities =
        UtilitiesDirectoryOfList(context.listPath, kUninstallListName);
    if (!utilities) {
        plan.refusal.reason = setup_text::kReasonNotInRepairDirectory;
        return plan;
    }
    if (!IsRemovableDirectory(*utilities, context.machine)) {
        plan.refusal.reason = FormatText(setup_text::kReasonUnsafeDirectory, {*utilities});
        return plan;
    }
    std::vector<std::string> lines = SplitListLines(listText, plan.refusal);
    if (plan.refusal) return plan;

    RemovalChecker checker(context, *utilities);
    std::vector<RemovalStep> steps;
    for (size_t i = 0; i < lines.size(); ++i) {
        RemovalStep step = ClassifyRemovalLine(lines[i]);
        std::string reason = checker.CheckStep(step, i + 1, i + 1 == lines.size(), lines[i]);
        if (!reason.empty()) {
            plan.refusal.reason = std::move(reason);
            return plan;
        }
        steps.push_back(std::move(step));
    }
    if (steps.empty() || steps.back().kind != RemovalKind::RemoveDirectory) {
        plan.refusal.reason = FormatText(setup_text::kReasonMissingEnd, {*utilities});
        return plan;
    }
    plan.utilitiesDirectory = std::move(*utilities);
    plan.steps = std::move(steps);
    return plan;
}

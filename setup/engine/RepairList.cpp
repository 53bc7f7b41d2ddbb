#include "RepairList.h"

#include "InstallPaths.h"
#include "ProductFiles.h"
#include "SetupTexts.h"

#include <algorithm>
#include <optional>

namespace {

// "D <name>" or "U <name>" as a file to restore; nothing for other lines.
std::optional<RepairFile> FileOfLine(std::string_view line) {
    if (line.size() < 2 || line[1] != ' ' || (line[0] != 'D' && line[0] != 'U'))
        return std::nullopt;
    return RepairFile{line[0] == 'D' ? ListDirectory::D : ListDirectory::U,
                      std::string(line.substr(2))};
}

bool IsInstalledName(const RepairFile& file) {
    if (!IsPlainFileName(file.name)) return false;
    return file.directory == ListDirectory::D
               ? product_files::IsListedName(file.name, product_files::kListedInD)
               : product_files::IsListedName(file.name, product_files::kListedInU);
}

std::string Numbered(std::string_view reason, size_t index, std::string_view line) {
    return FormatText(reason, {std::to_string(index + 1), line});
}

} // namespace

RepairPlan PlanRepair(std::string_view listText, std::string_view listPath) {
    RepairPlan plan;
    std::optional<std::string> utilities = UtilitiesDirectoryOfList(listPath, kRepairListName);
    if (!utilities) {
        plan.refusal.reason = setup_text::kReasonNotInRepairDirectory;
        return plan;
    }
    std::vector<std::string> lines = SplitListLines(listText, plan.refusal);
    if (plan.refusal) return plan;

    bool utilitiesNamed = false;
    std::vector<RepairFile> files;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string_view line = lines[i];
        if (line.substr(0, 2) == "D=") {
            plan.dllDirectory = NormaliseDirectory(line.substr(2));
            if (!IsPlainDrivePath(plan.dllDirectory)) {
                plan.refusal.reason = Numbered(setup_text::kReasonForeignPath, i, line);
                return plan;
            }
        } else if (line.substr(0, 2) == "U=") {
            utilitiesNamed = EqualsNoCase(NormaliseDirectory(line.substr(2)), *utilities);
            if (!utilitiesNamed) {
                plan.refusal.reason = Numbered(setup_text::kReasonForeignPath, i, line);
                return plan;
            }
        } else if (std::optional<RepairFile> file = FileOfLine(line)) {
            if (!IsInstalledName(*file)) {
                plan.refusal.reason = Numbered(setup_text::kReasonForeignPath, i, line);
                return plan;
            }
            files.push_back(std::move(*file));
        }
    }
    bool dllDirectoryNeeded = std::any_of(files.begin(), files.end(), [](const RepairFile& file) {
        return file.directory == ListDirectory::D;
    });
    if (!utilitiesNamed || (dllDirectoryNeeded && plan.dllDirectory.empty())) {
        plan.refusal.reason = setup_text::kReasonNoDirectories;
        return plan;
    }
    plan.utilitiesDirectory = std::move(*utilities);
    plan.repairDirectory = RepairDirectoryOf(plan.utilitiesDirectory);
    plan.files = std::move(files);
    return plan;
}

// The repair list (repair.lst): the directories D and U and the files whose
// copies in the repair directory go back there. Accepted only when it lies
// at U\repair\repair.lst, names that U, and lists only files the installer
// puts in D or U; lines of other kinds are ignored.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "InstallLists.h"
#include "ListLines.h"

struct RepairFile {
    ListDirectory directory = ListDirectory::D;
    std::string name;
};

struct RepairPlan {
    std::string dllDirectory;       // D
    std::string utilitiesDirectory; // U
    std::string repairDirectory;    // R, where the copies lie
    std::vector<RepairFile> files;
    ListRefusal refusal; // set when the list is refused; files are empty then
};

// listPath is absolute.
RepairPlan PlanRepair(std::string_view listText, std::string_view listPath);

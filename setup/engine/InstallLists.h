// The two lists an installation leaves in its repair directory R: the
// removal list "uninstall.lst" and the repair list "repair.lst". They grow
// line by line while the files are copied and are written at the end.
//
// repair.lst:    "D=<D>", "U=<U>", then "D <name>" or "U <name>" for each
//                file whose copy lies in R, to go back to D or U.
// uninstall.lst: the full path of each installed file, "-c <program> -u"
//                for a program to run with its uninstall switch, then
//                R\repair.lst, R\uninstall.lst and last "-r <U>", which
//                removes U with everything in it.
// Each line ends with a line feed.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class InstallSystem;

inline constexpr const char* kRepairListName = "repair.lst";
inline constexpr const char* kUninstallListName = "uninstall.lst";

enum class ListDirectory { D, U };

class InstallLists {
  public:
    void AddInstalledPath(std::string_view path) { uninstallLines_.emplace_back(path); }
    // A program run with "-u" on removal, before everything else.
    void AddUninstallProgramFirst(std::string_view program);
    void AddRepairFile(ListDirectory directory, std::string_view name);

    bool RepairListEmpty() const { return repairLines_.empty(); }
    bool UninstallListEmpty() const { return uninstallLines_.empty(); }

    std::string RepairListText(std::string_view dllDirectory,
                               std::string_view utilitiesDirectory) const;
    std::string UninstallListText(std::string_view utilitiesDirectory) const;

  private:
    std::vector<std::string> uninstallLines_;
    std::vector<std::string> repairLines_;
};

// Writes R\repair.lst and R\uninstall.lst, each when it has lines; a list
// that cannot be created is left out without a message.
void WriteInstallLists(InstallSystem& system, const InstallLists& lists,
                       std::string_view dllDirectory, std::string_view utilitiesDirectory);

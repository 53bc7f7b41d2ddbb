// Removing and repairing an installation from its lists. Both start from the
// command line of "Setup.exe -U <U>\repair\uninstall.lst" (the uninstall
// entry's command) or an empty one, which means the lists below the current
// directory.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class InstallSystem;

enum class ListUse { Removal, Repair };

// The list path of a command line: every "-U " removed, blanks and
// surrounding quotes trimmed; for a repair "\repair\uninstall.lst" becomes
// "\repair\repair.lst". Empty: the list in "repair" below the current
// directory.
std::string ListPathFromCommandLine(std::string_view commandLine, ListUse use);

enum class RemovalOutcome {
    NoUninstallEntry, // nothing installed: nothing removed, nothing said
    Refused,          // the list is not the installation's: told, nothing removed
    Completed,        // every step ran in the installer
    HandedOver,       // the command processor removes the rest
    HandOverFailed,   // the command processor did not start: exit code 1
};

// Removes the installation of the list: its uninstall entry, the files
// listed, programs run with "-u", and U with all it holds.
RemovalOutcome RunRemoval(InstallSystem& system, std::string_view listPath);

// Copies every file of the repair list from the repair directory back to D
// or U; files missing there are skipped. False when the list was refused.
bool RunRepair(InstallSystem& system, std::string_view listPath);

// The arguments as one command line for the command processor: an argument
// with a blank (a path below "Program Files") is enclosed in quotes. The
// paths handed over hold no quote, and none of the characters the command
// processor reads inside quotes; removal refuses lists with such paths.
std::string CommandLineOf(const std::vector<std::string>& arguments);

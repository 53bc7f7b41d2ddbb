// The removal list (uninstall.lst) as steps, and the checks that accept it
// only when it is the list this installation wrote. Removal deletes files,
// runs programs and hands a directory to the command processor for removal
// with all its contents, so a list of any other making is refused as a
// whole before anything is touched.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "InstallSystem.h"
#include "ListLines.h"

enum class RemovalKind {
    DeleteFile,               // a full path
    RunProgram,               // "-c <program>": run with "-u" and wait
    DeleteByCommandProcessor, // "-d <path>"
    RemoveDirectory,          // "-r <directory>": the directory and all it holds
};

struct RemovalStep {
    RemovalKind kind = RemovalKind::DeleteFile;
    std::string path;
};

// One line of the list as a step. A "-r " line of 8 characters or less
// ("-r C:\") is a file name, so a drive root is never removed recursively.
// A program's " -u" written after its path is not part of the path.
RemovalStep ClassifyRemovalLine(std::string_view line);

// What the checks compare a list with.
struct RemovalContext {
    std::string listPath;                    // absolute
    std::optional<std::string> dllDirectory; // D, from the repair list beside the list
    MachineDirectories machine;
};

struct RemovalPlan {
    std::string utilitiesDirectory; // U, which the list removes last
    std::vector<RemovalStep> steps;
    ListRefusal refusal; // set when the list is refused; steps are empty then
};

// The list accepted when it lies at U\repair\uninstall.lst and every line is
// of a kind the installer writes: a file below U; one of the DLL's files
// directly in D; the test program's shortcut in a Programs folder; a program
// below U to run; and last "-r U". Paths are plain drive paths (no "..", no
// wild cards); U is no drive root, no Windows, System or ProgramFiles
// directory nor one holding them, and has none of the characters the command
// processor reads in a quoted argument.
RemovalPlan PlanRemoval(std::string_view listText, const RemovalContext& context);

// True for a directory no installation may remove: a drive root, the
// Windows, System or ProgramFiles directory, or a directory holding one.
bool IsProtectedDirectory(std::string_view path, const MachineDirectories& machine);

// True for a utilities directory U whose removal list removal accepts: a
// plain drive path, not protected, without "%", "^" or "&"; the directory
// an installation dialog may accept as U.
bool IsRemovableDirectory(std::string_view directory, const MachineDirectories& machine);

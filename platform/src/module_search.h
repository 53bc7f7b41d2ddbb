// Where LoadLibraryA and GetModuleHandleA look for a module on Linux.
#pragma once

#include <string>
#include <vector>

namespace platform {

// The shared-object file name of a Windows module name without a path:
// "Barcode", "Barcode.dll" and "BARCODE.DLL" all become "libbarcode.so".
// A name that is already a shared object's ("libm.so.6") stays as it is.
std::string SharedObjectName(const std::string& moduleName);

// The files to try for a module name, in order. A name with a path gives just
// that file (a DOS path mapped as file functions map it). A bare name gives
// its shared object in the program's directory, in the directory of the
// module holding this code and in ../lib beside the program, and last the
// bare file name, for dlopen's own search.
std::vector<std::string> ModuleFileCandidates(const std::string& moduleName);

// Whether a candidate names a file (dlopen reads it directly) rather than a
// name for dlopen's search.
bool IsFileCandidate(const std::string& candidate);

// The full path of the running program.
std::string ProgramPath();

} // namespace platform

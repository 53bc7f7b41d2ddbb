// Where the GUI tests find what the build made and leave what they make:
// the built programs and DLLs beside the driver (<build>/bin), the cases'
// directories (<build>/gui-cases) and the pictures (<build>/gui-shots).
// All paths are Windows paths of the prefix the driver runs in.
#pragma once

#include <string>

namespace gui {

std::string BuildDirectory();
// A file the build put beside the driver.
std::string BuiltFile(const std::string& name);
std::string ShotDirectory();
std::string CaseRootDirectory();

// dir\name, with one backslash between them.
std::string JoinPath(const std::string& directory, const std::string& name);

} // namespace gui

// The test program's shortcut in a Programs folder of the Start menu, made
// through the shell link object.
#pragma once

#include <string>

class BoxAnswerer;

// Saves a shell link to target with the description at shortcutPath.
// "SetPath failed!" and "SetDescription failed!" are told and the link is
// still saved. False when the link object could not be made or saved.
bool SaveShellLink(const std::string& shortcutPath, const std::string& target,
                   const std::string& description, BoxAnswerer& boxes);

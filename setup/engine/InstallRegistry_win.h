// The installation's registry entries on Windows, written from the tables of
// RegistryEntries.h: the IniFileMapping of barcode.ini with its default
// values, the mapping of a section to the defaults, and the uninstall entry.
// Failures are silent; a write that fails stops the rest of its group.
#pragma once

#include <string>

namespace install_registry {

// Maps barcode.ini's "Settings" section into the registry and writes the
// default values; when the profile functions do not read them back, marks
// the section with "DefIniok" = "0".
void MapProfileToRegistry();

// Maps the section to the default values unless it is barcode.ini's first.
void MapSettingsSection(const std::string& section);

void WriteUninstallEntry(const std::string& utilitiesDirectory);
bool UninstallEntryExists();
// False when there was no entry to delete.
bool DeleteUninstallEntry();

} // namespace install_registry

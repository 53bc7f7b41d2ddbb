// The registry entries of an installation as data: the IniFileMapping that
// moves barcode.ini's "Settings" section into the registry, the default
// values written there, and the uninstall entry. The Windows side writes them
// with RegCreateKeyExA and RegSetValueExA (REG_SZ, data length without the
// terminating NUL), all under HKEY_LOCAL_MACHINE.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

struct RegistryValue {
    std::string_view name;
    std::string_view data;
};

namespace registry_entries {

inline constexpr std::string_view kIniFileMappingKey =
    "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\IniFileMapping\\barcode.ini";
inline constexpr RegistryValue kSettingsMapping = {"Settings", "SYS:Korvell\\barcodeDLL\\Settings"};
// The mapping of a section of another name to the default values.
inline constexpr std::string_view kDefaultValuesMapping = "SYS:Korvell\\barcodeDLL\\DefaultValues";

inline constexpr std::string_view kSettingsKey = "Software\\Korvell\\barcodeDLL\\Settings";
// In the order written; "DefPriv" is written first and last.
inline constexpr std::array<RegistryValue, 19> kSettingsDefaults = {{
    {"DefPriv", "1"},
    {"DefPZ", "1"},
    {"DefBS", "1"},
    {"DefB", "0"},
    {"DefH", "20"},
    {"DefSEC", "3"},
    {"DefADS", "0"},
    {"DefADB", "0"},
    {"DefBarWidth", "6"},
    {"DefBarCodeNameForActiveXControl", "2 of 5 Interleave"},
    {"DefBarCodeWidthForActiveXControl", "6"},
    {"DefBarCodeHeightForActiveXControl", "66"},
    {"DefBarWidthReduction", "66"},
    {"RegTestDir", "C:\\barcode dll\\RegTest\\"},
    {"DefLogEnabled", "0"},
    {"DefLogFile", "C:\\bc.log"},
    {"DefPrintError", "1"},
    {"DefC", "25I"},
    {"DefPriv", "1"},
}};

// Read back through the profile functions after the mapping: a value that
// converts to 0 means the mapping is not in force, and "DefIniok" = "0" is
// written into the section instead.
inline constexpr std::string_view kMappingProbeKey = "DefBarWidth";
inline constexpr std::string_view kMappingProbeDefault = "Bogus Value: Get didn't work";
inline constexpr RegistryValue kMappingNotInForce = {"DefIniok", "0"};

inline constexpr std::string_view kUninstallKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\BarcodeDLL";

} // namespace registry_entries

// The uninstall entry's values for the utilities directory U, in the order
// written. Its command quotes the installer's path, which holds blanks below
// "Program Files", so that Windows does not start "C:\Program.exe".
std::vector<std::pair<std::string, std::string>> UninstallEntryValues(std::string_view utilities);

// True when the section must be mapped to the default values: the first
// section name of barcode.ini does not contain it.
bool SectionMappingNeeded(std::string_view firstSectionName, std::string_view section);

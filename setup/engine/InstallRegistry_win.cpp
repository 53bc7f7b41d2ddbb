#include "InstallRegistry_win.h"

#include "RegistryEntries.h"
#include "SetupTexts.h"

#include <windows.h>

#include <cstdlib>
#include <string_view>

namespace re = registry_entries;

namespace {

constexpr DWORD kSectionNamesBufferSize = 1000;
constexpr DWORD kProbeBufferSize = 64;

// An open key of HKEY_LOCAL_MACHINE, closed when it goes.
class MachineKey {
  public:
    static MachineKey Create(std::string_view path) {
        MachineKey key;
        if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, std::string(path).c_str(), 0, nullptr,
                            REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &key.handle_,
                            nullptr) != ERROR_SUCCESS)
            key.handle_ = nullptr;
        return key;
    }
    static MachineKey OpenForReading(std::string_view path) {
        MachineKey key;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, std::string(path).c_str(), 0, KEY_READ,
                          &key.handle_) != ERROR_SUCCESS)
            key.handle_ = nullptr;
        return key;
    }
    MachineKey(MachineKey&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
    MachineKey(const MachineKey&) = delete;
    MachineKey& operator=(const MachineKey&) = delete;
    ~MachineKey() {
        if (handle_ != nullptr) RegCloseKey(handle_);
    }

    bool IsOpen() const { return handle_ != nullptr; }

    // REG_SZ whose data length is the text's without the terminating NUL.
    bool SetString(std::string_view name, std::string_view data) {
        return RegSetValueExA(handle_, std::string(name).c_str(), 0, REG_SZ,
                              reinterpret_cast<const BYTE*>(data.data()),
                              static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
    }

  private:
    MachineKey() = default;
    HKEY handle_ = nullptr;
};

bool WriteSettingsDefaults() {
    MachineKey settings = MachineKey::Create(re::kSettingsKey);
    if (!settings.IsOpen()) return false;
    for (const RegistryValue& value : re::kSettingsDefaults)
        if (!settings.SetString(value.name, value.data)) return false;
    return true;
}

// The mapping is in force when the profile functions read a default value
// back from the registry; the probe's default text converts to 0.
bool MappingInForce() {
    const char* file = setup_text::kProfileFile;
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, file); // flushes the profile cache
    char value[kProbeBufferSize] = {};
    GetPrivateProfileStringA(setup_text::kMappedSection, std::string(re::kMappingProbeKey).c_str(),
                             std::string(re::kMappingProbeDefault).c_str(), value, sizeof value,
                             file);
    return std::atoi(value) != 0;
}

// The first section name of barcode.ini as the profile functions list them.
std::string FirstSectionName() {
    char names[kSectionNamesBufferSize] = {};
    DWORD length = GetPrivateProfileSectionNamesA(names, sizeof names, setup_text::kProfileFile);
    if (length == 0) return {};
    return std::string(names, strnlen(names, sizeof names));
}

} // namespace

namespace install_registry {

void MapProfileToRegistry() {
    MachineKey mapping = MachineKey::Create(re::kIniFileMappingKey);
    if (!mapping.IsOpen() ||
        !mapping.SetString(re::kSettingsMapping.name, re::kSettingsMapping.data))
        return;
    if (!WriteSettingsDefaults()) return;
    if (!MappingInForce())
        WritePrivateProfileStringA(
            setup_text::kMappedSection, std::string(re::kMappingNotInForce.name).c_str(),
            std::string(re::kMappingNotInForce.data).c_str(), setup_text::kProfileFile);
}

void MapSettingsSection(const std::string& section) {
    if (!SectionMappingNeeded(FirstSectionName(), section)) return;
    MachineKey mapping = MachineKey::Create(re::kIniFileMappingKey);
    if (mapping.IsOpen()) mapping.SetString(section, re::kDefaultValuesMapping);
}

void WriteUninstallEntry(const std::string& utilitiesDirectory) {
    MachineKey entry = MachineKey::Create(re::kUninstallKey);
    if (!entry.IsOpen()) return;
    for (const auto& [name, data] : UninstallEntryValues(utilitiesDirectory))
        if (!entry.SetString(name, data)) return;
}

bool UninstallEntryExists() {
    return MachineKey::OpenForReading(re::kUninstallKey).IsOpen();
}

bool DeleteUninstallEntry() {
    return RegDeleteKeyA(HKEY_LOCAL_MACHINE, std::string(re::kUninstallKey).c_str()) ==
           ERROR_SUCCESS;
}

} // namespace install_registry

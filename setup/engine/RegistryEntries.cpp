#include "RegistryEntries.h"

#include "InstallLists.h"
#include "InstallPaths.h"
#include "ProductFiles.h"

#include "catalog/Placeholders.h"

#include <cstring>

namespace {

std::string PlaceholderValue(const char* name) {
    for (const Placeholder* entry = kPlaceholders; entry->name != nullptr; ++entry)
        if (std::strcmp(entry->name, name) == 0) return entry->value;
    return {};
}

} // namespace

std::vector<std::pair<std::string, std::string>> UninstallEntryValues(std::string_view utilities) {
    const std::string webAddress = PlaceholderValue("WEB_ADDR");
    const std::string list = JoinPath(RepairDirectoryOf(utilities), kUninstallListName);
    return {
        {"DisplayName", "Barcode DLL"},
        {"Publisher", PlaceholderValue("CNAME")},
        {"HelpLink", webAddress},
        {"URLInfoAbout", webAddress},
        {"URLUpdateInfo", webAddress},
        {"UninstallString", "\"" + JoinPath(utilities, product_files::kSetup) + "\" -U " + list},
    };
}

bool SectionMappingNeeded(std::string_view firstSectionName, std::string_view section) {
    return firstSectionName.find(section) == std::string_view::npos;
}

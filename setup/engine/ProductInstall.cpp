#include "ProductInstall.h"

#include "InstallFiles.h"
#include "InstallPaths.h"
#include "InstallSystem.h"
#include "ProductFiles.h"
#include "SetupTexts.h"

#include <algorithm>
#include <cctype>

namespace pf = product_files;

namespace {

constexpr const char* kSourceFallback = "A:\\";
constexpr const char* kWindowsFallback = "C:\\WINDOWS";
constexpr const char* kSystemFallback = "C:\\WINDOWS\\SYSTEM32";

std::string OrFallback(const std::string& directory, const char* fallback) {
    return directory.empty() ? fallback : directory;
}

// The directories of the dialog as the sequence uses them, and fresh lists:
// an attempt that ended at a missing required file must not leave its lines
// (perhaps of other directories) to the next attempt.
void StartAttempt(InstallState& state) {
    state.utilitiesDirectory = NormaliseDirectory(state.utilitiesDirectory);
    state.dllDirectory = NormaliseDirectory(state.dllDirectory);
    state.lists = InstallLists{};
}

class Installer {
  public:
    Installer(InstallSystem& system, InstallState& state)
        : system_(system), state_(state), u_(state.utilitiesDirectory), d_(state.dllDirectory),
          r_(RepairDirectoryOf(u_)) {}

    bool Copy(std::string_view directory, std::string_view name, bool optional,
              std::string_view targetName = {}) {
        return CopyInstallFile(system_, state_.sourceDirectory, directory, name, optional,
                               targetName);
    }

    // The copy in R from which a repair restores the file.
    bool CopyToRepair(std::string_view name, bool optional) {
        CreateDirectoryIfMissing(system_, r_);
        return Copy(r_, name, optional);
    }

    void Record(ListDirectory directory, std::string_view name) {
        state_.lists.AddInstalledPath(JoinPath(directory == ListDirectory::D ? d_ : u_, name));
        state_.lists.AddRepairFile(directory, name);
    }

    bool UtilitiesPart() {
        if (!Copy(u_, pf::kSondrel, false)) return false;
        Record(ListDirectory::U, pf::kSondrel);
        CopyToRepair(pf::kSondrel, true);
        for (std::string_view document : pf::kDocuments) {
            if (!Copy(u_, document, true)) continue;
            Record(ListDirectory::U, document);
            CopyToRepair(document, true);
        }
        Copy(u_, pf::kSetup, true);
        system_.WriteUninstallEntry(u_);
        state_.installed = true;
        return true;
    }

    bool DllPart() {
        if (EqualsNoCase(d_, JoinPath(u_, "DLL"))) CreateDirectoryIfMissing(system_, d_);
        if (!Copy(d_, pf::kDll, false)) return false;
        state_.lists.AddInstalledPath(JoinPath(d_, pf::kDll));
        system_.WriteProfileString(setup_text::kProfileSection, setup_text::kPrivKey, "1",
                                   setup_text::kProfileFile);
        system_.WriteProfileString(setup_text::kProfileSection, setup_text::kDllLocationKey, d_,
                                   setup_text::kProfileFile);
        state_.lists.AddRepairFile(ListDirectory::D, pf::kDll);
        CopyToRepair(pf::kDll, false);
        if (Copy(d_, pf::kMordane, true)) {
            Record(ListDirectory::D, pf::kMordane);
            CopyToRepair(pf::kMordane, true);
        }
        if (!system_.ThreadLocaleIsGerman()) {
            system_.MapSettingsSection(setup_text::kMappedSection);
            if (!IsProductionServerName(system_.ComputerName()))
                Copy(d_, pf::kDll, true, pf::kSaplpdExtension);
        }
        if (!Copy(d_, pf::kCatalog, false)) return false;
        Record(ListDirectory::D, pf::kCatalog);
        CopyToRepair(pf::kCatalog, false);
        if (!Copy(u_, pf::kCatalog, false)) return false;
        Record(ListDirectory::U, pf::kCatalog);
        std::string shortcut = system_.CreateProgramShortcut(
            JoinPath(u_, setup_text::kShortcutTarget), setup_text::kShortcutDescription, true);
        if (!shortcut.empty()) state_.lists.AddInstalledPath(shortcut);
        state_.installed = true;
        return true;
    }

    bool QuodraServer() {
        if (!Copy(u_, pf::kQuodraServer, false)) return false;
        for (std::string_view document : pf::kQuodraDocuments)
            Copy(u_, document, true);
        state_.installed = true;
        return Copy(d_, pf::kCatalog, false);
    }

  private:
    InstallSystem& system_;
    InstallState& state_;
    const std::string u_;
    const std::string d_;
    const std::string r_;
};

} // namespace

InstallState StartInstallState(InstallSystem& system, Product product) {
    MachineDirectories machine = system.Directories();
    InstallState state;
    state.sourceDirectory = OrFallback(machine.current, kSourceFallback);
    state.windowsDirectory = OrFallback(machine.windows, kWindowsFallback);
    state.systemDirectory = OrFallback(machine.system, kSystemFallback);
    state.utilitiesDirectory = DefaultUtilitiesDirectory(
        machine.programFiles,
        product == Product::BarcodeDll ? pf::kBarcodeFolder : pf::kQuodraFolder);
    state.dllDirectory = state.systemDirectory;
    return state;
}

bool InstallBarcodeDll(InstallSystem& system, InstallState& state) {
    StartAttempt(state);
    Installer installer(system, state);
    return installer.UtilitiesPart() && installer.DllPart();
}

bool InstallQuodraServer(InstallSystem& system, InstallState& state) {
    StartAttempt(state);
    return Installer(system, state).QuodraServer();
}

void RecordServiceRemoval(InstallState& state) {
    state.lists.AddUninstallProgramFirst(JoinPath(state.utilitiesDirectory, pf::kQuodraServer));
}

void WriteListsOfInstallation(InstallSystem& system, const InstallState& state) {
    if (state.installed)
        WriteInstallLists(system, state.lists, state.dllDirectory, state.utilitiesDirectory);
}

bool IsProductionServerName(const std::string& computerName) {
    return computerName.size() == 5 && (computerName[0] == 'P' || computerName[0] == 'p') &&
           std::all_of(computerName.begin() + 1, computerName.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

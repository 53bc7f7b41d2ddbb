#include "SetupStart.h"

namespace {
// The first characters of "/MSI_Install_Step", the switch a Windows
// Installer package starts the installer with.
constexpr std::string_view kInstallerStepPrefix = "/MSI_Inst";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
} // namespace

std::string_view TrimmedCommandLine(std::string_view commandLine) {
    while (!commandLine.empty() && IsBlank(commandLine.front())) commandLine.remove_prefix(1);
    while (!commandLine.empty() && IsBlank(commandLine.back())) commandLine.remove_suffix(1);
    return commandLine;
}

StartCase StartCaseOf(std::string_view commandLine, bool uninstallEntryExists) {
    commandLine = TrimmedCommandLine(commandLine);
    if (commandLine.substr(0, kInstallerStepPrefix.size()) == kInstallerStepPrefix)
        return StartCase::ShowParameters;
    if (commandLine.empty() && !uninstallEntryExists) return StartCase::DetectProducts;
    return StartCase::ShowChooser;
}

bool ChooserState::IsEnabled(ChooserAction action) const {
    switch (action) {
    case ChooserAction::Remove: return removeEnabled;
    case ChooserAction::Repair: return repairEnabled;
    case ChooserAction::Install: return installEnabled;
    case ChooserAction::None: break;
    }
    return false;
}

ChooserState ChooserStateFor(std::string_view commandLine, const StartDirectory& directory) {
    ChooserState state;
    // A command line names the list of an installation; without one, the
    // list must be below the current directory.
    const bool listKnown =
        !TrimmedCommandLine(commandLine).empty() || directory.uninstallListPresent;
    state.removeEnabled = listKnown;
    state.repairEnabled = listKnown;
    state.installEnabled = directory.barcodeMarkerPresent || directory.serverMarkerPresent;
    if (state.installEnabled)
        state.selected = ChooserAction::Install;
    else if (state.removeEnabled)
        state.selected = ChooserAction::Remove;
    return state;
}

// One run of the installer under test: Setup.exe started with a command line
// exactly as given (the uninstall entry's command is used as the registry
// holds it, unquoted list path and all), its windows found as they come, a
// picture of each, and the program ended with the run if it still runs.
#pragma once

#include "MessageBoxes.h"
#include "ShotLog.h"
#include "Timeouts.h"

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace setupgui {

// Titles and texts of the installer's windows.
inline constexpr const char* kFrameTitle = "Korvell -- Install Barcode Software";
inline constexpr const char* kIntroTitle = "Barcode Setup - Introduction";
inline constexpr const char* kWelcomeTitle = "Barcode Setup - Welcome";
inline constexpr const char* kInstallTitle = "Install Barcode DLL";
inline constexpr const char* kChooserTitle = "Barcode Setup";
inline constexpr const char* kFolderTitle = "Select Directory";
inline constexpr const char* kProductTitle = "Barcode DLL for SAPLPD and SAPSprint";
inline constexpr const char* kRunTestProgramCaption = "Barcode DLL";
inline constexpr const char* kRunTestProgramText = "Do you want to run the test program?";
inline constexpr const char* kOverwriteCaption = "Are you sure?";
inline constexpr const char* kEngineCaption = "Barcode";
inline constexpr const char* kParametersCaption = "Parameters";

// The splash shows about 4 s before the intro page comes.
inline constexpr DWORD kSplashTimeoutMs = 4000 + gui::kWindowTimeoutMs;

class SetupRun {
  public:
    // Starts program with the command line "<program>" arguments (the
    // arguments as given, not quoted) in the working directory.
    SetupRun(const std::string& caseName, const std::string& program,
             const std::string& workingDirectory, const std::string& arguments = "");
    // Starts a whole command line as the registry holds it.
    static SetupRun FromCommand(const std::string& caseName, const std::string& command,
                                const std::string& workingDirectory);
    SetupRun(SetupRun&& other) noexcept;
    SetupRun(const SetupRun&) = delete;
    SetupRun& operator=(const SetupRun&) = delete;
    ~SetupRun();

    bool Started() const { return info_.hProcess != nullptr; }
    DWORD Id() const { return info_.dwProcessId; }
    DWORD StartError() const { return startError_; }
    bool Running() const;
    std::optional<DWORD> WaitForExit(DWORD timeoutMs = gui::kCloseTimeoutMs) const;

    // Waits for a visible top-level window of the program that matches and
    // saves its picture; null after the time-out or when the program ended.
    HWND Visit(const std::function<bool(HWND)>& matches, DWORD timeoutMs);
    // The dialog with exactly this title.
    HWND VisitDialog(const std::string& title, DWORD timeoutMs = gui::kWindowTimeoutMs);
    // The splash: a top-level static window.
    HWND VisitSplash(DWORD timeoutMs = gui::kFirstWindowTimeoutMs);
    // The main frame, the backdrop of the pages.
    HWND VisitFrame(DWORD timeoutMs = gui::kWindowTimeoutMs);
    // Any message box, or the dialog with this title if that comes first.
    HWND VisitBoxOrDialog(const std::string& title, DWORD timeoutMs = gui::kWindowTimeoutMs);
    std::string TakePicture(HWND window) { return shots_.Take(window); }
    // The same without a picture.
    HWND Find(const std::function<bool(HWND)>& matches, DWORD timeoutMs) const;

    // What the program shows, for failure messages.
    std::string Showing() const;

  private:
    struct WholeCommandLine {};
    SetupRun(WholeCommandLine, const std::string& caseName, const std::string& program,
             std::string commandLine, const std::string& workingDirectory);

    PROCESS_INFORMATION info_{};
    DWORD startError_ = 0;
    gui::ShotLog shots_;
};

// The command line of an uninstall entry split into the program (its quoted
// or first part) and the whole line.
std::string ProgramOfCommand(const std::string& command);

} // namespace setupgui

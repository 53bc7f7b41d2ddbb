// One case of Sondrel under Wine: a directory of its own that is the
// program's current directory, the prefix's profiles put back afterwards,
// and the program started and led through its start-up as a user would.
#pragma once

#include "CaseDirectory.h"
#include "MessageBoxes.h"
#include "ProfileFiles.h"
#include "Session.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace sondrel {

// Files the build put beside the driver.
inline constexpr const char* kProgramFile = "Sondrel.exe";
inline constexpr const char* kRealDll = "Barcode.dll";
inline constexpr const char* kCatalogFile = "Barcode.dat";

class SondrelCase : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The case's name as a file name part (suite, test and parameter).
    static std::string CaseName();

    gui::CaseDirectory& directory() { return *directory_; }
    gui::Session& session() { return *session_; }

    // Copies a built file into the case directory under relativePath.
    void CopyIn(const std::string& builtFile, const std::string& relativePath);
    // The usual directory: Sondrel.exe, the catalog and, when dll is not
    // empty, that built file as Barcode.dll.
    void InstallProgram(const std::string& dll = kRealDll);
    // Sondrel's own log (section "Sondrel" of barcode.ini) into Sondrel.log
    // of the case directory.
    void EnableLog();
    std::string LogText() const;

    // Starts the program (relative to the case directory) with the case
    // directory as its current directory. A later start in the same case
    // names its run, so that its pictures do not replace the first run's.
    void StartSondrel(const std::string& program = kProgramFile, const std::string& run = "");

    // Answers every message box with OK, in the order they come, until the
    // dialog with the title shows; returns the boxes. The SAP connection
    // dialog of the import at start is cancelled on the way. The dialog is
    // left in *dialog (null when it did not come).
    std::vector<gui::MessageBoxSeen> AnswerBoxesUntil(const std::string& title, HWND* dialog);
    // Leaves the start dialog with OK; the main dialog, or null. Boxes that
    // come before it are answered with OK.
    HWND PassStartDialog(HWND start);
    // Start-up with whatever boxes the DLL causes, OK in the start dialog:
    // the main dialog, or null (with a failure).
    HWND OpenMainDialog();

    // The program's exit code within the close time-out.
    std::optional<DWORD> ExitCode() {
        return session_ ? session_->program().WaitForExit() : std::nullopt;
    }
    // What the program shows, for failure messages.
    std::string Showing() const { return session_ ? session_->Showing() : "no program started\n"; }

  private:
    std::unique_ptr<gui::ProfileFilesGuard> profiles_;
    std::unique_ptr<gui::CaseDirectory> directory_;
    std::unique_ptr<gui::Session> session_;
};

// A path from the program, resolved against the directory it was relative
// to and made comparable (full, lower case, backslashes).
std::string ComparablePath(const std::string& path, const std::string& relativeTo);

} // namespace sondrel

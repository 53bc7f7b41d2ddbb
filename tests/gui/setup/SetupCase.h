// The installer's cases under Wine, in a prefix of their own: one medium
// (a copy of the build's distribution folder), one installation in the
// default utilities directory U with the DLL directory D = U\DLL, which the
// cases read back, repair and finally remove. A case that needs the
// installation makes it when an earlier case has not.
#pragma once

#include "SetupRun.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace setupgui {

struct InstallationPaths {
    std::string medium;    // Setup's current directory, the distribution's copy
    std::string utilities; // U
    std::string dll;       // D
    std::string Repair() const { return utilities + "\\repair"; }
    std::string Setup() const { return medium + "\\Setup.exe"; }
};
const InstallationPaths& Paths();

// A file of the build's distribution folder.
std::string DistributionFile(const std::string& name);
// The files of the medium: what the distribution folder holds for the
// installer (its 64-bit "Barcode.dll" is for copying by hand).
const std::vector<std::string>& MediumFiles();

// What the pages before the installation dialog showed.
struct PagesSeen {
    bool splash = false;
    std::string description; // the intro's rich text, as plain text
    bool frameMaximised = false;
    COLORREF backdrop = CLR_INVALID;
    std::string welcome;
    std::string warning;
};

// From the splash to the installation dialog, each page pictured and left
// with its default button: the installation dialog, or null with a failure.
HWND PassPagesToInstallDialog(SetupRun& run, PagesSeen* pages);

// The boxes after OK in the installation dialog (or in the chooser): each
// is recorded and answered with the button answer() gives (IDOK also
// presses a Yes, IDYES an OK, for boxes whose kind the case does not fix);
// 0 means unexpected: a failure, and the run is left. Ends when the program
// has ended, the installation dialog shows again (returned) or nothing
// comes within the window time-out.
struct BoxesSeen {
    std::vector<gui::MessageBoxSeen> boxes;
    HWND installDialogAgain = nullptr;
};
BoxesSeen AnswerBoxes(SetupRun& run, HWND leftDialog,
                      const std::function<int(const gui::MessageBoxSeen&)>& answer);

// The answers of a plain installation: directories are made, the
// completion is read, the test program is not started.
int InstallationAnswer(const gui::MessageBoxSeen& box);

// The whole installation from the medium into Paths(); true when it ran
// through and Setup ended with exit code 0. Checks the pages on the way.
bool RunWholeInstallation(const std::string& caseName);
// The installation is in place: made now if no earlier case made it.
bool EnsureInstalled(const std::string& caseName);
// The cases that remove the installation say so.
void ForgetInstallation();

// The chooser of a run started with a command line: null with a failure.
HWND VisitChooser(SetupRun& run);

// The case's name as a file name part.
std::string CaseName();

} // namespace setupgui

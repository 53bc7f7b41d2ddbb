#include "Session.h"

#include "BuildFiles.h"
#include "WindowSearch.h"

namespace gui {

Session::Session(const std::string& caseName, const std::string& file,
                 const std::string& workingDirectory, const std::vector<std::string>& arguments)
    : program_(file, workingDirectory, arguments), shots_(ShotDirectory(), caseName) {}

HWND Session::Record(HWND dialog) {
    if (dialog) shots_.Take(dialog);
    return dialog;
}

HWND Session::Visit(const std::string& title, DWORD timeoutMs) {
    return Record(WaitForDialog(program_, title, timeoutMs));
}

HWND Session::VisitAny(DWORD timeoutMs) {
    return Record(WaitForAnyDialog(program_, timeoutMs));
}

std::string Session::Showing() const {
    if (!program_.Started()) return "the program did not start\n";
    if (std::optional<DWORD> exitCode = program_.WaitForExit(0))
        return "the program ended with exit code " + std::to_string(*exitCode) + "\n";
    return "the program shows:\n" + DescribeDialogs(program_.Id());
}

} // namespace gui

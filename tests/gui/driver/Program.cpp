#include "Program.h"

namespace gui {

namespace {

// Quotes an argument by the rules of the C runtime's argv parsing:
// backslashes are literal except before a quote.
std::string QuotedArgument(const std::string& argument) {
    if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos) return argument;
    std::string quoted = "\"";
    size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"') backslashes = backslashes * 2 + 1;
        quoted.append(backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, '\\');
    return quoted + "\"";
}

} // namespace

std::string CommandLine(const std::string& file, const std::vector<std::string>& arguments) {
    std::string line = QuotedArgument(file);
    for (const std::string& argument : arguments)
        line += " " + QuotedArgument(argument);
    return line;
}

Program::Program(const std::string& file, const std::string& workingDirectory,
                 const std::vector<std::string>& arguments) {
    std::string line = CommandLine(file, arguments);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(file.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingDirectory.c_str(), &startup, &info_)) {
        startError_ = GetLastError();
        info_ = {};
    }
}

Program::~Program() {
    Kill();
    if (info_.hThread) CloseHandle(info_.hThread);
    if (info_.hProcess) CloseHandle(info_.hProcess);
}

bool Program::Running() const {
    return Started() && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> Program::WaitForExit(DWORD timeoutMs) const {
    if (!Started() || WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD exitCode = 0;
    if (!GetExitCodeProcess(info_.hProcess, &exitCode)) return std::nullopt;
    return exitCode;
}

void Program::Kill() {
    if (!Running()) return;
    TerminateProcess(info_.hProcess, kKilledExitCode);
    WaitForSingleObject(info_.hProcess, kCloseTimeoutMs);
}

} // namespace gui

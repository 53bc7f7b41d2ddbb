// The process-wide trace file.
#include "log/Log.h"

#include "win32api.h"

#include <cstdarg>
#include <cstring>
#include <ctime>
#include <string>

namespace {

constexpr int kReinitNoticeLevel = 99;
constexpr const char* kDefaultLogFile = "C:\\Barcode.Log";

int64_t (*testClock)() = nullptr;

int64_t CurrentTime() {
    return testClock ? testClock() : static_cast<int64_t>(std::time(nullptr));
}

// "dir\Barcode.Log" -> "dir\Barcode.<pid>.Log"; the extension is only looked
// for in the last path component.
std::string NameForThisProcess(const char* fileName) {
    std::string name(fileName);
    size_t lastSeparator = name.find_last_of("\\/:");
    size_t dot = name.find_last_of('.');
    if (dot == std::string::npos || (lastSeparator != std::string::npos && dot < lastSeparator))
        dot = name.size();
    return name.substr(0, dot) + "." + std::to_string(GetCurrentProcessId()) + name.substr(dot);
}

void CopyName(char (&buffer)[200], const std::string& name) {
    std::strncpy(buffer, name.c_str(), sizeof buffer - 1);
    buffer[sizeof buffer - 1] = '\0';
}

// Opens the named file for this process alone, or the per-process variant
// when another process writes the named one.
FILE* OpenLogFile(LogState& log) {
    if (FILE* file = OpenExclusiveFileStream(log.fileName)) return file;
    std::string ownName = NameForThisProcess(log.fileName);
    FILE* file = OpenExclusiveFileStream(ownName.c_str());
    if (file) CopyName(log.fileName, ownName);
    return file;
}

void WriteReinitNotice(LogState& log, const char* section) {
    LogTimeHeader(log.file, 1);
    std::fprintf(log.file, "[%s] reinit log level %d, log file \"%s\"\n", section, log.level,
                 log.fileName);
    std::fflush(log.file);
}

} // namespace

LogState& ProcessLog() {
    static LogState log;
    return log;
}

int LogInit(const char* profileFile, const char* section) {
    LogState& log = ProcessLog();
    if (section == nullptr) section = "";
    if (log.file != nullptr) {
        if (log.level >= kReinitNoticeLevel) WriteReinitNotice(log, section);
        return log.level;
    }
    log.level = static_cast<int32_t>(GetPrivateProfileIntA(section, "LogEnabled", 0, profileFile));
    GetPrivateProfileStringA(section, "LogFile", kDefaultLogFile, log.fileName,
                             sizeof log.fileName - 1, profileFile);
    if (std::strlen(log.fileName) < 2 || log.level == 0) {
        log.level = 0;
        return 0;
    }
    log.file = OpenLogFile(log);
    if (log.file == nullptr) {
        log.level = 0;
        return 0;
    }
    if (log.level < 1) return log.level;
    LogTimeHeader(log.file, 1);
    std::fprintf(log.file, "[%s] log level %d, log file \"%s\"\n", section, log.level,
                 log.fileName);
    std::fflush(log.file);
    return log.level;
}

void LogTimeHeader(FILE* stream, int intervalSeconds) {
    LogState& log = ProcessLog();
    int64_t now = CurrentTime();
    if (stream == nullptr || now < log.lastHeaderTime + intervalSeconds) return;
    log.lastHeaderTime = now;
    std::time_t seconds = static_cast<std::time_t>(now);
    const std::tm* local = std::localtime(&seconds);
    if (local == nullptr) return;
    std::fprintf(stream, "--- %02d.%02d. %02d:%02d:%02d ---\n", local->tm_mday, local->tm_mon + 1,
                 local->tm_hour, local->tm_min, local->tm_sec);
}

void LogWrite(int threshold, const char* format, ...) {
    LogState& log = ProcessLog();
    if (log.file == nullptr || log.level < threshold || format == nullptr) return;
    LogTimeHeader(log.file, 1);
    va_list arguments;
    va_start(arguments, format);
    std::vfprintf(log.file, format, arguments);
    va_end(arguments);
    std::fflush(log.file);
}

int LogLevel() {
    return ProcessLog().level;
}

bool LogWillWrite(int threshold) {
    const LogState& log = ProcessLog();
    return log.file != nullptr && log.level >= threshold;
}

void LogSetClockForTesting(int64_t (*now)()) {
    testClock = now;
}

void LogResetForTesting() {
    LogState& log = ProcessLog();
    if (log.file) std::fclose(log.file);
    log = LogState{};
}

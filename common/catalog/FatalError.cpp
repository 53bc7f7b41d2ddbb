// The numbered "System Error" reports of the text catalog.
//
// Every box also carries MB_SERVICE_NOTIFICATION: the DLL runs inside print
// services, where a box without it would wait unseen on the service desktop
// and hold the print thread forever.
#include "catalog/FatalError.h"

#include "log/Log.h"
#include "win32api.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace {

constexpr UINT kContinueBoxStyle = MB_OKCANCEL | MB_ICONERROR | MB_SERVICE_NOTIFICATION;
constexpr UINT kFatalBoxStyle = MB_ICONERROR | MB_TOPMOST | MB_SERVICE_NOTIFICATION;

std::string Formatted(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Formatted(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    va_list copy;
    va_copy(copy, arguments);
    int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::vector<char> buffer(length > 0 ? length + 1 : 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, arguments);
    va_end(arguments);
    return buffer.data();
}

void ShowBox(const std::string& text, UINT style) {
    MessageBoxA(nullptr, text.c_str(), kFatalErrorCaption, style);
}

// The exception text as a 255-character buffer would hold it.
std::string ExceptionText(const char* message) {
    return std::string(message ? message : "").substr(0, 254);
}

std::string DirectoryOrEmpty(UINT (*query)(LPSTR, UINT)) {
    char buffer[200] = {};
    if (query(buffer, sizeof buffer) >= sizeof buffer) buffer[0] = '\0';
    return buffer;
}

std::string CurrentDirectoryOrEmpty() {
    char buffer[1000] = {};
    if (GetCurrentDirectoryA(sizeof buffer, buffer) >= sizeof buffer) buffer[0] = '\0';
    return buffer;
}

UINT WindowsDirectory(LPSTR buffer, UINT size) {
    return GetWindowsDirectoryA(buffer, size);
}
UINT SystemDirectory(LPSTR buffer, UINT size) {
    return GetSystemDirectoryA(buffer, size);
}

} // namespace

void ReportCatalogMissing(const char* catalogName) {
    LogWrite(1, "System Error 23 (%s)\n", catalogName);
    ShowBox(Formatted("System Error 23 (%s):\nPlease check installation!\nF1: \"%s\"\nF2: "
                      "\"%s\"\nF3: \"%s\"\nProgram terminates.\n",
                      catalogName, CurrentDirectoryOrEmpty().c_str(),
                      DirectoryOrEmpty(&WindowsDirectory).c_str(),
                      DirectoryOrEmpty(&SystemDirectory).c_str()),
            kFatalBoxStyle);
    TerminateThisProcess(1);
}

void ReportUnknownCatalogRecord(int formatVersion, const std::string& record) {
    LogWrite(1, "System Error 9 (%d)\n%s\n", formatVersion, record.c_str());
    ShowBox("System Error 9.\nWill terminate.\nPlease reinstall software\n", kContinueBoxStyle);
    TerminateThisProcess(1);
}

void ReportEncipheredRecordInUnknownFormat(int formatVersion) {
    LogWrite(1, "System Error 8 (%d)\n", formatVersion);
    ShowBox("System Error 8.\nWill terminate.\n", kContinueBoxStyle);
    TerminateThisProcess(1);
}

void ReportCatalogFileUnreadable(const char* path, const char* exceptionMessage) {
    std::string text =
        Formatted("System Error 19 (%s):\n%s", path, ExceptionText(exceptionMessage).c_str());
    LogWrite(1, "%s\n", text.c_str());
    ShowBox(text, kContinueBoxStyle);
}

void ReportCatalogLoadFailed(const char* catalogName, const char* exceptionMessage) {
    std::string text =
        Formatted("System Error 9 (%s):\n%s", catalogName, ExceptionText(exceptionMessage).c_str());
    LogWrite(1, "%s\n", text.c_str());
    ShowBox(text, kContinueBoxStyle);
}

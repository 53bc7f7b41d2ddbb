#include "FilePrinter.h"

#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <vector>

namespace gui {
namespace {

constexpr const char* kPostScriptDriver = "wineps.drv";
constexpr const char* kDriverName = "Sondrel Test PostScript Driver";
// Wine's spooler fails EndDoc with error 122 when the job goes through the
// PostScript driver's own print processor; the generic one writes the file.
constexpr const char* kPrintProcessor = "winprint";
// The spooler knows a port from its name under this key; a name that is a
// file's path makes a port that writes that file.
constexpr const char* kPortsKey = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Ports";

std::string LastErrorText(const char* what) {
    return std::string(what) + " failed with error " + std::to_string(GetLastError());
}

// The port of the printer when it exists; empty otherwise.
std::string PrinterPort() {
    HANDLE printer = nullptr;
    if (!OpenPrinterA(const_cast<char*>(kFilePrinterName), &printer, nullptr)) return {};
    DWORD needed = 0;
    GetPrinterA(printer, 2, nullptr, 0, &needed);
    std::vector<BYTE> buffer(needed ? needed : 1);
    std::string port = "?";
    if (needed && GetPrinterA(printer, 2, buffer.data(), needed, &needed)) {
        const auto* info = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
        if (info->pPortName) port = info->pPortName;
    }
    ClosePrinter(printer);
    return port;
}

// A printer of an earlier layout (another port) is replaced.
void DeletePrinterNamed() {
    HANDLE printer = nullptr;
    PRINTER_DEFAULTSA access{nullptr, nullptr, PRINTER_ALL_ACCESS};
    if (!OpenPrinterA(const_cast<char*>(kFilePrinterName), &printer, &access)) return;
    DeletePrinter(printer);
    ClosePrinter(printer);
}

std::string RegisterFilePort(const std::string& port) {
    HKEY ports = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kPortsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &ports, nullptr) != ERROR_SUCCESS)
        return "cannot open the spooler's ports";
    const LONG written = RegSetValueExA(ports, port.c_str(), 0, REG_SZ,
                                        reinterpret_cast<const BYTE*>(""), 1);
    RegCloseKey(ports);
    return written == ERROR_SUCCESS ? std::string() : "cannot register the port " + port;
}

// Wine ships the generic PPD inside winspool.drv; the driver wants it as a
// file.
std::string WriteGenericPpd(std::string& path) {
    HMODULE spooler = LoadLibraryExA("winspool.drv", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!spooler) return LastErrorText("LoadLibraryEx(winspool.drv)");
    std::string problem;
    HRSRC found = FindResourceA(spooler, MAKEINTRESOURCEA(1), "PPDFILE");
    HGLOBAL loaded = found ? LoadResource(spooler, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) {
        problem = "winspool.drv holds no generic PPD";
    } else {
        char directory[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, directory);
        path = std::string(directory) + "sondrel-test-generic.ppd";
        FILE* file = std::fopen(path.c_str(), "wb");
        const DWORD size = SizeofResource(spooler, found);
        if (!file || std::fwrite(bytes, 1, size, file) != size) problem = "cannot write " + path;
        if (file) std::fclose(file);
    }
    FreeLibrary(spooler);
    return problem;
}

std::string AddDriver(const std::string& ppdPath) {
    // The print processor may be known from an earlier run: its failure
    // matters only when the printer cannot be added afterwards.
    AddPrintProcessorA(nullptr, nullptr, const_cast<char*>(kPostScriptDriver),
                       const_cast<char*>("wineps"));
    DRIVER_INFO_3A driver{};
    driver.cVersion = 3;
    driver.pName = const_cast<char*>(kDriverName);
    driver.pDriverPath = const_cast<char*>(kPostScriptDriver);
    driver.pDataFile = const_cast<char*>(ppdPath.c_str());
    driver.pConfigFile = const_cast<char*>(kPostScriptDriver);
    if (!AddPrinterDriverExA(nullptr, 3, reinterpret_cast<BYTE*>(&driver),
                             APD_COPY_NEW_FILES | APD_COPY_FROM_DIRECTORY))
        return LastErrorText("AddPrinterDriverEx");
    return {};
}

std::string AddPrinterOnPort(const std::string& port) {
    PRINTER_INFO_2A info{};
    info.pPrinterName = const_cast<char*>(kFilePrinterName);
    info.pPortName = const_cast<char*>(port.c_str());
    info.pDriverName = const_cast<char*>(kDriverName);
    info.pPrintProcessor = const_cast<char*>(kPrintProcessor);
    info.pDatatype = const_cast<char*>("RAW");
    HANDLE printer = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&info));
    if (!printer) return LastErrorText("AddPrinter");
    ClosePrinter(printer);
    return {};
}

} // namespace

std::string FilePrinterJobFile() {
    char directory[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, directory);
    return std::string(directory) + "sondrel-test-print.ps";
}

std::string EnsureFilePrinter() {
    const std::string port = FilePrinterJobFile();
    const std::string existing = PrinterPort();
    if (existing != port) {
        if (!existing.empty()) DeletePrinterNamed();
        std::string ppdPath;
        std::string problem = RegisterFilePort(port);
        if (problem.empty()) problem = WriteGenericPpd(ppdPath);
        if (problem.empty()) problem = AddDriver(ppdPath);
        if (problem.empty()) problem = AddPrinterOnPort(port);
        if (!problem.empty()) return problem;
    }
    if (!SetDefaultPrinterA(kFilePrinterName)) return LastErrorText("SetDefaultPrinter");
    return {};
}

} // namespace gui

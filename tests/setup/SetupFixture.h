// A machine with the barcode DLL's medium in E:\ and the directories an
// installation uses by default.
#pragma once

#include "MemoryInstallSystem.h"
#include "ProductInstall.h"

#include <string>

inline const std::string kU = "C:\\Program Files\\Barcode";
inline const std::string kR = kU + "\\repair";
inline const std::string kD = "C:\\WINDOWS\\SYSTEM32";

// Bytes of a file on the medium: long enough to pass the size check, and
// telling which file they are.
inline std::string Content(const std::string& name, size_t size = 200) {
    std::string bytes = "<" + name + ">";
    bytes.resize(size, '.');
    return bytes;
}

// The medium: the DLL only in its underscore form, no MORDANE.DLL, no Manual.doc.
inline void PutMedium(MemoryInstallSystem& machine) {
    machine.AddFile("E:\\SONDREL.EXE", Content("SONDREL.EXE"), "4.2.4.0");
    machine.AddFile("E:\\ReadMe.txt", Content("ReadMe.txt"));
    machine.AddFile("E:\\Manual.pdf", Content("Manual.pdf"));
    machine.AddFile("E:\\Setup.exe", Content("Setup.exe"), "4.2.4.0");
    machine.AddFile("E:\\BARCODE.DL_", Content("BARCODE.DLL"), "4.2.4.0");
    machine.AddFile("E:\\Barcode.dat", Content("Barcode.dat"));
}

// Product 1 installed from the medium with the default directories and its
// lists written.
inline InstallState InstallBarcodeDllByDefault(MemoryInstallSystem& machine) {
    InstallState state = StartInstallState(machine, Product::BarcodeDll);
    InstallBarcodeDll(machine, state);
    WriteListsOfInstallation(machine, state);
    return state;
}

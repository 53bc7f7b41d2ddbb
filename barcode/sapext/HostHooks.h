// Standing in for the barcode library of a print program: hooks in the
// host's import table redirect its load of "BARCODE.DLL" to the library the
// profile names, and answer its look-ups of the barcode entries with this
// library's extension entries, which forward to that library.
//
// When the hooks go in: BarcodeInit installs them only in a print program
// (the host's executable is SAPlpd.exe or SAPSprint.exe) and only when
// "barcode.ini" names another library under "DLL-Loca". Every other program
// that loads this library keeps its import table as it is. On Linux there
// are no print programs to hook; the library is always itself.
//
// The redirection reaches state 4 when the host's load of "BARCODE.DLL"
// (the exact upper-case name ending its path) has loaded another library
// that has BarcodeInit and BarcodePrint. From then on the host's look-ups of
// those two names in that library give ExtensionBarcodeInit and
// ExtensionBarcodePrint, which call the library's own entries, so the host
// keeps printing through the entries it looked up.
#pragma once

// Installs the hooks once per process when the host is a print program with
// a redirection configured. Returns true when hooks are in place.
bool InstallPrintProgramHooks();

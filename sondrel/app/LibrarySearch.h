// Where Sondrel looks for a library it loads at run time (the barcode DLL,
// the SAP RFC library): a fixed list of places, of which the first file that
// exists is loaded.
#pragma once

#include "win32api.h"

#include <cstddef>
#include <string>
#include <vector>

// What the search depends on, as read from the profiles and the system.
struct LibrarySearchEnvironment {
    std::string privateProfileValue; // the key in section "Barcode" of the program's profile
    std::string windowsProfileValue; // the key in section "Barcode" of win.ini ("." when unset)
    std::string windowsDirectory;
    std::string systemDirectory;
    std::string programFileName; // full file name of the running program
};

// The paths to test for fileName, in order:
//  1. with a private profile value: <value>\<fileName>, then fileName alone;
//  2. <win.ini value>\<fileName>, then fileName alone;
//  3. ..\Barcode2\Debug\<fileName>;
//  4. <Windows directory>\<fileName>;
//  5. <System directory>\<fileName>;
//  6. the program's directory (up to and including the last backslash of its
//     file name, or the whole name and a backslash when it has none) and fileName.
std::vector<std::string> LibraryCandidates(const std::string& fileName,
                                           const LibrarySearchEnvironment& environment);

// The environment of this process for the profile key keyName.
LibrarySearchEnvironment CurrentLibrarySearchEnvironment(const char* keyName);

// The result of a search that found no file: nothing was loaded.
inline HMODULE LibraryNotFound() {
    return reinterpret_cast<HMODULE>(static_cast<UINT_PTR>(2));
}

// True for a module handle of a loaded module: LoadLibraryA gives null and
// the search gives LibraryNotFound() when nothing was loaded.
inline bool IsLoadedModule(HMODULE module) {
    return reinterpret_cast<UINT_PTR>(module) > 32;
}

// Loads the first candidate that exists (tested with an access check, not by
// loading) and returns LoadLibraryA's result, or LibraryNotFound() when no
// candidate exists. A relative candidate is loaded by its full path in the
// current directory, so that the loader takes the file that was found. When
// locationOut is given, the loaded path is copied into it: cut to
// locationSize - 1 bytes and terminated when it is longer, and the library
// is loaded all the same.
HMODULE FindAndLoadLibrary(const char* fileName, const char* keyName, char* locationOut,
                           size_t locationSize);

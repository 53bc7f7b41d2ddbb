// Binding the barcode DLL at start: load it, find its entries, let it
// initialise, check its interface level, and tell the user in a message box
// about every problem. Whatever goes wrong, the program runs on; without a
// print entry it only cannot draw.
#include "DllBinding.h"

#include "LibrarySearch.h"
#include "catalog/Translate.h"

#include <cstdio>
#include <cstring>

namespace {

// The interface level this program is written for (VersionInfo's first field).
constexpr int32_t kInterfaceLevel = 2;
// Asks the DLL for an init report without time stamps.
constexpr const char* kInitWithoutTimeStamps = "NoTime";

template <typename Entry> Entry FindEntry(HMODULE module, const char* name) {
    // Through void (*)(), which converts to any function type without warning.
    return reinterpret_cast<Entry>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

void ShowProblem(const char* text) {
    MessageBoxA(nullptr, text, GetText(203, 19, false), MB_OK);
}

// A text the DLL wrote into one of our buffers ends inside it, whatever the DLL did.
template <size_t size> void TerminateBuffer(char (&buffer)[size]) {
    buffer[size - 1] = '\0';
}

void ReportDllNotLoaded(HMODULE result, DWORD error) {
    char text[1000];
    std::snprintf(text, sizeof text, GetText(203, 18, false),
                  static_cast<int>(reinterpret_cast<INT_PTR>(result)),
                  static_cast<unsigned long>(error));
    ShowProblem(text);
}

// Tries the DLL's file name, then its second name, both in the places of the
// library search.
bool LoadBarcodeDll(SondrelLibraries& libraries) {
    libraries.barcodeDll = FindAndLoadLibrary(GetText(203, 15, true), GetText(203, 17, true),
                                              libraries.location, sizeof libraries.location);
    if (!IsLoadedModule(libraries.barcodeDll))
        libraries.barcodeDll = FindAndLoadLibrary(GetText(203, 16, true), GetText(203, 17, true),
                                                  libraries.location, sizeof libraries.location);
    if (IsLoadedModule(libraries.barcodeDll)) return true;
    DWORD error = GetLastError();
    libraries.location[0] = '\0';
    ReportDllNotLoaded(libraries.barcodeDll, error);
    return false;
}

// A DLL without the print entry: an older one still has its own entry (the
// user must restart so that the new DLL is loaded), anything else is not ours.
// The older entry is only looked up, never called.
void ReportMissingPrintEntry(HMODULE dll) {
    if (FindEntry<FARPROC>(dll, GetText(203, 21, true)) != nullptr)
        ShowProblem(GetText(203, 22, false));
    else
        ShowProblem(GetText(203, 23, false));
}

// Lets the DLL initialise; true when it reports success. Its report is left
// in the init message.
bool RunInitEntry(InitEntry init, SondrelLibraries& libraries) {
    std::strcpy(libraries.initMessage, kInitWithoutTimeStamps);
    int result = init(libraries.initMessage, static_cast<int>(sizeof libraries.initMessage));
    TerminateBuffer(libraries.initMessage);
    return result != 0;
}

// The print entry stays bound only when the DLL initialises. The init report
// is shown whenever there is an init entry, also after the init failed.
void BindPrintEntry(SondrelLibraries& libraries) {
    HMODULE dll = libraries.barcodeDll;
    libraries.printEntry = FindEntry<PrintEntry>(dll, GetText(203, 20, true));
    if (libraries.printEntry == nullptr) {
        ReportMissingPrintEntry(dll);
        return;
    }
    InitEntry init = FindEntry<InitEntry>(dll, GetText(203, 24, true));
    if (init == nullptr) {
        ShowProblem(GetText(203, 25, false));
        libraries.printEntry = nullptr;
        return;
    }
    if (!RunInitEntry(init, libraries)) {
        ShowProblem(GetText(203, 26, false));
        libraries.printEntry = nullptr;
    }
    MessageBoxA(nullptr, libraries.initMessage, GetText(203, 27, false), MB_OK);
}

void ReadVersionText(SondrelLibraries& libraries) {
    VersionTextEntry version =
        FindEntry<VersionTextEntry>(libraries.barcodeDll, GetText(203, 39, true));
    if (version == nullptr) return;
    version(libraries.versionText, static_cast<int>(sizeof libraries.versionText));
    TerminateBuffer(libraries.versionText);
}

// What the version record says about the DLL.
enum class InterfaceCheck { kNoEntry, kCallFailed, kTooOld, kCurrent, kNewer };

InterfaceCheck CheckInterfaceLevel(SondrelLibraries& libraries) {
    VersionInfoEntry versionInfo =
        FindEntry<VersionInfoEntry>(libraries.barcodeDll, GetText(203, 31, true));
    if (versionInfo == nullptr) return InterfaceCheck::kNoEntry;
    libraries.versionInfo = nullptr;
    // A DLL that reports success but no record has failed all the same.
    if (versionInfo(&libraries.versionInfo) == 0 || libraries.versionInfo == nullptr) {
        libraries.versionInfo = nullptr;
        return InterfaceCheck::kCallFailed;
    }
    int32_t level = libraries.versionInfo->structVersion;
    if (level < kInterfaceLevel) return InterfaceCheck::kTooOld;
    if (level > kInterfaceLevel) return InterfaceCheck::kNewer;
    return InterfaceCheck::kCurrent;
}

// The message for a check, or null when there is nothing to say.
const char* InterfaceCheckMessage(InterfaceCheck check) {
    switch (check) {
    case InterfaceCheck::kNoEntry:
        return GetText(203, 32, false);
    case InterfaceCheck::kCallFailed:
        return GetText(203, 33, false);
    case InterfaceCheck::kTooOld:
        return GetText(203, 34, false);
    case InterfaceCheck::kNewer:
        return GetText(203, 35, false);
    case InterfaceCheck::kCurrent:
        break;
    }
    return nullptr;
}

// A newer DLL keeps the interface of this one, so it may print.
bool InterfaceAllowsPrinting(InterfaceCheck check) {
    return check == InterfaceCheck::kCurrent || check == InterfaceCheck::kNewer;
}

void BindEntriesOfLoadedDll(SondrelLibraries& libraries) {
    BindPrintEntry(libraries);
    libraries.readDefaults =
        FindEntry<ReadDefaultsEntry>(libraries.barcodeDll, GetText(203, 28, true));
    ReadVersionText(libraries);
    InterfaceCheck check = CheckInterfaceLevel(libraries);
    if (const char* message = InterfaceCheckMessage(check)) ShowProblem(message);
    if (!InterfaceAllowsPrinting(check)) libraries.printEntry = nullptr;
}

void BindRfcLibrary(SondrelLibraries& libraries) {
    libraries.rfcLibrary = LoadRfcLibrary();
    libraries.rfcReady =
        IsLoadedModule(libraries.rfcLibrary) && BindRfcEntries(libraries.rfcLibrary, libraries.rfc);
}

void ForgetBarcodeEntries(SondrelLibraries& libraries) {
    libraries.printEntry = nullptr;
    libraries.readDefaults = nullptr;
    libraries.versionInfo = nullptr;
}

} // namespace

SondrelLibraries& Libraries() {
    static SondrelLibraries libraries;
    return libraries;
}

void BindBarcodeDll() {
    SondrelLibraries& libraries = Libraries();
    // A second binding starts afresh; the DLL bound before is let go.
    ReleaseBarcodeDll();
    libraries.versionText[0] = '\0';
    libraries.initMessage[0] = '\0';
    if (LoadBarcodeDll(libraries)) BindEntriesOfLoadedDll(libraries);
    BindRfcLibrary(libraries);
}

void ReleaseBarcodeDll() {
    SondrelLibraries& libraries = Libraries();
    if (IsLoadedModule(libraries.barcodeDll)) FreeLibrary(libraries.barcodeDll);
    libraries.barcodeDll = nullptr;
    // The entries and the version record lived in the DLL.
    ForgetBarcodeEntries(libraries);
}

int CallPrintEntry(HDC hdc, BarcodeRequest* request) {
    PrintEntry print = Libraries().printEntry;
    if (print == nullptr || request == nullptr) return 0;
    return print(hdc, request);
}

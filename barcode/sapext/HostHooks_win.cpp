// The hooks in a print program's import table, and what they do.
#include "sapext/HostHooks.h"

#include "barcode.h"
#include "catalog/Translate.h"
#include "log/Log.h"
#include "sapext/ImportTable.h"
#include "sapext/Redirection.h"

#include <cstring>
#include <mutex>
#include <string>

namespace {

constexpr char kRequestedName[] = "BARCODE.DLL";
constexpr size_t kRequestedLength = sizeof kRequestedName - 1;
constexpr DWORD kProfilePathSize = 200;
constexpr int kRedirecting = 4;

using LoadLibraryAFunction = HMODULE(WINAPI*)(LPCSTR);
using LoadLibraryWFunction = HMODULE(WINAPI*)(LPCWSTR);
using GetProcAddressFunction = FARPROC(WINAPI*)(HMODULE, LPCSTR);
using AccessFunction = int(__cdecl*)(const char*, int);

// The functions the hooks replaced; called for everything not redirected.
struct OriginalFunctions {
    LoadLibraryAFunction loadLibraryA = nullptr;
    LoadLibraryWFunction loadLibraryW = nullptr;
    GetProcAddressFunction getProcAddress = nullptr;
    AccessFunction access = nullptr;
};
OriginalFunctions originals;

HMODULE ThisLibrary() {
    HMODULE self = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&ThisLibrary), &self);
    return self;
}

// The library "DLL-Loca" names, or the requested name itself.
std::string RedirectionTarget(const char* requested) {
    char path[kProfilePathSize] = {};
    GetPrivateProfileStringA(GetText(104, 18, true), GetText(501, 269, true), requested, path,
                             kProfilePathSize, GetText(104, 234, true));
    return path;
}

bool NamesBarcodeLibrary(const char* name) {
    if (name == nullptr) return false;
    size_t length = std::strlen(name);
    return length >= kRequestedLength &&
           std::memcmp(name + length - kRequestedLength, kRequestedName, kRequestedLength) == 0;
}

template <typename Entry> Entry Resolve(HMODULE module, const char* name) {
    return reinterpret_cast<Entry>(
        reinterpret_cast<void (*)()>(originals.getProcAddress(module, name)));
}

void ResolveRedirectedEntries(HMODULE module) {
    RedirectedLibrary& r = Redirection();
    r.module = module;
    r.barcodeInit = Resolve<BarcodeInitEntry>(module, "BarcodeInit");
    r.barcodePrint = Resolve<BarcodePrintEntry>(module, "BarcodePrint");
    r.barcodeVInfo = Resolve<BarcodeVInfoEntry>(module, "BarcodeVInfo");
    r.extensionBarcodeInit = Resolve<BarcodeInitEntry>(module, "ExtensionBarcodeInit");
    r.extensionBarcodePrint = Resolve<BarcodePrintEntry>(module, "ExtensionBarcodePrint");
    r.extensionBarcodeVInfo = Resolve<BarcodeVInfoEntry>(module, "ExtensionBarcodeVInfo");
    r.state = r.barcodeInit != nullptr && r.barcodePrint != nullptr ? kRedirecting : 0;
}

// The host's load of a barcode library goes to the one the profile names.
// Loading this library itself again redirects nothing: the host then simply
// talks to this library.
HMODULE WINAPI RedirectingLoadLibraryA(LPCSTR name) {
    if (!NamesBarcodeLibrary(name)) return originals.loadLibraryA(name);
    std::string target = RedirectionTarget(name);
    HMODULE module = originals.loadLibraryA(target.c_str());
    LogWrite(3, "Barcode library \"%s\" loaded from \"%s\": %p\n", name, target.c_str(),
             static_cast<void*>(module));
    if (module == nullptr || module == ThisLibrary()) return module;
    ResolveRedirectedEntries(module);
    return module;
}

HMODULE WINAPI ForwardingLoadLibraryW(LPCWSTR name) {
    return originals.loadLibraryW(name);
}

// While redirecting, the host's print entries of the redirected library
// lead through this library's extension entries.
FARPROC WINAPI RedirectingGetProcAddress(HMODULE module, LPCSTR name) {
    const RedirectedLibrary& r = Redirection();
    const bool byName = reinterpret_cast<ULONG_PTR>(name) > 0xFFFF;
    if (r.state == kRedirecting && module == r.module && byName) {
        if (std::strcmp(name, "BarcodeInit") == 0)
            return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(&ExtensionBarcodeInit));
        if (std::strcmp(name, "BarcodePrint") == 0)
            return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(&ExtensionBarcodePrint));
    }
    return originals.getProcAddress(module, name);
}

// A host that checks for "BARCODE.DLL" before loading it finds the library
// the profile names.
int __cdecl RedirectingAccess(const char* path, int mode) {
    if (path != nullptr && std::strcmp(path, kRequestedName) == 0) {
        std::string target = RedirectionTarget(path);
        if (originals.access(target.c_str(), mode) == 0) return 0;
    }
    return originals.access(path, mode);
}

bool IsPrintProgram() {
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return false;
    const char* name = std::strrchr(path, '\\');
    name = name != nullptr ? name + 1 : path;
    return lstrcmpiA(name, "SAPlpd.exe") == 0 || lstrcmpiA(name, "SAPSprint.exe") == 0;
}

bool RedirectionConfigured() {
    std::string target = RedirectionTarget("");
    return !target.empty();
}

template <typename Function>
bool Hook(HMODULE host, const char* module, const char* function, Function replacement,
          Function& original) {
    void* previous = nullptr;
    if (!HookImport(host, module, function, reinterpret_cast<void*>(replacement), &previous))
        return false;
    original = reinterpret_cast<Function>(previous);
    return true;
}

bool InstallHooks() {
    HMODULE host = GetModuleHandleA(nullptr);
    bool loadHooked = Hook(host, "kernel32.dll", "LoadLibraryA", &RedirectingLoadLibraryA,
                           originals.loadLibraryA);
    // The replacements call the real functions, found where the host would.
    if (originals.getProcAddress == nullptr &&
        !Hook(host, "kernel32.dll", "GetProcAddress", &RedirectingGetProcAddress,
              originals.getProcAddress))
        originals.getProcAddress = &GetProcAddress;
    Hook(host, "kernel32.dll", "LoadLibraryW", &ForwardingLoadLibraryW, originals.loadLibraryW);
    // access is the C runtime's, so it is looked up in the host's imports
    // of its C runtime DLL (under either of its names), not in kernel32.
    if (!Hook(host, "*crt*", "_access", &RedirectingAccess, originals.access))
        Hook(host, "*crt*", "access", &RedirectingAccess, originals.access);
    LogWrite(3, "Print program hooks installed: LoadLibraryA %s\n", loadHooked ? "yes" : "no");
    return loadHooked;
}

} // namespace

bool InstallPrintProgramHooks() {
    static std::once_flag once;
    static bool installed = false;
    std::call_once(once, [] {
        if (IsPrintProgram() && RedirectionConfigured()) installed = InstallHooks();
    });
    return installed;
}

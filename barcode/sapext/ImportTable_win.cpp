// The import address table of a module, found through ImageHlp.
#include "sapext/ImportTable.h"

#include <imagehlp.h>

#include <cstring>

namespace {

constexpr unsigned char kPushImmediate = 0x68;

// The C runtime comes under several names: msvcrt.dll, msvcr100.dll,
// ucrtbase.dll, api-ms-win-crt-*.dll.
bool IsCRuntimeName(const char* name) {
    return _strnicmp(name, "msvcr", 5) == 0 || _stricmp(name, "ucrtbase.dll") == 0 ||
           _strnicmp(name, "api-ms-win-crt-", 15) == 0;
}

bool NameMatches(const char* imported, const char* wanted) {
    if (std::strcmp(wanted, "*crt*") == 0) return IsCRuntimeName(imported);
    return lstrcmpiA(imported, wanted) == 0;
}

// An import entry holds the function's address, or in some 32-bit programs
// a stub "push address; ret" that leads there.
bool EntryLeadsTo(ULONG_PTR entry, ULONG_PTR target) {
    if (entry == target) return true;
    if (sizeof(void*) != 4 || entry == 0) return false;
    MEMORY_BASIC_INFORMATION info{};
    if (VirtualQuery(reinterpret_cast<void*>(entry), &info, sizeof info) == 0 ||
        info.State != MEM_COMMIT || (info.Protect & (PAGE_NOACCESS | PAGE_GUARD)) != 0)
        return false;
    const unsigned char* stub = reinterpret_cast<const unsigned char*>(entry);
    uint32_t immediate = 0;
    std::memcpy(&immediate, stub + 1, sizeof immediate);
    return stub[0] == kPushImmediate && immediate == static_cast<uint32_t>(target);
}

bool WriteEntry(ULONG_PTR* entry, void* replacement) {
    MEMORY_BASIC_INFORMATION info{};
    if (VirtualQuery(entry, &info, sizeof info) == 0) return false;
    DWORD previous = 0;
    if (!VirtualProtect(info.BaseAddress, info.RegionSize, PAGE_READWRITE, &previous)) return false;
    *entry = reinterpret_cast<ULONG_PTR>(replacement);
    DWORD unused = 0;
    VirtualProtect(info.BaseAddress, info.RegionSize, previous, &unused);
    return true;
}

FARPROC CurrentAddress(const char* moduleName, const char* importedName, const char* function) {
    HMODULE module =
        GetModuleHandleA(std::strcmp(moduleName, "*crt*") == 0 ? importedName : moduleName);
    return module != nullptr ? GetProcAddress(module, function) : nullptr;
}

} // namespace

bool HookImport(HMODULE host, const char* moduleName, const char* function, void* replacement,
                void** original) {
    ULONG size = 0;
    auto* descriptor = static_cast<PIMAGE_IMPORT_DESCRIPTOR>(
        ImageDirectoryEntryToData(host, TRUE, IMAGE_DIRECTORY_ENTRY_IMPORT, &size));
    if (descriptor == nullptr) return false;
    const auto* base = reinterpret_cast<const char*>(host);
    for (; descriptor->Name != 0; ++descriptor) {
        const char* imported = base + descriptor->Name;
        if (!NameMatches(imported, moduleName)) continue;
        FARPROC current = CurrentAddress(moduleName, imported, function);
        if (current == nullptr) continue;
        auto* entry =
            reinterpret_cast<ULONG_PTR*>(const_cast<char*>(base) + descriptor->FirstThunk);
        for (; *entry != 0; ++entry) {
            if (!EntryLeadsTo(*entry, reinterpret_cast<ULONG_PTR>(current))) continue;
            if (!WriteEntry(entry, replacement)) return false;
            if (original != nullptr) *original = reinterpret_cast<void*>(current);
            return true;
        }
    }
    return false;
}

// LoadLibraryA, GetModuleHandleA, GetModuleFileNameA, GetProcAddress and
// FreeLibrary over the dynamic loader.
//
// An HMODULE is the module's dlopen handle (glibc's link_map), so that every
// way of reaching one module gives the same HMODULE, as on Windows. Handles
// are checked against the loaded modules before they reach the loader, which
// would crash on a stale or made-up one where Windows fails the call.
#include "module_search.h"

#include "win32api.h"

#include <cstring>
#include <dlfcn.h>
#include <filesystem>
#include <link.h>
#include <optional>

using namespace platform;

namespace {

void* MainProgramHandle() {
    static void* handle = dlopen(nullptr, RTLD_LAZY);
    return handle;
}

// The file of a loaded module, or nothing when the handle is no loaded
// module. The walk runs inside dl_iterate_phdr, which holds the lock under
// which the loader changes its list of modules.
std::optional<std::string> LoadedModulePath(HMODULE module) {
    struct Walk {
        const link_map* wanted;
        const link_map* first;
        std::optional<std::string> path;
    };
    link_map* first = nullptr;
    if (dlinfo(MainProgramHandle(), RTLD_DI_LINKMAP, &first) != 0) return std::nullopt;
    Walk walk{reinterpret_cast<const link_map*>(module), first, std::nullopt};
    dl_iterate_phdr(
        [](dl_phdr_info*, size_t, void* data) -> int {
            auto* walk = static_cast<Walk*>(data);
            for (const link_map* map = walk->first; map != nullptr; map = map->l_next)
                if (map == walk->wanted) walk->path = map->l_name ? map->l_name : "";
            return 1; // one walk of the list is enough
        },
        &walk);
    // The main program's entry has an empty name.
    if (walk.path && walk.path->empty()) walk.path = ProgramPath();
    return walk.path;
}

bool IsLoadedModule(HMODULE module) {
    return LoadedModulePath(module).has_value();
}

bool FileExists(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::is_regular_file(path, ignored);
}

// A loaded module that one of the candidates names, with one more reference
// (dlopen with RTLD_NOLOAD counts one), or null.
void* OpenLoadedModule(const std::vector<std::string>& candidates) {
    for (const std::string& candidate : candidates) {
        if (IsFileCandidate(candidate) && !FileExists(candidate)) continue;
        if (void* handle = dlopen(candidate.c_str(), RTLD_LAZY | RTLD_NOLOAD)) return handle;
    }
    return nullptr;
}

// Loads the first candidate that exists. Like Windows, a module file that is
// found but does not load (a missing dependency, say) ends the search.
void* LoadFirstCandidate(const std::vector<std::string>& candidates) {
    for (const std::string& candidate : candidates) {
        bool isFile = IsFileCandidate(candidate);
        if (isFile && !FileExists(candidate)) continue;
        // Windows resolves a module's imports when loading it.
        void* handle = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle || isFile) return handle;
    }
    return nullptr;
}

// dlsym also finds what a module's dependencies define; GetProcAddress only
// finds the module's own exports.
bool IsDefinedIn(void* symbol, void* module) {
    Dl_info info{};
    link_map* definer = nullptr;
    return dladdr1(symbol, &info, reinterpret_cast<void**>(&definer), RTLD_DL_LINKMAP) != 0 &&
           definer == module;
}

// Windows rules: with room, the name and its length; without, as much as fits
// with a terminator, the buffer size and ERROR_INSUFFICIENT_BUFFER.
DWORD CopyTruncatedName(const std::string& name, LPSTR buffer, DWORD size) {
    if (buffer == nullptr || size == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    if (name.size() < size) {
        std::memcpy(buffer, name.c_str(), name.size() + 1);
        SetLastError(ERROR_SUCCESS);
        return static_cast<DWORD>(name.size());
    }
    std::memcpy(buffer, name.data(), size - 1);
    buffer[size - 1] = '\0';
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return size;
}

bool IsOrdinal(LPCSTR procName) {
    return reinterpret_cast<uintptr_t>(procName) <= 0xFFFF;
}

} // namespace

HMODULE LoadLibraryA(LPCSTR fileName) {
    if (fileName == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    std::vector<std::string> candidates = ModuleFileCandidates(fileName);
    // A module already loaded under the name is used again, as on Windows,
    // wherever it was loaded from.
    void* handle = OpenLoadedModule(candidates);
    if (handle == nullptr) handle = LoadFirstCandidate(candidates);
    if (handle == nullptr) SetLastError(ERROR_MOD_NOT_FOUND);
    return static_cast<HMODULE>(handle);
}

HMODULE GetModuleHandleA(LPCSTR moduleName) {
    if (moduleName == nullptr) return static_cast<HMODULE>(MainProgramHandle());
    void* handle = OpenLoadedModule(ModuleFileCandidates(moduleName));
    if (handle == nullptr) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    // GetModuleHandleA takes no reference: give back the one RTLD_NOLOAD took.
    dlclose(handle);
    return static_cast<HMODULE>(handle);
}

DWORD GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size) {
    std::optional<std::string> path =
        module == nullptr ? std::optional<std::string>(ProgramPath()) : LoadedModulePath(module);
    if (!path) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return 0;
    }
    return CopyTruncatedName(*path, fileName, size);
}

FARPROC GetProcAddress(HMODULE module, LPCSTR procName) {
    void* handle = module == nullptr ? MainProgramHandle() : module;
    if (module != nullptr && !IsLoadedModule(module)) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    // Shared objects have no ordinals; never read a small number as a name.
    void* symbol = IsOrdinal(procName) ? nullptr : dlsym(handle, procName);
    if (symbol == nullptr || !IsDefinedIn(symbol, handle)) {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    return reinterpret_cast<FARPROC>(symbol);
}

BOOL FreeLibrary(HMODULE module) {
    if (module == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (!IsLoadedModule(module)) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return FALSE;
    }
    // The program itself stays; Windows, too, reports success.
    if (module == MainProgramHandle()) return TRUE;
    if (dlclose(module) != 0) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return FALSE;
    }
    return TRUE;
}

// CreateMutexA, OpenMutexA and ReleaseMutex: mutex names and the objects this
// process has open under them.
//
// Within a process all handles of one name share one MutexObject (and so one
// lock file), which makes the mutex recursive for its owner whichever handle
// it uses. Names are case-sensitive; "Local\" names the same mutex as the
// bare name, "Global\" another one, as under Wine in a user's session.
#include "mutex_object.h"

#include <map>
#include <mutex>
#include <optional>

using namespace platform;

namespace {

class NameRegistry {
  public:
    // The mutex of a name that this process has open, or null.
    std::shared_ptr<MutexObject> Find(const std::string& name) {
        auto found = mutexes_.find(name);
        return found == mutexes_.end() ? nullptr : found->second.lock();
    }

    void Add(const std::string& name, const std::shared_ptr<MutexObject>& mutex) {
        std::erase_if(mutexes_, [](const auto& entry) { return entry.second.expired(); });
        mutexes_[name] = mutex;
    }

    // Held while a name is looked up and, if need be, opened, so that two
    // threads opening one name end up with the same object.
    std::mutex& Guard() { return guard_; }

  private:
    std::mutex guard_;
    // Weak: a mutex and its name go away with its last handle.
    std::map<std::string, std::weak_ptr<MutexObject>> mutexes_;
};

// Never destroyed: static destructors may still close handles at exit.
NameRegistry& Registry() {
    static NameRegistry* registry = new NameRegistry;
    return *registry;
}

bool IsUnnamed(LPCSTR name) {
    return name == nullptr || *name == '\0';
}

// The registry key of a Win32 mutex name, or nothing when Windows would not
// accept the name (a backslash other than that of a namespace prefix).
std::optional<std::string> KeyOfName(const std::string& name) {
    const std::string local = "Local\\";
    const std::string global = "Global\\";
    std::string key = name.starts_with(local) ? name.substr(local.size()) : name;
    size_t prefixLength = key.starts_with(global) ? global.size() : 0;
    if (key.find('\\', prefixLength) != std::string::npos) return std::nullopt;
    return key;
}

struct OpenedMutex {
    std::shared_ptr<MutexObject> mutex;
    bool existed = false;
};

// Finds the mutex of a name in this process, else opens or creates it
// through its lock file. A null mutex comes with the last error set.
OpenedMutex OpenNamedMutex(const std::string& key, bool mayCreate, bool ownIfCreated) {
    OpenedMutex opened;
    std::lock_guard lock(Registry().Guard());
    opened.mutex = Registry().Find(key);
    if (opened.mutex) {
        opened.existed = true;
        return opened;
    }
    MutexLockFile::Opening opening{};
    DWORD error = ERROR_SUCCESS;
    std::unique_ptr<MutexLockFile> lockFile =
        MutexLockFile::Open(key, mayCreate, ownIfCreated, opening, error);
    if (!lockFile) {
        SetLastError(error);
        return opened;
    }
    opened.existed = opening == MutexLockFile::Opening::OpenedExisting;
    opened.mutex = std::make_shared<MutexObject>(std::move(lockFile));
    if (ownIfCreated && !opened.existed) opened.mutex->TakeInitialOwnership();
    Registry().Add(key, opened.mutex);
    return opened;
}

HANDLE CreateUnnamedMutex(BOOL initialOwner) {
    auto mutex = std::make_shared<MutexObject>(nullptr);
    if (initialOwner) mutex->TakeInitialOwnership();
    SetLastError(ERROR_SUCCESS);
    return InsertHandle(std::move(mutex));
}

} // namespace

HANDLE CreateMutexA(LPSECURITY_ATTRIBUTES, BOOL initialOwner, LPCSTR name) {
    if (IsUnnamed(name)) return CreateUnnamedMutex(initialOwner);
    std::optional<std::string> key = KeyOfName(name);
    if (!key) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return nullptr;
    }
    // Initial ownership only applies to a mutex this call creates.
    OpenedMutex opened = OpenNamedMutex(*key, true, initialOwner != FALSE);
    if (!opened.mutex) return nullptr;
    HANDLE handle = InsertHandle(opened.mutex);
    SetLastError(opened.existed ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
    return handle;
}

HANDLE OpenMutexA(DWORD, BOOL, LPCSTR name) {
    if (IsUnnamed(name)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    std::optional<std::string> key = KeyOfName(name);
    if (!key) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return nullptr;
    }
    OpenedMutex opened = OpenNamedMutex(*key, false, false);
    return opened.mutex ? InsertHandle(opened.mutex) : nullptr;
}

BOOL ReleaseMutex(HANDLE handle) {
    std::shared_ptr<MutexObject> mutex = LookupHandleOf<MutexObject>(handle);
    if (!mutex) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return mutex->Release();
}

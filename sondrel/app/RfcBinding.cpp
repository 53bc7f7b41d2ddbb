// Binding SAP's RFC client library. Nothing here talks to the user: without
// the library the SAP functions report their own errors when used.
#include "RfcBinding.h"

#include "LibrarySearch.h"
#include "catalog/Translate.h"
#include "log/Log.h"

namespace {

// Looks up one entry by name; remembers the first name that was missing.
class EntryBinder {
  public:
    explicit EntryBinder(HMODULE library) : library_(library) {}

    template <typename Entry> void Bind(const char* name, Entry& entry) {
        // Through void (*)(), which converts to any function type without warning.
        entry =
            reinterpret_cast<Entry>(reinterpret_cast<void (*)()>(GetProcAddress(library_, name)));
        if (entry == nullptr && firstMissing_ == nullptr) firstMissing_ = name;
    }

    const char* FirstMissing() const { return firstMissing_; }

  private:
    HMODULE library_;
    const char* firstMissing_ = nullptr;
};

} // namespace

bool BindRfcEntries(HMODULE library, RfcEntries& entries) {
    EntryBinder binder(library);
    binder.Bind(GetText(203, 3, true), entries.close);
    binder.Bind(GetText(203, 4, true), entries.callReceive);
    binder.Bind(GetText(203, 5, true), entries.lastError);
    binder.Bind(GetText(203, 6, true), entries.installEnvironment);
    binder.Bind(GetText(203, 7, true), entries.open);
    binder.Bind(GetText(203, 8, true), entries.convertToText);
    binder.Bind(GetText(203, 9, true), entries.freeTable);
    binder.Bind(GetText(203, 10, true), entries.line);
    binder.Bind(GetText(203, 11, true), entries.lineCount);
    binder.Bind(GetText(203, 12, true), entries.createTable);
    binder.Bind(GetText(203, 13, true), entries.lineLength);
    binder.Bind(GetText(203, 14, true), entries.appendLine);
    if (binder.FirstMissing() == nullptr) return true;
    LogWrite(1, GetText(203, 37, false), GetText(203, 1, true), binder.FirstMissing());
    entries = RfcEntries{};
    return false;
}

HMODULE LoadRfcLibrary() {
    HMODULE library = FindAndLoadLibrary(GetText(203, 1, true), GetText(203, 36, true), nullptr, 0);
    if (!IsLoadedModule(library)) LogWrite(11, GetText(203, 2, false), GetText(203, 1, true));
    return library;
}

// The text catalog: loading from the three places, the merge rule and lookups.
#include "catalog/Translate.h"

#include "catalog/CatalogFile.h"
#include "catalog/FatalError.h"
#include "log/Log.h"
#include "win32api.h"

#include <cstdio>
#include <ctime>
#include <exception>
#include <sstream>

namespace {

constexpr const char* kCommentMark = ";;";

std::string DisplayPart(const std::string& full) {
    return full.substr(0, full.find(kCommentMark));
}

// The whole file as bytes; throws when reading fails half-way.
bool ReadWholeFile(const std::string& path, std::string& content) {
    FILE* file = OpenFileStream(path.c_str(), "rb");
    if (file == nullptr) return false;
    char chunk[16384];
    size_t count;
    while ((count = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        content.append(chunk, count);
    bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) throw std::runtime_error("read error in " + path);
    return true;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

LanguageSlot LanguageSlotOfTag(const std::string& tag) {
    if (tag == "__") return kNeutral;
    if (tag == "EN") return kEnglish;
    if (tag == "DE") return kGerman;
    return kOtherLanguage;
}

void CTranslateModuleMap::Merge(int slot, const std::string& text, int origin, uint32_t timeStamp) {
    const std::string full = text.empty() ? kCommentMark : text;
    if (slot < 0) return;
    if (static_cast<size_t>(slot) >= slots_.size()) slots_.resize(slot + 1);
    std::unique_ptr<Text>& stored = slots_[slot];
    if (stored) {
        if (stored->full == full || timeStamp < stored->timeStamp) return;
    } else {
        stored = std::make_unique<Text>();
    }
    stored->full = full;
    stored->display = DisplayPart(full);
    stored->origin = origin;
    stored->timeStamp = timeStamp;
}

const char* CTranslateModuleMap::DisplayText(int slot) const {
    if (slot < 0 || static_cast<size_t>(slot) >= slots_.size() || !slots_[slot]) return nullptr;
    const std::string& display = slots_[slot]->display;
    return display.empty() ? nullptr : display.c_str();
}

CatalogLocations StandardCatalogLocations() {
    CatalogLocations locations;
    char windows[200] = {}, system[200] = {}, current[1000] = {};
    if (GetWindowsDirectoryA(windows, sizeof windows) < sizeof windows)
        locations.windowsDirectory = windows;
    if (GetSystemDirectoryA(system, sizeof system) < sizeof system)
        locations.systemDirectory = system;
    if (GetCurrentDirectoryA(sizeof current, current) < sizeof current)
        locations.currentDirectory = current;
    return locations;
}

CTranslate::CTranslate() : useStandardLocations_(true), catalogName_(kCatalogFileName) {}

CTranslate::CTranslate(CatalogLocations locations, std::string catalogName)
    : locations_(std::move(locations)), useStandardLocations_(false),
      catalogName_(std::move(catalogName)) {}

CTranslate::~CTranslate() = default;

void CTranslate::EnsureLoaded() {
    // The flag is set before loading starts: a lookup made while loading (on
    // the loading thread) reads what is there instead of loading again; other
    // threads wait for the load to end.
    std::lock_guard<std::recursive_mutex> lock(loadMutex_);
    if (loaded_) return;
    loaded_ = true;
    try {
        Load();
    } catch (const std::exception& error) {
        ReportCatalogLoadFailed(catalogName_.c_str(), error.what());
    } catch (...) {
        ReportCatalogLoadFailed(catalogName_.c_str(), "unknown exception");
    }
}

void CTranslate::Load() {
    language_ = "EN";
    if (useStandardLocations_) locations_ = StandardCatalogLocations();
    bool anyRead = false;
    for (const std::string* directory :
         {&locations_.windowsDirectory, &locations_.systemDirectory}) {
        std::string path = *directory + "\\" + catalogName_;
        if (FileExists(path)) {
            bool read = LoadFile(path);
            LogWrite(7, "Loaded \"%s\", %d\n", path.c_str(), read ? 1 : 0);
            anyRead |= read;
        } else {
            LogWrite(7, "Not loaded \"%s\", %d\n", path.c_str(), static_cast<int>(GetLastError()));
        }
    }
    std::string path = locations_.bareNameInCurrentDirectory
                           ? catalogName_
                           : locations_.currentDirectory + "\\" + catalogName_;
    if (FileExists(path)) {
        bool read = LoadFile(path);
        LogWrite(7, "Loaded \"%s\" (%s), %d\n", path.c_str(), locations_.currentDirectory.c_str(),
                 read ? 1 : 0);
        anyRead |= read;
    } else {
        LogWrite(7, "Not loaded \"%s\", %d\n", path.c_str(), static_cast<int>(GetLastError()));
    }
    if (!anyRead) ReportCatalogMissing(catalogName_.c_str());
}

bool CTranslate::LoadFile(const std::string& path) {
    try {
        std::string content;
        if (!ReadWholeFile(path, content)) return false;
        std::istringstream in(content);
        CatalogFatalProblem problem = ReadCatalog(
            in, path, [this](const CatalogEntry& entry) { Merge(entry, kOriginCatalogFile); });
        if (problem.kind == CatalogFatalProblem::kUnknownRecord)
            ReportUnknownCatalogRecord(problem.formatVersion, problem.record);
        if (problem.kind == CatalogFatalProblem::kEncipheredInUnknownFormat)
            ReportEncipheredRecordInUnknownFormat(problem.formatVersion);
        return true;
    } catch (const std::exception& error) {
        ReportCatalogFileUnreadable(path.c_str(), error.what());
        return false;
    }
}

void CTranslate::Merge(const CatalogEntry& entry, int origin) {
    int slot = entry.index * 4 + LanguageSlotOfTag(entry.languageTag);
    ModuleMap(entry.module).Merge(slot, entry.text, origin, entry.timeStamp);
}

CTranslateModuleMap& CTranslate::ModuleMap(int module) {
    if (static_cast<size_t>(module) >= modules_.size()) modules_.resize(module + 1);
    if (!modules_[module]) modules_[module] = std::make_unique<CTranslateModuleMap>(module);
    return *modules_[module];
}

const char* CTranslate::LookUp(int module, int slot) const {
    if (static_cast<size_t>(module) >= modules_.size() || !modules_[module]) return nullptr;
    return modules_[module]->DisplayText(slot);
}

const char* CTranslate::Missing(int module, int index) {
    // One buffer for every miss, as callers of old expect; the next miss
    // overwrites it.
    static char placeholder[100];
    LogWrite(1, "System Error 14 (%d / %d)\n", module, index);
    std::snprintf(placeholder, sizeof placeholder, "(%d-%d)", module, index);
    return placeholder;
}

const char* CTranslate::GetText(int module, int index, bool neutral) {
    EnsureLoaded();
    if (module < 0 || module > kMaxCatalogModule || index < 0 || index > kMaxCatalogIndex)
        return Missing(module, index);
    const char* text = nullptr;
    if (neutral) {
        text = LookUp(module, index * 4 + kNeutral);
    } else {
        // The current language is always "EN", so its slot and the English
        // fallback are the same.
        text = LookUp(module, index * 4 + kEnglish);
    }
    return text ? text : Missing(module, index);
}

const char* CTranslate::AddText(int module, int index, const char* text, bool neutral) {
    EnsureLoaded();
    if (module < 0 || module > kMaxCatalogModule || index < 0 || index > kMaxCatalogIndex)
        return text;
    ModuleMap(module).Merge(index * 4 + (neutral ? kNeutral : kEnglish), text ? text : "",
                            kOriginAddedAtRunTime, static_cast<uint32_t>(std::time(nullptr)));
    return text;
}

CTranslate& Translator() {
    // Never destroyed: texts handed out stay valid while the process ends.
    static CTranslate* translator = new CTranslate();
    return *translator;
}

const char* GetText(int module, int index, bool neutral) {
    return Translator().GetText(module, index, neutral);
}

const char* AddText(int module, int index, const char* text, bool neutral) {
    return Translator().AddText(module, index, text, neutral);
}

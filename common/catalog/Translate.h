// The text catalog: user texts, format strings, profile keys, registry paths
// and option words addressed by (module, index), loaded from the catalog file
// at the first lookup. A lookup never fails: a missing text reads as
// "(module-index)".
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

struct CatalogEntry;

// Language slots of a text index; the slot number is index * 4 + slot.
enum LanguageSlot : int { kOtherLanguage = 0, kNeutral = 1, kEnglish = 2, kGerman = 3 };
LanguageSlot LanguageSlotOfTag(const std::string& tag);

inline constexpr const char* kCatalogFileName = "Barcode.dat";
inline constexpr int kOriginCatalogFile = 0;
inline constexpr int kOriginAddedAtRunTime = 1;

// The texts of one module.
class CTranslateModuleMap {
  public:
    explicit CTranslateModuleMap(int module) : module_(module) {}

    // Stores a text by the merge rule: an empty text is stored as ";;"; the
    // same text again, or an older one, changes nothing.
    void Merge(int slot, const std::string& text, int origin, uint32_t timeStamp);

    // The display text of a slot (the text before ";;"), or null when the
    // slot is absent or its display text is empty.
    const char* DisplayText(int slot) const;

    int Module() const { return module_; }

  private:
    struct Text {
        std::string full;
        std::string display;
        int origin = kOriginCatalogFile;
        uint32_t timeStamp = 0;
    };
    int module_;
    // Texts are held by pointer so that a returned text stays where it is
    // while other slots are added.
    std::vector<std::unique_ptr<Text>> slots_;
};

// Where the catalog file is looked for, in this order.
struct CatalogLocations {
    std::string windowsDirectory;
    std::string systemDirectory;
    std::string currentDirectory;
    // True: the third place is the bare name, relative to the current
    // directory; false (tests): currentDirectory joined with the name.
    bool bareNameInCurrentDirectory = true;
};
CatalogLocations StandardCatalogLocations();

class CTranslate {
  public:
    CTranslate(); // the standard locations, read at the first lookup
    explicit CTranslate(CatalogLocations locations, std::string catalogName = kCatalogFileName);
    virtual ~CTranslate();

    // Stores or replaces one text at run time (neutral slot or the current
    // language), stamped now; returns text. Not safe against concurrent lookups.
    virtual const char* AddText(int module, int index, const char* text, bool neutral);

    // The text of (module, index): with neutral set the language-neutral
    // text, else the current language's ("EN"). Never null.
    virtual const char* GetText(int module, int index, bool neutral);

    const std::string& Language() const { return language_; }

    // Loads the catalog now, if no lookup has yet; a program calls it first
    // thing, so that a missing catalog ends it before anything else runs.
    void EnsureLoaded();

  private:
    void Load();
    bool LoadFile(const std::string& path);
    void Merge(const CatalogEntry& entry, int origin);
    CTranslateModuleMap& ModuleMap(int module);
    const char* LookUp(int module, int slot) const;
    const char* Missing(int module, int index);

    CatalogLocations locations_;
    bool useStandardLocations_;
    std::string catalogName_;
    std::string language_ = "EN";
    bool loaded_ = false;
    std::recursive_mutex loadMutex_;
    std::vector<std::unique_ptr<CTranslateModuleMap>> modules_;
};

// The process's catalog and its two operations.
CTranslate& Translator();
const char* GetText(int module, int index, bool neutral);
const char* AddText(int module, int index, const char* text, bool neutral);

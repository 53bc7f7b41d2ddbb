#include "CatalogTexts.h"

#include "BuildFiles.h"
#include "catalog/CatalogFile.h"

#include <fstream>
#include <map>
#include <tuple>

namespace gui {

namespace {

using TextKey = std::tuple<int, int, bool>; // module, index, neutral

struct StampedText {
    uint32_t timeStamp = 0;
    std::string text;
};

// The newer of two versions of a text wins, as in the programs.
std::map<TextKey, StampedText> LoadCatalog() {
    std::map<TextKey, StampedText> texts;
    std::ifstream in(BuiltFile("Barcode.dat"), std::ios::binary);
    ReadCatalog(in, "Barcode.dat", [&](const CatalogEntry& entry) {
        if (entry.languageTag != "__" && entry.languageTag != "EN") return;
        StampedText& stored = texts[{entry.module, entry.index, entry.languageTag == "__"}];
        if (entry.timeStamp >= stored.timeStamp) stored = {entry.timeStamp, entry.text};
    });
    return texts;
}

std::string DisplayText(const std::string& text) {
    return text.substr(0, text.find(";;"));
}

} // namespace

std::string CatalogText(int module, int index, bool neutral) {
    static const std::map<TextKey, StampedText> texts = LoadCatalog();
    auto found = texts.find({module, index, neutral});
    return found == texts.end() ? std::string() : DisplayText(found->second.text);
}

} // namespace gui

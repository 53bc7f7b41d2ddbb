// Every catalog text the code refers to is in data/Barcode.dat, so that no
// user ever sees a "(module-index)" placeholder.
//
// References are found as calls GetText(<module>, <index>, <neutral>) with
// literal numbers and true/false; the code writes them that way.
#include "catalog/CatalogFile.h"
#include "catalog/Translate.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace {

struct Reference {
    int module, index;
    bool neutral;
    bool operator<(const Reference& other) const {
        return std::tie(module, index, neutral) <
               std::tie(other.module, other.index, other.neutral);
    }
};

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

// file:line of every reference in the product's sources.
std::map<Reference, std::string> ReferencesInSources() {
    static const std::regex call(R"(GetText\(\s*(\d+)\s*,\s*(\d+)\s*,\s*(true|false)\s*\))");
    std::map<Reference, std::string> references;
    fs::path root = BARCODE_SOURCE_DIR;
    for (const char* folder : {"common", "barcode", "tools", "sondrel", "setup"}) {
        if (!fs::exists(root / folder)) continue;
        for (const auto& entry : fs::recursive_directory_iterator(root / folder)) {
            std::string extension = entry.path().extension().string();
            if (extension != ".cpp" && extension != ".h") continue;
            std::string text = ReadFile(entry.path());
            for (std::sregex_iterator match(text.begin(), text.end(), call), end; match != end;
                 ++match) {
                Reference reference{std::stoi((*match)[1]), std::stoi((*match)[2]),
                                    (*match)[3] == "true"};
                references[reference] = entry.path().string();
            }
        }
    }
    return references;
}

} // namespace

TEST(CatalogCoverage, ShippedCatalogReadsCleanly) {
    std::istringstream in(ReadFile(fs::path(BARCODE_SOURCE_DIR) / "data" / "Barcode.dat"));
    int entries = 0;
    CatalogFatalProblem problem =
        ReadCatalog(in, "Barcode.dat", [&](const CatalogEntry&) { ++entries; });
    EXPECT_EQ(problem.kind, CatalogFatalProblem::kNone) << problem.record;
    EXPECT_GT(entries, 0);
}

TEST(CatalogCoverage, EveryReferencedTextIsInTheCatalog) {
    std::set<Reference> present;
    std::istringstream in(ReadFile(fs::path(BARCODE_SOURCE_DIR) / "data" / "Barcode.dat"));
    ReadCatalog(in, "Barcode.dat", [&](const CatalogEntry& entry) {
        LanguageSlot slot = LanguageSlotOfTag(entry.languageTag);
        std::string display = entry.text.substr(0, entry.text.find(";;"));
        if (!display.empty() && (slot == kNeutral || slot == kEnglish))
            present.insert({entry.module, entry.index, slot == kNeutral});
    });
    auto references = ReferencesInSources();
    EXPECT_FALSE(references.empty()); // the scan itself must find the code's references
    for (const auto& [reference, file] : references)
        EXPECT_TRUE(present.count(reference))
            << "(" << reference.module << ", " << reference.index << ", "
            << (reference.neutral ? "neutral" : "EN") << ") used in " << file
            << " is missing from data/Barcode.dat";
}

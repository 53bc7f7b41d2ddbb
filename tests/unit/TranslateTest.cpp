// The text catalog: lookups, fallbacks, the merge rule across the three
// places, run-time texts and the placeholder for missing texts.
#include "catalog/Translate.h"

#include "ScratchDirectory.h"

#include <gtest/gtest.h>

#include <filesystem>

using testsupport::ScratchDirectory;
using testsupport::WriteWholeFile;

namespace {

class TranslateTest : public testing::Test {
  protected:
    TranslateTest() : scratch_("translate") {
        for (const char* place : {"windows", "system", "current"})
            std::filesystem::create_directory(scratch_.File(place));
    }

    void WriteCatalog(const char* place, const std::string& content) {
        WriteWholeFile(scratch_.File(place) + "/" + kCatalogFileName, content);
    }

    CTranslate& Catalog() {
        if (!catalog_) {
            CatalogLocations locations{scratch_.File("windows"), scratch_.File("system"),
                                       scratch_.File("current"), false};
            catalog_ = std::make_unique<CTranslate>(locations);
        }
        return *catalog_;
    }

    ScratchDirectory scratch_;
    std::unique_ptr<CTranslate> catalog_;
};

} // namespace

TEST_F(TranslateTest, NeutralAndEnglishSlotsDoNotFallBackOnEachOther) {
    WriteCatalog("windows", "@module 104\n18 __ BarCode\n20 EN Message\n21 DE Nachricht\n");
    EXPECT_STREQ(Catalog().GetText(104, 18, true), "BarCode");
    EXPECT_STREQ(Catalog().GetText(104, 20, false), "Message");
    EXPECT_STREQ(Catalog().GetText(104, 18, false), "(104-18)");
    EXPECT_STREQ(Catalog().GetText(104, 20, true), "(104-20)");
    EXPECT_STREQ(Catalog().GetText(104, 21, false), "(104-21)"); // German is never read
    EXPECT_EQ(Catalog().Language(), "EN");
}

TEST_F(TranslateTest, MissingTextsShareOnePlaceholderBuffer) {
    WriteCatalog("system", "@module 1\n1 EN one\n");
    const char* first = Catalog().GetText(900, 5, false);
    EXPECT_STREQ(first, "(900-5)");
    const char* second = Catalog().GetText(1, 77, true);
    EXPECT_EQ(first, second);
    EXPECT_STREQ(first, "(1-77)");
    EXPECT_STREQ(Catalog().GetText(-1, 2, false), "(-1-2)");
    EXPECT_STREQ(Catalog().GetText(1, 2000000000, false), "(1-2000000000)");
}

TEST_F(TranslateTest, CommentsAndEmptyTexts) {
    WriteCatalog("current", "@module 5\n"
                            "1 EN abc;;a note for translators\n"
                            "2 EN ;;only a note\n"
                            "3 EN\n"
                            "4 EN a;b; c\n");
    EXPECT_STREQ(Catalog().GetText(5, 1, false), "abc");
    EXPECT_STREQ(Catalog().GetText(5, 2, false), "(5-2)");
    EXPECT_STREQ(Catalog().GetText(5, 3, false), "(5-3)");
    EXPECT_STREQ(Catalog().GetText(5, 4, false), "a;b; c");
}

// The Windows directory's file is read first, so the System directory's and
// then the current directory's texts replace its texts when not older.
TEST_F(TranslateTest, LaterFileWinsUnlessItsTextIsOlder) {
    WriteCatalog("windows", "@format 2\n@module 104\n"
                            "18 EN 2000 first\n"
                            "19 EN 2000 first\n"
                            "20 EN 2000 first\n");
    WriteCatalog("system", "@format 2\n@module 104\n"
                           "18 EN 2000 same age\n"
                           "19 EN 3000 newer\n"
                           "20 EN 1000 older\n");
    WriteCatalog("current", "@module 104\n21 EN version one\n");
    EXPECT_STREQ(Catalog().GetText(104, 18, false), "same age");
    EXPECT_STREQ(Catalog().GetText(104, 19, false), "newer");
    EXPECT_STREQ(Catalog().GetText(104, 20, false), "first");
    EXPECT_STREQ(Catalog().GetText(104, 21, false), "version one");
}

TEST_F(TranslateTest, RunTimeTextsReplaceAndStayWhereTheyAre) {
    WriteCatalog("windows", "@module 3\n1 EN from file\n");
    const char* fromFile = Catalog().GetText(3, 1, false);
    const char* argument = "added";
    EXPECT_EQ(Catalog().AddText(3, 2, argument, false), argument);
    EXPECT_STREQ(Catalog().GetText(3, 2, false), "added");
    // Many new slots and modules later, a text handed out is still in place.
    for (int i = 3; i < 2000; ++i)
        Catalog().AddText(i % 50 + 100, i, "filler", i % 2 == 0);
    EXPECT_STREQ(fromFile, "from file");
    Catalog().AddText(3, 1, "replaced", false);
    EXPECT_STREQ(Catalog().GetText(3, 1, false), "replaced");
    Catalog().AddText(3, 1, "neutral twin", true);
    EXPECT_STREQ(Catalog().GetText(3, 1, true), "neutral twin");
    EXPECT_STREQ(Catalog().GetText(3, 1, false), "replaced");
    Catalog().AddText(3, 1, "", false);
    EXPECT_STREQ(Catalog().GetText(3, 1, false), "(3-1)");
}

TEST_F(TranslateTest, MergeRuleOnOneModule) {
    CTranslateModuleMap map(7);
    map.Merge(9, "v1", kOriginCatalogFile, 100);
    map.Merge(9, "v0", kOriginCatalogFile, 99);
    EXPECT_STREQ(map.DisplayText(9), "v1");
    map.Merge(9, "v2;;note", kOriginAddedAtRunTime, 100);
    EXPECT_STREQ(map.DisplayText(9), "v2");
    EXPECT_EQ(map.DisplayText(8), nullptr);
    EXPECT_EQ(map.DisplayText(10), nullptr);
    EXPECT_EQ(map.DisplayText(-1), nullptr);
    EXPECT_EQ(LanguageSlotOfTag("__"), kNeutral);
    EXPECT_EQ(LanguageSlotOfTag("FR"), kOtherLanguage);
}

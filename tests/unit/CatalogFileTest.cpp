// Reading catalog files: records, format versions, escapes, and what happens
// to malformed and foreign content.
#include "catalog/CatalogFile.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace {

struct ReadResult {
    std::vector<CatalogEntry> entries;
    CatalogFatalProblem problem;
};

ReadResult Read(const std::string& content) {
    ReadResult result;
    std::istringstream in(content);
    result.problem = ReadCatalog(
        in, "test.dat", [&](const CatalogEntry& entry) { result.entries.push_back(entry); });
    return result;
}

std::string Enciphered(const std::string& line) {
    static const char* digits = "0123456789ABCDEF";
    std::string hex = "!";
    for (unsigned char c : line) {
        unsigned char x = c ^ 0xA5;
        hex += digits[x >> 4];
        hex += digits[x & 15];
    }
    return hex;
}

} // namespace

TEST(CatalogFile, EntriesOfBothFormatsInTheirModules) {
    ReadResult result = Read("# comment\n"
                             "\n"
                             "@module 104\n"
                             "18 __ BarCode\n"
                             "19 EN Two  words \n"
                             "@format 2\r\n"
                             "@module 501\r\n"
                             "128 DE 1765000000 Barcode unbekannt\r\n"
                             "  7 EN 5 indented entry\n");
    ASSERT_EQ(result.problem.kind, CatalogFatalProblem::kNone);
    ASSERT_EQ(result.entries.size(), 4u);
    EXPECT_EQ(result.entries[0].module, 104);
    EXPECT_EQ(result.entries[0].index, 18);
    EXPECT_EQ(result.entries[0].languageTag, "__");
    EXPECT_EQ(result.entries[0].timeStamp, kFormatOneTimeStamp);
    EXPECT_EQ(result.entries[0].text, "BarCode");
    EXPECT_EQ(result.entries[1].text, "Two  words "); // inner and trailing blanks kept
    EXPECT_EQ(result.entries[2].module, 501);
    EXPECT_EQ(result.entries[2].languageTag, "DE");
    EXPECT_EQ(result.entries[2].timeStamp, 1765000000u);
    EXPECT_EQ(result.entries[2].text, "Barcode unbekannt"); // CR removed
    EXPECT_EQ(result.entries[3].index, 7);
    EXPECT_EQ(result.entries[3].text, "indented entry");
}

TEST(CatalogFile, EscapesExpand) {
    struct Case {
        const char* raw;
        std::string expanded;
    } cases[] = {
        {R"(a\nb\rc\td)", "a\nb\rc\td"},
        {R"(back\\slash \"quoted\")", "back\\slash \"quoted\""},
        {R"(\bleading and trailing\ )", " leading and trailing "},
        {R"(\x41\x7e\xzz\x4)", "A~\\xzz\\x4"},
        {R"(\q stays, so does a last \)", "\\q stays, so does a last \\"},
        {R"(Version \$VERSION\$NOPE)", "Version 4.2.4\\$NOPE"},
        {R"(nul\x00byte)", std::string("nul\0byte", 8)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExpandCatalogEscapes(c.raw), c.expanded) << c.raw;
}

TEST(CatalogFile, MalformedEntriesAreSkippedAndReadingGoesOn) {
    ReadResult result = Read("1 EN before any module\n"
                             "@module 2\n"
                             "99999999999 EN index too large\n"
                             "100000 EN index beyond the catalog\n"
                             "12x EN index not a number\n"
                             "12\n"
                             "3 EN " +
                             std::string(kMaxCatalogTextLength + 1, 'x') +
                             "\n"
                             "@module 70000\n"
                             "4 EN module out of range\n"
                             "@module 3\n"
                             "@format 2\n"
                             "5 EN notastamp text\n"
                             "6 EN 1765000000 good\n"
                             "7 EN\n"); // a format 2 entry without time stamp
    ASSERT_EQ(result.problem.kind, CatalogFatalProblem::kNone);
    ASSERT_EQ(result.entries.size(), 1u);
    EXPECT_EQ(result.entries[0].module, 3);
    EXPECT_EQ(result.entries[0].text, "good");
}

TEST(CatalogFile, EmptyTextAndMissingStampInFormatTwo) {
    ReadResult result = Read("@module 1\n5 EN\n6 __ \n@format 2\n7 EN 12\n");
    ASSERT_EQ(result.entries.size(), 3u);
    EXPECT_EQ(result.entries[0].text, "");
    EXPECT_EQ(result.entries[1].text, "");
    EXPECT_EQ(result.entries[2].timeStamp, 12u);
    EXPECT_EQ(result.entries[2].text, "");
}

TEST(CatalogFile, ForeignContentIsFatal) {
    for (const std::string& content : {std::string("@module 1\n1 EN ok\nhello\n"),
                                       std::string("@section 1\n"), std::string("@\n"),
                                       std::string("\x7f"
                                                   "ELF\x02\x01\x01\0\0\0",
                                                   10),
                                       std::string("[BarCode]\nC=QR\n")}) {
        ReadResult result = Read(content);
        EXPECT_EQ(result.problem.kind, CatalogFatalProblem::kUnknownRecord) << content;
        EXPECT_EQ(result.problem.formatVersion, 1);
    }
    ReadResult result = Read("@format 2\n@module 1\n1 EN 1 ok\n~tilde\n2 EN 1 never read\n");
    EXPECT_EQ(result.problem.kind, CatalogFatalProblem::kUnknownRecord);
    EXPECT_EQ(result.problem.formatVersion, 2);
    EXPECT_EQ(result.problem.record, "~tilde");
    EXPECT_EQ(result.entries.size(), 1u);
}

TEST(CatalogFile, EncipheredEntries) {
    ReadResult result =
        Read("@module 9\n" + Enciphered("4 EN secret \\x41") + "\n@format 2\n" +
             Enciphered("5 EN 1765000000 later") + "\n!ZZ\n" + Enciphered("@module 3") + "\n");
    ASSERT_EQ(result.problem.kind, CatalogFatalProblem::kNone);
    ASSERT_EQ(result.entries.size(), 2u);
    EXPECT_EQ(result.entries[0].text, "secret A");
    EXPECT_EQ(result.entries[1].timeStamp, 1765000000u);

    result = Read("@format 3\n@module 9\n5 EN 1 plain is fine\n" + Enciphered("6 EN 1 x") + "\n");
    EXPECT_EQ(result.problem.kind, CatalogFatalProblem::kEncipheredInUnknownFormat);
    EXPECT_EQ(result.problem.formatVersion, 3);
    EXPECT_EQ(result.entries.size(), 1u);
}

TEST(CatalogFile, ByteOrderMarkAndMissingLastNewline) {
    ReadResult result = Read("\xEF\xBB\xBF@module 1\n1 EN last line");
    ASSERT_EQ(result.problem.kind, CatalogFatalProblem::kNone);
    ASSERT_EQ(result.entries.size(), 1u);
    EXPECT_EQ(result.entries[0].text, "last line");
}

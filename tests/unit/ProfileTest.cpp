// The profile functions, run unchanged natively and under Wine: both builds
// must read and write profiles alike, down to return values and truncation.
#include "ScratchDirectory.h"
#include "win32api.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

using testsupport::ReadWholeFile;
using testsupport::ScratchDirectory;
using testsupport::WriteWholeFile;

namespace {

using namespace std::string_literals;

constexpr DWORD kGuardBytes = 8;

// What a call left in a caller's buffer of the given size. Guard bytes behind
// the buffer catch writes beyond it.
struct BufferResult {
    DWORD returned;
    std::string bytes;
};

template <typename Call> BufferResult CallWithBuffer(DWORD size, Call call) {
    std::string buffer(size + kGuardBytes, '#');
    DWORD returned = call(buffer.data(), size);
    EXPECT_EQ(buffer.substr(size), std::string(kGuardBytes, '#')) << "written beyond the buffer";
    buffer.resize(size);
    return {returned, buffer};
}

class ProfileTest : public testing::Test {
  protected:
    ScratchDirectory scratch{"profile"};
    std::string path = scratch.File("test.ini");

    void Given(const std::string& content) { WriteWholeFile(path, content); }

    std::string Read(const char* section, const char* key, const char* defaultValue = "<none>") {
        char buffer[256];
        DWORD length = GetPrivateProfileStringA(section, key, defaultValue, buffer, sizeof buffer,
                                                path.c_str());
        return std::string(buffer, length);
    }

    BufferResult ReadInto(DWORD size, const char* section, const char* key,
                          const char* defaultValue = "<none>") {
        return CallWithBuffer(size, [&](LPSTR buffer, DWORD n) {
            return GetPrivateProfileStringA(section, key, defaultValue, buffer, n, path.c_str());
        });
    }

    BufferResult SectionInto(DWORD size, const char* section) {
        return CallWithBuffer(size, [&](LPSTR buffer, DWORD n) {
            return GetPrivateProfileSectionA(section, buffer, n, path.c_str());
        });
    }

    BufferResult SectionNamesInto(DWORD size) {
        return CallWithBuffer(size, [&](LPSTR buffer, DWORD n) {
            return GetPrivateProfileSectionNamesA(buffer, n, path.c_str());
        });
    }

    UINT ReadInt(const char* section, const char* key, INT defaultValue = 77) {
        return GetPrivateProfileIntA(section, key, defaultValue, path.c_str());
    }

    BOOL Write(const char* section, const char* key, const char* value) {
        return WritePrivateProfileStringA(section, key, value, path.c_str());
    }
};

TEST_F(ProfileTest, WritesCreateFileAndSectionsAndReadBack) {
    ASSERT_TRUE(Write("Printer", "Font", "Arial"));
    ASSERT_TRUE(Write("Printer", "Height", "-12"));
    ASSERT_TRUE(Write("Log", "File", "C:\\Barcode.Log"));
    ASSERT_TRUE(Write("Printer", "Font", "Courier New"));

    EXPECT_EQ(Read("Printer", "Font"), "Courier New");
    EXPECT_EQ(static_cast<INT>(ReadInt("Printer", "Height")), -12);
    EXPECT_EQ(Read("Log", "File"), "C:\\Barcode.Log");
    std::string file = ReadWholeFile(path);
    EXPECT_NE(file.find("[Printer]"), std::string::npos);
    EXPECT_NE(file.find("Font=Courier New"), std::string::npos);
    EXPECT_EQ(file.find("Arial"), std::string::npos);
}

TEST_F(ProfileTest, SectionAndKeyNamesIgnoreCaseAndBlanks) {
    Given("[ Printer ]\r\n\t Font Name \t=\t Arial  Narrow \t\r\n");
    EXPECT_EQ(Read("PRINTER", "font name"), "Arial  Narrow");
    EXPECT_EQ(Read("  printer ", " FONT NAME "), "Arial  Narrow");

    ASSERT_TRUE(Write("printer", "FONT NAME", "Courier"));
    EXPECT_EQ(SectionNamesInto(64).bytes.substr(0, 9), "Printer\0\0"s);
    // The key keeps the spelling it has in the file.
    EXPECT_EQ(SectionInto(64, "Printer").bytes.substr(0, 19), "Font Name=Courier\0\0"s);
}

TEST_F(ProfileTest, OneKindOfEnclosingQuotesIsRemoved) {
    Given("[Q]\r\ndouble=\"two words\"\r\nsingle='one'\r\nmixed=\"open'\r\nlone=\"\r\n"
          "empty=''\r\ninner=\"a\"b\"\r\n");
    EXPECT_EQ(Read("Q", "double"), "two words");
    EXPECT_EQ(Read("Q", "single"), "one");
    EXPECT_EQ(Read("Q", "mixed"), "\"open'");
    EXPECT_EQ(Read("Q", "lone"), "\"");
    EXPECT_EQ(Read("Q", "empty"), "");
    EXPECT_EQ(Read("Q", "inner"), "a\"b");
    EXPECT_EQ(Read("Q", "absent", "'default'"), "default");
}

TEST_F(ProfileTest, DefaultsAndEmptyValues) {
    Given("[S]\r\nempty=\r\nbare key\r\n");
    EXPECT_EQ(Read("S", "empty"), "");
    EXPECT_EQ(Read("S", "bare key"), "<none>");
    EXPECT_EQ(Read("S", "absent", nullptr), "");
    // Windows cuts trailing spaces, but no tabs, from the default of a key...
    EXPECT_EQ(Read("S", "absent", "  spaced  "), "  spaced");
    EXPECT_EQ(Read("S", "absent", "tab\t"), "tab\t");
    // ...and not from the default of a key list.
    EXPECT_EQ(Read("Absent", nullptr, "list  "), "list  ");
    EXPECT_EQ(GetPrivateProfileStringA("S", "k", "fallback", nullptr, 10, path.c_str()), 0u);
}

TEST_F(ProfileTest, CommentsAreSkippedByReadsAndKeptByWrites) {
    Given("; profile of the tests\r\n[First]\r\n; about one\r\none=1\r\n;hidden=x\r\n"
          "an unknown line\r\n\r\n[Second]\r\ntwo=2\r\n; last words\r\n");
    EXPECT_EQ(ReadInto(64, "First", nullptr).bytes.substr(0, 5), "one\0\0"s);
    EXPECT_EQ(SectionInto(64, "First").bytes.substr(0, 23), "one=1\0an unknown line\0\0"s);

    ASSERT_TRUE(Write("First", "one", "11"));
    ASSERT_TRUE(Write("First", "three", "3"));
    ASSERT_TRUE(Write("Second", "two", nullptr));
    ASSERT_TRUE(Write("Third", "four", "4"));

    std::string file = ReadWholeFile(path);
    size_t position = 0;
    for (const char* kept :
         {"; profile of the tests", "[First]", "; about one", "one=11", ";hidden=x",
          "an unknown line", "three=3", "[Second]", "; last words", "[Third]", "four=4"}) {
        size_t found = file.find(kept, position);
        ASSERT_NE(found, std::string::npos) << kept << " missing or out of order in\n" << file;
        position = found;
    }
    EXPECT_EQ(file.find("two=2"), std::string::npos);
}

TEST_F(ProfileTest, ReadsAnyLineEndAndAnUnterminatedLastLine) {
    Given("[lf]\nk=1\n[crlf]\r\nk=2\r\n[cr]\rk=3\r[last]\nk=4");
    EXPECT_EQ(Read("lf", "k"), "1");
    EXPECT_EQ(Read("crlf", "k"), "2");
    EXPECT_EQ(Read("cr", "k"), "3");
    EXPECT_EQ(Read("last", "k"), "4");

    ASSERT_TRUE(Write("last", "j", "5"));
    EXPECT_EQ(Read("last", "k"), "4");
    EXPECT_EQ(Read("last", "j"), "5");
}

TEST_F(ProfileTest, NullValueDeletesKeyAndNullKeyDeletesSection) {
    Given("[Keep]\r\na=1\r\n[Gone]\r\nb=2\r\nc=3\r\n[Tail]\r\nd=4\r\n");
    ASSERT_TRUE(Write("keep", "A", nullptr));
    EXPECT_EQ(Read("Keep", "a"), "<none>");
    ASSERT_TRUE(Write("GONE", nullptr, "ignored"));
    EXPECT_EQ(Read("Gone", "b"), "<none>");
    EXPECT_EQ(Read("Tail", "d"), "4");
    EXPECT_EQ(SectionNamesInto(64).bytes.substr(0, 11), "Keep\0Tail\0\0"s);

    EXPECT_TRUE(Write("Keep", "absent", nullptr));
    EXPECT_TRUE(Write("Absent", nullptr, nullptr));
    std::string never = scratch.File("never.ini");
    EXPECT_TRUE(WritePrivateProfileStringA("S", "k", nullptr, never.c_str()));
    EXPECT_FALSE(std::filesystem::exists(never));
}

TEST_F(ProfileTest, SectionNamesListEveryNamedHeaderAndCutToTheBuffer) {
    Given("top=0\r\n[Alpha]\r\n[Beta]\r\na=1\r\n[]\r\nb=2\r\n[Gamma]\r\n");
    BufferResult all = SectionNamesInto(19);
    EXPECT_EQ(all.returned, 17u);
    EXPECT_EQ(all.bytes.substr(0, 18), "Alpha\0Beta\0Gamma\0\0"s);
    EXPECT_EQ(ReadInto(19, nullptr, "ignored").bytes.substr(0, 18), all.bytes.substr(0, 18));

    // Too small: the last name is cut so that the list still ends in two
    // NULs, and the result is size - 2.
    BufferResult cut = SectionNamesInto(9);
    EXPECT_EQ(cut.returned, 7u);
    EXPECT_EQ(cut.bytes.substr(0, 8), "Alpha\0B\0"s);
    EXPECT_EQ(SectionNamesInto(3).returned, 1u);
    EXPECT_EQ(SectionNamesInto(3).bytes.substr(0, 2), "A\0"s);

    BufferResult none = SectionNamesInto(0);
    EXPECT_EQ(none.returned, 0u);
    EXPECT_EQ(none.bytes, "");
    path = scratch.File("missing.ini");
    EXPECT_EQ(SectionNamesInto(8).returned, 0u);
    EXPECT_EQ(SectionNamesInto(8).bytes[0], '\0');
}

TEST_F(ProfileTest, KeyListsLeaveOutCommentsAndLinesWithoutEquals) {
    Given("[Keys]\r\nfirst=1\r\n;comment=2\r\nno equals sign\r\nsecond=\r\n[Empty]\r\n");
    BufferResult keys = ReadInto(64, "keys", nullptr);
    EXPECT_EQ(keys.returned, 13u);
    EXPECT_EQ(keys.bytes.substr(0, 14), "first\0second\0\0"s);
    BufferResult cutKeys = ReadInto(10, "Keys", nullptr);
    EXPECT_EQ(cutKeys.returned, 8u);
    EXPECT_EQ(cutKeys.bytes.substr(0, 9), "first\0se\0"s);
    EXPECT_EQ(Read("Empty", nullptr, "dflt"), "dflt");

    BufferResult lines = SectionInto(64, "Keys");
    EXPECT_EQ(lines.returned, 31u);
    EXPECT_EQ(lines.bytes.substr(0, 32), "first=1\0no equals sign\0second=\0\0"s);
    BufferResult cutLines = SectionInto(12, "Keys");
    EXPECT_EQ(cutLines.returned, 10u);
    EXPECT_EQ(cutLines.bytes.substr(0, 11), "first=1\0no\0"s);
    EXPECT_EQ(SectionInto(8, "Absent").returned, 0u);
}

TEST_F(ProfileTest, ValueLongerThanTheBufferIsCut) {
    Given("[S]\r\nk=0123456789\r\n");
    for (DWORD size : {11u, 10u, 5u, 2u, 1u}) {
        BufferResult value = ReadInto(size, "S", "k");
        EXPECT_EQ(value.returned, std::min<DWORD>(size - 1, 10)) << size;
        EXPECT_EQ(value.bytes.substr(0, value.returned + 1),
                  "0123456789"s.substr(0, value.returned) + '\0')
            << size;
    }
    BufferResult nothing = ReadInto(0, "S", "k");
    EXPECT_EQ(nothing.returned, 0u);
}

TEST_F(ProfileTest, IntegersAreReadLikeWindows) {
    struct Case {
        const char* value;
        UINT expected;
    };
    const Case cases[] = {
        {"42", 42},        {"-1", static_cast<UINT>(-1)},
        {"+7", 7},         {"12abc", 12},
        {"3 4", 3},        {"0x10", 16},
        {"0X10", 0},       {"-0x10", static_cast<UINT>(-16)},
        {"abc", 0},        {"'42'", 42},
        {"4294967297", 1},
    };
    std::string content = "[N]\r\n";
    for (size_t i = 0; i < std::size(cases); ++i)
        content += "k" + std::to_string(i) + "=  " + cases[i].value + "\r\n";
    Given(content + "empty=\r\nbare\r\n");
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(ReadInt("N", ("k" + std::to_string(i)).c_str()), cases[i].expected)
            << cases[i].value;
    EXPECT_EQ(ReadInt("N", "empty"), 77u);
    EXPECT_EQ(ReadInt("N", "bare"), 77u);
    EXPECT_EQ(ReadInt("N", "absent", -5), static_cast<UINT>(-5));
    path = scratch.File("missing.ini");
    EXPECT_EQ(ReadInt("N", "k0"), 77u);
}

TEST_F(ProfileTest, MegabyteLinesSurviveReadsAndWrites) {
    std::string huge(1 << 20, 'x');
    Given("[S]\r\nhuge=" + huge + "\r\nafter=1\r\n");
    EXPECT_EQ(ReadInto(16, "S", "huge").returned, 15u);
    EXPECT_EQ(Read("S", "after"), "1");
    EXPECT_EQ(ReadInt("S", "huge"), 0u);

    // The value written stays below 32 K characters: Wine passes the
    // arguments of the A functions on as UTF-16 strings of at most 64 KB.
    std::string written(30000, 'y');
    ASSERT_TRUE(Write("S", "written", written.c_str()));
    std::vector<char> buffer(huge.size() + 2);
    auto readWhole = [&](const char* key) {
        DWORD length = GetPrivateProfileStringA("S", key, "", buffer.data(),
                                                static_cast<DWORD>(buffer.size()), path.c_str());
        return std::string(buffer.data(), length);
    };
    // Compared as booleans: a failure must not print megabytes.
    EXPECT_TRUE(readWhole("written") == written);
    EXPECT_TRUE(readWhole("huge") == huge);
    EXPECT_EQ(Read("S", "after"), "1");
}

TEST_F(ProfileTest, GarbageReadsAsAbsentAndNulEndsAValue) {
    std::string garbage = "x";
    unsigned state = 12345;
    for (int i = 0; i < 20000; ++i) {
        state = state * 1103515245u + 12345u;
        garbage += static_cast<char>(state >> 16);
    }
    Given(garbage);
    EXPECT_EQ(Read("S", "k"), "<none>");
    EXPECT_EQ(ReadInt("S", "k"), 77u);
    ASSERT_TRUE(Write("S", "k", "v"));
    EXPECT_EQ(Read("S", "k"), "v");

    Given("[S]\r\nk=ab\0cd\r\nnext=1\r\n"s);
    EXPECT_EQ(Read("S", "k"), "ab");
    EXPECT_EQ(Read("S", "next"), "1");
}

TEST_F(ProfileTest, WriteFailsCleanlyWhereNoFileCanBe) {
    std::string inMissingDirectory = scratch.File("missing") + "\\test.ini";
    SetLastError(ERROR_SUCCESS);
    EXPECT_FALSE(WritePrivateProfileStringA("S", "k", "v", inMissingDirectory.c_str()));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
    SetLastError(ERROR_SUCCESS);
    EXPECT_FALSE(WritePrivateProfileStringA("S", "k", nullptr, inMissingDirectory.c_str()));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));

    std::filesystem::create_directory(scratch.File("directory.ini"));
    SetLastError(ERROR_SUCCESS);
    EXPECT_FALSE(WritePrivateProfileStringA("S", "k", "v", scratch.File("directory.ini").c_str()));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_FALSE(Write(nullptr, "k", "v"));
}

TEST_F(ProfileTest, WritesLeaveNoTemporaryFileBehind) {
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(Write("S", ("k" + std::to_string(i)).c_str(), "v"));
    ASSERT_TRUE(Write("S", "k0", nullptr));
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(scratch.Path()))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"test.ini"});
}

TEST_F(ProfileTest, ConcurrentWritersLoseNoUpdate) {
    constexpr int kThreads = 4;
    constexpr int kKeysPerThread = 20;
    std::vector<std::thread> writers;
    for (int t = 0; t < kThreads; ++t)
        writers.emplace_back([this, t] {
            for (int k = 0; k < kKeysPerThread; ++k) {
                std::string key = "t" + std::to_string(t) + "k" + std::to_string(k);
                Write("Shared", key.c_str(), std::to_string(t * 100 + k).c_str());
            }
        });
    for (std::thread& writer : writers)
        writer.join();
    for (int t = 0; t < kThreads; ++t)
        for (int k = 0; k < kKeysPerThread; ++k) {
            std::string key = "t" + std::to_string(t) + "k" + std::to_string(k);
            EXPECT_EQ(ReadInt("Shared", key.c_str(), -1), static_cast<UINT>(t * 100 + k)) << key;
        }
}

std::string WindowsDirectoryFile(const std::string& name) {
    char directory[MAX_PATH];
    UINT length = GetWindowsDirectoryA(directory, MAX_PATH);
    return std::string(directory, length) + "\\" + name;
}

TEST(ProfileWindowsDirectoryTest, BareFileNameLivesInTheWindowsDirectory) {
    std::string name = "bc-profile-test-" + std::to_string(GetCurrentProcessId()) + ".ini";
    std::string fullPath = WindowsDirectoryFile(name);
    ASSERT_TRUE(WritePrivateProfileStringA("S", "k", "in windir", name.c_str()));
    char buffer[32];
    GetPrivateProfileStringA("S", "k", "", buffer, sizeof buffer, fullPath.c_str());
    EXPECT_STREQ(buffer, "in windir");
    EXPECT_TRUE(DeleteFileA(fullPath.c_str()));
}

TEST(ProfileWindowsDirectoryTest, ProfileFunctionsUseWinIni) {
    std::string winIni = WindowsDirectoryFile("win.ini");
    bool existed = GetFileAttributesA(winIni.c_str()) != INVALID_FILE_ATTRIBUTES;
    std::string section = "BarcodeProfileTest" + std::to_string(GetCurrentProcessId());

    ASSERT_TRUE(WriteProfileStringA(section.c_str(), "Number", "12"));
    char buffer[32];
    EXPECT_EQ(GetProfileStringA(section.c_str(), "number", "", buffer, sizeof buffer), 2u);
    EXPECT_STREQ(buffer, "12");
    EXPECT_EQ(GetProfileIntA(section.c_str(), "Number", 0), 12u);
    EXPECT_EQ(GetPrivateProfileIntA(section.c_str(), "Number", 0, winIni.c_str()), 12u);

    ASSERT_TRUE(WriteProfileStringA(section.c_str(), nullptr, nullptr));
    EXPECT_EQ(GetProfileIntA(section.c_str(), "Number", -1), static_cast<UINT>(-1));
    if (!existed) DeleteFileA(winIni.c_str());
}

} // namespace

// The defaults: built-in values, the choice between barcode.ini and the older
// win.ini, the older keys, the default type, the Data Matrix words, the log
// lines, and BarcodeSetDefaults.
#include "defaults/DefaultsReader.h"

#include "ScratchDirectory.h"
#include "TestLog.h"
#include "command/StartingValues.h"
#include "win32api.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using testsupport::ScratchDirectory;
using testsupport::WriteWholeFile;

namespace {

class DefaultsTest : public testing::Test {
  protected:
    // barcode.ini and win.ini of this test, each with one [BarCode] section.
    void GivenProfile(const std::string& keys) { WriteWholeFile(profile, "[BarCode]\n" + keys); }
    void GivenOlderProfile(const std::string& keys) { WriteWholeFile(older, "[BarCode]\n" + keys); }
    DefaultSettings Read() {
        return ReadDefaultSettings("BarCode", profile.c_str(), older.c_str());
    }

    ScratchDirectory scratch{"defaults"};
    std::string profile = scratch.File("barcode.ini");
    std::string older = scratch.File("win.ini");
};

} // namespace

TEST_F(DefaultsTest, WithoutAnyFileTheBuiltInValuesHold) {
    DefaultSettings d = Read();
    EXPECT_EQ(d.moduleWidth, 6);
    EXPECT_EQ(d.checkDigit, 1);
    EXPECT_EQ(d.annotation, 1);
    EXPECT_EQ(d.widthMm, 50);
    EXPECT_EQ(d.heightMm, 20);
    EXPECT_STREQ(d.typeText, "2 of 5 Industrial");
    EXPECT_EQ(d.symbologyId, 1);
    EXPECT_EQ(d.ratio, 20);
    EXPECT_EQ(d.pdfSecurity, 2);
    EXPECT_EQ(d.referenceDpi, 600);
    EXPECT_EQ(d.blankTrim, -1);
    EXPECT_EQ(d.showErrors, 1);
}

TEST_F(DefaultsTest, PrivSelectsBarcodeIniOtherwiseTheOlderFileIsRead) {
    const std::string keys = "S1=9\nB=70\nKB=3\n";
    GivenOlderProfile("S1=3\nB=40\n");
    GivenProfile(keys);
    EXPECT_EQ(Read().moduleWidth, 3); // no PRIV: every value from the older file
    EXPECT_EQ(Read().blankTrim, -1);
    GivenProfile("PRIV=0\n" + keys);
    EXPECT_EQ(Read().widthMm, 40);

    GivenProfile("PRIV=1\n" + keys);
    DefaultSettings d = Read();
    EXPECT_EQ(d.moduleWidth, 9);
    EXPECT_EQ(d.widthMm, 70);
    EXPECT_EQ(d.blankTrim, 3);
}

TEST_F(DefaultsTest, OlderKeysAreReadOnlyWhenTheNewOnesAreAbsent) {
    GivenProfile("PRIV=1\nPZ=2\nBS=0\n");
    EXPECT_EQ(Read().checkDigit, 2);
    EXPECT_EQ(Read().annotation, 0);
    GivenProfile("PRIV=1\nP=1\nPZ=2\nA=2\nBS=0\n");
    EXPECT_EQ(Read().checkDigit, 1);
    EXPECT_EQ(Read().annotation, 2);
    GivenProfile("PRIV=1\nP=0\nPZ=2\n");
    EXPECT_EQ(Read().checkDigit, 0);
    GivenOlderProfile("PZ=0\nBS=1\n"); // what a win.ini of old holds
    GivenProfile("");
    EXPECT_EQ(Read().checkDigit, 0);
    EXPECT_EQ(Read().annotation, 1);
}

TEST_F(DefaultsTest, DefaultTypeFromShortCodeOrLongName) {
    struct Case {
        const char* keys;
        const char* typeText;
        int32_t id;
    } cases[] = {
        {"C=QR\n", "QRCode", 51},
        {"C=128A\nID=Code 39\n", "Code 128 Subset A", 10},
        {"ID=Code 39\n", "Code 39", 5},
        {"C=Unknown\nID=Code 39\n", "Unknown", 0}, // "C" is not empty, so "ID" is not read
        {"ID=No such type\n", "No such type", 0},
    };
    for (const Case& c : cases) {
        GivenProfile(std::string("PRIV=1\n") + c.keys);
        DefaultSettings d = Read();
        EXPECT_STREQ(d.typeText, c.typeText) << c.keys;
        EXPECT_EQ(d.symbologyId, c.id) << c.keys;
    }
}

TEST_F(DefaultsTest, WordsTextsAndFlags) {
    GivenProfile("PRIV=1\nDME=C40\nDMF=12X26\nDMC=29\nDMM=2\nF1=<FNC1>XYZ\nSH=~s\n"
                 "NCHK128=1\nERRPRINT=0\n");
    DefaultSettings d = Read();
    EXPECT_EQ(d.dmEncodation, 1);
    EXPECT_EQ(d.dmFormat, 26);
    EXPECT_EQ(d.dmControlChar, 29);
    EXPECT_EQ(d.dmMargin, 2);
    EXPECT_STREQ(d.specialCodeText[1], "<FNC1>X"); // 8-byte buffer
    EXPECT_STREQ(d.specialCodeText[0], "~s");
    EXPECT_EQ(d.keepCode128CheckDigit, 1);
    EXPECT_EQ(d.showErrors, 0);

    GivenProfile("PRIV=1\nDME=c40\nDMF=9X9\n"); // unknown words read as AUTO
    EXPECT_EQ(Read().dmEncodation, 5);
    EXPECT_EQ(Read().dmFormat, -1);
}

TEST_F(DefaultsTest, LogLinesAtLevelThree) {
    GivenProfile("PRIV=1\nC=39\nADS=1\nADB=2\n");
    {
        TestLog log(3);
        Read();
        std::string text = log.Text();
        EXPECT_NE(text.find("Reading the defaults from \"" + profile + "\", section [BarCode]"),
                  std::string::npos);
        EXPECT_NE(text.find("Default S1=6\n"), std::string::npos);
        EXPECT_NE(text.find("Default Checksum/Pr\xFC"
                            "fziffer PZ=1\n"),
                  std::string::npos);
        EXPECT_NE(text.find("Default ADS/ADB ADS=1, ADB=2\n"), std::string::npos);
        EXPECT_NE(text.find("Default Datamatrix DME=5, DMF=-1\n"), std::string::npos);
        // The type line comes last.
        EXPECT_EQ(text.substr(text.rfind("Default ")),
                  "Default barcode type \"Code 39\", id=5, R=0, 0\n");
    }
    TestLog quieter(2);
    Read();
    EXPECT_NE(quieter.Text().find("Reading the defaults"), std::string::npos);
    EXPECT_EQ(quieter.Text().find("Default S1"), std::string::npos);
}

TEST_F(DefaultsTest, SetDefaultsTakesVersionTwoOnlyUntilTheNextRead) {
    GivenProfile("PRIV=1\nB=40\nDME=C40\n");
    ProcessDefaults() = Read();

    // The record as a host fills it: offset 4 * i holds 100 + i.
    int32_t words[20];
    for (int i = 0; i < 20; ++i)
        words[i] = 100 + i;
    BarcodeDefaults record;
    std::memcpy(&record, words, sizeof record);
    for (int32_t version : {1, 3}) {
        record.structVersion = version;
        EXPECT_EQ(SetDefaults(&record), 0);
        EXPECT_EQ(ProcessDefaults().widthMm, 40);
    }
    EXPECT_EQ(SetDefaults(nullptr), 0);

    record.structVersion = 2;
    EXPECT_EQ(SetDefaults(&record), 1);
    const DefaultSettings& d = ProcessDefaults();
    EXPECT_EQ(d.moduleWidth, 101);
    EXPECT_EQ(d.widthMm, 104);
    EXPECT_EQ(d.symbologyId, 106);
    EXPECT_EQ(d.rotation, 115);   // offset 60
    EXPECT_EQ(d.ratio, 119);      // offset 76
    EXPECT_EQ(d.dmEncodation, 1); // not part of the record

    // A request without width and without "B=" takes the new width ...
    BarcodeRequest request{};
    BarcodeParams params{};
    CommandOptions options;
    FillStartingValues(ProcessDefaults(), 254, BitmapTarget{}, request, params, options);
    EXPECT_EQ(request.targetWidth, 1040);
    // ... and the profile's width again after the next read.
    ProcessDefaults() = Read();
    EXPECT_EQ(ProcessDefaults().widthMm, 40);
}

namespace {

// A profile file of the Windows directory that the test may create: removed
// afterwards unless it was there before.
class WindowsDirectoryFile {
  public:
    explicit WindowsDirectoryFile(const char* name) {
        char directory[MAX_PATH] = {};
        GetWindowsDirectoryA(directory, sizeof directory);
        path_ = std::string(directory) + "\\" + name;
        existed_ = GetFileAttributesA(path_.c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    ~WindowsDirectoryFile() {
        if (!existed_) DeleteFileA(path_.c_str());
    }

  private:
    std::string path_;
    bool existed_;
};

} // namespace

// ReadDefaults itself reads "barcode.ini" and "win.ini" by name from the
// Windows directory; a section of the test's own keeps other settings out.
TEST(ReadDefaults, ReadsTheNamedFilesOfTheWindowsDirectory) {
    WindowsDirectoryFile profile("barcode.ini"), older("win.ini");
    const char* section = "CommandTestDefaults";
    WritePrivateProfileStringA(section, "S1", "11", "barcode.ini");
    WritePrivateProfileStringA(section, "S1", "4", "win.ini");
    ReadDefaults(section);
    EXPECT_EQ(ProcessDefaults().moduleWidth, 4); // PRIV absent: the older file

    WritePrivateProfileStringA(section, "PRIV", "1", "barcode.ini");
    ReadDefaults(section);
    EXPECT_EQ(ProcessDefaults().moduleWidth, 11);

    WritePrivateProfileStringA(section, nullptr, nullptr, "barcode.ini");
    WritePrivateProfileStringA(section, nullptr, nullptr, "win.ini");
    ReadDefaults(section);
    EXPECT_EQ(ProcessDefaults().moduleWidth, 6);
    ProcessDefaults() = DefaultSettings{};
}

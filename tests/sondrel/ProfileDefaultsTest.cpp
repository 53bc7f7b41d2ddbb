// The test dialog's defaults in the profile: what a load makes of the keys
// of barcode.ini and of an older win.ini, what a save writes, and that the
// saved defaults load back.
#include "ProfileDefaults.h"

#include "ScratchDirectory.h"
#include "win32api.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using testsupport::ReadTextFile;
using testsupport::ScratchDirectory;
using testsupport::WriteWholeFile;

namespace {

// A Windows directory of the test's own, where both profiles live.
class ProfileDefaultsTest : public testing::Test {
  protected:
    ProfileDefaultsTest() {
        const char* windows = std::getenv("BARCODE_WINDIR");
        previous_ = windows ? windows : "";
        setenv("BARCODE_WINDIR", scratch_.File("").c_str(), 1);
    }
    ~ProfileDefaultsTest() override { setenv("BARCODE_WINDIR", previous_.c_str(), 1); }

    void GivenBarcodeIni(const std::string& keys) {
        WriteWholeFile(scratch_.File("barcode.ini"), "[BarCode]\n" + keys);
    }
    void GivenWinIni(const std::string& keys) {
        WriteWholeFile(scratch_.File("win.ini"), "[Barcode]\n" + keys);
    }
    std::string BarcodeIni() { return ReadTextFile(scratch_.File("barcode.ini")); }
    std::string WinIni() { return ReadTextFile(scratch_.File("win.ini")); }

    static TestSettings Loaded() {
        TestSettings s;
        ApplyFactoryDefaults(s);
        LoadDefaults(s);
        return s;
    }

  private:
    ScratchDirectory scratch_{"profile-defaults"};
    std::string previous_;
};

struct LoadCase {
    const char* name;
    const char* winIni;     // the older profile, read while barcode.ini has no PRIV
    const char* barcodeIni;
    void (*expect)(const TestSettings&);
};

const LoadCase kLoadCases[] = {
    {"OlderKeysOfWinIniStandInForAbsentOnes", "PZ=0\nBS=1\n", "",
     [](const TestSettings& s) {
         EXPECT_EQ(s.checkDigit, 0);
         EXPECT_EQ(s.annotate, 1);
     }},
    {"NewerKeysWinOverOlderOnes", "P=1\nPZ=0\nA=0\nBS=1\n", "",
     [](const TestSettings& s) {
         EXPECT_EQ(s.checkDigit, 1);
         EXPECT_EQ(s.annotate, 0);
     }},
    {"WithoutPrivWinIniIsRead", "S1=9\n", "S1=3\n",
     [](const TestSettings& s) { EXPECT_EQ(s.smallBar, 9); }},
    {"PrivSwitchesToBarcodeIni", "S1=9\n", "PRIV=1\nS1=3\n",
     [](const TestSettings& s) { EXPECT_EQ(s.smallBar, 3); }},
    {"RatioOf35IsTheLastIndex", "", "PRIV=1\nRA=35\n",
     [](const TestSettings& s) { EXPECT_EQ(s.ratioIndex, 2); }},
    {"RatioOf17IsLimitedToTheFirst", "", "PRIV=1\nRA=17\n",
     [](const TestSettings& s) { EXPECT_EQ(s.ratioIndex, 0); }},
    {"ATypeCodeBecomesItsLongName", "", "PRIV=1\nC=39\n",
     [](const TestSettings& s) { EXPECT_EQ(s.barcodeType, "Code 39"); }},
    {"ALongNameStays", "", "PRIV=1\nC=Code 39\n",
     [](const TestSettings& s) { EXPECT_EQ(s.barcodeType, "Code 39"); }},
    {"AnEmptyTypeFallsBackToId", "", "PRIV=1\nC=\nID=EAN13\n",
     [](const TestSettings& s) { EXPECT_EQ(s.barcodeType, "EAN13"); }},
    {"KillBlanksZeroIsOff", "", "PRIV=1\nKB=0\n",
     [](const TestSettings& s) { EXPECT_EQ(s.killBlanks, 0); }},
    {"AWidthTurnsAbsoluteWidthOn", "", "PRIV=1\nB=45\n",
     [](const TestSettings& s) {
         EXPECT_EQ(s.width, 45);
         EXPECT_EQ(s.absoluteWidth, 1);
     }},
    {"AbsentKeysTakeTheTableDefaults", "", "PRIV=1\n",
     [](const TestSettings& s) {
         EXPECT_EQ(s.killBlanks, 0); // KB defaults to -1
         EXPECT_EQ(s.commonDpi, 600);
         EXPECT_EQ(s.dmEncoding, "AUTO");
         EXPECT_EQ(s.dmEncodingIndex, 0);
         EXPECT_EQ(s.dmControlChar, "None");
         EXPECT_EQ(s.barcodeType, "2 of 5 Industrial");
     }},
    // The DLL reads the control character as a number: its codes load as
    // texts that build the same number again.
    {"ControlCharacterCodesLoadAsTheComboMeansThem", "", "PRIV=1\nDMC=126\nDMM=2\nDME=C40\n",
     [](const TestSettings& s) {
         EXPECT_EQ(s.dmControlChar, "~");
         EXPECT_EQ(DataMatrixControlCharValue(s.dmControlChar), 126);
         EXPECT_EQ(s.dmMargin, "2");
         EXPECT_EQ(s.dmEncodingIndex, 3);
     }},
    {"ASingleDigitCodeStaysACode", "", "PRIV=1\nDMC=5\n",
     [](const TestSettings& s) { EXPECT_EQ(DataMatrixControlCharValue(s.dmControlChar), 5); }},
};

class ProfileDefaultsLoad : public ProfileDefaultsTest,
                            public testing::WithParamInterface<LoadCase> {};

TEST_P(ProfileDefaultsLoad, ReadsTheKeys) {
    GivenWinIni(GetParam().winIni);
    GivenBarcodeIni(GetParam().barcodeIni);
    GetParam().expect(Loaded());
}

INSTANTIATE_TEST_SUITE_P(Keys, ProfileDefaultsLoad, testing::ValuesIn(kLoadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProfileDefaultsTest, SaveWritesBarcodeIniInOrderAndLeavesTheMarkerInWinIni) {
    TestSettings s;
    ApplyFactoryDefaults(s);
    s.width = 55; // shown, but absolute width is off
    s.killBlanks = 0;
    s.barcodeType = "Code 39";
    s.dmControlChar = "~";
    SaveDefaults(s);
    EXPECT_EQ(BarcodeIni(), "[BarCode]\nPRIV=1\nS1=6\nA=0\nP=1\nB=0\nH=20\nR=0\nSEC=2\nFR=0\n"
                            "FC=0\nADS=0\nRA=20\nEM=0\nC=39\nID=Code 39\nDME=AUTO\nDMF=AUTO\n"
                            "DMC=126\nDMM=\nF1=\nKB=-1\nI=600\n");
    EXPECT_NE(WinIni().find("Attention=+++++ Profile moved to barcode.ini +++++"),
              std::string::npos)
        << WinIni();
}

TEST_F(ProfileDefaultsTest, SavedDefaultsLoadBackOverFactoryValues) {
    GivenWinIni("S1=2\n"); // the older profile is not read once saved
    TestSettings saved;
    ApplyFactoryDefaults(saved);
    saved.barcodeType = "QRCode";
    saved.smallBar = 9;
    saved.absoluteWidth = 1;
    saved.width = 40;
    saved.height = 15;
    saved.ratioIndex = 1;
    saved.rotationIndex = 3;
    saved.annotate = 1;
    saved.checkDigit = 0;
    saved.dmFormat = "16X16";
    saved.dmControlChar = "None";
    saved.fnc1 = "1";
    saved.commonDpi = 300;
    SaveDefaults(saved);
    TestSettings loaded = Loaded();
    EXPECT_EQ(BuildCommandString(loaded, nullptr), BuildCommandString(saved, nullptr));
    EXPECT_EQ(loaded.smallBar, 9);
    EXPECT_EQ(loaded.commonDpi, 300);
}

} // namespace

// The test dialog's rules without a dialog: the command builder on the
// dialog's settings, its inverse for stored commands, the buffer form, the
// check boxes over type changes, the width layout and the output texts.
#include "TestSettings.h"

#include "typetable/BarcodeTypeTable.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

TestSettings Defaults(const char* type) {
    TestSettings s;
    ApplyFactoryDefaults(s);
    s.barcodeType = type;
    return s;
}

struct BuilderCase {
    const char* what;
    const char* type;
    std::function<void(TestSettings&)> change;
    bool withMaxiCodeDialog;
    const char* expected;
};

TEST(TestSettingsTest, BuilderWritesTheDialogsSettingsAsOptions) {
    auto none = [](TestSettings&) {};
    const BuilderCase cases[] = {
        {"compact form", "Code 39", none, false, "C=39,B=0,H=20,KB=3,S1=6,Z=0010000,d="},
        {"two-digit annotation in the compact form", "Code 39",
         [](TestSettings& s) { s.annotate = 12, s.ratioIndex = 2, s.rotationIndex = 3; }, false,
         "C=39,B=0,H=20,KB=3,S1=6,Z=1212003,d="},
        {"negative extra dots for bar", "Code 39", [](TestSettings& s) { s.extraDotsBar = -1; },
         false, "C=39,B=0,H=20,KB=3,S1=6,P=1,A=0,RA=20,ADS=0,ADB=-1,R=0,d="},
        {"a two-digit value", "2 of 5 Interleave",
         [](TestSettings& s) { s.extraDotsGap = 10, s.ratioIndex = 1, s.checkDigit = 0; }, false,
         "C=25L,B=0,H=20,KB=3,S1=6,P=0,A=0,RA=25,ADS=10,ADB=0,R=0,d="},
        {"annotation of 100", "Code 39", [](TestSettings& s) { s.annotate = 100; }, false,
         "C=39,B=0,H=20,KB=3,S1=6,P=1,A=100,RA=20,ADS=0,ADB=0,R=0,d="},
        {"rotation and check digit but no ratio", "Code 49",
         [](TestSettings& s) { s.rotationIndex = 3; }, false, "C=C49,B=0,H=20,KB=3,S1=6,R=3,d="},
        {"absolute width: no module width", "Code 39",
         [](TestSettings& s) { s.absoluteWidth = 1, s.width = 50, s.height = 15; }, false,
         "C=39,B=50,H=15,KB=3,Z=0010000,d="},
        {"absolute width 0 keeps the module width", "Code 39",
         [](TestSettings& s) { s.absoluteWidth = 1; }, false,
         "C=39,B=0,H=20,KB=3,S1=6,Z=0010000,d="},
        {"negative X is relative even without Abs, Y absolute", "Code 39",
         [](TestSettings& s) {
             s.xEnabled = 1, s.xValue = -5, s.xUnit = 2;
             s.yEnabled = 1, s.yValue = 7, s.yAbsolute = 1, s.yUnit = 1;
         },
         false, "C=39,B=0,H=20,X=-5px,Y=7mil,KB=3,S1=6,Z=0010000,d="},
        {"X without unit, Y disabled", "Code 39",
         [](TestSettings& s) { s.xEnabled = 1, s.xValue = 5, s.yValue = 9, s.yUnit = 0; }, false,
         "C=39,B=0,H=20,X=+5,KB=3,S1=6,Z=0010000,d="},
        {"DPI, no blank trimming", "Code 39",
         [](TestSettings& s) { s.commonDpi = 300, s.killBlanks = 0; }, false,
         "C=39,B=0,H=20,I=300,S1=6,Z=0010000,d="},
        {"PDF417", "PDF 417",
         [](TestSettings& s) { s.securityLevel = 7, s.forcedRows = 12, s.forcedColumns = 4; },
         false, "C=PDF417,B=0,H=20,KB=3,S1=6,R=0,SEC=7,FR=12,FC=4,d="},
        {"control character ~", "Data Matrix",
         [](TestSettings& s) { s.dmControlChar = "~", s.dmMargin = "2"; }, false,
         "C=DM,B=0,H=20,KB=3,S1=6,R=0,DME=AUTO,DMF=AUTO,DMC=126,DMM=2,d="},
        {"control character None", "Data Matrix",
         [](TestSettings& s) { s.dmControlChar = "None", s.dmEncoding = "C40"; }, false,
         "C=DM,B=0,H=20,KB=3,S1=6,R=0,DME=C40,DMF=AUTO,DMC=0,DMM=,d="},
        {"control character NONE, no encoding selected", "Data Matrix",
         [](TestSettings& s) { s.dmControlChar = "NONE", s.dmEncodingIndex = -1; }, false,
         "C=DM,B=0,H=20,KB=3,S1=6,R=0,DMF=AUTO,DMC=0,DMM=,d="},
        {"control character as a number", "Data Matrix",
         [](TestSettings& s) { s.dmControlChar = "29", s.dmFormat = "16X48"; }, false,
         "C=DM,B=0,H=20,KB=3,S1=6,R=0,DME=AUTO,DMF=16X48,DMC=29,DMM=,d="},
        {"MaxiCode with its dialog", "Maxicode", none, true,
         "C=MC,B=0,H=20,KB=3,S1=6,R=0,MCPC=12345,MCCC=840,MCAD=123 Barcode Street,"
         "MCCI=MaxiCity,MCST=NM,MCAV=Y,MCSI=,MCSN=4711,MCTR=123ABC67890,MCCS=002,MCJD=123,"
         "MCPN=1,MCPT=3,MCPW=1,d="},
        {"MaxiCode before its dialog exists", "Maxicode", none, false,
         "C=MC,B=0,H=20,KB=3,S1=6,R=0,d="},
        {"MaxiCode fields only for MaxiCode", "Code 39", none, true,
         "C=39,B=0,H=20,KB=3,S1=6,Z=0010000,d="},
        {"FNC1 text", "Code 128", [](TestSettings& s) { s.fnc1 = "#"; }, false,
         "C=128,B=0,H=20,KB=3,S1=6,Z=0010000,F1=#,d="},
        {"no options", "ZIP Postnet", none, false, "C=ZIP,B=0,H=20,KB=3,S1=6,R=0,d="},
        {"a type not in the table", "Code 11", none, false, "C=unknown,B=0,H=20,KB=3,S1=6,d="},
    };
    for (const BuilderCase& c : cases) {
        TestSettings s = Defaults(c.type);
        c.change(s);
        MaxiCodeFields fields;
        EXPECT_EQ(BuildCommandString(s, c.withMaxiCodeDialog ? &fields : nullptr), c.expected)
            << c.what;
    }
    MaxiCodeFields noValidation;
    noValidation.addressValidation = 0;
    EXPECT_NE(BuildCommandString(Defaults("Maxicode"), &noValidation).find(",MCAV=N,"),
              std::string::npos);
}

// The buffer form with a guard region behind the buffer.
TEST(TestSettingsTest, BufferFormNeverWritesPastTheBuffer) {
    constexpr size_t kGuard = 64;
    auto buildInto = [&](const TestSettings& s, size_t size, std::string& out) {
        std::vector<char> memory(size + kGuard, '#');
        bool fitted = BuildCommandString(s, nullptr, memory.data(), size);
        for (size_t i = size; i < memory.size(); ++i)
            EXPECT_EQ(memory[i], '#') << "written at " << i << " of a buffer of " << size;
        out = memory.data();
        return fitted;
    };
    TestSettings code39 = Defaults("Code 39");
    const std::string command = BuildCommandString(code39, nullptr);
    std::string out;
    EXPECT_TRUE(buildInto(code39, command.size() + 1, out));
    EXPECT_EQ(out, command);
    EXPECT_FALSE(buildInto(code39, command.size(), out));
    EXPECT_EQ(out, "");
    EXPECT_FALSE(buildInto(code39, 8, out));
    EXPECT_FALSE(BuildCommandString(code39, nullptr, nullptr, 100));

    // Long texts that the dialog's edits take: the command outgrows the
    // dialog's 5000-byte buffer but fits its 10000-byte one.
    TestSettings longFnc1 = Defaults("Code 128");
    longFnc1.fnc1.assign(5000, 'F');
    TestSettings longMargin = Defaults("Data Matrix");
    longMargin.dmMargin.assign(5000, '9');
    for (const TestSettings& s : {longFnc1, longMargin}) {
        EXPECT_FALSE(buildInto(s, 5000, out));
        EXPECT_EQ(out, "");
        EXPECT_TRUE(buildInto(s, 10000, out));
        EXPECT_EQ(out, BuildCommandString(s, nullptr));
    }
}

TEST(TestSettingsTest, LoaderReadsStoredCommandsWithDefaultsForMissingKeys) {
    TestSettings s = Defaults("Code 39");
    s.height = 33;
    EXPECT_FALSE(LoadFromCommandString(s, "VS=2,C=PDF417,H=50,d="));
    EXPECT_FALSE(LoadFromCommandString(s, nullptr));
    EXPECT_EQ(s.barcodeType, "Code 39");
    EXPECT_EQ(s.height, 33);

    EXPECT_TRUE(LoadFromCommandString(
        s, "VS=1,C=128A,B=40,H=30,X=-5 px,Y=7mil,P=0,A=0,RA=25,ADS=3,ADB=-2,R=2,S1=9,"
           "SEC=5,FR=12,FC=4,d=H=99,C=39"));
    EXPECT_EQ(s.barcodeType, "Code 128 Subset A");
    EXPECT_EQ(s.width, 40);
    EXPECT_EQ(s.absoluteWidth, 1);
    EXPECT_EQ(s.height, 30); // everything behind the data key is data
    EXPECT_EQ(std::vector<int>({s.xEnabled, s.xValue, s.xAbsolute, s.xUnit}),
              std::vector<int>({1, -5, 0, 2}));
    EXPECT_EQ(std::vector<int>({s.yEnabled, s.yValue, s.yAbsolute, s.yUnit}),
              std::vector<int>({1, 7, 1, 1}));
    EXPECT_EQ(std::vector<int>({s.checkDigit, s.annotate, s.ratioIndex, s.extraDotsGap,
                                s.extraDotsBar, s.rotationIndex, s.smallBar, s.securityLevel,
                                s.forcedRows, s.forcedColumns}),
              std::vector<int>({0, 0, 1, 3, -2, 2, 9, 5, 12, 4}));

    // Without "VS" and with hardly any keys: the defaults.
    s.dmMargin = "kept";
    EXPECT_TRUE(LoadFromCommandString(s, "C=39X,RA=31,X=+12,d="));
    EXPECT_EQ(s.barcodeType, "Code 39 extended");
    EXPECT_EQ(std::vector<int>({s.height, s.width, s.absoluteWidth, s.checkDigit, s.annotate,
                                s.ratioIndex, s.rotationIndex, s.smallBar, s.securityLevel}),
              std::vector<int>({20, 0, 0, 1, 1, 2, 0, 6, 2}));
    EXPECT_EQ(std::vector<int>({s.xEnabled, s.xValue, s.xAbsolute, s.xUnit, s.yEnabled}),
              std::vector<int>({1, 12, 0, -1, 0}));
    EXPECT_EQ(s.dmMargin, "kept");

    EXPECT_TRUE(LoadFromCommandString(s, "C=XYZ,RA=20,H=99999999999"));
    EXPECT_EQ(s.barcodeType, "??");
    EXPECT_EQ(s.ratioIndex, 0);
    EXPECT_EQ(s.height, 2147483647);
    EXPECT_TRUE(LoadFromCommandString(s, ""));
    EXPECT_EQ(s.barcodeType, "??");
}

// For every type and a spread of settings, the settings loaded from a built
// command rebuild it, the compact "Z=" form included. The command carries
// back, by design of the loader, neither the DPI, blank trimming, the Data
// Matrix, MaxiCode and FNC1 settings: those are taken over as they are. An
// enabled X or Y of 0 without unit comes back disabled, so the spread has
// none.
TEST(TestSettingsTest, LoadedSettingsRebuildTheCommand) {
    const std::function<void(TestSettings&)> spread[] = {
        [](TestSettings&) {},
        [](TestSettings& s) { s.absoluteWidth = 1, s.width = 50, s.height = 35; },
        [](TestSettings& s) {
            s.xEnabled = 1, s.xValue = -5, s.xUnit = 2;
            s.yEnabled = 1, s.yValue = 7, s.yAbsolute = 1, s.yUnit = 1;
        },
        [](TestSettings& s) {
            s.xEnabled = 1, s.xValue = 12, s.xAbsolute = 1, s.xUnit = 0;
            s.yEnabled = 1, s.yValue = 3;
        },
        [](TestSettings& s) {
            s.extraDotsBar = -1, s.ratioIndex = 2, s.annotate = 1, s.checkDigit = 0;
            s.rotationIndex = 3, s.extraDotsGap = 4;
        },
        [](TestSettings& s) { s.annotate = 12, s.rotationIndex = 2, s.ratioIndex = 1; },
        [](TestSettings& s) { s.smallBar = 9, s.commonDpi = 300, s.killBlanks = 0; },
        [](TestSettings& s) { s.securityLevel = 7, s.forcedRows = 12, s.forcedColumns = 4; },
        [](TestSettings& s) {
            s.dmEncoding = "C40", s.dmFormat = "16X48", s.dmControlChar = "~", s.dmMargin = "2";
            s.fnc1 = "#";
        },
    };
    const MaxiCodeFields fields;
    for (const BarcodeTypeInfo* row = BarcodeTypeTable; row->longName != nullptr; ++row) {
        for (const auto& change : spread) {
            TestSettings s = Defaults(row->longName);
            change(s);
            const std::string command = BuildCommandString(s, &fields);
            TestSettings loaded = Defaults("Code 39");
            // Kill blanks comes back from "KB=", whatever the dialog held.
            loaded.commonDpi = s.commonDpi, loaded.killBlanks = !s.killBlanks;
            loaded.dmEncoding = s.dmEncoding, loaded.dmFormat = s.dmFormat;
            loaded.dmControlChar = s.dmControlChar, loaded.dmMargin = s.dmMargin;
            loaded.fnc1 = s.fnc1;
            ASSERT_TRUE(LoadFromCommandString(loaded, command.c_str())) << command;
            EXPECT_EQ(BuildCommandString(loaded, &fields), command);
        }
    }
}

// The check boxes over a row of type changes, as the dialog makes them.
TEST(TestSettingsTest, TypeChangesForceTheCheckBoxesAndGiveTheUsersChoiceBack) {
    TestSettings s = Defaults("Code 39");
    s.annotate = 1, s.checkDigit = 0;
    RememberCheckBoxChoices(s);
    struct Step {
        const char* type;
        int checkDigit, annotate;
    };
    const Step steps[] = {
        {"Code 128", 1, 1},    // check digit always on, annotation kept
        {"ZIP Postnet", 0, 0}, // neither option
        {"Code 39", 0, 1},     // both boxes come back with the remembered choices
        {"PDF 417", 1, 0},     {"EAN13", 0, 1},
    };
    for (const Step& step : steps) {
        ControlEnabling before = EnablingFor(s);
        s.barcodeType = step.type;
        ApplyTypeChange(s, before);
        EXPECT_EQ(s.checkDigit, step.checkDigit) << step.type;
        EXPECT_EQ(s.annotate, step.annotate) << step.type;
    }

    auto flags = [](const TestSettings& s) {
        ControlEnabling e = EnablingFor(s);
        return std::vector<bool>({e.checkDigit, e.annotate, e.ratioAndExtraDots, e.rotation,
                                  e.pdf417, e.dataMatrix, e.fnc1, e.xFields, e.yFields});
    };
    TestSettings x = Defaults("Code 128");
    x.xEnabled = 1;
    EXPECT_EQ(flags(x), std::vector<bool>({0, 1, 1, 1, 0, 0, 1, 1, 0}));
    EXPECT_EQ(flags(Defaults("Data Matrix")), std::vector<bool>({0, 0, 0, 1, 0, 1, 0, 0, 0}));
    EXPECT_EQ(flags(Defaults("PDF 417 Micro")), std::vector<bool>({0, 0, 0, 1, 1, 0, 0, 0, 0}));
    EXPECT_EQ(flags(Defaults("??")), std::vector<bool>(9, false));
}

TEST(TestSettingsTest, AbsoluteWidthLayoutAndOutputTexts) {
    TestSettings s = Defaults("Code 39");
    AbsoluteWidthLayout off = ApplyAbsoluteWidthLayout(s);
    EXPECT_FALSE(off.showWidth);
    EXPECT_STREQ(off.groupTitle, "Absolute Linewidth");
    EXPECT_EQ(s.width, 0);
    s.absoluteWidth = 1;
    AbsoluteWidthLayout on = ApplyAbsoluteWidthLayout(s);
    EXPECT_TRUE(on.showWidth);
    EXPECT_STREQ(on.groupTitle, "Relative Linewidth");
    EXPECT_EQ(s.width, 50);
    s.width = 70;
    ApplyAbsoluteWidthLayout(s);
    EXPECT_EQ(s.width, 70);

    EXPECT_EQ(ParametersText("C=39,d="), "b%C=39,d=");
    EXPECT_EQ(HexadecimalText("b%C=\xE4\n"), "6225433DE40A");
    EXPECT_EQ(TrimResponse("Barcode unknown: X \r\n \n"), "Barcode unknown: X");
    EXPECT_EQ(TrimResponse(" \n"), "");
    EXPECT_EQ(TrimResponse(nullptr), "");
    // A command that looks like a format is printed as it is.
    EXPECT_EQ(FooterLines("C=39,F1=%s%d,d=", "4.2.4"),
              std::vector<std::string>({"Used parameters: C=39,F1=%s%d,d=", "Version 4.2.4"}));
}

} // namespace

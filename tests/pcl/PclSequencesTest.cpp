// The PCL print controls without a dialog: the font chosen by type and
// check digit, the composed barcode-on and barcode-off controls over the
// field layouts by font, the text codes, the scaling to the server's 600
// dpi, the hexadecimal form, and settings that would divide by zero or
// overflow an int.
#include "PclSequences.h"

#include "TestSettings.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>

namespace {

// The test dialog's factory settings: "2 of 5 Industrial", check digit on,
// annotate off, 20 mm, 600 dpi, small bar 6, ratio 2.0, no extra dots, no
// rotation.
PclInputs FactoryInputs() {
    TestSettings settings;
    ApplyFactoryDefaults(settings);
    return PclInputsFromSettings(settings);
}

TEST(PclSequencesTest, FactorySettingsGiveEveryField) {
    PclFields f = GeneratePclFields(FactoryInputs(), PclOptions{});
    EXPECT_EQ(f.fontNumber, "24651");
    EXPECT_EQ(f.note, "");
    EXPECT_EQ(f.annotation, "1");
    EXPECT_EQ(f.textFormat, "0");
    EXPECT_EQ(f.height, "56");
    EXPECT_EQ(f.barWidths, "6,12");
    EXPECT_EQ(f.spaceWidths, "6,12");
    EXPECT_EQ(f.rotation, "");
    EXPECT_EQ(f.barcodeOn, "\\e(s1p0h56v6,12b6,12s24651T");
    EXPECT_EQ(f.barcodeOff, "\\e(0N\\e(s3T");
    EXPECT_FALSE(f.annotationControlsEnabled);
}

struct ControlCase {
    const char* what;
    std::function<void(PclInputs&)> inputs;
    std::function<void(PclOptions&)> options;
    const char* on;
    const char* off;
};

TEST(PclSequencesTest, ControlsFollowTheSettings) {
    auto same = [](PclInputs&) {};
    auto plain = [](PclOptions&) {};
    const char* textFont = "\\e(0N\\e(s3T";
    const ControlCase cases[] = {
        {"without check digit", [](PclInputs& i) { i.checkDigit = 0; }, plain,
         "\\e(s1p0h56v6,12b6,12s24650T", textFont},
        {"negative rotation", [](PclInputs& i) { i.rotationIndex = -1; }, plain,
         "\\e(s1p0h56v6,12b6,12s24651T", textFont},
        {"ratio 2.5", [](PclInputs& i) { i.ratioIndex = 1; }, plain, "\\e(s1p0h56v6,15b6,15s24651T",
         textFont},
        {"ratio 3.0", [](PclInputs& i) { i.ratioIndex = 2; }, plain, "\\e(s1p0h56v6,18b6,18s24651T",
         textFont},
        {"unknown ratio counts as 2.0", [](PclInputs& i) { i.ratioIndex = 7; }, plain,
         "\\e(s1p0h56v6,12b6,12s24651T", textFont},
        {"thick element in whole dots", [](PclInputs& i) { i.smallBar = 5, i.ratioIndex = 1; },
         plain, "\\e(s1p0h56v5,12b5,12s24651T", textFont},
        {"extra dots after the ratio",
         [](PclInputs& i) { i.extraDotsBar = 2, i.extraDotsGap = -1; }, plain,
         "\\e(s1p0h56v8,14b5,11s24651T", textFont},
        {"300 dpi doubles", [](PclInputs& i) { i.commonDpi = 300; }, plain,
         "\\e(s1p0h56v12,24b12,24s24651T", textFont},
        {"1200 dpi halves", [](PclInputs& i) { i.commonDpi = 1200, i.smallBar = 5; }, plain,
         "\\e(s1p0h56v2,5b2,5s24651T", textFont},
        {"scaled after the extra dots",
         [](PclInputs& i) { i.commonDpi = 400, i.extraDotsBar = 1, i.smallBar = 3; }, plain,
         "\\e(s1p0h56v6,10b4,9s24651T", textFont},
        {"height in whole points", [](PclInputs& i) { i.height = 25; }, plain,
         "\\e(s1p0h70v6,12b6,12s24651T", textFont},
        {"Code 128: one width each", [](PclInputs& i) { i.barcodeType = "Code 128"; }, plain,
         "\\e(s1p0h56v6b6s24700T", textFont},
        {"EAN 128", [](PclInputs& i) { i.barcodeType = "EAN 128"; }, plain,
         "\\e(s1p0h56v6b6s24720T", textFont},
        {"UCC128 between them has two widths", [](PclInputs& i) { i.barcodeType = "UCC128"; },
         plain, "\\e(s1p0h56v6,12b6,12s24710T", textFont},
        {"PDF 417: security level, columns and rows, bar widths",
         [](PclInputs& i) {
             i.barcodeType = "PDF 417", i.securityLevel = 5, i.forcedColumns = 4, i.forcedRows = 12,
             i.extraDotsBar = 1, i.extraDotsGap = 3;
         },
         plain, "\\e(s5p0h56v4,12b7,13s24850T", textFont},
        {"PDF 417 Truncated", [](PclInputs& i) { i.barcodeType = "PDF 417 Truncated"; }, plain,
         "\\e(s2p0h56v0,0b6,12s24851T", textFont},
        {"PDF 417 Micro keeps the security level with text on",
         [](PclInputs& i) { i.barcodeType = "PDF 417 Micro", i.annotate = 1; }, plain,
         "\\e(s2p0h56v0,0b6,12s24852T", textFont},
        {"QR Code", [](PclInputs& i) { i.barcodeType = "QRCode"; }, plain,
         "\\e(s1p0h56v6,12b6,12s24861T", textFont},
        {"text half-embedded below", [](PclInputs& i) { i.annotate = 1; }, plain,
         "\\e(s3p0h56v6,12b6,12s24651T", textFont},
        {"text fully embedded below", [](PclInputs& i) { i.annotate = 1; },
         [](PclOptions& o) { o.annotationPosition = 1; }, "\\e(s2p0h56v6,12b6,12s24651T", textFont},
        {"text below with * and checksum", [](PclInputs& i) { i.annotate = 1; },
         [](PclOptions& o) { o.annotationPosition = 2, o.includeStar = 1, o.includeChecksum = 1; },
         "\\e(s114p0h56v6,12b6,12s24651T", textFont},
        {"text above with *", [](PclInputs& i) { i.annotate = 1; },
         [](PclOptions& o) { o.annotationPosition = 3, o.includeStar = 1; },
         "\\e(s15p0h56v6,12b6,12s24651T", textFont},
        {"no position chosen", [](PclInputs& i) { i.annotate = 1; },
         [](PclOptions& o) { o.annotationPosition = -1, o.includeChecksum = 1; },
         "\\e(s100p0h56v6,12b6,12s24651T", textFont},
        {"bold italic OCR-B", [](PclInputs& i) { i.annotate = 1; },
         [](PclOptions& o) { o.textStyle = 4, o.typeFace = 5; }, "\\e(s3p405h56v6,12b6,12s24651T",
         textFont},
        {"no style or face chosen: the defaults", [](PclInputs& i) { i.annotate = 1; },
         [](PclOptions& o) { o.textStyle = -1, o.typeFace = 6; }, "\\e(s3p0h56v6,12b6,12s24651T",
         textFont},
        {"without text the dialog's choices do not count", same,
         [](PclOptions& o) {
             o.annotationPosition = 3, o.includeStar = 1, o.includeChecksum = 1;
             o.textStyle = 2, o.typeFace = 3;
         },
         "\\e(s1p0h56v6,12b6,12s24651T", textFont},
    };
    for (const ControlCase& c : cases) {
        PclInputs inputs = FactoryInputs();
        PclOptions options;
        c.inputs(inputs);
        c.options(options);
        PclFields f = GeneratePclFields(inputs, options);
        EXPECT_EQ(f.barcodeOn, c.on) << c.what;
        EXPECT_EQ(f.barcodeOff, c.off) << c.what;
        EXPECT_EQ(f.annotationControlsEnabled, inputs.annotate != 0) << c.what;
    }
}

struct FontCase {
    const char* type;
    int checkDigit;
    int number;
    const char* note;
};

TEST(PclSequencesTest, FontNumberByTypeAndCheckDigit) {
    const FontCase cases[] = {
        {"2 of 5 Industrial", 1, 24651, ""},
        {"2 of 5 Industrial", 0, 24650, ""},
        {"Code 93", 0, 24690, "with checksum only"},
        {"Code 93", 1, 24690, ""},
        {"German PTT 11", 0, 24643, "with checksum only"},
        {"EAN13", 1, 24630, "without checksum only"},
        {"EAN13", 0, 24630, ""},
        {"HIBC", 1, 0, "not available as PCL Barcode"},
        {"UPCE0", 0, 0, "not available as PCL Barcode"},
        {"no such type", 1, 0, "not available as PCL Barcode"},
        {"", 0, 0, "not available as PCL Barcode"},
    };
    for (const FontCase& c : cases) {
        PclInputs inputs = FactoryInputs();
        inputs.barcodeType = c.type, inputs.checkDigit = c.checkDigit;
        PclFields f = GeneratePclFields(inputs, PclOptions{});
        EXPECT_EQ(f.fontNumber, std::to_string(c.number)) << c.type << " " << c.checkDigit;
        EXPECT_EQ(f.note, c.note) << c.type << " " << c.checkDigit;
        EXPECT_NE(f.barcodeOn.find("s" + std::to_string(c.number) + "T"), std::string::npos)
            << c.type;
    }
}

TEST(PclSequencesTest, HexadecimalWritesTheEscapeAsOneByte) {
    PclOptions hex;
    hex.hexadecimal = 1;
    PclFields f = GeneratePclFields(FactoryInputs(), hex);
    EXPECT_EQ(f.barcodeOff, "1B28304E1B28733354");
    EXPECT_EQ(f.barcodeOn, "1B287331703068353676362C313262362C3132733234363531"
                           "54");
    // The parts stay readable.
    EXPECT_EQ(f.barWidths, "6,12");

    PclInputs rotated = FactoryInputs();
    rotated.rotationIndex = 2;
    EXPECT_EQ(GeneratePclFields(rotated, hex).barcodeOff, "1B266130501B28304E1B28733354");
    EXPECT_EQ(PclHexadecimal("\\e&a180P"), "1B2661313830"
                                           "50");
    EXPECT_EQ(PclHexadecimal("\\"), "5C");
    EXPECT_EQ(PclHexadecimal(""), "");
}

// A DPI of 0 or below would divide by zero: no scaling then, as at 600.
// Widths and heights past the int range are held at its ends.
TEST(PclSequencesTest, BadSettingsNeitherDivideByZeroNorOverflow) {
    const PclFields at600 = GeneratePclFields(FactoryInputs(), PclOptions{});
    for (int dpi : {0, -1, -600, INT_MIN}) {
        PclInputs inputs = FactoryInputs();
        inputs.commonDpi = dpi;
        EXPECT_EQ(GeneratePclFields(inputs, PclOptions{}).barcodeOn, at600.barcodeOn) << dpi;
    }

    PclInputs huge = FactoryInputs();
    huge.smallBar = INT_MAX, huge.extraDotsBar = INT_MAX, huge.extraDotsGap = INT_MIN;
    huge.ratioIndex = 2, huge.commonDpi = 1, huge.height = INT_MAX;
    PclFields f = GeneratePclFields(huge, PclOptions{});
    EXPECT_EQ(f.barWidths, "2147483647,2147483647");
    // INT_MAX + INT_MIN = -1 dot, times 600; the thick space stays positive.
    EXPECT_EQ(f.spaceWidths, "-600,2147483647");
    EXPECT_EQ(f.height, "2147483647");

    huge.smallBar = INT_MIN, huge.extraDotsBar = INT_MIN, huge.height = INT_MIN;
    f = GeneratePclFields(huge, PclOptions{});
    EXPECT_EQ(f.barWidths, "-2147483648,-2147483648");
    EXPECT_EQ(f.height, "-2147483648");

    // Huge values scaled down again are exact, not wrapped on the way.
    huge = FactoryInputs();
    huge.smallBar = 2000000000, huge.commonDpi = 1200;
    EXPECT_EQ(GeneratePclFields(huge, PclOptions{}).barWidths, "1000000000,2000000000");
}

} // namespace

// The layout of a request on a device: units and the reference resolution,
// module width fitting, anchors, negative heights, data limits and the
// symbol library's entries. Drawn on 96-dpi memory DCs through the print
// worker, so that the same tests meet real GDI under Wine.
#include "pipeline/InitReport.h"
#include "pipeline/PrintRequest.h"
#include "render/DataPreparation.h"
#include "render/UnitConversion.h"
#include "symbol/SymbolEntry.h"
#include "symbol/SymbolErrors.h"

#include "MemoryDC.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace {

using testsupport::MemoryDC;

class LayoutTest : public ::testing::Test {
  protected:
    void SetUp() override {
        BuildInitReport(nullptr, 0);
        ProcessDefaults().showErrors = 0;
    }
    void TearDown() override { ProcessDefaults() = DefaultSettings{}; }

    int Print(MemoryDC& dc, const std::string& command) {
        request = BarcodeRequest{};
        text = command;
        request.command = text.c_str();
        request.commandLength = static_cast<int32_t>(text.size());
        return RunPrintRequest(dc.Get(), &request, PrintMode{});
    }
    std::string Error() const { return request.errorText != nullptr ? request.errorText : ""; }

    BarcodeRequest request{};
    std::string text;
};

// Code 39 "AB" in device pixels (I=0): without a check character it is
// *AB*, 4 characters of 3 wide and 6 narrow elements with 3 gaps between
// them: at S1=2 and ratio 2.0 that is 4 * (3 * 4 + 6 * 2) + 3 * 2 = 102.
constexpr char kCode39Pixels[] = "C=39,I=0,S1=2,B=0,RA=20,P=0,A=0,";
constexpr int kCode39Width = 102;

TEST_F(LayoutTest, TheAnchorPointOfTheBarsIsTheRequestedPosition) {
    struct Case {
        const char* anchor;
        int left, top; // where the bars must start for X=200px, Y=150px, 128 x 40
    } cases[] = {
        {"", 200, 110},                          // default: lower left corner at X, Y
        {"AL=6,", 200, 150},                     // upper left
        {"AL=8,", 200 - kCode39Width, 150},      // upper right
        {"AL=18,", 200 - kCode39Width, 110},     // lower right
        {"AL=12,", 200 - kCode39Width / 2, 130}, // centre
    };
    for (const Case& c : cases) {
        MemoryDC dc(400, 300);
        std::string command = std::string(kCode39Pixels) + c.anchor + "H=40px,X=200px,Y=150px,D=AB";
        ASSERT_EQ(Print(dc, command), 1) << command << ": " << Error();
        RECT ink = dc.InkBounds();
        EXPECT_EQ(ink.left, c.left) << command;
        EXPECT_EQ(ink.top, c.top) << command;
        EXPECT_EQ(ink.right - ink.left, kCode39Width) << command;
        EXPECT_EQ(ink.bottom - ink.top, 40) << command;
    }
}

TEST_F(LayoutTest, AnAnchorOutOfRangeIsAnAlignmentError) {
    MemoryDC dc(400, 300);
    EXPECT_EQ(Print(dc, std::string(kCode39Pixels) + "AL=24,H=40px,X=200px,Y=150px,D=AB"), 1);
    MemoryDC other(400, 300);
    EXPECT_EQ(Print(other, std::string(kCode39Pixels) + "AL=25,H=40px,X=200px,Y=150px,D=AB"), 0);
    EXPECT_NE(Error().find("alignment error"), std::string::npos) << Error();
    EXPECT_EQ(other.InkedPixels(), 0);
}

TEST_F(LayoutTest, RotationsTurnTheSymbolAroundTheAnchorPoint) {
    // Upper-left anchor at (200, 150): each quarter turn swings the bars
    // counter-clockwise around that point.
    struct Case {
        int rotation;
        RECT expected;
    } cases[] = {
        {0, {200, 150, 200 + kCode39Width, 190}},
        {1, {200, 150 - kCode39Width, 240, 150}},
        {2, {200 - kCode39Width, 110, 200, 150}},
        {3, {160, 150, 200, 150 + kCode39Width}},
    };
    for (const Case& c : cases) {
        MemoryDC dc(400, 400);
        std::string command = std::string(kCode39Pixels) + "AL=6,R=" + std::to_string(c.rotation) +
                              ",H=40px,X=200px,Y=150px,D=AB";
        ASSERT_EQ(Print(dc, command), 1) << Error();
        RECT ink = dc.InkBounds();
        EXPECT_EQ(ink.left, c.expected.left) << command;
        EXPECT_EQ(ink.top, c.expected.top) << command;
        EXPECT_EQ(ink.right, c.expected.right) << command;
        EXPECT_EQ(ink.bottom, c.expected.bottom) << command;
    }
}

TEST_F(LayoutTest, ANegativeHeightNamesTheOppositeEdge) {
    // With H=-40 the default anchor (lower left) becomes the upper edge: the
    // bars move by their height along the rotated vertical.
    struct Case {
        int rotation;
        int left, top;
    } cases[] = {
        {0, 200, 150},
        {1, 200, 150 - kCode39Width},
        {2, 200 - kCode39Width, 110},
        {3, 160, 150},
    };
    for (const Case& c : cases) {
        MemoryDC positive(400, 400);
        std::string command = std::string(kCode39Pixels) + "R=" + std::to_string(c.rotation) +
                              ",H=-40px,X=200px,Y=150px,D=AB";
        ASSERT_EQ(Print(positive, command), 1) << Error();
        RECT ink = positive.InkBounds();
        EXPECT_EQ(ink.left, c.left) << command;
        EXPECT_EQ(ink.top, c.top) << command;
    }
}

TEST_F(LayoutTest, UnitsAndTheReferenceResolution) {
    MemoryDC dc(600, 300);
    const int dpi = GetDeviceCaps(dc.Get(), LOGPIXELSX);
    // X in millimetres, Y in thousandths of an inch, narrow bars in dots of
    // a reference resolution of 4 x the device's: S1=8 is 2 pixels.
    std::string command = "C=39,I=" + std::to_string(4 * dpi) +
                          ",S1=8,B=0,RA=20,P=0,A=0,AL=6,H=10 mm,X=25 mm,Y=500 mil,D=AB";
    ASSERT_EQ(Print(dc, command), 1) << Error();
    RECT ink = dc.InkBounds();
    EXPECT_EQ(ink.left, dpi * 25 * 10 / 254);
    EXPECT_EQ(ink.top, dpi * 500 / 1000);
    EXPECT_EQ(ink.right - ink.left, kCode39Width);
    EXPECT_EQ(ink.bottom - ink.top, dpi * 10 * 10 / 254);

    // A narrow bar never gets thinner than one pixel.
    MemoryDC thin(600, 300);
    ASSERT_EQ(Print(thin, "C=39,I=6000,S1=1,B=0,P=0,A=0,AL=6,H=1000px,X=1000px,Y=1000px,D=AB"), 1);
    EXPECT_EQ(thin.InkBounds().right - thin.InkBounds().left, kCode39Width / 2);
}

TEST_F(LayoutTest, TheModuleWidthIsFittedToTheRequestedWidth) {
    for (int requested : {102, 200, 300, 520}) {
        MemoryDC dc(700, 200);
        std::string command =
            "C=39,I=0,RA=20,P=0,A=0,AL=6,H=20px,X=10px,Y=10px,B=" + std::to_string(requested) +
            "px,D=AB";
        ASSERT_EQ(Print(dc, command), 1) << Error();
        RECT ink = dc.InkBounds();
        int module = std::max(1, requested / (kCode39Width / 2));
        EXPECT_EQ(ink.right - ink.left, module * kCode39Width / 2) << command;
        EXPECT_LE(ink.right - ink.left, std::max(requested, kCode39Width / 2)) << command;
    }
    // Far too narrow: one pixel per module, never none.
    MemoryDC dc(700, 200);
    ASSERT_EQ(Print(dc, "C=39,I=0,RA=20,P=0,A=0,AL=6,H=20px,X=10px,Y=10px,B=1px,D=AB"), 1);
    EXPECT_EQ(dc.InkBounds().right - dc.InkBounds().left, kCode39Width / 2);
}

TEST_F(LayoutTest, RatiosAreQuantised) {
    EXPECT_EQ(QuantiseRatio(21), 20);
    EXPECT_EQ(QuantiseRatio(22), 25);
    EXPECT_EQ(QuantiseRatio(27), 25);
    EXPECT_EQ(QuantiseRatio(28), 30);
    EXPECT_EQ(QuantiseRatio(-5), 20);
    // RA=29 draws every wide element three modules wide.
    MemoryDC dc(500, 200);
    ASSERT_EQ(Print(dc, "C=39,I=0,S1=2,B=0,RA=29,P=0,A=0,AL=6,H=20px,X=10px,Y=10px,D=AB"), 1);
    EXPECT_EQ(dc.InkBounds().right - dc.InkBounds().left, 4 * (3 * 6 + 6 * 2) + 3 * 2);
}

TEST_F(LayoutTest, DataLimitsAndMissingData) {
    MemoryDC dc(100, 100);
    // 2000 bytes pass the request's limit (the symbology then refuses them).
    EXPECT_EQ(Print(dc, "C=39,D=" + std::string(2000, 'A')), 0);
    EXPECT_EQ(Error().find("Data too long"), std::string::npos) << Error();
    EXPECT_EQ(Print(dc, "C=39,D=" + std::string(2001, 'A')), 0);
    EXPECT_EQ(Error(), "Data too long, max 2002 bytes total\n");

    EXPECT_EQ(Print(dc, "C=39,D="), 0);
    EXPECT_EQ(Error(), "Missing data (D=) in command C=39,D=\n");
    EXPECT_EQ(Print(dc, "C=39,d="), 1);
    EXPECT_EQ(Error(), "");
    // A height that converts to no pixels draws nothing and says so.
    EXPECT_EQ(Print(dc, "C=39,I=0,H=0px,D=AB"), 0);
    EXPECT_NE(Error().find("less than one pixel"), std::string::npos) << Error();
    // Blanks trimmed away leave no data either.
    EXPECT_EQ(Print(dc, "C=39,D=   "), 0);
    EXPECT_EQ(dc.InkedPixels(), 0);
}

TEST_F(LayoutTest, TypeIdsOutsideTheTableAreRefused) {
    MemoryDC dc(100, 100);
    for (int id : {53, 1000}) {
        request = BarcodeRequest{};
        text = "D=123";
        request.command = text.c_str();
        request.commandLength = 5;
        request.symbologyId = id;
        EXPECT_EQ(RunPrintRequest(dc.Get(), &request, PrintMode{}), 0);
        EXPECT_NE(Error().find("not a type of this library"), std::string::npos) << Error();
    }
}

TEST_F(LayoutTest, Itf14BearersFrameTheBarsWhenTheyAreTallEnough) {
    MemoryDC dc(500, 200);
    ASSERT_EQ(Print(dc, "C=I14,I=0,S1=2,B=0,A=0,AL=6,H=60px,X=10px,Y=10px,D=1234567890123"), 1)
        << Error();
    RECT ink = dc.InkBounds();
    // The top and bottom rows are solid from the first element to the last.
    for (int x = ink.left; x < ink.right; ++x) {
        ASSERT_EQ(GetPixel(dc.Get(), x, ink.top) & 0xFFFFFF, 0u) << x;
        ASSERT_EQ(GetPixel(dc.Get(), x, ink.bottom - 1) & 0xFFFFFF, 0u) << x;
    }
    // Bars no taller than 15 modules get none.
    MemoryDC low(500, 200);
    ASSERT_EQ(Print(low, "C=I14,I=0,S1=2,B=0,A=0,AL=6,H=30px,X=10px,Y=10px,D=1234567890123"), 1);
    RECT lowInk = low.InkBounds();
    int inkedInTopRow = 0;
    for (int x = lowInk.left; x < lowInk.right; ++x)
        if ((GetPixel(low.Get(), x, lowInk.top) & 0xFFFFFF) == 0) ++inkedInTopRow;
    EXPECT_LT(inkedInTopRow, lowInk.right - lowInk.left);
}

TEST_F(LayoutTest, BadInputFailsCleanlyOrDraws) {
    const char* codes[] = {"25I",     "25L",   "25M",  "G11",  "G13",    "39",   "39X",
                           "93",      "93X",   "128",  "128A", "128B",   "128C", "CODA",
                           "E13",     "E13+5", "E8+2", "E128", "E128C",  "UPCA", "UPCE",
                           "UPCE0+2", "UPCE1", "ZIP",  "MSI",  "UCC128", "HIBC", "I14"};
    std::string allBytes;
    for (int byte = 1; byte < 256; ++byte)
        allBytes += static_cast<char>(byte);
    std::string random;
    unsigned seed = 17;
    for (int i = 0; i < 2000; ++i)
        random += static_cast<char>(1 + (seed = seed * 1103515245 + 12345) % 255);
    const std::string datas[] = {allBytes, random, random.substr(0, 99),
                                 "0",      "A",    "12345678901234567890"};
    const char* sizes[] = {"",          "B=1px,",   "H=100000 mm,",
                           "S1=0,B=0,", "R=4,",     "R=-1,",
                           "AL=99,",    "A=0,P=2,", "RA=0,ADB=-50,ADS=-50,"};
    for (const char* code : codes)
        for (const std::string& data : datas)
            for (const char* size : sizes) {
                MemoryDC dc(120, 60);
                std::string command =
                    std::string("C=") + code + ",X=2 mm,Y=12 mm," + size + "D=" + data;
                int result = Print(dc, command);
                ASSERT_TRUE(result == 0 || result == 1);
                ASSERT_NE(request.errorText, nullptr);
                if (result == 0) {
                    ASSERT_NE(Error(), "") << command.substr(0, 60);
                    ASSERT_EQ(dc.InkedPixels(), 0) << command.substr(0, 60) << ": " << Error();
                }
            }
}

TEST(DataPreparationTest, TrimmingEscapesGermanCharactersAndFunctionCodes) {
    EXPECT_EQ(TrimBlanks("  *AB*  ", 3, 5), "AB");
    EXPECT_EQ(TrimBlanks("  *AB*  ", 1, 5), "  *AB");
    EXPECT_EQ(TrimBlanks("  *AB*  ", 2, 7), "*AB*  ");
    EXPECT_EQ(TrimBlanks("*AB*", 0, 5), "*AB*");

    BarcodeParams params{};
    params.backslashEscapes = 1;
    params.umlautMapping = 1;
    std::strcpy(params.specialCodeText[1], "<F1>");
    std::strcpy(params.specialCodeText[4], "<F4>");
    // Code 39 extended: escapes and German characters, no function codes.
    EXPECT_EQ(PrepareDataForType(6, "a\\tb\\x41\\q\xC4\xFC<F1>", params), "a\tbA\\q[}<F1>");
    // Code 128: function codes too.
    EXPECT_EQ(PrepareDataForType(9, "<F1>12<F4>", params), "\x81"
                                                           "12\x84");
    // EAN 128 starts with FNC1, once.
    EXPECT_EQ(PrepareDataForType(19, "0112", params), "\x81"
                                                      "0112");
    EXPECT_EQ(PrepareDataForType(19, "<F1>0112", params), "\x81"
                                                          "0112");
    // Subset C takes only FNC1 placeholders.
    EXPECT_EQ(PrepareDataForType(12, "<F1>12<F4>", params), "\x81"
                                                            "12<F4>");
    // Without the options nothing changes.
    params.backslashEscapes = 0;
    params.umlautMapping = 0;
    EXPECT_EQ(PrepareDataForType(6, "a\\t\xC4", params), "a\\t\xC4");

    EXPECT_TRUE(ForcesCheckModeOne(9, false));
    EXPECT_FALSE(ForcesCheckModeOne(9, true));
    EXPECT_TRUE(ForcesCheckModeOne(33, true));
    EXPECT_FALSE(ForcesCheckModeOne(5, false));
}

TEST(SymbolEntryTest, ErrorsOfTheEntries) {
    SymbolParamsPtr params(CreateSymbolParams());
    params->libraryCode = 5;
    params->moduleWidth = 2;
    params->height = 20;
    params->ratio = 20;
    CbcWinHDC invalid(nullptr);
    EXPECT_EQ(DrawSymbol(invalid, 0, 0, 16, *params, "AB", "AB"), -kSymbolInvalidSurface);
    MemoryDC dc(300, 100);
    CbcWinHDC surface(dc.Get());
    EXPECT_EQ(DrawSymbol(surface, 10, 50, 25, *params, "AB", "AB"), -kSymbolAlignment);
    EXPECT_EQ(dc.InkedPixels(), 0);

    params->rotation = 4;
    EXPECT_EQ(DrawSymbol(surface, 10, 50, 16, *params, "AB", "AB"), -kSymbolRotationRange);
    params->rotation = 0;
    params->ratio = 26;
    EXPECT_EQ(DrawSymbol(surface, 10, 50, 16, *params, "AB", "AB"), -kSymbolRatioRange);
    params->ratio = 503; // 5/3 in the NNMM form
    EXPECT_EQ(DrawSymbol(surface, 10, 50, 16, *params, "AB", "AB"), 0);
    params->annotationPosition = 9;
    EXPECT_EQ(DrawSymbol(surface, 10, 50, 16, *params, "AB", "AB"), -kSymbolAnnotationRange);
    params->annotationPosition = 0;
    params->libraryCode = 29;
    EXPECT_EQ(DrawSymbol(surface, 10, 50, 16, *params, "AB", "AB"), -kSymbolUnknownLibraryCode);

    EXPECT_EQ(FormatSymbolError(-70, "x"), "-70: Maxicode buffer overflow");
    EXPECT_EQ(FormatSymbolError(-2, "xyz"), "-2: Text string too long: \"xyz\"");
    EXPECT_EQ(FormatSymbolError(-5, "x"), "-5: NULL,");
    EXPECT_EQ(FormatSymbolError(-120, "abc"),
              "barcode dll: generic: unknown error -120 on \"abc\"");
}

TEST(SymbolEntryTest, AClipboardBitmapOfARotatedSymbolIsTurnedToo) {
    SymbolParamsPtr params(CreateSymbolParams());
    params->libraryCode = 5;
    params->moduleWidth = 2;
    params->height = 40;
    params->ratio = 20;
    for (int rotation : {0, 1}) {
        params->rotation = rotation;
        ASSERT_EQ(RenderSymbolToClipboard(300, 300, *params, "AB", "AB"), 0);
        ASSERT_TRUE(OpenClipboard(nullptr));
        HBITMAP bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
        BITMAP info{};
        ASSERT_NE(GetObjectA(bitmap, sizeof info, &info), 0);
        CloseClipboard();
        EXPECT_EQ(rotation == 0 ? info.bmWidth : info.bmHeight, kCode39Width) << rotation;
        EXPECT_EQ(rotation == 0 ? info.bmHeight : info.bmWidth, 40) << rotation;
    }
}

} // namespace

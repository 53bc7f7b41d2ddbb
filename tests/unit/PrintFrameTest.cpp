// The frame around one print request and the print worker: what reaches the
// drawing, what the caller gets back, what the device context looks like
// afterwards, and the error lines written onto the device. The drawing step
// is a recorder here; the symbols themselves are tested through the exports.
#include "pipeline/PrintFrame.h"
#include "pipeline/PrintRequest.h"
#include "typetable/BarcodeTypeTable.h"

#include "MemoryDC.h"
#include "RecordingStage.h"
#include "TestLog.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

using testsupport::MemoryDC;

class PrintFrameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        stage = StageRecord{};
        defaults = DefaultSettings{};
        defaults.showErrors = 0;
        ResetContinuationModeForTesting();
    }

    BarcodeRequest Request(const std::string& text) {
        command = text;
        BarcodeRequest request{};
        request.posX = 10;
        request.posY = 20;
        request.command = command.c_str();
        request.commandLength = static_cast<int32_t>(command.size());
        return request;
    }

    int Print(HDC hdc, BarcodeRequest& request) {
        CbcWinHDC surface(hdc);
        return DoBarcodePrint(surface, defaults, request.command, request.commandLength, request,
                              PrintMode{}, &RecordingStage);
    }

    DefaultSettings defaults;
    std::string command;
};

TEST_F(PrintFrameTest, ParsedRequestReachesTheDrawingAndTheTypeIsWrittenBack) {
    MemoryDC dc;
    BarcodeRequest request = Request("C=39,B=30,H=10,D=ABC");
    ASSERT_EQ(Print(dc.Get(), request), 1);
    ASSERT_EQ(stage.calls, 1);
    EXPECT_EQ(stage.data, "ABC");
    const BarcodeTypeInfo* code39 = FindTypeRowByCode("39");
    ASSERT_NE(code39, nullptr);
    EXPECT_EQ(stage.request.symbologyId, code39->id);
    EXPECT_EQ(request.symbologyId, code39->id);
    ASSERT_NE(request.errorText, nullptr);
    EXPECT_STREQ(request.errorText, "");
    // The caller's record keeps its own values; only the copy was filled in.
    EXPECT_EQ(request.targetWidth, 0);
    EXPECT_EQ(request.posX, 10);
}

TEST_F(PrintFrameTest, OtherMappingModesAreRefusedAndKept) {
    MemoryDC dc;
    SetMapMode(dc.Get(), MM_ANISOTROPIC);
    BarcodeRequest request = Request("C=39,D=1");
    EXPECT_EQ(Print(dc.Get(), request), 0);
    EXPECT_EQ(stage.calls, 0);
    EXPECT_STREQ(request.errorText, "Windows-MAPMODE must be MM_TEXT or MM_TWIPS\n");
    EXPECT_EQ(GetMapMode(dc.Get()), MM_ANISOTROPIC);
}

TEST_F(PrintFrameTest, TwipsPositionsAreConvertedForTheDrawingAndTheDeviceIsRestored) {
    MemoryDC dc;
    SetMapMode(dc.Get(), MM_TWIPS);
    const int dpiX = GetDeviceCaps(dc.Get(), LOGPIXELSX);
    const int dpiY = GetDeviceCaps(dc.Get(), LOGPIXELSY);
    POINT originBefore{};
    GetWindowOrgEx(dc.Get(), &originBefore);
    stage.moveWindowOrigin = true;

    BarcodeRequest request = Request("C=39,D=1");
    request.posX = 2880;  // two inches
    request.posY = -1441; // just over one inch down the page
    ASSERT_EQ(Print(dc.Get(), request), 1);
    EXPECT_EQ(stage.mapMode, MM_TEXT);
    EXPECT_EQ(stage.request.posX, 2 * dpiX);
    EXPECT_EQ(stage.request.posY, -1441 * dpiY / -1440);
    EXPECT_EQ(request.posX, 2880);
    EXPECT_EQ(request.posY, -1441);

    EXPECT_EQ(GetMapMode(dc.Get()), MM_TWIPS);
    POINT originAfter{};
    GetWindowOrgEx(dc.Get(), &originAfter);
    EXPECT_EQ(originAfter.x, originBefore.x);
    EXPECT_EQ(originAfter.y, originBefore.y);
}

TEST_F(PrintFrameTest, SavedStateIsRestoredOnlyWhenTheProfileAsks) {
    MemoryDC dc;
    SetTextColor(dc.Get(), RGB(0, 0, 0));
    stage.changeTextColor = true;
    stage.report = "refused";
    BarcodeRequest request = Request("C=39,D=1");

    defaults.saveDc = 1;
    EXPECT_EQ(Print(dc.Get(), request), 0);
    EXPECT_EQ(GetTextColor(dc.Get()), RGB(0, 0, 0));

    defaults.saveDc = 0;
    EXPECT_EQ(Print(dc.Get(), request), 0);
    EXPECT_EQ(GetTextColor(dc.Get()), RGB(1, 2, 3));
}

TEST_F(PrintFrameTest, ASymbolThatWasNotDrawnIsNeverSuccess) {
    MemoryDC dc;
    stage.result = false;
    BarcodeRequest request = Request("C=39,D=1");
    EXPECT_EQ(Print(dc.Get(), request), 0);
    EXPECT_STREQ(request.errorText, "Internal Error!\n");
}

TEST_F(PrintFrameTest, ParseErrorsStopBeforeTheDrawing) {
    MemoryDC dc;
    BarcodeRequest request = Request("C=39,ZZ=1,D=1");
    EXPECT_EQ(Print(dc.Get(), request), 0);
    EXPECT_EQ(stage.calls, 0);
    EXPECT_NE(std::string(request.errorText).find("Unknown option"), std::string::npos);
    EXPECT_EQ(request.errorText[std::strlen(request.errorText) - 1], '\n');
}

TEST_F(PrintFrameTest, ErrorLinesAreWrittenAtThePositionWhenTheProfileAsks) {
    stage.report = "the symbol was refused";
    {
        MemoryDC dc(600, 200);
        defaults.showErrors = 0;
        BarcodeRequest request = Request("C=39,D=1");
        EXPECT_EQ(Print(dc.Get(), request), 0);
        EXPECT_STREQ(request.errorText, "the symbol was refused\n");
        EXPECT_EQ(request.posY, 20);
        EXPECT_EQ(dc.InkedPixels(), 0);
    }
    {
        MemoryDC dc(600, 200);
        defaults.showErrors = 1;
        BarcodeRequest request = Request("C=39,D=1");
        EXPECT_EQ(Print(dc.Get(), request), 0);
        EXPECT_STREQ(request.errorText, "the symbol was refused\n");
        // Four lines of a 7-point font: about 9 to 12 pixels each at 96 dpi.
        EXPECT_GE(request.posY, 20 + 4 * 8);
        EXPECT_LE(request.posY, 20 + 4 * 14);
        EXPECT_GT(dc.InkedPixels(), 200);
        // Nothing above or left of the position.
        for (int x = 0; x < 600; ++x)
            for (int y = 0; y < 20; ++y)
                ASSERT_EQ(GetPixel(dc.Get(), x, y) & 0xFFFFFF, 0xFFFFFFu);
    }
}

TEST_F(PrintFrameTest, ErrorLinesUnderTwipsGoWhereTheSymbolWouldHaveBeen) {
    MemoryDC dc(600, 300);
    SetMapMode(dc.Get(), MM_TWIPS);
    defaults.showErrors = 1;
    stage.report = "refused";
    BarcodeRequest request = Request("C=39,D=1");
    request.posX = 1440;
    request.posY = -1440;
    EXPECT_EQ(Print(dc.Get(), request), 0);
    EXPECT_EQ(GetMapMode(dc.Get()), MM_TWIPS);
    SetMapMode(dc.Get(), MM_TEXT); // pixels are read in device coordinates
    const int dpi = GetDeviceCaps(dc.Get(), LOGPIXELSY);
    // The lines start one inch from the left and one inch down, in pixels.
    int inkAbove = 0;
    for (int x = 0; x < 600; ++x)
        for (int y = 0; y < dpi - 1; ++y)
            if ((GetPixel(dc.Get(), x, y) & 0xFFFFFF) != 0xFFFFFF) ++inkAbove;
    EXPECT_EQ(inkAbove, 0);
    EXPECT_GT(dc.InkedPixels(), 100);
    // Moving down the page makes a twips position smaller.
    EXPECT_LT(request.posY, -1440 - 4 * 8 * 1440 / dpi);
}

TEST_F(PrintFrameTest, ResolutionIsLoggedOnceForTheSameDevice) {
    TestLog log(1);
    ResetResolutionLogForTesting();
    MemoryDC dc;
    BarcodeRequest request = Request("C=39,D=1");
    Print(dc.Get(), request);
    Print(dc.Get(), request);
    std::string text = log.Text();
    const int dpi = GetDeviceCaps(dc.Get(), LOGPIXELSX);
    std::string line = "Graphic context DPI: x=" + std::to_string(dpi);
    size_t first = text.find(line);
    ASSERT_NE(first, std::string::npos) << text;
    EXPECT_EQ(text.find(line, first + 1), std::string::npos);
}

} // namespace

// The drawing surface over a device context: validity, the resolution
// threshold, forwarding to GDI, and the scaled font made independent of the
// caller's mapping state.
#include "render/CbcHDC.h"

#include "MemoryDC.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// A surface whose resolution is whatever the test says.
class FixedResolutionSurface : public CbcWinHDC {
  public:
    explicit FixedResolutionSurface(int dpi) : CbcWinHDC(nullptr), dpi_(dpi) {}
    int GetDeviceCaps(int index) override {
        return index == LOGPIXELSX || index == LOGPIXELSY ? dpi_ : 0;
    }

  private:
    int dpi_;
};

// A real surface that remembers every font it creates.
class FontRecordingSurface : public CbcWinHDC {
  public:
    using CbcWinHDC::CbcWinHDC;
    HFONT CreateFontIndirect(const LOGFONTA* logfont) override {
        created.push_back(*logfont);
        return CbcWinHDC::CreateFontIndirect(logfont);
    }
    std::vector<LOGFONTA> created;
};

using testsupport::MemoryDC;

double PhysicalResolutionY(HDC hdc) {
    return GetDeviceCaps(hdc, VERTRES) * 25.4 / GetDeviceCaps(hdc, VERTSIZE);
}

} // namespace

TEST(DrawingSurface, NullDeviceContextIsNotValid) {
    CbcWinHDC surface(nullptr);
    EXPECT_FALSE(surface.IsValid());
    EXPECT_EQ(surface.GetHdc(), nullptr);
    EXPECT_EQ(surface.GetHdcAgain(), nullptr);
    EXPECT_FALSE(surface.PatBlt(0, 0, 10, 10, PATCOPY));
}

TEST(DrawingSurface, HighResolutionStartsAbove150Dpi) {
    EXPECT_FALSE(FixedResolutionSurface(96).IsHighResolution());
    EXPECT_FALSE(FixedResolutionSurface(150).IsHighResolution());
    EXPECT_TRUE(FixedResolutionSurface(151).IsHighResolution());
    EXPECT_TRUE(FixedResolutionSurface(600).IsHighResolution());
}

TEST(DrawingSurface, FillsWithTheSelectedBrushAndLeavesTheDcToTheCaller) {
    MemoryDC dc;
    {
        CbcWinHDC surface(dc.Get());
        ASSERT_TRUE(surface.IsValid());
        EXPECT_EQ(surface.GetHdc(), dc.Get());
        HBRUSH black = surface.CreateSolidBrush(RGB(0, 0, 0));
        HBRUSH previous = surface.SelectBrush(black);
        EXPECT_TRUE(surface.PatBlt(10, 20, 5, 3, PATCOPY));
        EXPECT_EQ(surface.SelectBrush(previous), black);
        EXPECT_TRUE(surface.DeleteBrush(black));
    }
    EXPECT_EQ(GetPixel(dc.Get(), 10, 20), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc.Get(), 14, 22), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc.Get(), 15, 22), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(dc.Get(), 14, 23), RGB(255, 255, 255));
    // The surface is gone; the device context still draws.
    EXPECT_TRUE(PatBlt(dc.Get(), 0, 0, 1, 1, BLACKNESS));
    EXPECT_EQ(GetPixel(dc.Get(), 0, 0), RGB(0, 0, 0));
}

TEST(DrawingSurface, ScaledFontWithoutWidthIsCreatedOnce) {
    MemoryDC dc;
    FontRecordingSurface surface(dc.Get());
    HFONT font =
        surface.CreateScaledFont("Arial", 70, 0, kFontStyleBold | kFontStyleUnderline, false);
    ASSERT_NE(font, nullptr);
    ASSERT_EQ(surface.created.size(), 1u);
    const LOGFONTA& logfont = surface.created[0];
    int tenths = static_cast<int>(70 * PhysicalResolutionY(dc.Get()) / 72);
    EXPECT_EQ(logfont.lfHeight, -static_cast<LONG>(tenths / 10.0 + 0.5));
    EXPECT_EQ(logfont.lfWidth, 0);
    EXPECT_EQ(logfont.lfWeight, FW_BOLD);
    EXPECT_EQ(logfont.lfUnderline, 1);
    EXPECT_EQ(logfont.lfItalic, 0);
    EXPECT_EQ(logfont.lfCharSet, DEFAULT_CHARSET);
    EXPECT_STREQ(logfont.lfFaceName, "Arial");
    EXPECT_TRUE(surface.DeleteFont(font));
}

TEST(DrawingSurface, ScaledFontWidthIsProportionalToTheRequest) {
    MemoryDC dc;
    FontRecordingSurface surface(dc.Get());
    HFONT narrow = surface.CreateScaledFont("Arial", 200, 100, 0, true);
    HFONT wide = surface.CreateScaledFont("Arial", 200, 200, 0, true);
    ASSERT_EQ(surface.created.size(), 4u); // each created twice
    EXPECT_EQ(surface.created[0].lfWidth, 0);
    LONG narrowWidth = surface.created[1].lfWidth, wideWidth = surface.created[3].lfWidth;
    EXPECT_GT(narrowWidth, 0);
    EXPECT_NEAR(wideWidth, 2 * narrowWidth, 1);
    surface.DeleteFont(narrow);
    surface.DeleteFont(wide);
}

TEST(DrawingSurface, ScaledFontLeavesTheCallersStateAsItWas) {
    MemoryDC dc;
    SetMapMode(dc.Get(), MM_TWIPS);
    SetWindowOrgEx(dc.Get(), 5, -7, nullptr);
    FontRecordingSurface surface(dc.Get());
    HFONT font = surface.CreateScaledFont("Arial", 100, 0, 0, true);
    // Under MM_TWIPS the height comes out in twips: 10 points are 200 twips.
    ASSERT_EQ(surface.created.size(), 1u);
    EXPECT_NEAR(std::abs(surface.created[0].lfHeight), 200, 3);
    EXPECT_EQ(GetMapMode(dc.Get()), MM_TWIPS);
    EXPECT_EQ(GetGraphicsMode(dc.Get()), GM_COMPATIBLE);
    POINT origin{};
    GetWindowOrgEx(dc.Get(), &origin);
    EXPECT_EQ(origin.x, 5);
    EXPECT_EQ(origin.y, -7);
    DeleteObject(font);
}

// A Linux program prints through the drawing surface onto a raster printer
// page at the resolutions of label and office printers and saves it as PNG,
// with nothing but the public headers.
#include "rasterdc.h"
#include "render/CbcHDC.h"

#include "ScratchDirectory.h"

#include <gtest/gtest.h>

TEST(SurfaceOnPrinter, OneInchBarAndTextAtEveryResolution) {
    testsupport::ScratchDirectory scratch("surface-png");
    for (int dpi : {203, 300, 600}) {
        HDC page = CreateRasterPrinterDC(2 * dpi, dpi, dpi, dpi);
        ASSERT_NE(page, nullptr) << dpi;
        {
            CbcWinHDC surface(page);
            EXPECT_TRUE(surface.IsHighResolution());
            HBRUSH black = surface.CreateSolidBrush(RGB(0, 0, 0));
            HBRUSH previous = surface.SelectBrush(black);
            surface.PatBlt(dpi / 2, dpi / 4, dpi, dpi / 4, PATCOPY);
            surface.SelectBrush(previous);
            surface.DeleteBrush(black);
            HFONT font = surface.CreateScaledFont("Arial", 120, 0, 0, true);
            HFONT previousFont = surface.SelectFont(font);
            SIZE extent{};
            surface.GetTextExtentPoint("12345", 5, &extent);
            // 12 points at this resolution: the cell is about 1/6 inch high.
            EXPECT_NEAR(extent.cy, dpi / 6.0, dpi / 30.0) << dpi;
            EXPECT_TRUE(surface.TextOut(dpi / 2, dpi * 5 / 8, "12345", 5));
            surface.SelectFont(previousFont);
            surface.DeleteFont(font);
        }
        // The bar is exactly one inch long on the page.
        EXPECT_EQ(GetPixel(page, dpi / 2, dpi / 4), RGB(0, 0, 0));
        EXPECT_EQ(GetPixel(page, dpi / 2 + dpi - 1, dpi / 4), RGB(0, 0, 0));
        EXPECT_EQ(GetPixel(page, dpi / 2 + dpi, dpi / 4), RGB(255, 255, 255));
        std::string png = scratch.File("page-" + std::to_string(dpi) + ".png");
        EXPECT_TRUE(SaveDCAsPng(page, png.c_str()));
        EXPECT_EQ(testsupport::ReadWholeFile(png).substr(1, 3), "PNG");
        EXPECT_TRUE(DeleteDC(page));
    }
}

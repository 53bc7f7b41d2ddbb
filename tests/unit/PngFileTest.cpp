// A page saved as PNG holds exactly the pixels drawn, in the smallest form
// that holds them: 1-bit for black and white, 8-bit gray, or RGB.
#include "rasterdc.h"

#include "ScratchDirectory.h"

#include <gtest/gtest.h>
#include <png.h>

#include <string>
#include <vector>

namespace {

void FillBox(HDC page, int left, int top, int right, int bottom, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    HGDIOBJ old = SelectObject(page, brush);
    PatBlt(page, left, top, right - left, bottom - top, PATCOPY);
    SelectObject(page, old);
    DeleteObject(brush);
}

} // namespace

TEST(PngFile, EveryPixelComesBackInTheSmallestForm) {
    struct Case {
        const char* what;
        std::vector<COLORREF> colors; // boxes drawn side by side on white
        int bitDepth;
        int colorType;
    } const cases[] = {
        {"black and white", {RGB(0, 0, 0)}, 1, PNG_COLOR_TYPE_GRAY},
        {"gray", {RGB(0, 0, 0), RGB(128, 128, 128)}, 8, PNG_COLOR_TYPE_GRAY},
        {"colour", {RGB(0, 0, 0), RGB(128, 128, 128), RGB(200, 10, 30)}, 8, PNG_COLOR_TYPE_RGB},
        // the only gray pixel is the last one of its rows, in their last bits
        {"gray at the end", {RGB(0, 0, 0), RGB(0, 0, 0), RGB(0, 0, 0), RGB(99, 99, 99)}, 8,
         PNG_COLOR_TYPE_GRAY},
    };
    testsupport::ScratchDirectory scratch("png-forms");
    // 37 pixels: rows that do not end on a whole byte of bits.
    constexpr int kWidth = 37, kHeight = 9;
    for (const Case& c : cases) {
        HDC page = CreateRasterPrinterDC(kWidth, kHeight, 300, 300);
        for (size_t i = 0; i < c.colors.size(); ++i)
            FillBox(page, 3 + 11 * static_cast<int>(i), 2, 9 + 11 * static_cast<int>(i), 7,
                    c.colors[i]);
        const std::string path = scratch.File(std::string(c.what) + ".png");
        ASSERT_TRUE(SaveDCAsPng(page, path.c_str())) << c.what;

        png_image png{};
        png.version = PNG_IMAGE_VERSION;
        ASSERT_TRUE(png_image_begin_read_from_file(&png, path.c_str())) << c.what;
        png.format = PNG_FORMAT_RGB;
        std::vector<unsigned char> rgb(PNG_IMAGE_SIZE(png));
        ASSERT_TRUE(png_image_finish_read(&png, nullptr, rgb.data(), 0, nullptr)) << c.what;
        ASSERT_EQ(png.width, static_cast<unsigned>(kWidth));
        ASSERT_EQ(png.height, static_cast<unsigned>(kHeight));
        int wrong = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const COLORREF drawn = GetPixel(page, x, y);
                const unsigned char* saved = &rgb[(static_cast<size_t>(y) * kWidth + x) * 3];
                wrong += RGB(saved[0], saved[1], saved[2]) != drawn;
            }
        EXPECT_EQ(wrong, 0) << c.what;

        const std::string file = testsupport::ReadWholeFile(path);
        ASSERT_GT(file.size(), 26u);
        EXPECT_EQ(file[24], c.bitDepth) << c.what;  // IHDR bit depth
        EXPECT_EQ(file[25], c.colorType) << c.what; // IHDR colour type
        DeleteDC(page);
    }
}

// Scenes of BitBlt and StretchBlt: the MaxiCode 1200-pixel bitmap stretched
// to 203, 300, 600 and 1200 dpi in each stretch mode, small images grown
// and large ones shrunk, mirrored and clipped blits, raster operations, and
// the colour conversions to and from monochrome bitmaps.
#include "GdiScenes.h"

#include <string>

namespace scenes {

namespace {

constexpr int kMaxiSize = 1200;
constexpr DWORD kMergeCopy = 0x00C000CA;

// The MaxiCode layout at the fixed 1200-pixel pitch: 33 rows of 30
// hexagons 40 wide and 48 high, rows 36 apart, and a bullseye in the middle.
void DrawMaxiBitmap(HDC hdc) {
    HGDIOBJ oldPen = SelectObject(hdc, GetStockObject(NULL_PEN));
    HGDIOBJ oldBrush = SelectObject(hdc, GetStockObject(BLACK_BRUSH));
    unsigned state = 12345;
    for (int row = 0; row < 33; ++row)
        for (int column = 0; column < 30; ++column) {
            state = state * 1103515245u + 12345u;
            if (!((state >> 16) & 1u)) continue;
            int left = column * 40 + (row % 2 ? 20 : 0), top = row * 36;
            POINT hexagon[6] = {{left + 20, top},      {left + 40, top + 12}, {left + 40, top + 36},
                                {left + 20, top + 48}, {left, top + 36},      {left, top + 12}};
            Polygon(hdc, hexagon, 6);
        }
    const int radii[6] = {216, 180, 144, 108, 72, 36};
    for (int ring = 0; ring < 6; ++ring) {
        SelectObject(hdc, GetStockObject(ring % 2 ? BLACK_BRUSH : WHITE_BRUSH));
        int r = radii[ring];
        Ellipse(hdc, 600 - r, 600 - r, 600 + r, 600 + r);
    }
    SelectObject(hdc, oldPen);
    SelectObject(hdc, oldBrush);
}

// The 1.05 x 1.001 inch symbol at the given resolution, stretched from the
// 1200-pixel bitmap in the given stretch mode.
Scene MaxiStretchScene(int dpi, int mode, const char* modeName) {
    int width = static_cast<int>(dpi * 1.05 + 0.5), height = static_cast<int>(dpi * 1.001 + 0.5);
    std::string name = "maxi_stretch_" + std::to_string(dpi) + modeName;
    return {name, width, height, Comparison::kExact, [=](HDC hdc, SceneRecord& record) {
                SceneBitmap source(kMaxiSize, kMaxiSize);
                DrawMaxiBitmap(source.Dc());
                SetStretchBltMode(hdc, mode);
                record.Add("result", StretchBlt(hdc, 0, 0, width, height, source.Dc(), 0, 0,
                                                kMaxiSize, kMaxiSize, SRCCOPY));
            }};
}

// A small colourful source: black, white, red, green and blue pixels.
void DrawSmallSource(HDC hdc, int width, int height) {
    const COLORREF colors[5] = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(255, 0, 0), RGB(0, 255, 0),
                                RGB(0, 0, 255)};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            SetPixel(hdc, x, y, colors[(x * 3 + y * 2 + x * y) % 5]);
}

// Thin black lines and red dots on white: what shrinking merges or drops.
void DrawLargeSource(HDC hdc, int width, int height) {
    SelectObject(hdc, GetStockObject(BLACK_BRUSH));
    for (int x = 3; x < width; x += 7)
        PatBlt(hdc, x, 0, 1, height, PATCOPY);
    for (int y = 2; y < height; y += 5)
        PatBlt(hdc, 0, y, width, 1, PATCOPY);
    for (int i = 0; i < width; i += 3)
        SetPixel(hdc, i, (i * 7) % height, RGB(255, 0, 0));
    SelectObject(hdc, GetStockObject(WHITE_BRUSH));
}

void DrawStretchGrow(HDC hdc, SceneRecord&) {
    SceneBitmap source(7, 5);
    DrawSmallSource(source.Dc(), 7, 5);
    const int modes[4] = {BLACKONWHITE, WHITEONBLACK, COLORONCOLOR, HALFTONE};
    for (int m = 0; m < 4; ++m) {
        SetStretchBltMode(hdc, modes[m]);
        int x = 4 + m * 60;
        StretchBlt(hdc, x, 4, 53, 37, source.Dc(), 0, 0, 7, 5, SRCCOPY);
        StretchBlt(hdc, x, 50, 53, 12, source.Dc(), 0, 0, 7, 5, SRCCOPY); // grow x, shrink-free y
        StretchBlt(hdc, x, 66, 5, 20, source.Dc(), 0, 0, 7, 5, SRCCOPY);  // shrink x, grow y
    }
    SetStretchBltMode(hdc, COLORONCOLOR);
    StretchBlt(hdc, 60, 95, -53, 37, source.Dc(), 0, 0, 7, 5, SRCCOPY);    // mirrored
    StretchBlt(hdc, 70, 95, 40, 30, source.Dc(), 6, 4, -7, -5, SRCCOPY);   // source mirrored
    StretchBlt(hdc, 220, 100, 53, 37, source.Dc(), 0, 0, 7, 5, SRCCOPY);   // clipped right
    StretchBlt(hdc, 120, 100, 40, 30, source.Dc(), -2, -1, 7, 5, SRCCOPY); // source partly outside
}

void DrawStretchShrink(HDC hdc, SceneRecord&) {
    SceneBitmap source(100, 60);
    DrawLargeSource(source.Dc(), 100, 60);
    const int modes[4] = {BLACKONWHITE, WHITEONBLACK, COLORONCOLOR, HALFTONE};
    for (int m = 0; m < 4; ++m) {
        SetStretchBltMode(hdc, modes[m]);
        int x = 4 + m * 45;
        StretchBlt(hdc, x, 4, 37, 23, source.Dc(), 0, 0, 100, 60, SRCCOPY);
        StretchBlt(hdc, x, 30, 41, 17, source.Dc(), 99, 59, -100, -60, SRCCOPY); // mirrored source
        StretchBlt(hdc, x, 50, 37, 60, source.Dc(), 0, 0, 100, 60, SRCCOPY);     // shrink x only
        StretchBlt(hdc, x, 115, 100, 23, source.Dc(), 0, 0, 100, 60, SRCCOPY);   // shrink y only
    }
}

// Every small size onto every small size: shrinking onto one or two pixels
// is where the pairing of source and destination pixels is most delicate.
void DrawStretchSmallSizes(HDC hdc, SceneRecord&) {
    SceneBitmap source(8, 8);
    DrawSmallSource(source.Dc(), 8, 8);
    const int modes[4] = {BLACKONWHITE, WHITEONBLACK, COLORONCOLOR, HALFTONE};
    for (int m = 0; m < 4; ++m) {
        SetStretchBltMode(hdc, modes[m]);
        for (int from = 1; from <= 8; ++from)
            for (int to = 1; to <= 4; ++to) {
                int x = 2 + (from - 1) * 36 + (to - 1) * 9, y = 2 + m * 24;
                StretchBlt(hdc, x, y, to, 5 - to, source.Dc(), 0, 0, from, 9 - from, SRCCOPY);
                StretchBlt(hdc, x + to - 1, y + 6, -to, to, source.Dc(), 8 - from, 0, from, from,
                           SRCCOPY);
                StretchBlt(hdc, x, y + 11, to, to, source.Dc(), from - 1, 7, -from, -from, SRCCOPY);
            }
    }
}

void DrawBlitRops(HDC hdc, SceneRecord& record) {
    SceneBitmap first(40, 30), second(40, 30);
    DrawSmallSource(first.Dc(), 40, 30);
    HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255));
    SelectObject(second.Dc(), magenta);
    PatBlt(second.Dc(), 10, 5, 20, 20, PATCOPY);
    const DWORD rops[6] = {SRCCOPY, SRCPAINT, SRCAND, SRCINVERT, NOTSRCCOPY, kMergeCopy};
    SelectObject(hdc, magenta);
    for (int r = 0; r < 6; ++r) {
        int x = 4 + r * 45;
        BitBlt(hdc, x, 4, 40, 30, second.Dc(), 0, 0, SRCCOPY);
        record.Add("rop" + std::to_string(r), BitBlt(hdc, x, 4, 40, 30, first.Dc(), 0, 0, rops[r]));
    }
    SelectObject(hdc, GetStockObject(WHITE_BRUSH));
    // Overlapping copy within one bitmap, both directions.
    BitBlt(hdc, 10, 40, 60, 25, hdc, 4, 4, SRCCOPY);
    BitBlt(hdc, 100, 40, 60, 25, hdc, 106, 48, SRCCOPY);
    // A source DC scaled by its mapping mode stretches.
    SetMapMode(first.Dc(), MM_ANISOTROPIC);
    SetWindowExtEx(first.Dc(), 1, 1, nullptr);
    SetViewportExtEx(first.Dc(), 2, 2, nullptr);
    BitBlt(hdc, 180, 40, 30, 20, first.Dc(), 0, 0, SRCCOPY);
    // Operations without a source are pattern blits.
    record.Add("patinvert_blit", BitBlt(hdc, 220, 40, 20, 20, nullptr, 0, 0, PATINVERT));
    DeleteObject(magenta);
}

void DrawMonochromeConversions(HDC hdc, SceneRecord& record) {
    // A monochrome source: black bits take the text colour, white bits the
    // background colour of the destination.
    const unsigned char bits[8 * 2] = {0xF0, 0, 0x0F, 0, 0xAA, 0, 0x55, 0,
                                       0xFF, 0, 0x00, 0, 0x81, 0, 0x3C, 0};
    HBITMAP mono = CreateBitmap(8, 8, 1, 1, bits);
    HDC monoDc = CreateCompatibleDC(nullptr);
    HGDIOBJ oldMono = SelectObject(monoDc, mono);
    SetTextColor(hdc, RGB(200, 0, 0));
    SetBkColor(hdc, RGB(0, 0, 150));
    StretchBlt(hdc, 4, 4, 40, 40, monoDc, 0, 0, 8, 8, SRCCOPY);
    SetTextColor(hdc, RGB(0, 0, 0));
    SetBkColor(hdc, RGB(255, 255, 255));
    BitBlt(hdc, 50, 4, 8, 8, monoDc, 0, 0, SRCCOPY);

    // A colour source onto a monochrome bitmap: the source's background
    // colour becomes white, everything else black; then back to colour.
    SceneBitmap colour(30, 20);
    DrawSmallSource(colour.Dc(), 30, 20);
    HDC maskDc = CreateCompatibleDC(nullptr);
    HBITMAP mask = CreateCompatibleBitmap(maskDc, 30, 20); // monochrome, like the DC
    HGDIOBJ oldMask = SelectObject(maskDc, mask);
    SetBkColor(colour.Dc(), RGB(255, 0, 0));
    record.Add("to_mono", BitBlt(maskDc, 0, 0, 30, 20, colour.Dc(), 0, 0, SRCCOPY));
    BitBlt(hdc, 70, 4, 30, 20, maskDc, 0, 0, SRCCOPY);
    // Drawing on the monochrome bitmap maps brush colours to black or white.
    HBRUSH light = CreateSolidBrush(RGB(200, 200, 200));
    SelectObject(maskDc, light);
    PatBlt(maskDc, 0, 0, 10, 10, PATCOPY);
    SetPixel(maskDc, 20, 5, RGB(128, 128, 128));
    SetPixel(maskDc, 21, 5, RGB(127, 127, 127));
    BitBlt(hdc, 110, 4, 30, 20, maskDc, 0, 0, SRCCOPY);
    record.Add("mono_pixel", static_cast<long>(GetPixel(maskDc, 20, 5)));

    SelectObject(maskDc, oldMask);
    SelectObject(maskDc, GetStockObject(WHITE_BRUSH));
    DeleteObject(light);
    DeleteObject(mask);
    DeleteDC(maskDc);
    SelectObject(monoDc, oldMono);
    DeleteObject(mono);
    DeleteDC(monoDc);
}

} // namespace

void AddBlitScenes(std::vector<Scene>& scenes) {
    scenes.push_back({"maxi_1200", kMaxiSize, kMaxiSize, Comparison::kExact,
                      [](HDC hdc, SceneRecord&) { DrawMaxiBitmap(hdc); }});
    scenes.push_back(MaxiStretchScene(203, BLACKONWHITE, ""));
    scenes.push_back(MaxiStretchScene(300, BLACKONWHITE, ""));
    scenes.push_back(MaxiStretchScene(600, BLACKONWHITE, ""));
    scenes.push_back(MaxiStretchScene(1200, BLACKONWHITE, ""));
    scenes.push_back(MaxiStretchScene(203, COLORONCOLOR, "_coloroncolor"));
    scenes.push_back(MaxiStretchScene(600, COLORONCOLOR, "_coloroncolor"));
    scenes.push_back(MaxiStretchScene(300, WHITEONBLACK, "_whiteonblack"));
    scenes.push_back({"stretch_grow", 280, 140, Comparison::kExact, DrawStretchGrow});
    scenes.push_back({"stretch_shrink", 190, 140, Comparison::kExact, DrawStretchShrink});
    scenes.push_back({"stretch_small_sizes", 292, 100, Comparison::kExact, DrawStretchSmallSizes});
    scenes.push_back({"blit_rops", 280, 70, Comparison::kExact, DrawBlitRops});
    scenes.push_back({"monochrome", 150, 50, Comparison::kExact, DrawMonochromeConversions});
}

} // namespace scenes

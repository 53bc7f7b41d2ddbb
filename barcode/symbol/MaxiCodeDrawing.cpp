// MaxiCode hexagons and bullseye, drawn with Polygon and Ellipse into a
// memory bitmap that is then copied (or stretched) onto the device.
#include "symbol/MaxiCodeDrawing.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kRows = 33;
constexpr int kColumns = 30;
constexpr double kInchesAcross = 1.004;
constexpr double kHexagonsAcross = 29.0;
// The fixed pitch of the stretched rendering and its bitmap.
constexpr MaxiCodePitch kStretchPitch{40, 48, 36};
constexpr int kStretchBitmap = 1200;
constexpr double kStretchedWidthInches = 1.05;
constexpr double kStretchedHeightInches = 1.001;
// The bullseye's circles, outermost first, as radii in hexagon pitches: three
// dark rings alternating with light ones around a dark centre.
constexpr double kBullseyeRadii[] = {5.20, 4.30, 3.40, 2.50, 1.61, 0.70};

int RoundHalfUp(double value) {
    return static_cast<int>(std::floor(value + 0.5));
}

// A point of the upright symbol in the rotated bitmap of width w, height h
// (the upright symbol's size).
POINT Rotate(double x, double y, int rotation, int w, int h) {
    switch (rotation & 3) {
    case 1:
        return {RoundHalfUp(y), RoundHalfUp(w - x)};
    case 2:
        return {RoundHalfUp(w - x), RoundHalfUp(h - y)};
    case 3:
        return {RoundHalfUp(h - y), RoundHalfUp(x)};
    default:
        return {RoundHalfUp(x), RoundHalfUp(y)};
    }
}

// Even rows start at the left edge; odd rows half a hexagon further right.
void DrawHexagon(HDC dc, int row, int column, const MaxiCodePitch& pitch, int rotation, int w,
                 int h) {
    const double centreX = (column + (row % 2 == 1 ? 1.0 : 0.5)) * pitch.horizontal;
    const double centreY = pitch.height / 2.0 + row * static_cast<double>(pitch.row);
    const double halfWidth = pitch.horizontal / 2.0;
    const double halfHeight = pitch.height / 2.0;
    const double corners[6][2] = {
        {0, -halfHeight}, {halfWidth, -halfHeight / 2}, {halfWidth, halfHeight / 2},
        {0, halfHeight},  {-halfWidth, halfHeight / 2}, {-halfWidth, -halfHeight / 2},
    };
    POINT points[6];
    for (int i = 0; i < 6; ++i)
        points[i] = Rotate(centreX + corners[i][0], centreY + corners[i][1], rotation, w, h);
    Polygon(dc, points, 6);
}

void DrawBullseye(HDC dc, const MaxiCodePitch& pitch, int rotation, int w, int h) {
    const double centreX = 14.5 * pitch.horizontal;
    const double centreY = pitch.height / 2.0 + 16.0 * pitch.row;
    HGDIOBJ black = GetStockObject(BLACK_BRUSH);
    HGDIOBJ white = GetStockObject(WHITE_BRUSH);
    for (size_t i = 0; i < sizeof kBullseyeRadii / sizeof kBullseyeRadii[0]; ++i) {
        const double radius = kBullseyeRadii[i] * pitch.horizontal;
        SelectObject(dc, i % 2 == 0 ? black : white);
        POINT a = Rotate(centreX - radius, centreY - radius, rotation, w, h);
        POINT b = Rotate(centreX + radius, centreY + radius, rotation, w, h);
        Ellipse(dc, std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y));
    }
}

// The symbol at a pitch into a new memory DC over a bitmap of the rotated
// size; null when it cannot be made.
HDC RenderIntoMemory(HDC device, const MaxiCodeModules& modules, const MaxiCodePitch& pitch, int w,
                     int h, int rotation, HBITMAP& bitmap, HGDIOBJ& previousBitmap) {
    const int bitmapWidth = rotation % 2 == 1 ? h : w;
    const int bitmapHeight = rotation % 2 == 1 ? w : h;
    HDC memory = CreateCompatibleDC(device);
    bitmap =
        memory != nullptr ? CreateCompatibleBitmap(device, bitmapWidth, bitmapHeight) : nullptr;
    if (bitmap == nullptr) {
        if (memory != nullptr) DeleteDC(memory);
        return nullptr;
    }
    previousBitmap = SelectObject(memory, bitmap);
    PatBlt(memory, 0, 0, bitmapWidth, bitmapHeight, WHITENESS);
    HGDIOBJ previousPen = SelectObject(memory, GetStockObject(NULL_PEN));
    HGDIOBJ previousBrush = SelectObject(memory, GetStockObject(BLACK_BRUSH));
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            if (modules.dark[row][column]) DrawHexagon(memory, row, column, pitch, rotation, w, h);
    DrawBullseye(memory, pitch, rotation, w, h);
    SelectObject(memory, previousBrush);
    SelectObject(memory, previousPen);
    return memory;
}

void ReleaseMemory(HDC memory, HBITMAP bitmap, HGDIOBJ previousBitmap) {
    SelectObject(memory, previousBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

} // namespace

MaxiCodePitch MaxiCodePitchAt(int dpi) {
    const double horizontal = dpi * kInchesAcross / kHexagonsAcross;
    MaxiCodePitch pitch{RoundHalfUp(horizontal), RoundHalfUp(horizontal * 2 / std::sqrt(3.0)),
                        RoundHalfUp(horizontal * 1.5 / std::sqrt(3.0))};
    if (dpi * 0.905 > 32.0 * pitch.row) {
        ++pitch.height;
        ++pitch.row;
    }
    if (dpi * 1.015 < 32.0 * pitch.row) {
        --pitch.height;
        --pitch.row;
    }
    return pitch;
}

bool DrawsMaxiCodeDirectly(const MaxiCodePitch& pitch) {
    return (pitch.horizontal == 10 && pitch.height == 12) ||
           (pitch.horizontal == 7 && pitch.height == 8);
}

void MaxiCodeSize(const MaxiCodePitch& pitch, int dpiX, int dpiY, int32_t& width, int32_t& height) {
    if (DrawsMaxiCodeDirectly(pitch)) {
        width = (30 * pitch.horizontal + 15) / 16 * 16;
        height = 32 * pitch.row + pitch.height;
        return;
    }
    // The stretched rendering has the nominal size at any resolution.
    width = static_cast<int32_t>(kStretchedWidthInches * dpiX);
    height = static_cast<int32_t>(kStretchedHeightInches * dpiY);
}

bool DrawMaxiCode(HDC device, const MaxiCodeModules& modules, const MaxiCodePitch& pitch, int dpiX,
                  int dpiY, int rotation, int32_t left, int32_t top) {
    int32_t width = 0;
    int32_t height = 0;
    MaxiCodeSize(pitch, dpiX, dpiY, width, height);
    const bool direct = DrawsMaxiCodeDirectly(pitch);
    const MaxiCodePitch drawn = direct ? pitch : kStretchPitch;
    const int w = direct ? width : kStretchBitmap;
    const int h = direct ? height : kStretchBitmap;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previousBitmap = nullptr;
    HDC memory = RenderIntoMemory(device, modules, drawn, w, h, rotation, bitmap, previousBitmap);
    if (memory == nullptr) return false;
    const int boxWidth = rotation % 2 == 1 ? height : width;
    const int boxHeight = rotation % 2 == 1 ? width : height;
    if (direct) {
        BitBlt(device, left, top, boxWidth, boxHeight, memory, 0, 0, SRCCOPY);
    } else {
        int previousMode = SetStretchBltMode(device, HALFTONE);
        StretchBlt(device, left, top, boxWidth, boxHeight, memory, 0, 0, rotation % 2 == 1 ? h : w,
                   rotation % 2 == 1 ? w : h, SRCCOPY);
        if (previousMode != 0) SetStretchBltMode(device, previousMode);
    }
    ReleaseMemory(memory, bitmap, previousBitmap);
    return true;
}

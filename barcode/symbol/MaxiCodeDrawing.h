// The drawing of a MaxiCode symbol: hexagons on the standard's offset grid
// and the bullseye, at a pitch that follows the device resolution.
#pragma once

#include "symbol/maxicode/MaxiCodeEncoder.h"
#include "win32api.h"

#include <cstdint>

// Hexagon pitch in pixels: horizontal pitch, hexagon height, row pitch.
struct MaxiCodePitch {
    int32_t horizontal = 0;
    int32_t height = 0;
    int32_t row = 0;
};

// The pitch at a resolution in dots per inch (the nominal symbol is 1.004
// inches for 29 hexagons across).
MaxiCodePitch MaxiCodePitchAt(int dpi);

// How a symbol is drawn at a device pitch: directly at 300 dpi (10 x 12) and
// 210 dpi (7 x 8), else drawn at 40 x 48 into a 1200 x 1200 bitmap and
// stretched to 1.05 x 1.001 inches.
bool DrawsMaxiCodeDirectly(const MaxiCodePitch& pitch);

// The symbol's size in pixels before rotation.
void MaxiCodeSize(const MaxiCodePitch& pitch, int dpiX, int dpiY, int32_t& width, int32_t& height);

// Draws the symbol rotated by quarter turns into the device box whose
// top-left corner is (left, top) and whose size is the symbol's, swapped for
// rotations 1 and 3. False when the memory bitmap cannot be made.
bool DrawMaxiCode(HDC device, const MaxiCodeModules& modules, const MaxiCodePitch& pitch, int dpiX,
                  int dpiY, int rotation, int32_t left, int32_t top);

// Sizes and positions of a command in device pixels.
#pragma once

#include "command/CommandOptions.h"

#include <cstdint>

// The percentage scales of dots at the reference resolution: 100 when the
// reference resolution is below 1 (dots are then device pixels).
struct ReferenceScale {
    int32_t x = 100;
    int32_t y = 100;
};
ReferenceScale ScaleForReference(int32_t dpiX, int32_t dpiY, int32_t referenceDpi);

// A value in its unit as device pixels at the resolution (dpi) of its axis;
// scale is the axis' reference scale. Saturates instead of overflowing.
int32_t ToDevicePixels(int32_t value, int32_t unit, int32_t dpi, int32_t scale);

// scale × value / 100, at least 1 (line widths).
int32_t ScaleLineWidth(int32_t value, int32_t scale);
// scale × value / 100 (extra dots, may be negative or 0).
int32_t ScaleDots(int32_t value, int32_t scale);

// Keeps pixel sizes within what any device can draw: 1 << 22 pixels is
// 177 metres at 600 dpi.
int32_t LimitPixels(int64_t value);

// The wide-to-narrow ratio in tenths as drawn: only 2.0, 2.5 and 3.0.
int32_t QuantiseRatio(int32_t ratio);

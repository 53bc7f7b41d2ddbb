// Painting the parts of a text run that are not glyphs: the opaque cell box
// and the underline and strike-out lines.
#pragma once

#include "gdi_text_layout.h"

namespace gdi {

// Fills a convex quadrilateral with a colour by GDI's polygon rule: a pixel
// is inside when its centre is, with the right and bottom edges left out (an
// axis-parallel quad is the rectangle [left, right) x [top, bottom), as
// PatBlt fills it). Clipped to the raster.
void FillQuad(Raster& raster, const DeviceQuad& quad, uint32_t color);

} // namespace gdi

// How GDI derives a TrueType font's metrics from its tables at a pixel size:
// the pixels-per-em for an lfHeight, the TEXTMETRIC, and where underline and
// strike-out lines go. The formulas are Windows' as Wine reproduces them
// (dlls/win32u/freetype.c), and were checked against Wine for Arial
// (Liberation Sans) at lfHeight -8..-100 and 8..100.
#pragma once

#include "win32api.h"

#include <array>
#include <cstdint>

namespace gdi {

// The values of a font's OS/2, hhea, head and post tables that GDI uses, in
// font units.
struct FontTables {
    int unitsPerEm = 2048;
    int winAscent = 0;  // OS/2 usWinAscent
    int winDescent = 0; // OS/2 usWinDescent
    int hheaAscender = 0;
    int hheaDescender = 0; // negative below the baseline
    int hheaLineGap = 0;
    int xAvgCharWidth = 0;
    int bboxXMin = 0; // head table font box
    int bboxXMax = 0;
    int weightClass = 400; // OS/2 usWeightClass
    int firstCharIndex = 32;
    int lastCharIndex = 255;
    int os2Version = 0;
    std::array<uint8_t, 10> panose{};
    int underlinePosition = 0; // post table
    int underlineThickness = 0;
    int strikeoutPosition = 0; // OS/2
    int strikeoutSize = 0;
    bool styleBold = false;   // the face itself is a bold face
    bool styleItalic = false; // the face itself is an italic face
    bool fixedWidth = false;
    bool symbolCmap = false; // the face maps characters through a symbol cmap
};

// Emboldening or slanting that GDI adds when the face itself is not bold or
// italic but the LOGFONT asks for it.
struct Synthesis {
    bool bold = false;
    bool italic = false;
};

// Lines drawn for lfUnderline and lfStrikeOut, in device pixels: position
// above the baseline (negative: below) and thickness.
struct DecorationLines {
    int underlinePosition = 0;
    int underlineSize = 0;
    int strikeoutPosition = 0;
    int strikeoutSize = 0;
};

// Largest pixels-per-em GDI renders; larger heights fall back to 1 ppem
// (Wine: "Ignoring too large height").
inline constexpr long kMaxPpem = (1 << 16) - 1;

// The pixels per em for a device lfHeight: negative heights are the em
// itself, positive ones the cell (winAscent + winDescent), zero means 16.
long PpemForHeight(const FontTables& tables, long height);

// The TEXTMETRICA of the face at ppem in device pixels, before any lfWidth
// scaling (see ScaleTextMetricsWidth): heights scaled from usWinAscent and
// usWinDescent, tmAveCharWidth from xAvgCharWidth, tmMaxCharWidth from the
// font box, weight and pitch/family from the OS/2 table, and the character
// range as the ANSI functions report it.
TEXTMETRICA TextMetricsAt(const FontTables& tables, long ppem, const Synthesis& synthesis);

// Applies lfWidth: the average and maximum widths scale by widthRatio (and a
// synthetic bold widens both by a pixel first, as GDI does).
void ScaleTextMetricsWidth(TEXTMETRICA& metrics, double widthRatio, const Synthesis& synthesis);

DecorationLines DecorationLinesAt(const FontTables& tables, long ppem);

} // namespace gdi

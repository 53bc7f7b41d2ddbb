// GDI's TrueType metric formulas (see gdi_font_metrics.h). FreeType's
// FT_MulDiv and FT_MulFix do the scaling because they round exactly the way
// the values GDI reports do.
#include "gdi_font_metrics.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace gdi {

namespace {

// TEXTMETRIC tmPitchAndFamily bits (wingdi.h).
constexpr BYTE kTmpfFixedPitch = 0x01; // set for variable pitch: GDI's inverted meaning
constexpr BYTE kTmpfVector = 0x02;
constexpr BYTE kTmpfTrueType = 0x04;
constexpr BYTE kFfRoman = 0x10;
constexpr BYTE kFfSwiss = 0x20;
constexpr BYTE kFfModern = 0x30;
constexpr BYTE kFfScript = 0x40;
constexpr BYTE kFfDecorative = 0x50;
constexpr BYTE kAnsiCharset = 0;
constexpr BYTE kSymbolCharset = 2;

// PANOSE digits (the OS/2 panose array).
constexpr int kPanoseFamilyType = 0;
constexpr int kPanoseSerifStyle = 1;
constexpr int kPanoseProportion = 3;
constexpr int kPanoseFamilyScript = 3;
constexpr int kPanoseFamilyDecorative = 4;
constexpr int kPanoseMonospaced = 9;

// Some fonts store a negative descent in the unsigned usWinDescent.
int FixedWinDescent(int winDescent) {
    return std::abs(static_cast<int16_t>(winDescent));
}

struct Extent {
    int ascent;
    int descent;
};

// The cell GDI scales: usWinAscent/usWinDescent, or hhea when both are zero.
Extent CellExtent(const FontTables& t) {
    const int descent = FixedWinDescent(t.winDescent);
    if (t.winAscent + descent == 0) return {t.hheaAscender, -t.hheaDescender};
    return {t.winAscent, descent};
}

FT_Fixed EmScale(const FontTables& t, long ppem) {
    return FT_MulDiv(ppem, 1 << 16, std::max(t.unitsPerEm, 1));
}

long Scale(long value, FT_Fixed emScale) {
    return FT_MulFix(value, emScale);
}

// tmWeight: a synthetic bold reports FW_BOLD; otherwise the face's weight
// class where it agrees with the face's style.
LONG WeightOf(const FontTables& t, const Synthesis& s) {
    if (s.bold) return FW_BOLD;
    if (t.styleBold) return t.weightClass > 500 ? t.weightClass : FW_NORMAL;
    return t.weightClass <= 500 ? t.weightClass : FW_NORMAL;
}

// PANOSE serif styles 2..10 are serifs of some kind (cove, square, thin,
// bone, exaggerated, triangle); 11..15 are sans serif, flared and rounded.
BYTE FamilyFromSerifStyle(int serifStyle) {
    if (serifStyle >= 2 && serifStyle <= 10) return kFfRoman;
    if (serifStyle >= 11 && serifStyle <= 15) return kFfSwiss;
    return 0;
}

BYTE PitchAndFamily(const FontTables& t) {
    const bool monospaced = t.panose[kPanoseProportion] == kPanoseMonospaced;
    BYTE value = (!t.fixedWidth && (t.os2Version == 0xFFFF || !monospaced)) ? kTmpfFixedPitch : 0;
    switch (t.panose[kPanoseFamilyType]) {
    case kPanoseFamilyScript:
        value |= kFfScript;
        break;
    case kPanoseFamilyDecorative:
        value |= kFfDecorative;
        break;
    default:
        if (value == 0 || monospaced)
            value = kFfModern;
        else
            value |= FamilyFromSerifStyle(t.panose[kPanoseSerifStyle]);
        break;
    }
    return value | kTmpfVector | kTmpfTrueType;
}

// The character range as TEXTMETRICA reports it for a TrueType face: the
// first character is one before the default character.
void SetCharacterRange(TEXTMETRICA& tm, const FontTables& t) {
    if (t.symbolCmap || (t.firstCharIndex >= 0xF000 && t.firstCharIndex < 0xF100)) {
        tm.tmFirstChar = 0x1E;
        tm.tmLastChar = 0xFF;
        tm.tmDefaultChar = 0x1F;
        tm.tmBreakChar = 0x20;
        tm.tmCharSet = kSymbolCharset;
        return;
    }
    int breakChar = t.firstCharIndex;
    if (t.firstCharIndex <= 1)
        breakChar = t.firstCharIndex + 2;
    else if (t.firstCharIndex > 0xFF)
        breakChar = 0x20;
    const int defaultChar = breakChar - 1;
    tm.tmFirstChar = static_cast<BYTE>(defaultChar - 1);
    tm.tmLastChar = static_cast<BYTE>(std::min(t.lastCharIndex, 0xFF));
    tm.tmDefaultChar = static_cast<BYTE>(defaultChar);
    tm.tmBreakChar = static_cast<BYTE>(breakChar);
    tm.tmCharSet = kAnsiCharset;
}

} // namespace

long PpemForHeight(const FontTables& t, long height) {
    if (height == 0) height = 16;
    if (height < 0) return height >= -kMaxPpem ? -height : 1;
    const Extent cell = CellExtent(t);
    const long units = std::max(cell.ascent + cell.descent, 1);
    long ppem = FT_MulDiv(t.unitsPerEm, height, units);
    // A ppem whose cell rounds taller than asked for is one too large.
    if (ppem > 1 && FT_MulDiv(units, ppem, t.unitsPerEm) > height) --ppem;
    return ppem > kMaxPpem || ppem < 1 ? 1 : ppem;
}

TEXTMETRICA TextMetricsAt(const FontTables& t, long ppem, const Synthesis& s) {
    const FT_Fixed em = EmScale(t, ppem);
    const Extent cell = CellExtent(t);
    TEXTMETRICA tm{};
    tm.tmAscent = Scale(cell.ascent, em);
    tm.tmDescent = Scale(cell.descent, em);
    tm.tmHeight = tm.tmAscent + tm.tmDescent;
    tm.tmInternalLeading = Scale(cell.ascent + cell.descent - t.unitsPerEm, em);
    // el = max(0, lineGap - ((winAscent + winDescent) - (ascender - descender)))
    const int hheaHeight = t.hheaAscender - t.hheaDescender;
    tm.tmExternalLeading =
        std::max(0L, Scale(t.hheaLineGap - (cell.ascent + cell.descent - hheaHeight), em));
    tm.tmAveCharWidth = std::max(1L, Scale(t.xAvgCharWidth, em));
    tm.tmMaxCharWidth = Scale(t.bboxXMax - t.bboxXMin, em);
    tm.tmWeight = WeightOf(t, s);
    tm.tmOverhang = 0;
    tm.tmDigitizedAspectX = 96;
    tm.tmDigitizedAspectY = 96;
    tm.tmItalic = (s.italic || t.styleItalic) ? 255 : 0;
    tm.tmPitchAndFamily = PitchAndFamily(t);
    SetCharacterRange(tm, t);
    return tm;
}

void ScaleTextMetricsWidth(TEXTMETRICA& tm, double widthRatio, const Synthesis& s) {
    if (s.bold) {
        ++tm.tmAveCharWidth;
        ++tm.tmMaxCharWidth;
    }
    tm.tmAveCharWidth = static_cast<LONG>(std::floor(tm.tmAveCharWidth * widthRatio + 0.5));
    tm.tmMaxCharWidth = static_cast<LONG>(std::floor(tm.tmMaxCharWidth * widthRatio + 0.5));
}

DecorationLines DecorationLinesAt(const FontTables& t, long ppem) {
    const FT_Fixed em = EmScale(t, ppem);
    DecorationLines lines;
    lines.underlinePosition = Scale(t.underlinePosition, em);
    lines.underlineSize = Scale(t.underlineThickness, em);
    lines.strikeoutPosition = Scale(t.strikeoutPosition, em);
    lines.strikeoutSize = Scale(t.strikeoutSize, em);
    return lines;
}

} // namespace gdi

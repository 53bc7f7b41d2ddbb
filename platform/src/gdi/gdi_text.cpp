// The text functions of the GDI subset: font objects, TextOutA and the text
// measures, over the FreeType engine (gdi_font_face) and the layout of a run
// (gdi_text_layout). Failures follow GDI: FALSE or 0 for an unknown DC, a
// negative length, a missing output buffer, and nothing is written through
// a null pointer or past a caller's buffer.
#include "gdi_draw.h"
#include "gdi_font_face.h"
#include "gdi_text_codepage.h"
#include "gdi_text_layout.h"
#include "gdi_text_paint.h"
#include "gdi_text_units.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <mutex>
#include <new>
#include <string>

namespace gdi {

namespace {

using Lock = std::lock_guard<std::recursive_mutex>;

// The stock system font's LOGFONT as GetObjectA reports it under Wine.
LOGFONTA SystemFontLogfont() {
    LOGFONTA logfont{};
    logfont.lfHeight = 16;
    logfont.lfWidth = 7;
    logfont.lfWeight = FW_BOLD;
    logfont.lfCharSet = ANSI_CHARSET;
    logfont.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    std::strncpy(logfont.lfFaceName, "System", LF_FACESIZE - 1);
    return logfont;
}

// A DC whose font handle went stale still writes with the system font; this
// object stands in when the raster core has no stock font object either.
// Never destroyed, like the handle tables.
GdiObject& BuiltInSystemFont() {
    static GdiObject* font = [] {
        auto* object = new GdiObject();
        object->kind = ObjectKind::kFont;
        object->stock = true;
        object->logfont = SystemFontLogfont();
        return object;
    }();
    return *font;
}

// In GM_COMPATIBLE the escapement turns both the run and its glyphs, the
// other way round on the device when the mapping mirrors one axis.
long DeviceEscapement(const LOGFONTA& logfont, const TextUnits& units) {
    return units.Mirrored() ? -static_cast<long>(logfont.lfEscapement) : logfont.lfEscapement;
}

bool SameLogfont(const LOGFONTA& a, const LOGFONTA& b) {
    return std::memcmp(&a, &b, offsetof(LOGFONTA, lfFaceName)) == 0 &&
           std::strncmp(a.lfFaceName, b.lfFaceName, LF_FACESIZE) == 0;
}

// The faces of the fonts made last. A program (the barcode library among
// them) creates and deletes the same font for every text it writes; opening
// the face and rendering its glyphs again each time would cost more than
// drawing the text. Every use realizes the face first and all of them run
// under the GDI lock, so fonts of equal LOGFONTs can share one face.
std::shared_ptr<FontFace> SharedFace(const LOGFONTA& logfont) {
    constexpr size_t kKeptFaces = 8;
    static auto* recent = new std::vector<std::pair<LOGFONTA, std::shared_ptr<FontFace>>>;
    for (size_t i = 0; i < recent->size(); ++i)
        if (SameLogfont((*recent)[i].first, logfont)) {
            std::rotate(recent->begin(), recent->begin() + static_cast<std::ptrdiff_t>(i),
                        recent->begin() + static_cast<std::ptrdiff_t>(i) + 1);
            return recent->front().second;
        }
    std::shared_ptr<FontFace> face = FontFace::Open(logfont);
    if (!face) return nullptr;
    recent->insert(recent->begin(), {logfont, face});
    if (recent->size() > kKeptFaces) recent->pop_back();
    return face;
}

// The font of the DC, opened and realized at the DC's mapping; null when no
// usable font is installed.
FontFace* RealizedFont(DeviceContext& dc, const TextUnits& units) {
    GdiObject& font = CurrentFont(dc);
    if (!font.face) font.face = SharedFace(font.logfont);
    if (!font.face) return nullptr;
    DeviceFontSize size;
    size.height = units.FontSizeToDevice(font.logfont.lfHeight);
    size.width = units.FontSizeToDevice(std::labs(font.logfont.lfWidth));
    size.orientation = DeviceEscapement(font.logfont, units);
    font.face->Realize(size);
    return font.face.get();
}

const unsigned char* Bytes(LPCSTR text) {
    return reinterpret_cast<const unsigned char*>(text);
}

int64_t DeviceWidth(FontFace& font, const unsigned char* text, int length) {
    int64_t width = 0;
    for (int i = 0; i < length; ++i)
        width += font.Glyph(text[i]).advance;
    return width;
}

// GDI's line thickness: at least a pixel.
int LineThickness(const TextUnits& units, int size) {
    return std::max(units.HeightRoundTrip(std::abs(size)), 1);
}

int LinePosition(const TextUnits& units, int position) {
    const int magnitude = units.HeightRoundTrip(std::abs(position));
    return position < 0 ? -magnitude : magnitude;
}

void DrawRun(DeviceContext& dc, const TextUnits& units, FontFace& font, const TextRun& run,
             const unsigned char* text, int length, const LOGFONTA& logfont, Raster& raster) {
    // Colours map onto a monochrome bitmap as for pens and brushes.
    const COLORREF background = dc.state.bkColor;
    // GDI fills the background in every mode but TRANSPARENT.
    if (dc.state.bkMode != TRANSPARENT)
        FillQuad(raster, run.CellBox(), ForegroundPixel(raster, background, background));
    const uint32_t color = ForegroundPixel(raster, dc.state.textColor, background);
    for (int i = 0; i < length; ++i)
        font.Draw(text[i], run.Pen(i).x, run.Pen(i).y, raster, color);
    const DecorationLines& lines = font.Lines();
    if (logfont.lfUnderline)
        FillQuad(raster,
                 run.Line(LinePosition(units, lines.underlinePosition),
                          LineThickness(units, lines.underlineSize)),
                 color);
    if (logfont.lfStrikeOut)
        FillQuad(raster,
                 run.Line(LinePosition(units, lines.strikeoutPosition),
                          LineThickness(units, lines.strikeoutSize)),
                 color);
}

// Lays out and draws a run; moves the current position under TA_UPDATECP.
BOOL LayOutAndDraw(DeviceContext& dc, int x, int y, const unsigned char* text, int length) {
    const TextUnits units(dc);
    FontFace* font = RealizedFont(dc, units);
    if (!font) return FALSE;
    const LOGFONTA& logfont = CurrentFont(dc).logfont;
    const TextRun run(dc, units, *font, text, length, POINT{x, y},
                      DeviceEscapement(logfont, units));
    if (run.NewCurrentPosition()) dc.state.currentPosition = *run.NewCurrentPosition();
    if (Raster* raster = TargetRaster(dc))
        DrawRun(dc, units, *font, run, text, length, logfont, *raster);
    return TRUE;
}

} // namespace

GdiObject& CurrentFont(DeviceContext& dc) {
    if (GdiObject* font = LookupObject(dc.state.font, ObjectKind::kFont)) return *font;
    if (GdiObject* font = LookupObject(GetStockObject(SYSTEM_FONT), ObjectKind::kFont))
        return *font;
    return BuiltInSystemFont();
}

void ReleaseFontFace(GdiObject& font) {
    font.face.reset();
}

} // namespace gdi

using namespace gdi;

HFONT CreateFontIndirectA(const LOGFONTA* logfont) {
    if (!logfont) return nullptr;
    auto font = std::make_unique<GdiObject>();
    font->kind = ObjectKind::kFont;
    font->logfont = *logfont;
    // GDI keeps at most LF_FACESIZE - 1 characters of the face name.
    font->logfont.lfFaceName[LF_FACESIZE - 1] = '\0';
    Lock lock(GdiLock());
    return static_cast<HFONT>(AddObject(std::move(font)));
}

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                  DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, LPCSTR faceName) {
    LOGFONTA logfont{};
    logfont.lfHeight = height;
    logfont.lfWidth = width;
    logfont.lfEscapement = escapement;
    logfont.lfOrientation = orientation;
    logfont.lfWeight = weight;
    logfont.lfItalic = static_cast<BYTE>(italic);
    logfont.lfUnderline = static_cast<BYTE>(underline);
    logfont.lfStrikeOut = static_cast<BYTE>(strikeOut);
    logfont.lfCharSet = static_cast<BYTE>(charSet);
    logfont.lfOutPrecision = static_cast<BYTE>(outPrecision);
    logfont.lfClipPrecision = static_cast<BYTE>(clipPrecision);
    logfont.lfQuality = static_cast<BYTE>(quality);
    logfont.lfPitchAndFamily = static_cast<BYTE>(pitchAndFamily);
    if (faceName) std::strncpy(logfont.lfFaceName, faceName, LF_FACESIZE - 1);
    return CreateFontIndirectA(&logfont);
}

BOOL TextOutA(HDC hdc, int x, int y, LPCSTR text, int length) {
    Lock lock(GdiLock());
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || length < 0) return FALSE;
    // No characters (a null string counts as none, as under Wine): nothing is
    // drawn and the current position stays.
    if (length == 0 || !text) return TRUE;
    try {
        return LayOutAndDraw(*dc, x, y, Bytes(text), length);
    } catch (const std::bad_alloc&) {
        return FALSE; // a run too long to lay out
    }
}

BOOL GetTextExtentPoint32A(HDC hdc, LPCSTR text, int length, LPSIZE size) {
    Lock lock(GdiLock());
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || !size || length < 0) return FALSE;
    if (length == 0 || !text) {
        *size = SIZE{0, 0}; // an empty extent, not the font's height (checked under Wine)
        return TRUE;
    }
    const TextUnits units(*dc);
    FontFace* font = RealizedFont(*dc, units);
    if (!font) return FALSE;
    size->cx = units.WidthToLogical(DeviceWidth(*font, Bytes(text), length));
    size->cy = units.HeightToLogical(font->Metrics().tmHeight);
    return TRUE;
}

// For TrueType fonts both give the sum of the advances.
BOOL GetTextExtentPointA(HDC hdc, LPCSTR text, int length, LPSIZE size) {
    return GetTextExtentPoint32A(hdc, text, length, size);
}

BOOL GetTextMetricsA(HDC hdc, LPTEXTMETRICA metrics) {
    Lock lock(GdiLock());
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || !metrics) return FALSE;
    const TextUnits units(*dc);
    FontFace* font = RealizedFont(*dc, units);
    if (!font) return FALSE;
    TEXTMETRICA tm = font->Metrics();
    const LOGFONTA& logfont = CurrentFont(*dc).logfont;
    tm.tmHeight = units.HeightToLogical(tm.tmHeight);
    tm.tmAscent = units.HeightToLogical(tm.tmAscent);
    tm.tmDescent = units.HeightToLogical(tm.tmDescent);
    tm.tmInternalLeading = units.HeightToLogical(tm.tmInternalLeading);
    tm.tmExternalLeading = units.HeightToLogical(tm.tmExternalLeading);
    tm.tmAveCharWidth = units.WidthToLogical(tm.tmAveCharWidth);
    tm.tmMaxCharWidth = units.WidthToLogical(tm.tmMaxCharWidth);
    tm.tmOverhang = units.WidthToLogical(tm.tmOverhang);
    // GDI reports the device's resolution as the digitized aspect.
    tm.tmDigitizedAspectX = dc->dpiX;
    tm.tmDigitizedAspectY = dc->dpiY;
    tm.tmUnderlined = logfont.lfUnderline ? 255 : 0;
    tm.tmStruckOut = logfont.lfStrikeOut ? 255 : 0;
    *metrics = tm;
    return TRUE;
}

BOOL GetCharABCWidthsA(HDC hdc, UINT first, UINT last, LPABC widths) {
    Lock lock(GdiLock());
    DeviceContext* dc = LookupDC(hdc);
    // Single-byte characters only, as with any single-byte ANSI code page.
    if (!dc || !widths || first > last || last > 0xFF) return FALSE;
    const TextUnits units(*dc);
    FontFace* font = RealizedFont(*dc, units);
    if (!font) return FALSE;
    for (UINT c = first; c <= last; ++c) {
        const ABC abc = font->Glyph(static_cast<unsigned char>(c)).abc;
        ABC& out = widths[c - first];
        out.abcA = units.WidthToLogical(abc.abcA);
        out.abcB = static_cast<UINT>(units.WidthToLogical(abc.abcB));
        out.abcC = units.WidthToLogical(abc.abcC);
    }
    return TRUE;
}

int GetTextFaceA(HDC hdc, int size, LPSTR faceName) {
    Lock lock(GdiLock());
    DeviceContext* dc = LookupDC(hdc);
    if (!dc) return 0;
    const TextUnits units(*dc);
    FontFace* font = RealizedFont(*dc, units);
    if (!font) return 0;
    const std::string name = Utf8ToCp1252(font->Family());
    const int length = static_cast<int>(name.size());
    // Without a buffer: the size it needs, terminator included. With one:
    // the characters copied, the name cut to fit and always terminated.
    if (!faceName) return length + 1;
    if (size <= 0) return 0;
    const int copied = std::min(length, size - 1);
    std::memcpy(faceName, name.data(), static_cast<size_t>(copied));
    faceName[copied] = '\0';
    return copied;
}

// The drawing surface over a GDI device context.
#include "render/CbcHDC.h"

#include "render/FaultPoint.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

bool CbcHDC::IsHighResolution() { return GetDeviceCaps(LOGPIXELSX) > kHighResolutionThreshold; }

BOOL CbcWinHDC::PatBlt(int x, int y, int width, int height, DWORD rop) {
    FaultPoint();
    return ::PatBlt(hdc_, x, y, width, height, rop);
}
int CbcWinHDC::GetDeviceCaps(int index) { return ::GetDeviceCaps(hdc_, index); }
UINT CbcWinHDC::SetTextAlign(UINT flags) { return ::SetTextAlign(hdc_, flags); }
UINT CbcWinHDC::GetTextAlign() { return ::GetTextAlign(hdc_); }
BOOL CbcWinHDC::TextOut(int x, int y, const char* text, int length) {
    return ::TextOutA(hdc_, x, y, text, length);
}
int CbcWinHDC::SaveDC() { return ::SaveDC(hdc_); }
BOOL CbcWinHDC::RestoreDC(int savedState) { return ::RestoreDC(hdc_, savedState); }
int CbcWinHDC::GetMapMode() { return ::GetMapMode(hdc_); }
int CbcWinHDC::SetMapMode(int mode) { return ::SetMapMode(hdc_, mode); }
BOOL CbcWinHDC::GetViewportExtEx(SIZE* extent) { return ::GetViewportExtEx(hdc_, extent); }
BOOL CbcWinHDC::GetWindowExtEx(SIZE* extent) { return ::GetWindowExtEx(hdc_, extent); }
BOOL CbcWinHDC::GetWindowOrgEx(POINT* origin) { return ::GetWindowOrgEx(hdc_, origin); }
BOOL CbcWinHDC::SetWindowOrgEx(int x, int y, POINT* previous) {
    return ::SetWindowOrgEx(hdc_, x, y, previous);
}
BOOL CbcWinHDC::LPtoDP(POINT* points, int count) { return ::LPtoDP(hdc_, points, count); }
BOOL CbcWinHDC::DPtoLP(POINT* points, int count) { return ::DPtoLP(hdc_, points, count); }
COLORREF CbcWinHDC::SetTextColor(COLORREF color) { return ::SetTextColor(hdc_, color); }
COLORREF CbcWinHDC::SetBkColor(COLORREF color) { return ::SetBkColor(hdc_, color); }
int CbcWinHDC::GetTextFace(int size, char* faceName) { return ::GetTextFaceA(hdc_, size, faceName); }
BOOL CbcWinHDC::GetTextExtentPoint(const char* text, int length, SIZE* size) {
    return ::GetTextExtentPointA(hdc_, text, length, size);
}
BOOL CbcWinHDC::GetCharABCWidths(UINT first, UINT last, ABC* widths) {
    return ::GetCharABCWidthsA(hdc_, first, last, widths);
}
HBRUSH CbcWinHDC::CreateSolidBrush(COLORREF color) { return ::CreateSolidBrush(color); }
HBRUSH CbcWinHDC::SelectBrush(HBRUSH brush) {
    return static_cast<HBRUSH>(::SelectObject(hdc_, brush));
}
BOOL CbcWinHDC::DeleteBrush(HBRUSH brush) { return ::DeleteObject(brush); }
HFONT CbcWinHDC::CreateFontIndirect(const LOGFONTA* logfont) {
    return ::CreateFontIndirectA(logfont);
}
HFONT CbcWinHDC::SelectFont(HFONT font) { return static_cast<HFONT>(::SelectObject(hdc_, font)); }
BOOL CbcWinHDC::DeleteFont(HFONT font) { return ::DeleteObject(font); }
BOOL CbcWinHDC::GetTextMetrics(TEXTMETRICA* metrics) { return ::GetTextMetricsA(hdc_, metrics); }
HGDIOBJ CbcWinHDC::SelectObject(HGDIOBJ object) { return ::SelectObject(hdc_, object); }
HGDIOBJ CbcWinHDC::SelectObjectAgain(HGDIOBJ object) { return ::SelectObject(hdc_, object); }

void CbcWinHDC::DeviceResolution(bool useLogicalPixels, double& rx, double& ry) {
    rx = GetDeviceCaps(LOGPIXELSX);
    ry = GetDeviceCaps(LOGPIXELSY);
    if (useLogicalPixels) return;
    // Pixels per inch from the physical size; a device that reports no size
    // keeps its logical resolution instead of dividing by zero.
    int widthMm = GetDeviceCaps(HORZSIZE), heightMm = GetDeviceCaps(VERTSIZE);
    if (widthMm > 0) rx = GetDeviceCaps(HORZRES) * 25.4 / widthMm;
    if (heightMm > 0) ry = GetDeviceCaps(VERTRES) * 25.4 / heightMm;
}

HFONT CbcWinHDC::CreateScaledFont(const char* faceName, int height, int width, int style,
                                  bool useLogicalPixels) {
    // Sizes in points mean the same whatever the caller left in the DC, so
    // the font is made in a state with no transform and no moved origins.
    int savedState = SaveDC();
    ::SetGraphicsMode(hdc_, GM_ADVANCED);
    ::ModifyWorldTransform(hdc_, nullptr, MWT_IDENTITY);
    ::SetViewportOrgEx(hdc_, 0, 0, nullptr);
    ::SetWindowOrgEx(hdc_, 0, 0, nullptr);

    double rx = 0, ry = 0;
    DeviceResolution(useLogicalPixels, rx, ry);
    // Device units times ten, then logical units.
    POINT size{static_cast<LONG>(width * rx / 72), static_cast<LONG>(height * ry / 72)};
    DPtoLP(&size, 1);
    const double sizeX = std::abs(size.x), sizeY = std::abs(size.y);

    LOGFONTA logfont{};
    logfont.lfHeight = -static_cast<LONG>(sizeY / 10 + 0.5);
    logfont.lfWeight = (style & kFontStyleBold) ? FW_BOLD : 0;
    logfont.lfItalic = (style & kFontStyleItalic) ? 1 : 0;
    logfont.lfUnderline = (style & kFontStyleUnderline) ? 1 : 0;
    logfont.lfStrikeOut = (style & kFontStyleStrikeOut) ? 1 : 0;
    logfont.lfCharSet = DEFAULT_CHARSET;
    std::strncpy(logfont.lfFaceName, faceName ? faceName : "", LF_FACESIZE - 1);
    HFONT font = CreateFontIndirect(&logfont);

    // A width is asked for: scale the font's own average width to it.
    if (width != 0 && font != nullptr && sizeY > 0) {
        TEXTMETRICA metrics{};
        HFONT previous = SelectFont(font);
        GetTextMetrics(&metrics);
        SelectFont(previous);
        DeleteFont(font);
        logfont.lfWidth = static_cast<LONG>(sizeX * metrics.tmAveCharWidth / sizeY + 0.5);
        font = CreateFontIndirect(&logfont);
    }
    RestoreDC(savedState);
    return font;
}

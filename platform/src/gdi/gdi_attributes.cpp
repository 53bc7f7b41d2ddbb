// The DC attributes that drawing and the text engine read: text and
// background colours, background mode, text alignment, stretch mode,
// graphics mode and the current position. Setters return the previous value
// and keep what they are given as it is (colours are resolved only when
// drawing, so GetTextColor returns a palette index unchanged, as GDI does).
#include "gdi_draw.h"

using gdi::DeviceContext;
using gdi::GdiLock;

namespace {

bool IsIdentity(const XFORM& xform) {
    return xform.eM11 == 1.0f && xform.eM12 == 0.0f && xform.eM21 == 0.0f && xform.eM22 == 1.0f &&
           xform.eDx == 0.0f && xform.eDy == 0.0f;
}

} // namespace

COLORREF SetTextColor(HDC hdc, COLORREF color) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc) return CLR_INVALID;
    COLORREF previous = dc->state.textColor;
    dc->state.textColor = color;
    return previous;
}

COLORREF GetTextColor(HDC hdc) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    const DeviceContext* dc = gdi::LookupDC(hdc);
    return dc ? dc->state.textColor : CLR_INVALID;
}

COLORREF SetBkColor(HDC hdc, COLORREF color) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc) return CLR_INVALID;
    COLORREF previous = dc->state.bkColor;
    dc->state.bkColor = color;
    return previous;
}

COLORREF GetBkColor(HDC hdc) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    const DeviceContext* dc = gdi::LookupDC(hdc);
    return dc ? dc->state.bkColor : CLR_INVALID;
}

int SetBkMode(HDC hdc, int mode) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
    int previous = dc->state.bkMode;
    dc->state.bkMode = mode;
    return previous;
}

int GetBkMode(HDC hdc) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    const DeviceContext* dc = gdi::LookupDC(hdc);
    return dc ? dc->state.bkMode : 0;
}

UINT SetTextAlign(HDC hdc, UINT flags) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc) return GDI_ERROR;
    UINT previous = dc->state.textAlign;
    dc->state.textAlign = flags;
    return previous;
}

UINT GetTextAlign(HDC hdc) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    const DeviceContext* dc = gdi::LookupDC(hdc);
    return dc ? dc->state.textAlign : GDI_ERROR;
}

int SetStretchBltMode(HDC hdc, int mode) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc || mode < BLACKONWHITE || mode > HALFTONE) return 0;
    int previous = dc->state.stretchMode;
    dc->state.stretchMode = mode;
    return previous;
}

int GetStretchBltMode(HDC hdc) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    const DeviceContext* dc = gdi::LookupDC(hdc);
    return dc ? dc->state.stretchMode : 0;
}

// Going back to GM_COMPATIBLE needs the identity world transform first, as
// Windows documents (Wine allows it; the system always resets the transform
// before, so both agree for it).
int SetGraphicsMode(HDC hdc, int mode) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc || (mode != GM_COMPATIBLE && mode != GM_ADVANCED)) return 0;
    if (mode == GM_COMPATIBLE && !IsIdentity(dc->state.worldTransform)) return 0;
    int previous = dc->state.graphicsMode;
    dc->state.graphicsMode = mode;
    return previous;
}

int GetGraphicsMode(HDC hdc) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    const DeviceContext* dc = gdi::LookupDC(hdc);
    return dc ? dc->state.graphicsMode : 0;
}

BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT previous) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc) return FALSE;
    if (previous) *previous = dc->state.currentPosition;
    dc->state.currentPosition = {x, y};
    return TRUE;
}

BOOL GetCurrentPositionEx(HDC hdc, LPPOINT position) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    const DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc || !position) return FALSE;
    *position = dc->state.currentPosition;
    return TRUE;
}

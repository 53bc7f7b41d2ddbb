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

// Replaces one attribute of a DC's state when the value is acceptable and
// returns the previous one; failure (unknown DC, refused value) gives the
// error value that GDI returns for that attribute.
template <typename Value>
Value ExchangeAttribute(HDC hdc, Value gdi::DcState::*attribute, Value value, Value error,
                        bool acceptable = true) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc || !acceptable) return error;
    Value previous = dc->state.*attribute;
    dc->state.*attribute = value;
    return previous;
}

template <typename Value>
Value ReadAttribute(HDC hdc, Value gdi::DcState::*attribute, Value error) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    const DeviceContext* dc = gdi::LookupDC(hdc);
    return dc ? dc->state.*attribute : error;
}

} // namespace

COLORREF SetTextColor(HDC hdc, COLORREF color) {
    return ExchangeAttribute(hdc, &gdi::DcState::textColor, color, COLORREF{CLR_INVALID});
}

COLORREF GetTextColor(HDC hdc) {
    return ReadAttribute(hdc, &gdi::DcState::textColor, COLORREF{CLR_INVALID});
}

COLORREF SetBkColor(HDC hdc, COLORREF color) {
    return ExchangeAttribute(hdc, &gdi::DcState::bkColor, color, COLORREF{CLR_INVALID});
}

COLORREF GetBkColor(HDC hdc) {
    return ReadAttribute(hdc, &gdi::DcState::bkColor, COLORREF{CLR_INVALID});
}

int SetBkMode(HDC hdc, int mode) {
    return ExchangeAttribute(hdc, &gdi::DcState::bkMode, mode, 0,
                             mode == TRANSPARENT || mode == OPAQUE);
}

int GetBkMode(HDC hdc) {
    return ReadAttribute(hdc, &gdi::DcState::bkMode, 0);
}

UINT SetTextAlign(HDC hdc, UINT flags) {
    return ExchangeAttribute(hdc, &gdi::DcState::textAlign, flags, UINT{GDI_ERROR});
}

UINT GetTextAlign(HDC hdc) {
    return ReadAttribute(hdc, &gdi::DcState::textAlign, UINT{GDI_ERROR});
}

int SetStretchBltMode(HDC hdc, int mode) {
    return ExchangeAttribute(hdc, &gdi::DcState::stretchMode, mode, 0,
                             mode >= BLACKONWHITE && mode <= HALFTONE);
}

int GetStretchBltMode(HDC hdc) {
    return ReadAttribute(hdc, &gdi::DcState::stretchMode, 0);
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

// Mapping modes, window and viewport origins and extents, the world
// transform, and the conversion between logical and device coordinates.
//
// The arithmetic is Wine's, because Wine is what the scene comparison runs
// against: the window-to-viewport scale is computed in double precision but
// kept, combined with the world transform, in an XFORM of single-precision
// fields; a point maps to floor(x * eM11 + y * eM21 + eDx + 0.5). The metric
// modes take their extents from HORZSIZE/VERTSIZE (whole millimetres) and
// HORZRES/VERTRES, so MM_TWIPS on a 96 dpi memory DC is 1024 pixels for
// 14400 * 271 / 254 = 15364 twips, not exactly 1/15 pixel per twip.
#include "gdi_draw.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

using gdi::DcState;
using gdi::DeviceContext;
using gdi::GdiLock;

namespace {

// a * b / c rounded half away from zero, as Windows' MulDiv; -1 when c is 0
// or the result does not fit.
int MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    if (c < 0) {
        a = -a;
        c = -c;
    }
    int64_t product = int64_t(a) * b;
    int64_t result = (product >= 0 ? product + c / 2 : product - c / 2) / c;
    if (result > INT_MAX || result < -INT_MAX) return -1;
    return static_cast<int>(result);
}

XFORM Combine(const XFORM& first, const XFORM& second) {
    XFORM r;
    r.eM11 = first.eM11 * second.eM11 + first.eM12 * second.eM21;
    r.eM12 = first.eM11 * second.eM12 + first.eM12 * second.eM22;
    r.eM21 = first.eM21 * second.eM11 + first.eM22 * second.eM21;
    r.eM22 = first.eM21 * second.eM12 + first.eM22 * second.eM22;
    r.eDx = first.eDx * second.eM11 + first.eDy * second.eM21 + second.eDx;
    r.eDy = first.eDx * second.eM12 + first.eDy * second.eM22 + second.eDy;
    return r;
}

// The inverse transform, false when it is singular.
bool Invert(const XFORM& x, XFORM& inverse) {
    double determinant = x.eM11 * x.eM22 - x.eM12 * x.eM21;
    if (determinant > -1e-12 && determinant < 1e-12) return false;
    inverse.eM11 = static_cast<FLOAT>(x.eM22 / determinant);
    inverse.eM12 = static_cast<FLOAT>(-x.eM12 / determinant);
    inverse.eM21 = static_cast<FLOAT>(-x.eM21 / determinant);
    inverse.eM22 = static_cast<FLOAT>(x.eM11 / determinant);
    inverse.eDx = -x.eDx * inverse.eM11 - x.eDy * inverse.eM21;
    inverse.eDy = -x.eDx * inverse.eM12 - x.eDy * inverse.eM22;
    return true;
}

POINT Apply(const XFORM& x, POINT point) {
    double px = point.x, py = point.y;
    return {gdi::RoundCoordinate(px * x.eM11 + py * x.eM21 + x.eDx),
            gdi::RoundCoordinate(px * x.eM12 + py * x.eM22 + x.eDy)};
}

bool ScalableMode(int mode) {
    return mode == MM_ISOTROPIC || mode == MM_ANISOTROPIC;
}

// MM_ISOTROPIC keeps logical units equally long on both axes (in
// millimetres of the device) by shrinking one viewport extent.
void FixIsotropic(const DeviceContext& dc, DcState& state) {
    double sizeX = gdi::DeviceCaps(dc, HORZSIZE), sizeY = gdi::DeviceCaps(dc, VERTSIZE);
    double resX = gdi::DeviceCaps(dc, HORZRES), resY = gdi::DeviceCaps(dc, VERTRES);
    double xdim = std::fabs(state.viewportExt.cx * sizeX / (resX * state.windowExt.cx));
    double ydim = std::fabs(state.viewportExt.cy * sizeY / (resY * state.windowExt.cy));
    if (xdim > ydim) {
        LONG minimum = state.viewportExt.cx >= 0 ? 1 : -1;
        state.viewportExt.cx = gdi::RoundCoordinate(state.viewportExt.cx * ydim / xdim);
        if (state.viewportExt.cx == 0) state.viewportExt.cx = minimum;
    } else {
        LONG minimum = state.viewportExt.cy >= 0 ? 1 : -1;
        state.viewportExt.cy = gdi::RoundCoordinate(state.viewportExt.cy * xdim / ydim);
        if (state.viewportExt.cy == 0) state.viewportExt.cy = minimum;
    }
}

// The extents a fixed mapping mode sets: so many logical units per
// millimetre (or inch) of the device.
bool SetModeExtents(const DeviceContext& dc, DcState& state, int mode) {
    int sizeX = gdi::DeviceCaps(dc, HORZSIZE), sizeY = gdi::DeviceCaps(dc, VERTSIZE);
    SIZE pixels{gdi::DeviceCaps(dc, HORZRES), -gdi::DeviceCaps(dc, VERTRES)};
    switch (mode) {
    case MM_TEXT:
        state.windowExt = {1, 1};
        state.viewportExt = {1, 1};
        return true;
    case MM_LOMETRIC:
    case MM_ISOTROPIC:
        state.windowExt = {sizeX * 10, sizeY * 10};
        break;
    case MM_HIMETRIC:
        state.windowExt = {sizeX * 100, sizeY * 100};
        break;
    case MM_LOENGLISH:
        state.windowExt = {MulDiv(1000, sizeX, 254), MulDiv(1000, sizeY, 254)};
        break;
    case MM_HIENGLISH:
        state.windowExt = {MulDiv(10000, sizeX, 254), MulDiv(10000, sizeY, 254)};
        break;
    case MM_TWIPS:
        state.windowExt = {MulDiv(14400, sizeX, 254), MulDiv(14400, sizeY, 254)};
        break;
    case MM_ANISOTROPIC:
        return true;
    default:
        return false;
    }
    state.viewportExt = pixels;
    return true;
}

template <class Update> BOOL UpdateState(HDC hdc, Update update) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    DeviceContext* dc = gdi::LookupDC(hdc);
    return dc && update(*dc) ? TRUE : FALSE;
}

template <class Value> BOOL ReadState(HDC hdc, Value* out, Value DcState::*member) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    const DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc || !out) return FALSE;
    *out = dc->state.*member;
    return TRUE;
}

BOOL TransformPoints(HDC hdc, LPPOINT points, int count, bool toDevice) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    const DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc) return FALSE;
    if (count <= 0) return TRUE;
    if (!points) return FALSE;
    XFORM xform = gdi::WorldToDevice(dc->state);
    if (!toDevice && !Invert(XFORM(xform), xform)) return FALSE;
    for (int i = 0; i < count; ++i)
        points[i] = Apply(xform, points[i]);
    return TRUE;
}

bool Singular(const XFORM& x) {
    return x.eM11 * x.eM22 == x.eM12 * x.eM21;
}

} // namespace

namespace gdi {

LONG RoundCoordinate(double value) {
    double rounded = std::floor(value + 0.5);
    if (!(rounded >= INT_MIN)) return INT_MIN; // also NaN
    if (rounded > INT_MAX) return INT_MAX;
    return static_cast<LONG>(rounded);
}

XFORM WorldToDevice(const DcState& state) {
    double scaleX = double(state.viewportExt.cx) / double(state.windowExt.cx);
    double scaleY = double(state.viewportExt.cy) / double(state.windowExt.cy);
    XFORM windowToViewport;
    windowToViewport.eM11 = static_cast<FLOAT>(scaleX);
    windowToViewport.eM12 = 0.0f;
    windowToViewport.eM21 = 0.0f;
    windowToViewport.eM22 = static_cast<FLOAT>(scaleY);
    windowToViewport.eDx =
        static_cast<FLOAT>(double(state.viewportOrg.x) - scaleX * state.windowOrg.x);
    windowToViewport.eDy =
        static_cast<FLOAT>(double(state.viewportOrg.y) - scaleY * state.windowOrg.y);
    return Combine(state.worldTransform, windowToViewport);
}

namespace {

// RoundCoordinate(value + shift) without the rounding when the shift is a
// whole number, as the origins of almost every DC are: the sum of two whole
// numbers of this size is exact in a double and rounds to itself.
LONG ShiftCoordinate(LONG value, FLOAT shift) {
    constexpr FLOAT kWholeBelow = 1e9f;
    if (shift > -kWholeBelow && shift < kWholeBelow && shift == FLOAT(int64_t(shift)))
        return static_cast<LONG>(
            std::clamp<int64_t>(int64_t(value) + int64_t(shift), INT_MIN, INT_MAX));
    return gdi::RoundCoordinate(double(value) + shift);
}

} // namespace

POINT LogicalToDevice(const DeviceContext& dc, POINT logical) {
    const DcState& state = dc.state;
    const XFORM& world = state.worldTransform;
    // Equal extents and no world transform (MM_TEXT above all) only shift:
    // the same sum, in the same precision, as the full transform gives.
    if (state.windowExt.cx == state.viewportExt.cx && state.windowExt.cy == state.viewportExt.cy &&
        state.windowExt.cx != 0 && state.windowExt.cy != 0 && world.eM11 == 1.0f &&
        world.eM12 == 0.0f && world.eM21 == 0.0f && world.eM22 == 1.0f && world.eDx == 0.0f &&
        world.eDy == 0.0f) {
        const auto dx = static_cast<FLOAT>(double(state.viewportOrg.x) - double(state.windowOrg.x));
        const auto dy = static_cast<FLOAT>(double(state.viewportOrg.y) - double(state.windowOrg.y));
        return {ShiftCoordinate(logical.x, dx), ShiftCoordinate(logical.y, dy)};
    }
    return Apply(WorldToDevice(state), logical);
}

POINT DeviceToLogical(const DeviceContext& dc, POINT device) {
    XFORM inverse;
    if (!Invert(WorldToDevice(dc.state), inverse)) return device;
    return Apply(inverse, device);
}

double ScaleX(const DeviceContext& dc) {
    return std::fabs(WorldToDevice(dc.state).eM11);
}

double ScaleY(const DeviceContext& dc) {
    return std::fabs(WorldToDevice(dc.state).eM22);
}

} // namespace gdi

int GetMapMode(HDC hdc) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    const DeviceContext* dc = gdi::LookupDC(hdc);
    return dc ? dc->state.mapMode : 0;
}

// Returns the previous mode. Choosing MM_ISOTROPIC or MM_ANISOTROPIC again
// keeps the extents the caller set.
int SetMapMode(HDC hdc, int mode) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc) return 0;
    int previous = dc->state.mapMode;
    if (mode == previous && ScalableMode(mode)) return previous;
    if (!SetModeExtents(*dc, dc->state, mode)) return 0;
    dc->state.mapMode = mode;
    return previous;
}

BOOL SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT previous) {
    return UpdateState(hdc, [&](DeviceContext& dc) {
        if (previous) *previous = dc.state.windowOrg;
        dc.state.windowOrg = {x, y};
        return true;
    });
}

BOOL GetWindowOrgEx(HDC hdc, LPPOINT origin) {
    return ReadState(hdc, origin, &DcState::windowOrg);
}

BOOL SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT previous) {
    return UpdateState(hdc, [&](DeviceContext& dc) {
        if (previous) *previous = dc.state.viewportOrg;
        dc.state.viewportOrg = {x, y};
        return true;
    });
}

BOOL GetViewportOrgEx(HDC hdc, LPPOINT origin) {
    return ReadState(hdc, origin, &DcState::viewportOrg);
}

// Extents change only in MM_ISOTROPIC and MM_ANISOTROPIC; in the other
// modes the call succeeds and changes nothing. A zero extent is refused.
BOOL SetWindowExtEx(HDC hdc, int x, int y, LPSIZE previous) {
    return UpdateState(hdc, [&](DeviceContext& dc) {
        if (previous) *previous = dc.state.windowExt;
        if (!ScalableMode(dc.state.mapMode)) return true;
        if (x == 0 || y == 0) return false;
        dc.state.windowExt = {x, y};
        if (dc.state.mapMode == MM_ISOTROPIC) FixIsotropic(dc, dc.state);
        return true;
    });
}

BOOL GetWindowExtEx(HDC hdc, LPSIZE extent) {
    return ReadState(hdc, extent, &DcState::windowExt);
}

BOOL SetViewportExtEx(HDC hdc, int x, int y, LPSIZE previous) {
    return UpdateState(hdc, [&](DeviceContext& dc) {
        if (previous) *previous = dc.state.viewportExt;
        if (!ScalableMode(dc.state.mapMode)) return true;
        if (x == 0 || y == 0) return false;
        dc.state.viewportExt = {x, y};
        if (dc.state.mapMode == MM_ISOTROPIC) FixIsotropic(dc, dc.state);
        return true;
    });
}

BOOL GetViewportExtEx(HDC hdc, LPSIZE extent) {
    return ReadState(hdc, extent, &DcState::viewportExt);
}

BOOL LPtoDP(HDC hdc, LPPOINT points, int count) {
    return TransformPoints(hdc, points, count, true);
}

BOOL DPtoLP(HDC hdc, LPPOINT points, int count) {
    return TransformPoints(hdc, points, count, false);
}

// The world transform is kept and applied to every point that goes through
// the mapping; shapes that GDI describes by two corners (rectangles,
// ellipses, blits) are drawn axis-parallel between the mapped corners, so
// rotations and shears are honoured for polygons only.
BOOL SetWorldTransform(HDC hdc, const XFORM* transform) {
    return UpdateState(hdc, [&](DeviceContext& dc) {
        if (!transform || dc.state.graphicsMode != GM_ADVANCED || Singular(*transform))
            return false;
        dc.state.worldTransform = *transform;
        return true;
    });
}

BOOL ModifyWorldTransform(HDC hdc, const XFORM* transform, DWORD mode) {
    return UpdateState(hdc, [&](DeviceContext& dc) {
        XFORM& world = dc.state.worldTransform;
        switch (mode) {
        case MWT_IDENTITY:
            world = XFORM{1.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
            return true;
        case MWT_LEFTMULTIPLY:
            if (!transform) return false;
            world = Combine(*transform, world);
            return true;
        case MWT_RIGHTMULTIPLY:
            if (!transform) return false;
            world = Combine(world, *transform);
            return true;
        default:
            return false;
        }
    });
}

BOOL GetWorldTransform(HDC hdc, LPXFORM transform) {
    return ReadState(hdc, transform, &DcState::worldTransform);
}

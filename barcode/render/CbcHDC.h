// The drawing surface: every drawing operation of the DLL, every resolution
// query and every text output goes through CbcHDC. CbcWinHDC wraps a GDI
// device context (a printer, a window or a memory DC) and forwards each
// operation to the GDI function of the same name, returning its result
// unchanged. The surface owns nothing: it never creates or deletes the
// device context it wraps.
//
// The virtual operations are declared in their fixed slot order.
#pragma once

#include "win32api.h"

// Style bits of CreateScaledFont.
inline constexpr int kFontStyleBold = 1;
inline constexpr int kFontStyleItalic = 2;
inline constexpr int kFontStyleUnderline = 4;
inline constexpr int kFontStyleStrikeOut = 8;

// Above this many dots per inch a device counts as high resolution.
inline constexpr int kHighResolutionThreshold = 150;

class CbcHDC {
  public:
    virtual ~CbcHDC() = default;
    // True when the surface was built around a non-null device context.
    virtual bool IsValid() { return valid_; }
    virtual HDC GetHdc() = 0;
    virtual BOOL PatBlt(int x, int y, int width, int height, DWORD rop) = 0;
    virtual bool IsHighResolution();
    virtual int GetDeviceCaps(int index) = 0;
    virtual UINT SetTextAlign(UINT flags) = 0;
    virtual UINT GetTextAlign() = 0;
    virtual BOOL TextOut(int x, int y, const char* text, int length) = 0;
    virtual int SaveDC() = 0;
    virtual BOOL RestoreDC(int savedState) = 0;
    virtual int GetMapMode() = 0;
    virtual int SetMapMode(int mode) = 0;
    virtual BOOL GetViewportExtEx(SIZE* extent) = 0;
    virtual BOOL GetWindowExtEx(SIZE* extent) = 0;
    virtual BOOL GetWindowOrgEx(POINT* origin) = 0;
    virtual BOOL SetWindowOrgEx(int x, int y, POINT* previous) = 0;
    virtual BOOL LPtoDP(POINT* points, int count) = 0;
    virtual BOOL DPtoLP(POINT* points, int count) = 0;
    virtual COLORREF SetTextColor(COLORREF color) = 0;
    virtual COLORREF SetBkColor(COLORREF color) = 0;
    virtual int GetTextFace(int size, char* faceName) = 0;
    virtual BOOL GetTextExtentPoint(const char* text, int length, SIZE* size) = 0;
    virtual BOOL GetCharABCWidths(UINT first, UINT last, ABC* widths) = 0;
    virtual HBRUSH CreateSolidBrush(COLORREF color) = 0;
    virtual HBRUSH SelectBrush(HBRUSH brush) = 0;
    virtual BOOL DeleteBrush(HBRUSH brush) = 0;
    // A font whose height and width are given in tenths of a point (1/720
    // inch), whatever the mapping mode; the resolution comes from the logical
    // pixels (useLogicalPixels) or from the physical size of the device.
    virtual HFONT CreateScaledFont(const char* faceName, int height, int width, int style,
                                   bool useLogicalPixels) = 0;
    virtual HFONT CreateFontIndirect(const LOGFONTA* logfont) = 0;
    virtual HFONT SelectFont(HFONT font) = 0;
    virtual BOOL DeleteFont(HFONT font) = 0;
    virtual BOOL GetTextMetrics(TEXTMETRICA* metrics) = 0;
    virtual HGDIOBJ SelectObject(HGDIOBJ object) = 0;
    // A second slot with the behaviour of SelectObject.
    virtual HGDIOBJ SelectObjectAgain(HGDIOBJ object) = 0;
    // A second slot with the behaviour of GetHdc.
    virtual HDC GetHdcAgain() = 0;

  protected:
    explicit CbcHDC(bool valid) : valid_(valid) {}

  private:
    bool valid_;
};

class CbcWinHDC : public CbcHDC {
  public:
    explicit CbcWinHDC(HDC hdc) : CbcHDC(hdc != nullptr), hdc_(hdc) {}
    ~CbcWinHDC() override = default; // the device context stays the caller's

    HDC GetHdc() override { return hdc_; }
    BOOL PatBlt(int x, int y, int width, int height, DWORD rop) override;
    int GetDeviceCaps(int index) override;
    UINT SetTextAlign(UINT flags) override;
    UINT GetTextAlign() override;
    BOOL TextOut(int x, int y, const char* text, int length) override;
    int SaveDC() override;
    BOOL RestoreDC(int savedState) override;
    int GetMapMode() override;
    int SetMapMode(int mode) override;
    BOOL GetViewportExtEx(SIZE* extent) override;
    BOOL GetWindowExtEx(SIZE* extent) override;
    BOOL GetWindowOrgEx(POINT* origin) override;
    BOOL SetWindowOrgEx(int x, int y, POINT* previous) override;
    BOOL LPtoDP(POINT* points, int count) override;
    BOOL DPtoLP(POINT* points, int count) override;
    COLORREF SetTextColor(COLORREF color) override;
    COLORREF SetBkColor(COLORREF color) override;
    int GetTextFace(int size, char* faceName) override;
    BOOL GetTextExtentPoint(const char* text, int length, SIZE* size) override;
    BOOL GetCharABCWidths(UINT first, UINT last, ABC* widths) override;
    HBRUSH CreateSolidBrush(COLORREF color) override;
    HBRUSH SelectBrush(HBRUSH brush) override;
    BOOL DeleteBrush(HBRUSH brush) override;
    HFONT CreateScaledFont(const char* faceName, int height, int width, int style,
                           bool useLogicalPixels) override;
    HFONT CreateFontIndirect(const LOGFONTA* logfont) override;
    HFONT SelectFont(HFONT font) override;
    BOOL DeleteFont(HFONT font) override;
    BOOL GetTextMetrics(TEXTMETRICA* metrics) override;
    HGDIOBJ SelectObject(HGDIOBJ object) override;
    HGDIOBJ SelectObjectAgain(HGDIOBJ object) override;
    HDC GetHdcAgain() override { return hdc_; }

  private:
    void DeviceResolution(bool useLogicalPixels, double& rx, double& ry);

    HDC hdc_;
};

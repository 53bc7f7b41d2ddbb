// GDI functions of the Win32 subset (Linux build): device contexts over
// 32-bit raster bitmaps, mapping modes, brushes and pens, blits, polygons
// and ellipses, and text through FreeType. Windows semantics throughout.
#pragma once

#include "types.h"

typedef DWORD COLORREF;
typedef float FLOAT;
#define RGB(r, g, b)                                                                               \
    ((COLORREF)(((BYTE)(r) | ((WORD)((BYTE)(g)) << 8)) | (((DWORD)(BYTE)(b)) << 16)))
#define GetRValue(rgb) ((BYTE)(rgb))
#define GetGValue(rgb) ((BYTE)(((WORD)(rgb)) >> 8))
#define GetBValue(rgb) ((BYTE)((rgb) >> 16))
#define CLR_INVALID 0xFFFFFFFF
#define GDI_ERROR 0xFFFFFFFFL
#define HGDI_ERROR ((HGDIOBJ)(LONG_PTR)-1)

struct HDC__;
typedef HDC__* HDC;
typedef void* HGDIOBJ;
struct HBITMAP__;
typedef HBITMAP__* HBITMAP;
struct HBRUSH__;
typedef HBRUSH__* HBRUSH;
struct HPEN__;
typedef HPEN__* HPEN;
struct HFONT__;
typedef HFONT__* HFONT;

typedef struct tagPOINT {
    LONG x;
    LONG y;
} POINT, *LPPOINT;
typedef struct tagSIZE {
    LONG cx;
    LONG cy;
} SIZE, *LPSIZE;
typedef struct tagRECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
} RECT, *LPRECT;

#define LF_FACESIZE 32
typedef struct tagLOGFONTA {
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    CHAR lfFaceName[LF_FACESIZE];
} LOGFONTA, *LPLOGFONTA;
typedef LOGFONTA LOGFONT;

typedef struct tagTEXTMETRICA {
    LONG tmHeight;
    LONG tmAscent;
    LONG tmDescent;
    LONG tmInternalLeading;
    LONG tmExternalLeading;
    LONG tmAveCharWidth;
    LONG tmMaxCharWidth;
    LONG tmWeight;
    LONG tmOverhang;
    LONG tmDigitizedAspectX;
    LONG tmDigitizedAspectY;
    BYTE tmFirstChar;
    BYTE tmLastChar;
    BYTE tmDefaultChar;
    BYTE tmBreakChar;
    BYTE tmItalic;
    BYTE tmUnderlined;
    BYTE tmStruckOut;
    BYTE tmPitchAndFamily;
    BYTE tmCharSet;
} TEXTMETRICA, *LPTEXTMETRICA;
typedef TEXTMETRICA TEXTMETRIC;

typedef struct _ABC {
    int abcA;
    UINT abcB;
    int abcC;
} ABC, *LPABC;

typedef struct tagXFORM {
    FLOAT eM11;
    FLOAT eM12;
    FLOAT eM21;
    FLOAT eM22;
    FLOAT eDx;
    FLOAT eDy;
} XFORM, *LPXFORM;

typedef struct tagBITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    LPVOID bmBits;
} BITMAP, *LPBITMAP;

// The header of a device-independent bitmap (GetDIBits reads 24 and 32
// bits per pixel, BI_RGB).
typedef struct tagBITMAPINFOHEADER {
    DWORD biSize;
    LONG biWidth;
    LONG biHeight; // positive: bottom-up rows; negative: top-down
    WORD biPlanes;
    WORD biBitCount;
    DWORD biCompression;
    DWORD biSizeImage;
    LONG biXPelsPerMeter;
    LONG biYPelsPerMeter;
    DWORD biClrUsed;
    DWORD biClrImportant;
} BITMAPINFOHEADER, *LPBITMAPINFOHEADER;

typedef struct tagRGBQUAD {
    BYTE rgbBlue;
    BYTE rgbGreen;
    BYTE rgbRed;
    BYTE rgbReserved;
} RGBQUAD;

typedef struct tagBITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[1];
} BITMAPINFO, *LPBITMAPINFO;

#define BI_RGB 0
#define DIB_RGB_COLORS 0

typedef struct tagLOGBRUSH {
    UINT lbStyle;
    COLORREF lbColor;
    ULONG_PTR lbHatch;
} LOGBRUSH;

typedef struct tagLOGPEN {
    UINT lopnStyle;
    POINT lopnWidth;
    COLORREF lopnColor;
} LOGPEN;

// Colours that name an entry of the default palette, or an exact RGB value.
#define PALETTEINDEX(i) ((COLORREF)(0x01000000 | (DWORD)(WORD)(i)))
#define PALETTERGB(r, g, b) (0x02000000 | RGB(r, g, b))

// Mapping modes.
#define MM_TEXT 1
#define MM_LOMETRIC 2
#define MM_HIMETRIC 3
#define MM_LOENGLISH 4
#define MM_HIENGLISH 5
#define MM_TWIPS 6
#define MM_ISOTROPIC 7
#define MM_ANISOTROPIC 8

// GetDeviceCaps indexes.
#define TECHNOLOGY 2
#define HORZSIZE 4
#define VERTSIZE 6
#define HORZRES 8
#define VERTRES 10
#define BITSPIXEL 12
#define PLANES 14
#define LOGPIXELSX 88
#define LOGPIXELSY 90
#define PHYSICALWIDTH 110
#define PHYSICALHEIGHT 111
#define PHYSICALOFFSETX 112
#define PHYSICALOFFSETY 113
#define DT_RASDISPLAY 1
#define DT_RASPRINTER 2

// Raster operations.
#define SRCCOPY 0x00CC0020
#define SRCPAINT 0x00EE0086
#define SRCAND 0x008800C6
#define SRCINVERT 0x00660046
#define NOTSRCCOPY 0x00330008
#define PATCOPY 0x00F00021
#define PATINVERT 0x005A0049
#define DSTINVERT 0x00550009
#define BLACKNESS 0x00000042
#define WHITENESS 0x00FF0062

// Text alignment.
#define TA_NOUPDATECP 0
#define TA_UPDATECP 1
#define TA_LEFT 0
#define TA_RIGHT 2
#define TA_CENTER 6
#define TA_TOP 0
#define TA_BOTTOM 8
#define TA_BASELINE 24

// Background modes, graphics modes, world transforms, stretch modes.
#define TRANSPARENT 1
#define OPAQUE 2
#define GM_COMPATIBLE 1
#define GM_ADVANCED 2
#define MWT_IDENTITY 1
#define MWT_LEFTMULTIPLY 2
#define MWT_RIGHTMULTIPLY 3
#define BLACKONWHITE 1
#define WHITEONBLACK 2
#define COLORONCOLOR 3
#define HALFTONE 4
#define STRETCH_ANDSCANS BLACKONWHITE
#define STRETCH_ORSCANS WHITEONBLACK
#define STRETCH_DELETESCANS COLORONCOLOR
#define STRETCH_HALFTONE HALFTONE

// Stock objects.
#define WHITE_BRUSH 0
#define LTGRAY_BRUSH 1
#define GRAY_BRUSH 2
#define DKGRAY_BRUSH 3
#define BLACK_BRUSH 4
#define NULL_BRUSH 5
#define WHITE_PEN 6
#define BLACK_PEN 7
#define NULL_PEN 8
#define SYSTEM_FONT 13
#define DEFAULT_GUI_FONT 17

// Pens and brushes.
#define PS_SOLID 0
#define PS_DASH 1
#define PS_DOT 2
#define PS_DASHDOT 3
#define PS_DASHDOTDOT 4
#define PS_NULL 5
#define PS_INSIDEFRAME 6
#define PS_STYLE_MASK 0x0000000F
#define BS_SOLID 0
#define BS_NULL 1

// Fonts.
#define FW_DONTCARE 0
#define FW_NORMAL 400
#define FW_BOLD 700
#define ANSI_CHARSET 0
#define DEFAULT_CHARSET 1
#define OUT_DEFAULT_PRECIS 0
#define OUT_TT_ONLY_PRECIS 7
#define CLIP_DEFAULT_PRECIS 0
#define DEFAULT_QUALITY 0
#define DEFAULT_PITCH 0
#define FW_THIN 100
#define FW_LIGHT 300
#define FW_MEDIUM 500
#define FW_SEMIBOLD 600
#define FW_HEAVY 900
#define SYMBOL_CHARSET 2
#define OEM_CHARSET 255
#define NONANTIALIASED_QUALITY 3
#define ANTIALIASED_QUALITY 4
#define FIXED_PITCH 1
#define VARIABLE_PITCH 2
#define FF_DONTCARE 0x00
#define FF_ROMAN 0x10
#define FF_SWISS 0x20
#define FF_MODERN 0x30
#define FF_SCRIPT 0x40
#define FF_DECORATIVE 0x50
// TEXTMETRIC tmPitchAndFamily: TMPF_FIXED_PITCH set means variable pitch.
#define TMPF_FIXED_PITCH 0x01
#define TMPF_VECTOR 0x02
#define TMPF_DEVICE 0x08
#define TMPF_TRUETYPE 0x04

// Device contexts and bitmaps.
HDC CreateCompatibleDC(HDC hdc);
BOOL DeleteDC(HDC hdc);
HDC GetDC(HWND window);
int ReleaseDC(HWND window, HDC hdc);
HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height);
HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
int GetDeviceCaps(HDC hdc, int index);

// Objects.
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object);
BOOL DeleteObject(HGDIOBJ object);
HGDIOBJ GetStockObject(int index);
HGDIOBJ GetCurrentObject(HDC hdc, UINT type);
int GetObjectA(HGDIOBJ object, int size, LPVOID buffer);
HBRUSH CreateSolidBrush(COLORREF color);
HPEN CreatePen(int style, int width, COLORREF color);
#define OBJ_PEN 1
#define OBJ_BRUSH 2
#define OBJ_FONT 6
#define OBJ_BITMAP 7

// State, mapping and transforms.
int SaveDC(HDC hdc);
BOOL RestoreDC(HDC hdc, int savedDC);
int GetMapMode(HDC hdc);
int SetMapMode(HDC hdc, int mode);
BOOL SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT previous);
BOOL GetWindowOrgEx(HDC hdc, LPPOINT origin);
BOOL SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT previous);
BOOL GetViewportOrgEx(HDC hdc, LPPOINT origin);
BOOL SetWindowExtEx(HDC hdc, int x, int y, LPSIZE previous);
BOOL GetWindowExtEx(HDC hdc, LPSIZE extent);
BOOL SetViewportExtEx(HDC hdc, int x, int y, LPSIZE previous);
BOOL GetViewportExtEx(HDC hdc, LPSIZE extent);
BOOL LPtoDP(HDC hdc, LPPOINT points, int count);
BOOL DPtoLP(HDC hdc, LPPOINT points, int count);
int SetGraphicsMode(HDC hdc, int mode);
int GetGraphicsMode(HDC hdc);
BOOL SetWorldTransform(HDC hdc, const XFORM* transform);
BOOL ModifyWorldTransform(HDC hdc, const XFORM* transform, DWORD mode);
BOOL GetWorldTransform(HDC hdc, LPXFORM transform);
int SetStretchBltMode(HDC hdc, int mode);
int GetStretchBltMode(HDC hdc);
BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT previous);
BOOL GetCurrentPositionEx(HDC hdc, LPPOINT position);

// Drawing.
BOOL PatBlt(HDC hdc, int x, int y, int width, int height, DWORD rop);
BOOL BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
            int sourceY, DWORD rop);
BOOL StretchBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
                int sourceY, int sourceWidth, int sourceHeight, DWORD rop);
BOOL Polygon(HDC hdc, const POINT* points, int count);
BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom);
BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom);
COLORREF GetPixel(HDC hdc, int x, int y);
// Copies lines rows of the bitmap, from row start of the DIB's own order, as
// 24- or 32-bit BGR pixels with rows padded to 4 bytes. With bits null it
// only fills in the header's size fields. Returns the rows copied, 0 on
// failure. The device context is not read.
int GetDIBits(HDC hdc, HBITMAP bitmap, UINT start, UINT lines, LPVOID bits, LPBITMAPINFO info,
              UINT usage);
COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color);

// Text.
HFONT CreateFontIndirectA(const LOGFONTA* logfont);
HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                  DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, LPCSTR faceName);
BOOL TextOutA(HDC hdc, int x, int y, LPCSTR text, int length);
BOOL GetTextExtentPointA(HDC hdc, LPCSTR text, int length, LPSIZE size);
BOOL GetTextExtentPoint32A(HDC hdc, LPCSTR text, int length, LPSIZE size);
BOOL GetTextMetricsA(HDC hdc, LPTEXTMETRICA metrics);
BOOL GetCharABCWidthsA(HDC hdc, UINT first, UINT last, LPABC widths);
int GetTextFaceA(HDC hdc, int size, LPSTR faceName);
UINT SetTextAlign(HDC hdc, UINT flags);
UINT GetTextAlign(HDC hdc);
COLORREF SetTextColor(HDC hdc, COLORREF color);
COLORREF GetTextColor(HDC hdc);
COLORREF SetBkColor(HDC hdc, COLORREF color);
COLORREF GetBkColor(HDC hdc);
int SetBkMode(HDC hdc, int mode);
int GetBkMode(HDC hdc);

// The clipboard, in-process.
#define CF_BITMAP 2
HWND GetDesktopWindow();
BOOL OpenClipboard(HWND owner);
BOOL EmptyClipboard();
HANDLE SetClipboardData(UINT format, HANDLE data);
HANDLE GetClipboardData(UINT format);
BOOL IsClipboardFormatAvailable(UINT format);
BOOL CloseClipboard();

// The ANSI names, as <windows.h> maps them when UNICODE is not defined, so
// that members and calls spelled without the suffix mean the same on both builds.
#define TextOut TextOutA
#define GetTextFace GetTextFaceA
#define GetTextExtentPoint GetTextExtentPointA
#define GetTextExtentPoint32 GetTextExtentPoint32A
#define GetCharABCWidths GetCharABCWidthsA
#define CreateFontIndirect CreateFontIndirectA
#define CreateFont CreateFontA
#define GetTextMetrics GetTextMetricsA
#define GetObject GetObjectA

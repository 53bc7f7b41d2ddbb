/* The public interface of the barcode library: Barcode.dll on Windows,
 * libbarcode.so on Linux. A host loads the library, checks BarcodeVInfo,
 * calls BarcodeInit once and then one print function per barcode, handing
 * over a device context and a BarcodeRequest whose command is a barcode
 * command such as "C=QR,B=30,H=20,D=hello".
 *
 * Every function is __stdcall (meaningless and empty on Linux) and returns a
 * 32-bit int. On Linux the device context comes from the platform layer
 * (rasterdc.h creates one over a bitmap); the extension entries behave as
 * the stand-alone library there, since no print program hooks exist.
 */
#ifndef BARCODE_PUBLIC_H
#define BARCODE_PUBLIC_H

#include "win32api.h"

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* One print request, owned by the caller (88 bytes in the 32-bit DLL). The
 * library works on a private copy and writes back errorText, symbologyId and
 * posY.
 *
 * (posX, posY) is the anchor point, not the top left corner: by default
 * (anchor code 16) the lower left corner of the bars lies there, so the bars
 * stand above posY and an annotation below the bars hangs beneath it. The
 * command's AL= option moves the point: AL=BL, BR, TL, TR select codes 16,
 * 18, 6, 8 (lower left, lower right, upper left, upper right corner of the
 * bars), and a number 0 to 24 is 5 x row + column, rows the top of the
 * whole block (annotation included), top of the bars, middle, bottom of the
 * bars, bottom of the block, columns the left of the block, left of the
 * bars, centre, right of the bars, right of the block. In the outer rows
 * and columns only 0, 2, 4, 10, 14, 20, 22 and 24 are points of their own;
 * the others there (1, 3, 5, 9, 15, 19, 21, 23) act as 6. The point turns
 * with the symbol (R=). X= and Y= in the command replace posX and posY, or
 * move them with a leading sign.
 *
 * command and commandLength: the options end at the data option (D= or d=);
 * the data is every byte from there to commandLength, NUL bytes included, so
 * binary data for Data Matrix, PDF417, QR Code or Code 128 may hold zero
 * bytes (a type that cannot encode one refuses the data). The library reads
 * exactly commandLength bytes, and needs no terminator, when they hold the
 * data option; a command without one must be NUL-terminated, so that a
 * length ending inside the options can be told. At most 65536 bytes. */
typedef struct BarcodeRequest {
    int32_t structVersion; /* set by the caller (Sondrel sends 3); read nowhere */
    int32_t posX;          /* anchor point x, logical units of the device context */
    int32_t posY;          /* anchor point y, same units (negative below the origin in MM_TWIPS) */
    int32_t targetWidth;   /* device units; <= 0: default width B */
    int32_t targetHeight;  /* device units; <= 0: default height H */
    const char* command;   /* command string (see above) */
    int32_t commandLength; /* bytes of the command, data included; the data ends here */
    int32_t checkDigit;    /* 1 or 2; anything else: default PZ */
    int32_t annotation;    /* <= 0: default BS */
    int32_t reserved36;    /* not read */
    int32_t reserved40;    /* not read */
    int32_t symbologyId;   /* in and out: type id; <= 0: default type */
    int32_t reserved48;    /* not read */
    int32_t barWidth1;     /* narrow element width; <= 0: default S1 */
    int32_t barWidth2;     /* the wider widths may be filled; not read */
    int32_t barWidth3;
    int32_t barWidth4;
    int32_t spaceWidth1; /* the same four widths for spaces; not read */
    int32_t spaceWidth2;
    int32_t spaceWidth3;
    int32_t spaceWidth4;
    const char* errorText; /* out: why the call failed; "" after success; valid
                              until the next print call in the process, also
                              after the thread that printed has ended */
} BarcodeRequest;

/* The library's version record, static and owned by the library. */
typedef struct VersionInfo {
    int32_t structVersion; /* 2 */
    const char* versionText;
    int32_t buildNumber;
    uint32_t featureFlags;
} VersionInfo;

/* The defaults a host hands to BarcodeSetDefaults (80 bytes); only version 2
 * is taken. */
typedef struct BarcodeDefaults {
    int32_t structVersion; /* must be 2 */
    int32_t moduleWidth;   /* S1 */
    int32_t checkDigit;    /* PZ */
    int32_t annotation;    /* BS */
    int32_t widthMm;       /* B */
    int32_t heightMm;      /* H */
    int32_t symbologyId;   /* default type (C=) */
    int32_t unread[8];     /* offsets 28 to 56, never read */
    int32_t rotation;      /* R */
    int32_t pdfSecurity;   /* SEC */
    int32_t spaceAdjust;   /* ADS */
    int32_t barAdjust;     /* ADB */
    int32_t ratio;         /* RA */
} BarcodeDefaults;

/* Once per process: set-up, and a report of it copied into text (at most size
 * bytes; a text of exactly "NoTime" on entry leaves out the time stamps).
 * A later call reports an empty text. Returns 1. */
int __stdcall BarcodeInit(char* text, int size);
/* Draws one barcode under the machine-wide lock "BarcodeMutex". 1: drawn;
 * 0: not drawn, request->errorText says why. */
int __stdcall BarcodePrint(HDC hdc, BarcodeRequest* request);
/* Replaces the in-memory defaults; 1 when defaults->structVersion is 2. */
int __stdcall BarcodeSetDefaults(const BarcodeDefaults* defaults);
/* Copies "4.2.4" with strncpy semantics; returns 0. */
int __stdcall BarcodeVersion(char* buffer, int size);
/* As BarcodePrint, without the lock. */
int __stdcall BarcodeTestPrint(HDC hdc, BarcodeRequest* request);
/* Re-reads the defaults from barcode.ini; returns 0. */
int __stdcall BarcodeReadDefaults(int ignored);
/* Stores the address of the static version record; returns 1. */
int __stdcall BarcodeVInfo(const VersionInfo** info);
/* As BarcodePrint, without the lock (the extension flag is set). */
int __stdcall BarcodePrintExt(HDC hdc, BarcodeRequest* request);
/* Draws into a new bitmap of the given resolution and puts it on the
 * clipboard as CF_BITMAP; hdc serves for resolution queries and error texts. */
int __stdcall BarcodePrintCB(HDC hdc, BarcodeRequest* request, int dpiX, int dpiY, int ignored);
/* As BarcodePrint, without the lock; reads no field beyond the 88 bytes. */
int __stdcall BarcodePrintNewStructWithPrinterName(HDC hdc, BarcodeRequest* request);

/* The entries a print program reaches when this library stands in for its
 * barcode library. Without a redirected library they serve this library. */
int __stdcall ExtensionInit(void);
int __stdcall ExtensionProc(void);
int __stdcall ExtensionBarcodeInit(char* text, int size);
int __stdcall ExtensionBarcodePrint(HDC hdc, BarcodeRequest* request);
int __stdcall ExtensionBarcodeVInfo(const VersionInfo** info);

#ifdef __cplusplus
}
#endif

#endif /* BARCODE_PUBLIC_H */

// The symbol parameter record: everything the symbol library needs of a
// request, in device pixels. Allocated per request and freed after drawing.
#pragma once

#include <cstdint>
#include <memory>

inline constexpr int kFontFaceSize = 31;

struct SymbolParams {
    int32_t libraryCode;
    int32_t rotation;           // quarter turns counter-clockwise, 0..3
    int32_t colour;             // bar colour, always 0 (black)
    int32_t moduleWidth;        // narrow element / module width, pixels
    int32_t height;             // bar height, pixels
    int32_t annotationPosition; // 2: centred below the bars; 0: none
    char fontFace[kFontFaceSize];
    int32_t fontHeight; // pixels; 0: the height of "X"; negative: points
    int32_t style;      // 1 bold, 2 italic, 0x20 "*" framing, 0x40 check in text, 0x80 shrink
    int32_t addOnDigits;
    int32_t ratio; // 20, 25, 30 or NNMM (NN/MM)
    int32_t checkOption;
    int32_t pdfSecurity;
    int32_t pdfRows;
    int32_t pdfColumns;
    int32_t extraGapDots;
    int32_t extraBarDots;
    int32_t dmEncodation;
    int32_t dmSize;
    int32_t dmOption;
    int32_t margin;
    int32_t qrMode;
    int32_t qrVersion;
    int32_t qrLevel;
    int32_t qrFnc1Mode;
    int32_t qrKanji;
};

// A zero-filled record; FreeSymbolParams releases it.
SymbolParams* CreateSymbolParams();
void FreeSymbolParams(SymbolParams* params);

struct SymbolParamsDeleter {
    void operator()(SymbolParams* params) const { FreeSymbolParams(params); }
};
using SymbolParamsPtr = std::unique_ptr<SymbolParams, SymbolParamsDeleter>;

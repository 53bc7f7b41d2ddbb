// From a parsed request to a drawn symbol: the request's sizes in device
// pixels, its data as the type takes it, the module width fitted to the
// requested width, and the symbol library's drawing or clipboard rendering.
#include "render/BarcodeLayout.h"

#include "catalog/Translate.h"
#include "defaults/DefaultSettings.h"
#include "log/Log.h"
#include "text/PrintableText.h"
#include "render/DataPreparation.h"
#include "render/ShipmentMessage.h"
#include "render/SymbolErrorReason.h"
#include "render/UnitConversion.h"
#include "symbol/LibraryCodes.h"
#include "symbol/SymbolEntry.h"
#include "symbol/SymbolErrors.h"
#include "typetable/BarcodeTypeTable.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr size_t kMaxDataLength = 2000;
constexpr int32_t kReportedMaxDataLength = 2002;
constexpr int32_t kMaxTypeId = 52;
constexpr int32_t kMsiTypeId = 31;
constexpr int32_t kItf14TypeId = 52;
constexpr int32_t kMaxiCodeTypeId = 45;
constexpr int32_t kDefaultBitmapDpi = 300;
constexpr int32_t kDefaultAnnotationMm = 5;
constexpr int32_t kAnnotationOn = 2; // centred below the bars
constexpr int32_t kStyleCheckInText = 0x40;
constexpr char kAnnotationFace[] = "Arial";
constexpr int kLayoutLogLevel = 5;

// Everything the layout works with, in device pixels.
struct Layout {
    int32_t dpiX = 0;
    int32_t dpiY = 0;
    bool bitmap = false;
    ReferenceScale scale;
    std::string data;
};

int32_t TypeDefaultBlankTrim(int32_t typeId) {
    for (const BarcodeTypeInfo& row : BarcodeTypeTable)
        if (row.longName != nullptr && row.id == typeId) return row.defaultBlankTrim;
    return 0;
}

// The resolution of what is drawn: the clipboard bitmap's in bitmap mode,
// so that millimetres stay millimetres in the bitmap, else the device's.
void ChooseResolution(CbcHDC& surface, const BarcodeParams& params, Layout& layout) {
    layout.bitmap = params.bitmapMode != 0;
    if (layout.bitmap) {
        layout.dpiX = params.bitmapDpiX > 0 ? params.bitmapDpiX : kDefaultBitmapDpi;
        layout.dpiY = params.bitmapDpiY > 0 ? params.bitmapDpiY : kDefaultBitmapDpi;
    } else {
        layout.dpiX = surface.GetDeviceCaps(LOGPIXELSX);
        layout.dpiY = surface.GetDeviceCaps(LOGPIXELSY);
    }
}

void ScaleLineWidths(const CommandOptions& options, BarcodeRequest& request, BarcodeParams& params,
                     CommandOptions& scaled, const Layout& layout) {
    if (options.referenceDpi < 1) return;
    const int32_t sx = layout.scale.x;
    if (request.barWidth1 > 0) request.barWidth1 = ScaleLineWidth(request.barWidth1, sx);
    if (options.wideBarGiven) scaled.wideBarWidth = ScaleLineWidth(options.wideBarWidth, sx);
    if (options.gapGiven) scaled.gapWidth = ScaleLineWidth(options.gapWidth, sx);
    params.spaceAdjust = ScaleDots(params.spaceAdjust, sx);
    params.barAdjust = ScaleDots(params.barAdjust, sx);
}

void ConvertSizesAndPosition(const CommandOptions& options, BarcodeRequest& request,
                             const Layout& layout) {
    const int32_t sx = layout.scale.x;
    const int32_t sy = layout.scale.y;
    if (options.width.given)
        request.targetWidth =
            ToDevicePixels(options.width.value, options.width.unit, layout.dpiX, sx);
    if (options.height.given)
        request.targetHeight =
            ToDevicePixels(options.height.value, options.height.unit, layout.dpiX, sx);
    if (options.x.given) {
        int32_t x = ToDevicePixels(options.x.value, options.x.unit, layout.dpiX, sx);
        request.posX = options.x.relative ? LimitPixels(int64_t{request.posX} + x) : x;
    }
    if (options.y.given) {
        int32_t y = ToDevicePixels(options.y.value, options.y.unit, layout.dpiY, sy);
        request.posY = options.y.relative ? LimitPixels(int64_t{request.posY} + y) : y;
    }
}

void ApplyRatioAndGapRules(const CommandOptions& options, const CommandOptions& scaled,
                           const BarcodeRequest& request, BarcodeParams& params) {
    const int32_t narrow = std::max(1, request.barWidth1);
    int32_t ratio = params.ratio;
    if (options.wideBarGiven && !options.ratioGiven)
        ratio = LimitPixels(int64_t{scaled.wideBarWidth} * 10 / narrow);
    params.ratio = QuantiseRatio(ratio);
    if (options.gapGiven && !options.spaceAdjustGiven && !options.barAdjustGiven) {
        if (scaled.gapWidth > narrow)
            params.spaceAdjust = scaled.gapWidth - narrow;
        else if (scaled.gapWidth < narrow)
            params.barAdjust = narrow - scaled.gapWidth;
    }
}

// The command's own confirmation box; false when the user cancels.
bool ConfirmCommand(const BarcodeRequest& request) {
    int answer = MessageBoxA(nullptr, PrintableText(request.command, request.commandLength),
                             GetText(501, 266, false), MB_OKCANCEL);
    return answer != IDCANCEL;
}

SymbolParamsPtr BuildSymbolParams(const BarcodeRequest& request, const BarcodeParams& params,
                                  const LibraryCodeOfType& library, const Layout& layout) {
    SymbolParamsPtr symbol(CreateSymbolParams());
    symbol->libraryCode = library.libraryCode;
    symbol->addOnDigits = library.addOnDigits;
    symbol->rotation = params.rotation;
    symbol->colour = 0;
    // A module of no pixels would draw narrow and wide elements alike.
    symbol->moduleWidth = std::max(1, request.barWidth1);
    symbol->height = request.targetHeight;
    const bool annotation = request.annotation > 0;
    symbol->annotationPosition = annotation ? kAnnotationOn : 0;
    std::strncpy(symbol->fontFace, kAnnotationFace, kFontFaceSize - 1);
    int32_t annotationMm = request.annotation > 1 ? request.annotation : kDefaultAnnotationMm;
    symbol->fontHeight = LimitPixels(int64_t{layout.dpiY} * annotationMm * 10 / 254);
    symbol->style = request.symbologyId == kItf14TypeId ? kStyleCheckInText : 0;
    symbol->ratio = params.ratio;
    symbol->checkOption = request.checkDigit;
    if (request.symbologyId == kMsiTypeId && symbol->checkOption > 0) --symbol->checkOption;
    symbol->pdfSecurity = params.pdfSecurity;
    symbol->pdfRows = params.pdfRows;
    symbol->pdfColumns = params.pdfColumns;
    symbol->extraGapDots = params.spaceAdjust;
    symbol->extraBarDots = params.barAdjust;
    symbol->dmEncodation = params.dmEncodation;
    symbol->dmSize = params.dmFormat;
    symbol->dmOption = params.dmControlChar;
    symbol->margin = params.dmMargin;
    symbol->qrMode = params.qrMode;
    symbol->qrVersion = params.qrVersion;
    symbol->qrLevel = params.qrEccLevel;
    symbol->qrFnc1Mode = params.qrFnc1Mode;
    symbol->qrKanji = params.qrKanji;
    return symbol;
}

// The surface the measurements are made on: in bitmap mode the symbol is
// measured at the bitmap's resolution.
bool Measure(CbcHDC& surface, const SymbolParams& symbol, const Layout& layout, SymbolMeasure& size,
             int32_t& error) {
    return MeasureSymbolSize(surface, symbol, layout.data, layout.data, size, error,
                             layout.bitmap ? layout.dpiX : 0, layout.bitmap ? layout.dpiY : 0);
}

// Fits the module width so that the bars take the requested width. The
// bars alone are measured: the annotation's overhang does not grow with the
// module, so counting it would leave the bars far narrower than asked for
// whenever the text is wider than the bars at one pixel per module.
bool FitModuleWidth(CbcHDC& surface, int32_t requestedWidth, SymbolParams& symbol,
                    const Layout& layout, int32_t& error) {
    SymbolParams probe = symbol;
    probe.moduleWidth = 1;
    SymbolMeasure withExtraDots;
    const bool extraDots = probe.extraBarDots != 0 || probe.extraGapDots != 0;
    if (extraDots && !Measure(surface, probe, layout, withExtraDots, error)) return false;
    probe.extraBarDots = 0;
    probe.extraGapDots = 0;
    SymbolMeasure plain;
    if (!Measure(surface, probe, layout, plain, error)) return false;
    const int64_t unitWidth = std::max(1, plain.bars.width);
    const int64_t extraWidth =
        extraDots ? std::min<int64_t>(requestedWidth, int64_t{withExtraDots.bars.width} - unitWidth)
                  : 0;
    int64_t module = (requestedWidth - extraWidth) / unitWidth;
    symbol.moduleWidth = std::max<int32_t>(1, LimitPixels(module));
    LogWrite(kLayoutLogLevel, "BarWidth based on %d bar size -> %d, requested %d\n",
             symbol.moduleWidth, plain.bars.width, requestedWidth);
    return true;
}

// A negative height names the opposite edge: the anchor moves by the
// symbol's whole height along its rotated vertical.
bool ShiftForNegativeHeight(CbcHDC& surface, SymbolParams& symbol, const Layout& layout,
                            BarcodeRequest& request, int32_t& error) {
    symbol.height = LimitPixels(-int64_t{symbol.height});
    SymbolMeasure size;
    if (!Measure(surface, symbol, layout, size, error)) return false;
    const int64_t total = size.total.height;
    switch (symbol.rotation) {
    case 1:
        request.posX = LimitPixels(request.posX + total);
        break;
    case 2:
        request.posY = LimitPixels(request.posY - total);
        break;
    case 3:
        request.posX = LimitPixels(request.posX - total);
        break;
    default:
        request.posY = LimitPixels(request.posY + total);
        break;
    }
    LogWrite(kLayoutLogLevel, "Negative requested BarHeight -> shift ypos to %d\n", request.posY);
    return true;
}

// The symbol library's refusal, as the request reports it. Callers match on
// the error table's text, so a reason only follows it.
void ReportSymbolError(int32_t error, const SymbolParams& symbol, const Layout& layout,
                       BarcodeParams& params, RequestErrorSink& errors) {
    thread_local std::string text;
    text = FormatSymbolError(
        error, PrintableText(layout.data.data(), static_cast<int32_t>(layout.data.size())));
    const std::string reason = SymbolErrorReason(error, symbol);
    if (!reason.empty()) text += ": " + reason;
    params.rendererErrorText = text.c_str();
    ReportRequestError(errors, kErrorSymbolRefused, "%s", text.c_str());
}

} // namespace

bool PrepareAndDrawBarcode(CbcHDC& surface, BarcodeRequest& request, BarcodeParams& params,
                           CommandOptions& options, RequestErrorSink& errors) {
    Layout layout;
    ChooseResolution(surface, params, layout);
    const int32_t typeId = request.symbologyId;

    if (options.windowOriginOffset != -1)
        surface.SetWindowOrgEx(0, options.windowOriginOffset, nullptr);

    const int32_t trim = options.blankTrim >= 0 ? options.blankTrim : TypeDefaultBlankTrim(typeId);
    layout.data =
        TrimBlanks(std::string(options.data, static_cast<size_t>(std::max(0, options.dataLength))),
                   trim, typeId);
    if (typeId == kMaxiCodeTypeId) {
        std::string message;
        int32_t error = BuildShipmentMessage(params, layout.data, message);
        if (error != 0) {
            thread_local std::string text;
            text = ShipmentErrorText(error);
            params.rendererErrorText = text.c_str();
            ReportRequestError(errors, kErrorSymbolRefused, "%s", text.c_str());
            return false;
        }
        layout.data = message;
    }
    if (layout.data.size() > kMaxDataLength) {
        ReportRequestError(errors, kErrorDataLength, GetText(501, 267, false),
                           kReportedMaxDataLength);
        return false;
    }
    if (layout.data.empty()) {
        if (!options.dataRequired) return true; // "d=" with no data draws nothing
        ReportRequestError(errors, kErrorUnknownOption, GetText(501, 197, false),
                           PrintableText(request.command, request.commandLength));
        return false;
    }

    layout.scale = ScaleForReference(layout.dpiX, layout.dpiY, options.referenceDpi);
    CommandOptions scaled = options;
    ScaleLineWidths(options, request, params, scaled, layout);
    ConvertSizesAndPosition(options, request, layout);
    ApplyRatioAndGapRules(options, scaled, request, params);
    if (options.confirm != 0 && !ConfirmCommand(request)) return true;

    layout.data = PrepareDataForType(typeId, layout.data, params);
    if (ForcesCheckModeOne(typeId, ProcessDefaults().keepCode128CheckDigit != 0))
        request.checkDigit = 1;

    const LibraryCodeOfType library = MapTypeToLibraryCode(typeId);
    if (typeId < 1 || typeId > kMaxTypeId || library.libraryCode == 0) {
        ReportRequestError(errors, kErrorUnknownBarcode, GetText(501, 265, false), typeId);
        return false;
    }

    SymbolParamsPtr symbol = BuildSymbolParams(request, params, library, layout);
    int32_t error = 0;
    bool ok = true;
    if (request.targetWidth > 0)
        ok = FitModuleWidth(surface, request.targetWidth, *symbol, layout, error);
    if (ok && symbol->height < 0)
        ok = ShiftForNegativeHeight(surface, *symbol, layout, request, error);
    LogWrite(kLayoutLogLevel, "Real BarHeight is %d\n", symbol->height);
    // A symbol without height would be reported as printed with nothing on paper.
    if (ok && symbol->height == 0) {
        ReportRequestError(errors, kErrorUnknownOption, GetText(501, 268, false),
                           PrintableText(request.command, request.commandLength));
        return false;
    }

    if (ok) {
        COLORREF previousBackground = surface.SetBkColor(RGB(255, 255, 255));
        error = layout.bitmap ? RenderSymbolToClipboard(layout.dpiX, layout.dpiY, *symbol,
                                                        layout.data, layout.data)
                              : DrawSymbol(surface, request.posX, request.posY, params.placement,
                                           *symbol, layout.data, layout.data);
        surface.SetBkColor(previousBackground);
    }
    if (error != 0) {
        ReportSymbolError(error, *symbol, layout, params, errors);
        return false;
    }
    return true;
}

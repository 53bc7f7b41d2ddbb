// The frame of a print request.
#include "pipeline/PrintFrame.h"

#include "catalog/Translate.h"
#include "command/CommandParser.h"
#include "command/StartingValues.h"
#include "log/Log.h"
#include "pipeline/ErrorReport.h"
#include "pipeline/FaultText.h"

#include <algorithm>
#include <atomic>
#include <climits>

namespace {

constexpr int kTwipsPerInch = 1440;

std::atomic<int> lastLoggedDpiX{-1};

// Logs the resolution whenever it differs from the one logged last, so the
// first request of a process always logs it.
void LogResolution(int dpiX, int dpiY) {
    if (lastLoggedDpiX.exchange(dpiX) == dpiX) return;
    if (LogWillWrite(1)) LogWrite(1, GetText(501, 119, false), dpiX, dpiY);
}

// value * numerator / denominator, truncated toward zero, kept in 32 bits.
// Twips positions convert into device pixels for the request's copy only;
// the caller's record keeps its twips.
int32_t ScaleTruncated(int32_t value, int64_t numerator, int64_t denominator) {
    int64_t scaled = static_cast<int64_t>(value) * numerator / denominator;
    return static_cast<int32_t>(std::clamp<int64_t>(scaled, INT32_MIN, INT32_MAX));
}

// The fall-back text of the first set flag, in the frame's order.
const char* FallbackErrorText(int32_t flags, const BarcodeParams& params) {
    if (flags & kErrorUnknownBarcode) return GetText(501, 201, false);
    if (flags & kErrorDataLength) return GetText(501, 202, false);
    if (flags & kErrorNonPrintableData) return GetText(501, 203, false);
    if (flags & kErrorUnknownOption) return GetText(501, 204, false);
    if (flags & kErrorInvalidSubcode) return GetText(501, 205, false);
    if (flags & kErrorEvenDigitsRequired) return GetText(501, 206, false);
    if (flags & kErrorInternal) return GetText(501, 207, false);
    if ((flags & kErrorSymbolRefused) && params.rendererErrorText != nullptr)
        return params.rendererErrorText;
    if (flags & kErrorSymbolRefused) return GetText(501, 207, false);
    return EmptyErrorText();
}

// What the frame found on the device context at entry and puts back.
class DeviceStateGuard {
  public:
    DeviceStateGuard(CbcHDC& surface, bool saveState) : surface_(surface) {
        if (saveState) savedState_ = surface_.SaveDC();
        HDC hdc = surface_.GetHdc();
        if (hdc != nullptr)
            for (size_t i = 0; i < kSelectedKinds; ++i)
                selected_[i] = GetCurrentObject(hdc, kSelectedTypes[i]);
    }
    void RememberMapMode(int mode) { mapMode_ = mode; }
    // After a fault the drawing did not put back what it had selected: the
    // caller's font, brush and pen go back in (which also frees the objects
    // of the request that were deleted while still selected).
    void RestoreSelections() {
        for (HGDIOBJ object : selected_)
            if (object != nullptr) surface_.SelectObject(object);
    }
    void RememberWindowOrigin() { originKnown_ = surface_.GetWindowOrgEx(&origin_) != FALSE; }
    ~DeviceStateGuard() {
        if (mapMode_ != 0) surface_.SetMapMode(mapMode_);
        POINT now{};
        if (originKnown_ && surface_.GetWindowOrgEx(&now) &&
            (now.x != origin_.x || now.y != origin_.y))
            surface_.SetWindowOrgEx(origin_.x, origin_.y, nullptr);
        if (savedState_ != 0) surface_.RestoreDC(savedState_);
    }

  private:
    static constexpr size_t kSelectedKinds = 3;
    static constexpr UINT kSelectedTypes[kSelectedKinds] = {OBJ_FONT, OBJ_BRUSH, OBJ_PEN};

    CbcHDC& surface_;
    HGDIOBJ selected_[kSelectedKinds] = {};
    int savedState_ = 0;
    int mapMode_ = 0;
    bool originKnown_ = false;
    POINT origin_{};
};

// The option loop and the drawing of the request's copy.
void ParseAndDraw(CbcHDC& surface, BarcodeRequest& copy, BarcodeRequest& request,
                  BarcodeParams& params, CommandOptions& options, CRequestReporter& reporter,
                  DrawStage draw) {
    if (ParseCommand(copy.command, copy.commandLength, copy, params, options, reporter)) {
        request.symbologyId = copy.symbologyId;
        bool drawn = draw(surface, copy, params, options, reporter);
        // A symbol that was not drawn is never reported as printed.
        if (!drawn && reporter.Flags() == 0)
            reporter.Report(kErrorInternal, GetText(501, 207, false));
    } else if (reporter.Flags() == 0) {
        reporter.Report(kErrorUnknownOption, GetText(501, 204, false));
    }
}

} // namespace

int DoBarcodePrint(CbcHDC& surface, const DefaultSettings& defaults, const char* command,
                   int32_t commandLength, BarcodeRequest& request, const PrintMode& mode,
                   DrawStage draw) {
    int32_t flags = 0;
    BarcodeParams params{};
    {
        DeviceStateGuard deviceState(surface, defaults.saveDc != 0);
        const int dpiX = surface.GetDeviceCaps(LOGPIXELSX);
        const int dpiY = surface.GetDeviceCaps(LOGPIXELSY);
        LogResolution(dpiX, dpiY);

        request.errorText = nullptr;
        BarcodeRequest copy = request;
        CommandOptions options;
        FillStartingValues(defaults, dpiX,
                           BitmapTarget{mode.bitmapMode, mode.bitmapDpiX, mode.bitmapDpiY}, copy,
                           params, options);
        CRequestReporter reporter(surface, request, command, commandLength,
                                  defaults.showErrors != 0);

        const int mapMode = surface.GetMapMode();
        deviceState.RememberMapMode(mapMode);
        if (mapMode == MM_TWIPS && dpiX > 0 && dpiY > 0) {
            copy.posX = ScaleTruncated(copy.posX, dpiX, kTwipsPerInch);
            copy.posY = ScaleTruncated(copy.posY, dpiY, -kTwipsPerInch);
            surface.SetMapMode(MM_TEXT);
            reporter.UseConvertedTwipsPosition(copy.posX, copy.posY, dpiY);
        } else if (mapMode == MM_TWIPS) {
            ReportRequestError(reporter, kErrorInternal, GetText(501, 261, false), dpiX, dpiY);
        } else if (mapMode != MM_TEXT) {
            ReportRequestError(reporter, kErrorUnknownBarcode, GetText(501, 120, false));
        }

        if (reporter.Flags() == 0) {
            deviceState.RememberWindowOrigin();
            if (LogWillWrite(1)) LogWrite(1, "\n====\n");
            copy.command = command;
            copy.commandLength = commandLength;
            // A fault inside the request (an allocation that fails, an error
            // thrown deep in an encoder) fails this request alone: the print
            // server goes on, and the device context is given back.
            try {
                ParseAndDraw(surface, copy, request, params, options, reporter, draw);
            } catch (...) {
                deviceState.RestoreSelections();
                char message[kErrorMessageBufferSize];
                FormatCaughtFault(message, sizeof message, GetText(501, 275, false));
                reporter.Report(kErrorInternal, message);
            }
        }
        flags = reporter.Flags();
    }
    if (request.errorText == nullptr) request.errorText = FallbackErrorText(flags, params);
    return flags == 0 ? 1 : 0;
}

void ResetResolutionLogForTesting() {
    lastLoggedDpiX.store(-1);
}

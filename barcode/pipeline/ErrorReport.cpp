// The message routine of a print request.
#include "pipeline/ErrorReport.h"

#include "catalog/Translate.h"
#include "log/Log.h"
#include "pipeline/ErrorTextStore.h"
#include "text/PrintableText.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

// The error lines are 7 points high (tenths of a point), whatever the device.
constexpr int kErrorFontHeight = 70;

int32_t SaturatedAdd(int32_t value, int64_t delta) {
    int64_t sum = static_cast<int64_t>(value) + delta;
    return static_cast<int32_t>(std::clamp<int64_t>(sum, INT32_MIN, INT32_MAX));
}

} // namespace

const char* EmptyErrorText() {
    return "";
}

CRequestReporter::CRequestReporter(CbcHDC& surface, BarcodeRequest& request, const char* command,
                                   int32_t commandLength, bool writeOntoDevice)
    : surface_(surface), request_(request), command_(command), commandLength_(commandLength),
      writeOntoDevice_(writeOntoDevice) {}

void CRequestReporter::UseConvertedTwipsPosition(int32_t pixelX, int32_t pixelY, int dpiY) {
    twips_ = dpiY > 0;
    pixelX_ = pixelX;
    pixelY_ = pixelY;
    dpiY_ = dpiY;
}

void CRequestReporter::Report(int32_t flag, const char* message) {
    flags_ |= flag;
    char* text = ThreadErrorText();
    std::snprintf(text, kErrorMessageBufferSize, "%s", message != nullptr ? message : "");
    if (LogWillWrite(1)) LogWrite(1, GetText(501, 115, false), text);
    if (writeOntoDevice_) WriteErrorLines(text);
    size_t length = std::strlen(text);
    if (length < kErrorMessageBufferSize - 1) std::strcpy(text + length, "\n");
    request_.errorText = text;
}

// Heading, message, "Command:" and the command, one below the other, at the
// request's position; the caller's posY ends below the last line.
void CRequestReporter::WriteErrorLines(const char* message) {
    HFONT font = surface_.CreateScaledFont(GetText(501, 116, true), kErrorFontHeight, 0, 0, false);
    HFONT previousFont = font != nullptr ? surface_.SelectFont(font) : nullptr;
    UINT previousAlign = surface_.SetTextAlign(TA_LEFT | TA_TOP | TA_NOUPDATECP);

    const char* lines[] = {GetText(501, 117, false), message, GetText(501, 118, false),
                           PrintableText(command_, commandLength_)};
    int32_t x = twips_ ? pixelX_ : request_.posX;
    int32_t y = twips_ ? pixelY_ : request_.posY;
    int64_t advanced = 0;
    for (const char* line : lines) {
        int length = static_cast<int>(std::strlen(line));
        surface_.TextOut(x, y, line, length);
        SIZE extent{};
        if (!surface_.GetTextExtentPoint(line, length, &extent)) extent.cy = 0;
        y = SaturatedAdd(y, extent.cy);
        advanced += extent.cy;
    }
    // A twips position grows upwards: moving down the page makes it smaller.
    request_.posY = twips_ ? SaturatedAdd(request_.posY, -advanced * 1440 / dpiY_)
                           : SaturatedAdd(request_.posY, advanced);

    if (previousAlign != GDI_ERROR) surface_.SetTextAlign(previousAlign);
    if (font != nullptr) {
        surface_.SelectFont(previousFont);
        surface_.DeleteFont(font);
    }
}

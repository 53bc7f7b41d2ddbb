// The log lines of the defaults, in the order support staff know them.
#include "defaults/DefaultsLog.h"

#include "catalog/Translate.h"
#include "log/Log.h"

namespace {
constexpr int kDefaultsLogLevel = 3;
}

void LogDefaultSettings(const DefaultSettings& d) {
    const int level = kDefaultsLogLevel;
    if (!LogWillWrite(level)) return;
    // Each write checks the log again, so the lines stop where the log closes.
    LogWrite(level, GetText(501, 93, false), d.moduleWidth);
    LogWrite(level, GetText(501, 94, false), d.checkDigit);
    LogWrite(level, GetText(501, 95, false), d.annotation);
    LogWrite(level, GetText(501, 96, false), d.widthMm);
    LogWrite(level, GetText(501, 97, false), d.heightMm);
    LogWrite(level, GetText(501, 98, false), d.pdfSecurity);
    LogWrite(level, GetText(501, 99, false), d.ratio);
    LogWrite(level, GetText(501, 100, false), d.spaceAdjust, d.barAdjust);
    LogWrite(level, GetText(501, 101, false), d.dmEncodation, d.dmFormat);
    LogWrite(level, GetText(501, 102, false), d.dmMargin);
    LogWrite(level, GetText(501, 103, false), d.emValue, d.ecValue);
    LogWrite(level, GetText(501, 104, false), d.saveDc);
    LogWrite(level, GetText(501, 237, false), d.qrMode, d.qrVersion);
    LogWrite(level, GetText(501, 238, false), d.qrEccLevel, d.qrFnc1Mode, d.qrKanji);
    LogWrite(level, GetText(501, 247, false), d.blankTrim, d.windowOriginOffset, d.referenceDpi);
    LogWrite(level, GetText(501, 105, false), d.typeText, d.symbologyId, d.rotation, 0);
}

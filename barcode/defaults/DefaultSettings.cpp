// The in-memory defaults and BarcodeSetDefaults.
#include "defaults/DefaultSettings.h"

DefaultSettings& ProcessDefaults() {
    static DefaultSettings defaults;
    return defaults;
}

int SetDefaults(const BarcodeDefaults* record) {
    if (record == nullptr || record->structVersion != kBarcodeDefaultsVersion) return 0;
    DefaultSettings& defaults = ProcessDefaults();
    defaults.moduleWidth = record->moduleWidth;
    defaults.checkDigit = record->checkDigit;
    defaults.annotation = record->annotation;
    defaults.widthMm = record->widthMm;
    defaults.heightMm = record->heightMm;
    defaults.symbologyId = record->symbologyId;
    defaults.rotation = record->rotation;
    defaults.pdfSecurity = record->pdfSecurity;
    defaults.spaceAdjust = record->spaceAdjust;
    defaults.barAdjust = record->barAdjust;
    defaults.ratio = record->ratio;
    return 1;
}

#include "PclSequences.h"

#include "TestSettings.h"

PclInputs PclInputsFromSettings(const TestSettings& s) {
    PclInputs in;
    in.barcodeType = s.barcodeType;
    in.checkDigit = s.checkDigit;
    in.annotate = s.annotate;
    in.height = s.height;
    in.commonDpi = s.commonDpi;
    in.smallBar = s.smallBar;
    in.ratioIndex = s.ratioIndex;
    in.extraDotsBar = s.extraDotsBar;
    in.extraDotsGap = s.extraDotsGap;
    in.forcedRows = s.forcedRows;
    in.forcedColumns = s.forcedColumns;
    in.securityLevel = s.securityLevel;
    in.rotationIndex = s.rotationIndex;
    return in;
}

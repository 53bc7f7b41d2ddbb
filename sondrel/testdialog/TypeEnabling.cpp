// Which of the test dialog's controls a barcode type enables, what a type
// change does to the two check boxes, and the layout of the width group.
#include "TestSettings.h"

#include "catalog/Translate.h"
#include "typetable/BarcodeTypeTable.h"

ControlEnabling EnablingFor(const TestSettings& s) {
    const char* type = s.barcodeType.c_str();
    ControlEnabling e{};
    e.checkDigit = HasCheckDigitOption(type);
    e.annotate = HasAnnotationOption(type) != 0;
    e.ratioAndExtraDots = HasRatioOption(type) != 0;
    e.rotation = HasRotationOption(type) != 0;
    e.pdf417 = HasPdf417Options(type) != 0;
    e.dataMatrix = HasDataMatrixOptions(type) != 0;
    e.fnc1 = HasFnc1Option(type) != 0;
    e.xFields = s.xEnabled != 0;
    e.yFields = s.yEnabled != 0;
    return e;
}

// A box that the new type disables shows what the type does; a box that
// comes back shows the user's last own choice, not what the previous type
// forced on it.
void ApplyTypeChange(TestSettings& s, const ControlEnabling& before) {
    const char* type = s.barcodeType.c_str();
    if (HasMandatoryCheckDigit(type))
        s.checkDigit = 1;
    else if (!HasCheckDigitOption(type))
        s.checkDigit = 0;
    else if (!before.checkDigit)
        s.checkDigit = s.rememberedCheckDigit;

    if (!HasAnnotationOption(type))
        s.annotate = 0;
    else if (!before.annotate)
        s.annotate = s.rememberedAnnotate;
}

void RememberCheckBoxChoices(TestSettings& s) {
    s.rememberedAnnotate = s.annotate;
    s.rememberedCheckDigit = s.checkDigit;
}

AbsoluteWidthLayout ApplyAbsoluteWidthLayout(TestSettings& s) {
    // An absolute width of 0 would let the module width decide again.
    if (s.absoluteWidth && s.width == 0) s.width = 50;
    AbsoluteWidthLayout layout{};
    layout.showWidth = s.absoluteWidth != 0;
    layout.groupTitle = s.absoluteWidth ? GetText(210, 19, false) : GetText(210, 20, false);
    return layout;
}

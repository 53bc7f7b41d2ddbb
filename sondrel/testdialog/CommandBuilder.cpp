// The command string of the test dialog's settings, without the data: the
// keys of the DLL's command language in a fixed order, each piece ending
// with a comma, the data key "d=" last.
#include "TestSettings.h"

#include "DecimalPrefix.h"
#include "typetable/BarcodeTypeTable.h"

#include <cstdio>
#include <cstring>
#include <iterator>

namespace {

// Combos 174 and 175 by index.
constexpr const char* kUnitTexts[] = {"mm", "mil", "px"};

void AppendNumber(std::string& command, const char* key, int value) {
    command += key;
    command += std::to_string(value);
    command += ',';
}

void AppendText(std::string& command, const char* key, const std::string& value) {
    command += key;
    command += value;
    command += ',';
}

const char* UnitText(int unit) {
    return unit >= 0 && unit < 3 ? kUnitTexts[unit] : "";
}

// "X=5mm" places absolutely; "X=+5mm" moves from the caller's position. A
// negative value already carries its sign, so it never gets a "+" and is
// always relative for the DLL.
void AppendPosition(std::string& command, const char* key, int value, int absolute, int unit) {
    command += key;
    if (absolute == 0 && value >= 0) command += '+';
    command += std::to_string(value);
    command += UnitText(unit);
    command += ',';
}

bool IsDigitValue(int value) {
    return value >= 0 && value <= 9;
}

// The compact "Z=" form pays off only for types with ratio and extra dots
// (three points) and at least one more option, and only while every value
// fits its digits.
bool UsesCompactForm(const TestSettings& s) {
    const char* type = s.barcodeType.c_str();
    int points = (HasRatioOption(type) ? 3 : 0) + (HasRotationOption(type) ? 1 : 0) +
                 (HasCheckDigitOption(type) ? 1 : 0) + (HasAnnotationOption(type) ? 1 : 0);
    return points > 3 && s.annotate >= 0 && s.annotate <= 99 && IsDigitValue(s.checkDigit) &&
           IsDigitValue(s.ratioIndex) && IsDigitValue(s.extraDotsGap) &&
           IsDigitValue(s.extraDotsBar) && IsDigitValue(s.rotationIndex);
}

void AppendCompactForm(std::string& command, const TestSettings& s) {
    char z[16];
    std::snprintf(z, sizeof z, "Z=%02d%01d%01d%01d%01d%01d,", s.annotate, s.checkDigit,
                  s.ratioIndex, s.extraDotsGap, s.extraDotsBar, s.rotationIndex);
    command += z;
}

void AppendSeparateOptions(std::string& command, const TestSettings& s) {
    const char* type = s.barcodeType.c_str();
    if (HasCheckDigitOption(type)) AppendNumber(command, "P=", s.checkDigit);
    if (HasAnnotationOption(type)) AppendNumber(command, "A=", s.annotate);
    if (HasRatioOption(type)) {
        // Ratio index 0, 1, 2 stands for 2.0, 2.5, 3.0 : 1, sent in tenths.
        AppendNumber(command, "RA=", s.ratioIndex * 5 + 20);
        AppendNumber(command, "ADS=", s.extraDotsGap);
        AppendNumber(command, "ADB=", s.extraDotsBar);
    }
    if (HasRotationOption(type)) AppendNumber(command, "R=", s.rotationIndex);
}

bool EqualsNoneInAnyCase(const std::string& text) {
    static constexpr char kNone[] = "none";
    if (text.size() != sizeof kNone - 1) return false;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != kNone[i]) return false;
    }
    return true;
}

void AppendDataMatrixOptions(std::string& command, const TestSettings& s) {
    if (s.dmEncodingIndex >= 0) AppendText(command, "DME=", s.dmEncoding);
    AppendText(command, "DMF=", s.dmFormat);
    AppendNumber(command, "DMC=", DataMatrixControlCharValue(s.dmControlChar));
    AppendText(command, "DMM=", s.dmMargin);
}

void AppendMaxiCodeFields(std::string& command, const MaxiCodeFields& fields) {
    constexpr size_t kFieldsBeforeValidation = 5; // postal code to state
    for (size_t i = 0; i < std::size(kMaxiCodeFieldLimits); ++i) {
        if (i == kFieldsBeforeValidation)
            AppendText(command, "MCAV=", fields.addressValidation ? "Y" : "N");
        const MaxiCodeFieldLimit& limit = kMaxiCodeFieldLimits[i];
        AppendText(command, limit.key, fields.*limit.field);
    }
}

} // namespace

// Combo 160 offers "None" and "~" and takes any text: one character stands
// for itself, a longer text is its decimal code.
int DataMatrixControlCharValue(const std::string& text) {
    if (text.empty() || EqualsNoneInAnyCase(text)) return 0;
    if (text.size() == 1) return static_cast<unsigned char>(text[0]);
    return DecimalPrefix(text.c_str());
}

std::string BuildCommandString(const TestSettings& s, const MaxiCodeFields* maxicode) {
    const char* type = s.barcodeType.c_str();
    std::string command;
    AppendText(command, "C=", FindTypeCodeByName(type));
    AppendNumber(command, "B=", s.absoluteWidth ? s.width : 0);
    AppendNumber(command, "H=", s.height);
    if (s.xEnabled) AppendPosition(command, "X=", s.xValue, s.xAbsolute, s.xUnit);
    if (s.yEnabled) AppendPosition(command, "Y=", s.yValue, s.yAbsolute, s.yUnit);
    if (s.commonDpi != 600) AppendNumber(command, "I=", s.commonDpi);
    if (s.killBlanks) AppendNumber(command, "KB=", 3);
    // With an absolute width the DLL fits the module width itself.
    if (!s.absoluteWidth || s.width == 0) AppendNumber(command, "S1=", s.smallBar);
    if (UsesCompactForm(s))
        AppendCompactForm(command, s);
    else
        AppendSeparateOptions(command, s);
    if (HasPdf417Options(type)) {
        AppendNumber(command, "SEC=", s.securityLevel);
        AppendNumber(command, "FR=", s.forcedRows);
        AppendNumber(command, "FC=", s.forcedColumns);
    }
    if (HasDataMatrixOptions(type)) AppendDataMatrixOptions(command, s);
    if (HasMaxiCodeOptions(type) && maxicode != nullptr) AppendMaxiCodeFields(command, *maxicode);
    if (HasFnc1Option(type)) AppendText(command, "F1=", s.fnc1);
    command += "d=";
    return command;
}

bool BuildCommandString(const TestSettings& s, const MaxiCodeFields* maxicode, char* buffer,
                        size_t bufferSize) {
    if (buffer == nullptr || bufferSize == 0) return false;
    std::string command = BuildCommandString(s, maxicode);
    if (command.size() >= bufferSize) {
        buffer[0] = '\0';
        return false;
    }
    std::memcpy(buffer, command.c_str(), command.size() + 1);
    return true;
}

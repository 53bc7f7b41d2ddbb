// The test dialog's settings and the rules on them, as plain code: the
// command builder and its inverse, which controls a barcode type enables,
// the absolute-width layout and the footer of a printed test page. The
// dialog classes (CTestData, CMaxicodeDlg) only move these values between
// their controls and this record.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The MaxiCode dialog's thirteen texts and one flag, with their initial values.
struct MaxiCodeFields {
    std::string postalCode = "12345", countryCode = "840", address = "123 Barcode Street",
                city = "MaxiCity", state = "NM";
    int addressValidation = 1; // "Y" / "N" in the command
    std::string shipmentId, shipperNumber = "4711", trackingNumber = "123ABC67890",
                            classOfService = "002", julianDay = "123", packageNumber = "1",
                            totalPackages = "3", weight = "1";
};

// One text field of the MaxiCode dialog: its edit control (dialog 106), its
// maximum length, the member it is exchanged with and its command key.
struct MaxiCodeFieldLimit {
    int controlId;
    size_t maxLength;
    std::string MaxiCodeFields::*field;
    const char* key;
};
// The thirteen text fields in command order; the flag (check 166, "MCAV=")
// comes after the state and is not in it.
extern const MaxiCodeFieldLimit kMaxiCodeFieldLimits[13];

// Every setting of the test dialog, with its initial value; a setting that
// has none before the dialog opens starts at its factory default.
struct TestSettings {
    std::string barcodeType = "2 of 5 Industrial"; // long name of the type table
    std::string testData = "12345";
    int absoluteWidth = 0, width = 0, height = 20, commonDpi = 600, smallBar = 6, ratioIndex = 0,
        extraDotsGap = 0, extraDotsBar = 0, annotate = 0, checkDigit = 1, killBlanks = 1,
        rotationIndex = 0, securityLevel = 2, forcedRows = 0, forcedColumns = 0;
    int dmEncodingIndex = 0; // combo 157: selection index (-1 none) and its text
    std::string dmEncoding = "AUTO";
    std::string dmFormat = "10X10", dmMargin, dmControlChar, fnc1;
    int xEnabled = 0, xValue = 0, xAbsolute = 0, xUnit = -1; // unit 0 mm, 1 mil, 2 px, -1 none
    int yEnabled = 0, yValue = 0, yAbsolute = 0, yUnit = -1;
    int emValue = 0;
    int rememberedAnnotate = 0, rememberedCheckDigit = 1;
    std::string title = "Default settings";
};

// The factory defaults (button "Factory defaults" and the dialog's start);
// test data, extra dots for bar, forced rows and columns, the Data Matrix
// margin and control character, FNC1 and the X/Y position stay as they are.
void ApplyFactoryDefaults(TestSettings& s);

// The command without the data, ending with "d=". maxicode: the MaxiCode
// dialog's fields, null while that dialog does not exist (then no MC keys).
std::string BuildCommandString(const TestSettings& s, const MaxiCodeFields* maxicode);
// Into a caller's buffer of bufferSize bytes (the dialog uses 5000 and
// 10000): never writes past it; returns false (and an empty, terminated
// buffer when bufferSize > 0) when the command does not fit.
bool BuildCommandString(const TestSettings& s, const MaxiCodeFields* maxicode, char* buffer,
                        size_t bufferSize);

// The Data Matrix control character's value ("DMC="): 0 for an empty text
// or "None" in any case, a single character's code, else the text's decimal
// number.
int DataMatrixControlCharValue(const std::string& text);

// The inverse, for a stored command: false (nothing changed) when "VS" is
// present with a value other than 1, or the text is null. A key the text
// does not hold gives its default (kill blanks: off, as the builder leaves
// "KB=" out then); the test data, the DPI, the Data Matrix, MaxiCode and
// FNC1 settings are not read. Everything from the
// data key ("D=" or "d=") on is data, not settings.
bool LoadFromCommandString(TestSettings& s, const char* text);

// The parameters text ("b%" + command) and its hexadecimal form (two
// upper-case digits per byte, no separators).
std::string ParametersText(const std::string& command);
std::string HexadecimalText(const std::string& text);

// The catalog text with its "%s" replaced by value and "%%" by "%". Values
// are user text of any length, so they are put in place rather than handed
// to a printf format.
std::string FormatWithText(const char* format, const std::string& value);

// Which control groups are enabled: check 116, check 115, combo 104 and
// edit 152, combo 148, 149/155/156, 157/158/160/161 and edit 167 by the
// type; 172/174/176 while "X =" is checked, 173/175/177 while "Y =" is.
struct ControlEnabling {
    bool checkDigit, annotate, ratioAndExtraDots, rotation, pdf417, dataMatrix, fnc1, xFields,
        yFields;
};
ControlEnabling EnablingFor(const TestSettings& s);

// What a type change does to the two check boxes, given the enabling before
// the change: forced on (check digit always present), forced off (no such
// option), or the remembered choice back when the box was disabled before.
void ApplyTypeChange(TestSettings& s, const ControlEnabling& before);

// The user clicked "Annotate" / "With checksum": remember the choice.
void RememberCheckBoxChoices(TestSettings& s);

// The absolute-width layout: the width becomes 50 when absolute width is set
// and the width is 0; controls 105, 144 and 145 are shown only while it is
// set; group box 146 takes catalog text (210, 19) while set, (210, 20)
// otherwise.
struct AbsoluteWidthLayout {
    bool showWidth;
    const char* groupTitle;
};
AbsoluteWidthLayout ApplyAbsoluteWidthLayout(TestSettings& s);

// The lines printed below a test symbol on paper: (210, 16) "Used
// parameters: %s" with the command, and "Version " + the DLL's version text.
std::vector<std::string> FooterLines(const std::string& command, const char* versionText);

// The DLL's response with trailing blanks, line feeds and carriage returns
// removed (the response field). A null text gives an empty one.
std::string TrimResponse(const char* text);

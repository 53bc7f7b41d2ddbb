// The two SAP print controls for a PCL print server that draws barcodes
// from PCL font selections: the barcode-on control (font selection
// "\e(s...T", then an optional print direction) and the barcode-off control
// (back to the text font). Plain code: the dialog "PCL Escape sequences"
// only shows these fields and passes its own choices in.
//
// "\e" in the readable form stands for the escape character; the
// hexadecimal form writes it as the byte 1B, ready to paste into SAP.
#pragma once

#include <string>

struct TestSettings;

// The test dialog's values the sequences depend on.
struct PclInputs {
    std::string barcodeType = "2 of 5 Industrial"; // long name of the type table
    int checkDigit = 1;
    int annotate = 0;
    int height = 20; // mm
    int commonDpi = 600;
    int smallBar = 6; // dots
    int ratioIndex = 0;
    int extraDotsBar = 0, extraDotsGap = 0;
    int forcedRows = 0, forcedColumns = 0;
    int securityLevel = 2;
    int rotationIndex = 0; // 0 none, 1..3 quarter turns
};

// The PCL dialog's own choices; the indices are positions in the lists of
// PclComboLists.h, -1 for no selection.
struct PclOptions {
    int hexadecimal = 0;
    int annotationPosition = 0; // combo 103
    int includeStar = 0;        // check 216: "*" around Code 39 text
    int includeChecksum = 0;    // check 218
    int textStyle = 0;          // combo 219
    int typeFace = 0;           // combo 220
};

// Every computed field of the dialog, as it shows them.
struct PclFields {
    std::string fontNumber;  // edit 147: the PCL barcode number
    std::string note;        // edit 162: empty or why that number was taken
    std::string annotation;  // edit 163 ("p"): text code, or security level for PDF417
    std::string textFormat;  // edit 164 ("h")
    std::string height;      // edit 165 ("v"): points
    std::string barWidths;   // edit 167 ("b")
    std::string spaceWidths; // edit 168 ("s")
    std::string rotation;    // edit 170: print direction, or empty
    std::string barcodeOn;   // edit 169 "SBPxx"
    std::string barcodeOff;  // edit 171 "SBSxx"
    bool annotationControlsEnabled = false; // 103, 216, 218, 219, 220
};

// The PCL barcode number of a type and the note beside it.
struct PclFontChoice {
    int number;       // 0 when the type has none
    const char* note; // never null
};
PclFontChoice ChoosePclFont(const std::string& barcodeType, bool checkDigit);

// All fields from the test dialog's values and the dialog's choices. Never
// fails: a DPI of 0 or below counts as 600 (no scaling), and values too
// large for the fields are held at the largest (or smallest) int.
PclFields GeneratePclFields(const PclInputs& inputs, const PclOptions& options);

// The readable form with each "\e" as the byte 1B and every byte as two
// upper-case hexadecimal digits.
std::string PclHexadecimal(const std::string& readable);

// The inputs from the test dialog's settings.
PclInputs PclInputsFromSettings(const TestSettings& settings);

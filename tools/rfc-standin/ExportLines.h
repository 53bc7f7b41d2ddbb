// The lines an export sends, in the order the program writes them:
//
//   CREATE ZTEST                 a new device type (customer namespace: Y or Z)
//   TEXT 'Barcodes of the lab'   its text (40 characters)
//   DRIVER SWIN                  its printer driver (4)
//   CODEPAGE 1100                its character set (4 digits)
//   BASE SAPWIN                  the device type it is copied from: its
//                                barcode assignments become the new type's
//   DEVTYPE ZSWIN_A              the device type the controls below belong to
//   CLEAR ZSWIN_A 5              its print controls of kind 5 are replaced
//   PRCTL 1 SBP01 5 ' '          index, name (30), kind (1), hexadecimal flag
//   VALUE 'b%C=39'               the control's value (80, printable ASCII)
//
// Words are separated by blanks; quoted values double their apostrophes.
#pragma once

#include <string>
#include <vector>

namespace rfcstandin {

struct NewDeviceType {
    std::string name;
    std::string text;
    std::string driver;
    std::string codePage;
    std::string baseType; // empty: copied from none
};

struct PrintControlLine {
    std::string name;
    std::string kind;
    std::string hexFlag; // "" or "X"
    std::string value;
};

struct DeviceTypeControls {
    std::string deviceType;
    std::string clearedKind; // empty: nothing is cleared
    std::vector<PrintControlLine> controls;
};

struct ExportBatch {
    std::vector<NewDeviceType> created;
    std::vector<DeviceTypeControls> deviceTypes;
};

struct ExportParse {
    bool ok = false;
    unsigned errorLine = 0; // from 1
    std::string message;
    ExportBatch batch;
};

ExportParse ParseExportLines(const std::vector<std::string>& lines);

} // namespace rfcstandin

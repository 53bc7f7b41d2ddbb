// Names of the simulated system's tables and fields that the function
// modules rely on (the table-reading module reads any table by its file).
// TFO05 and its fields are SAP's own; the Z tables and their field names
// are this system's, since they hold what only the barcode DLL needs.
#pragma once

#include <string_view>

namespace rfcstandin::schema {

inline constexpr std::string_view kDeviceTypes = "ZBC_DEVTYPES";
inline constexpr std::string_view kDeviceType = "PATYPE";
inline constexpr std::string_view kDeviceTypeText = "PATEXT";
inline constexpr std::string_view kDriver = "PADRIVER";
inline constexpr std::string_view kCodePage = "PACODEPAGE";
inline constexpr std::string_view kBaseType = "PABASE";
inline constexpr std::string_view kChangedBy = "PACHGNAME";

inline constexpr std::string_view kPrintControls = "ZBC_PRCTL";
inline constexpr std::string_view kControlDeviceType = "TYP";
inline constexpr std::string_view kControlName = "PRCTL";
inline constexpr std::string_view kControlKind = "KIND";
inline constexpr std::string_view kControlHex = "HEX";
inline constexpr std::string_view kControlValue = "DAT";

inline constexpr std::string_view kAssignments = "ZBC_PRTBARC";
inline constexpr std::string_view kAssignmentDeviceType = "TDPRINTER";

// The layout of a FIELDS line of the table-reading module: name, offset,
// length, type and text of a field.
struct FieldsColumn {
    unsigned offset;
    unsigned width;
};
inline constexpr FieldsColumn kFieldName{0, 30};
inline constexpr FieldsColumn kFieldOffset{30, 6};
inline constexpr FieldsColumn kFieldLength{36, 6};
inline constexpr FieldsColumn kFieldType{42, 1};
inline constexpr FieldsColumn kFieldText{43, 60};
inline constexpr unsigned kFieldsLineLength = 103;
// The longest row a DATA line may carry.
inline constexpr unsigned kDataLineLength = 512;

} // namespace rfcstandin::schema

// The SAP operations of Sondrel, each on its own connection: the connection
// test, the device types, one device type, the role of the target system
// and writing the export lines. Each returns success and on failure leaves
// the error text in the connection record.
#pragma once

#include "RfcBinding.h"
#include "SapConnection.h"

#include <string>
#include <vector>

class SapUserInterface;

struct SapDeviceTypes {
    std::vector<std::string> names, texts; // parallel, trimmed
};

// The six fields of a device type's row ((1, 51) to (1, 56)), trimmed.
struct SapDeviceType {
    std::string name, text, driver, codePage, base, changedBy;
};

struct SapContext {
    const RfcEntries& rfc;
    SapUserInterface& ui;
};

// Opens, installs the error handler, calls (1, 81) without data, closes.
bool TestSapConnection(const SapContext& context, SapConnection& connection);

// Every device type of the system (at most 99 999: more fail with a clear
// message), rows with an empty name skipped.
bool ReadSapDeviceTypes(const SapContext& context, SapConnection& connection,
                        SapDeviceTypes& deviceTypes);

bool ReadSapDeviceType(const SapContext& context, SapConnection& connection,
                       const std::string& name, SapDeviceType& deviceType);

// The target-system check: false with (1, 79) when the system's role is
// (1, 78), with (1, 80) when the role cannot be read.
bool CheckSapTargetSystem(const SapContext& context, SapConnection& connection);

// Checks the lines with (1, 65), then writes them with (1, 73): all of
// them or none. False with the system's message when it refuses them.
bool WriteSapPrintControls(const SapContext& context, SapConnection& connection,
                           const std::vector<std::string>& lines);

// The list box order of the device type list: names beginning "SWIN",
// "ZSWIN", "SAPWIN" or "ZSAPWI" at the top (each before those already
// there), the others at the end.
std::vector<std::string> OrderDeviceTypesForList(const std::vector<std::string>& names);

// The SAP operations, each on a connection of its own that the session
// closes at the end.
#include "SapOperations.h"

#include "RfcSession.h"
#include "SapGenericTable.h"
#include "SapText.h"
#include "catalog/Translate.h"

#include <cstdlib>

namespace {

const char* Name(int index) {
    return GetText(1, index, true);
}
unsigned Number(int index) {
    return static_cast<unsigned>(std::atoi(Name(index)));
}

constexpr unsigned kMaxDeviceTypes = 99999;
constexpr unsigned kDeviceTypeLineLength = 512;
constexpr unsigned kRoleLength = 25, kResultLength = 40, kMessageLength = 220;
constexpr unsigned kErrorLineLength = 6;

bool Fail(SapConnection& connection, const std::string& text) {
    connection.lastError = text;
    return false;
}

// A field of a line, cut by an answered field list (name 30, offset 6,
// length 6 at 30 and 36), trimmed; empty when the list does not name it.
std::string FieldOfLine(const std::vector<std::string>& fieldLines, const std::string& line,
                        const std::string& name) {
    for (const std::string& fieldLine : fieldLines) {
        if (fieldLine.size() < 42 || TrimSapText(fieldLine.substr(0, 30)) != name) continue;
        const unsigned long offset = std::strtoul(fieldLine.substr(30, 6).c_str(), nullptr, 10);
        const unsigned long length = std::strtoul(fieldLine.substr(36, 6).c_str(), nullptr, 10);
        if (offset >= line.size()) return {};
        return TrimSapText(line.substr(offset, length));
    }
    return {};
}

// Sends the export lines to one of the two print control modules and
// checks its answer.
bool SendLines(CRfcSession& session, const std::vector<std::string>& lines, int function,
               int expected) {
    CRfcFunctionCall call(session.Entries());
    if (!call.Table(Name(66), Number(67), lines))
        return Fail(session.Connection(), GetText(1, 87, false));
    call.Receive(Name(68), kResultLength)
        .Receive(Name(69), kMessageLength)
        .Receive(Name(70), kErrorLineLength);
    if (!session.Call(call, Name(function))) {
        if (call.Exception() == Name(43)) return Fail(session.Connection(), GetText(1, 79, false));
        return false;
    }
    if (call.Received(Name(68)) == Name(expected)) return true;
    const int line = std::atoi(call.Received(Name(70)).c_str());
    if (line > 0)
        return Fail(session.Connection(),
                    FormatSapText(GetText(1, 89, false), line, call.Received(Name(69)).c_str()));
    return Fail(session.Connection(),
                FormatSapText(GetText(1, 90, false), call.Received(Name(69)).c_str()));
}

} // namespace

bool TestSapConnection(const SapContext& context, SapConnection& connection) {
    CRfcSession session(context.rfc, connection, context.ui);
    if (!session.Open()) return false;
    CRfcFunctionCall call(context.rfc);
    return session.Call(call, Name(81));
}

bool ReadSapDeviceTypes(const SapContext& context, SapConnection& connection,
                        SapDeviceTypes& deviceTypes) {
    deviceTypes = {};
    CRfcSession session(context.rfc, connection, context.ui);
    if (!session.Open()) return false;
    CSAPGenericTable table(Name(46), kMaxDeviceTypes);
    if (!table.Load(session)) return false;
    for (unsigned row = 0; row < table.RowCount(); ++row) {
        std::string name = table.Field(row, Name(47));
        if (name.empty()) continue;
        deviceTypes.names.push_back(name);
        deviceTypes.texts.push_back(table.Field(row, Name(48)));
    }
    return true;
}

bool ReadSapDeviceType(const SapContext& context, SapConnection& connection,
                       const std::string& name, SapDeviceType& deviceType) {
    deviceType = {};
    CRfcSession session(context.rfc, connection, context.ui);
    if (!session.Open()) return false;
    CRfcFunctionCall call(context.rfc);
    call.Send(Name(50), name);
    if (!call.Table(Name(23), Number(36)) || !call.Table(Name(45), kDeviceTypeLineLength))
        return Fail(connection, GetText(1, 87, false));
    if (!session.Call(call, Name(49))) return false;
    const std::vector<std::string> fields = call.Lines(Name(23));
    const std::vector<std::string> rows = call.Lines(Name(45));
    if (rows.empty()) return Fail(connection, FormatSapText(GetText(1, 88, false), name.c_str()));
    const std::string& row = rows.front();
    deviceType.name = FieldOfLine(fields, row, Name(51));
    deviceType.text = FieldOfLine(fields, row, Name(52));
    deviceType.driver = FieldOfLine(fields, row, Name(53));
    deviceType.codePage = FieldOfLine(fields, row, Name(54));
    deviceType.base = FieldOfLine(fields, row, Name(55));
    deviceType.changedBy = FieldOfLine(fields, row, Name(56));
    return true;
}

bool CheckSapTargetSystem(const SapContext& context, SapConnection& connection) {
    CRfcSession session(context.rfc, connection, context.ui);
    if (!session.Open()) return false;
    CRfcFunctionCall call(context.rfc);
    call.Receive(Name(76), kRoleLength);
    if (!session.Call(call, Name(77))) return Fail(connection, GetText(1, 80, false));
    if (call.Received(Name(76)).compare(0, kRoleLength, Name(78)) == 0)
        return Fail(connection, GetText(1, 79, false));
    return true;
}

bool WriteSapPrintControls(const SapContext& context, SapConnection& connection,
                           const std::vector<std::string>& lines) {
    const unsigned width = Number(67);
    for (const std::string& line : lines)
        if (line.size() > width)
            return Fail(connection,
                        FormatSapText(GetText(1, 92, false), width, line.substr(0, 60).c_str()));
    CRfcSession session(context.rfc, connection, context.ui);
    if (!session.Open()) return false;
    return SendLines(session, lines, 65, 72) && SendLines(session, lines, 73, 75);
}

std::vector<std::string> OrderDeviceTypesForList(const std::vector<std::string>& names) {
    // Each Windows device type goes to the top, before those already there.
    std::vector<std::string> windowsTypes, others;
    for (const std::string& name : names) {
        const bool windowsType =
            name.compare(0, 4, "SWIN") == 0 || name.compare(0, 5, "ZSWIN") == 0 ||
            name.compare(0, 6, "SAPWIN") == 0 || name.compare(0, 6, "ZSAPWI") == 0;
        (windowsType ? windowsTypes : others).push_back(name);
    }
    std::vector<std::string> ordered(windowsTypes.rbegin(), windowsTypes.rend());
    ordered.insert(ordered.end(), others.begin(), others.end());
    return ordered;
}

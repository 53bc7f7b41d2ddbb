// Z_BARCODE_PRCTL_CHECK and Z_BARCODE_PRCTL_WRITE: the lines of an export
// (table LINES) checked against the system, and written into its device
// types and print controls, all of them or none. Both answer RESULT
// ("CHECKED", "WRITTEN" or "ERROR"), MESSAGE and ERRLINE (the first refused
// line, 0 when the refusal concerns the system's data).
#include "ExportLines.h"
#include "FixedText.h"
#include "FunctionModules.h"
#include "Schema.h"
#include "TableFile.h"

namespace rfcstandin {

namespace {

struct SystemTables {
    std::filesystem::path deviceTypesPath;
    std::filesystem::path controlsPath;
    std::filesystem::path assignmentsPath;
    Table deviceTypes;
    Table controls;
    Table assignments;
};

// Sets row[field] when the table has the field and the value fits it.
bool Put(const Table& table, std::vector<std::string>& row, std::string_view field,
         const std::string& value, std::string& why) {
    int index = table.FieldIndex(field);
    if (index < 0) {
        if (value.empty()) return true;
        why = "the table has no field " + std::string(field);
        return false;
    }
    if (value.size() > table.fields[index].length) {
        why = "\"" + value + "\" is longer than field " + std::string(field);
        return false;
    }
    row[index] = value;
    return true;
}

std::vector<std::string>* FindRow(Table& table, std::string_view field1, const std::string& value1,
                                  std::string_view field2 = {}, const std::string& value2 = {}) {
    int first = table.FieldIndex(field1);
    int second = field2.empty() ? -1 : table.FieldIndex(field2);
    for (auto& row : table.rows)
        if (first >= 0 && row[first] == value1 && (second < 0 || row[second] == value2))
            return &row;
    return nullptr;
}

// A copied device type takes its base's barcode assignments, unless it has
// assignments of its own already.
bool CopyAssignments(SystemTables& tables, const std::string& base, const std::string& type,
                     std::string& why) {
    if (FindRow(tables.deviceTypes, schema::kDeviceType, base) == nullptr) {
        why = "base device type " + base + " does not exist";
        return false;
    }
    Table& table = tables.assignments;
    int field = table.FieldIndex(schema::kAssignmentDeviceType);
    if (field < 0) {
        why = "table ZBC_PRTBARC has no field TDPRINTER";
        return false;
    }
    if (FindRow(table, schema::kAssignmentDeviceType, type) != nullptr) return true;
    std::vector<std::vector<std::string>> copies;
    for (const auto& row : table.rows)
        if (row[field] == base) {
            copies.push_back(row);
            copies.back()[field] = type;
        }
    table.rows.insert(table.rows.end(), copies.begin(), copies.end());
    return true;
}

// Marks a device type's row with the user whose export changed it.
void MarkChanged(Table& table, std::vector<std::string>& row, const std::string& user) {
    int index = table.FieldIndex(schema::kChangedBy);
    if (index >= 0) row[index] = user.substr(0, table.fields[index].length);
}

bool ApplyCreated(SystemTables& tables, const NewDeviceType& created, const std::string& user,
                  std::string& why) {
    Table& table = tables.deviceTypes;
    std::vector<std::string>* row = FindRow(table, schema::kDeviceType, created.name);
    if (row == nullptr) {
        table.rows.emplace_back(table.fields.size());
        row = &table.rows.back();
    }
    MarkChanged(table, *row, user);
    if (!Put(table, *row, schema::kDeviceType, created.name, why) ||
        !Put(table, *row, schema::kDeviceTypeText, created.text, why) ||
        !Put(table, *row, schema::kDriver, created.driver, why) ||
        !Put(table, *row, schema::kCodePage, created.codePage, why) ||
        !Put(table, *row, schema::kBaseType, created.baseType, why))
        return false;
    return created.baseType.empty() || CopyAssignments(tables, created.baseType, created.name, why);
}

bool ApplyControls(SystemTables& tables, const DeviceTypeControls& type, const std::string& user,
                   std::string& why) {
    std::vector<std::string>* deviceType =
        FindRow(tables.deviceTypes, schema::kDeviceType, type.deviceType);
    if (deviceType == nullptr) {
        why = "device type " + type.deviceType + " does not exist";
        return false;
    }
    MarkChanged(tables.deviceTypes, *deviceType, user);
    Table& table = tables.controls;
    int typeField = table.FieldIndex(schema::kControlDeviceType);
    int kindField = table.FieldIndex(schema::kControlKind);
    if (typeField < 0 || kindField < 0 || table.FieldIndex(schema::kControlName) < 0) {
        why = "table ZBC_PRCTL lacks TYP, PRCTL or KIND";
        return false;
    }
    if (!type.clearedKind.empty())
        std::erase_if(table.rows, [&](const std::vector<std::string>& row) {
            return row[typeField] == type.deviceType && row[kindField] == type.clearedKind;
        });
    for (const PrintControlLine& control : type.controls) {
        std::vector<std::string>* row = FindRow(table, schema::kControlDeviceType, type.deviceType,
                                                schema::kControlName, control.name);
        if (row == nullptr) {
            table.rows.emplace_back(table.fields.size());
            row = &table.rows.back();
        }
        if (!Put(table, *row, schema::kControlDeviceType, type.deviceType, why) ||
            !Put(table, *row, schema::kControlName, control.name, why) ||
            !Put(table, *row, schema::kControlKind, control.kind, why) ||
            !Put(table, *row, schema::kControlHex, control.hexFlag, why) ||
            !Put(table, *row, schema::kControlValue, control.value, why))
            return false;
    }
    return true;
}

std::vector<std::string> SentLines(const CallContext& call) {
    std::vector<std::string> lines;
    InternalTable* table = call.Table("LINES");
    if (table == nullptr) return lines;
    for (unsigned n = 1; n <= table->LineCount(); ++n)
        lines.push_back(FieldText(table->Line(n), table->LineLength()));
    return lines;
}

CallResult Answer(const CallContext& call, const std::string& result, const std::string& message,
                  unsigned errorLine) {
    call.Answer("RESULT", result);
    call.Answer("MESSAGE", message);
    char line[8];
    std::snprintf(line, sizeof line, "%06u", errorLine % 1000000);
    call.Answer("ERRLINE", line);
    return Succeeded();
}

// Reads both tables and applies the lines to them in memory. A failed
// result when a table cannot be read; an answer of "ERROR" when a line or
// the system's data refuse the change.
bool Prepare(Session& session, const CallContext& call, SystemTables& tables, CallResult& result,
             ExportParse& parsed) {
    parsed = ParseExportLines(SentLines(call));
    if (!parsed.ok) {
        result = Answer(call, "ERROR", parsed.message, parsed.errorLine);
        return false;
    }
    tables.deviceTypesPath = session.directory / (std::string(schema::kDeviceTypes) + ".tbl");
    tables.controlsPath = session.directory / (std::string(schema::kPrintControls) + ".tbl");
    tables.assignmentsPath = session.directory / (std::string(schema::kAssignments) + ".tbl");
    for (auto [path, table] : {std::pair{&tables.deviceTypesPath, &tables.deviceTypes},
                               std::pair{&tables.controlsPath, &tables.controls},
                               std::pair{&tables.assignmentsPath, &tables.assignments}}) {
        TableFileResult file = ReadTableFile(*path);
        if (file.state == TableFileState::Missing) {
            result = Raised("TABLE_NOT_AVAILABLE",
                            "Table \"" + path->stem().string() + "\" is not available");
            return false;
        }
        if (file.state == TableFileState::Invalid) {
            result = SystemFailure(file.error);
            return false;
        }
        *table = std::move(file.table);
    }
    std::string why;
    for (const NewDeviceType& created : parsed.batch.created)
        if (!ApplyCreated(tables, created, session.user, why)) {
            result = Answer(call, "ERROR", why, 0);
            return false;
        }
    for (const DeviceTypeControls& type : parsed.batch.deviceTypes)
        if (!ApplyControls(tables, type, session.user, why)) {
            result = Answer(call, "ERROR", why, 0);
            return false;
        }
    return true;
}

unsigned CountControls(const ExportBatch& batch) {
    unsigned count = 0;
    for (const DeviceTypeControls& type : batch.deviceTypes)
        count += static_cast<unsigned>(type.controls.size());
    return count;
}

CallResult BrokenConnection(Session& session) {
    session.broken = true;
    CallResult result;
    result.code = kRfcFailure;
    result.error = {"RFC_ERROR_COMMUNICATION", "CONNECTION_BROKEN",
                    "Connection to partner broken while receiving the answer", ""};
    return result;
}

} // namespace

CallResult CheckPrintControlsModule(Session& session, const CallContext& call) {
    SystemTables tables;
    CallResult result;
    ExportParse parsed;
    if (!Prepare(session, call, tables, result, parsed)) return result;
    return Answer(call, "CHECKED",
                  std::to_string(CountControls(parsed.batch)) + " print controls can be written",
                  0);
}

CallResult WritePrintControlsModule(Session& session, const CallContext& call) {
    if (session.profile.production)
        return Raised("PRODUCTIVE_SYSTEM", "Client " + session.profile.client + " of system " +
                                               session.profile.name +
                                               " is a production client: no changes are allowed");
    SystemTables tables;
    CallResult result;
    ExportParse parsed;
    if (!Prepare(session, call, tables, result, parsed)) return result;
    const std::pair<const std::filesystem::path*, const Table*> changed[] = {
        {&tables.controlsPath, &tables.controls},
        {&tables.assignmentsPath, &tables.assignments},
        {&tables.deviceTypesPath, &tables.deviceTypes}};
    bool staged = true;
    for (auto [path, table] : changed)
        staged = staged && StageTableFile(*path, *table);
    bool breaks = session.profile.breakFunction == "Z_BARCODE_PRCTL_WRITE";
    if (!staged || breaks) {
        for (auto [path, table] : changed)
            DropStagedFile(*path);
        return breaks ? BrokenConnection(session)
                      : SystemFailure("The tables could not be written");
    }
    // Every table is staged before any is replaced, so only a failing
    // rename, and no content of the export, can part them.
    bool committed = true;
    for (auto [path, table] : changed)
        committed = committed && CommitStagedFile(*path);
    if (!committed) {
        for (auto [path, table] : changed)
            DropStagedFile(*path);
        return SystemFailure("The tables could not be replaced");
    }
    return Answer(call, "WRITTEN",
                  std::to_string(CountControls(parsed.batch)) + " print controls written", 0);
}

} // namespace rfcstandin

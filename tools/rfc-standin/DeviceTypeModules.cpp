// Z_BARCODE_DEVTYPE_READ: one device type's row of ZBC_DEVTYPES with its
// field list (the same FIELDS lines as the table-reading module), and
// Z_BARCODE_SYSTEM_ROLE: the role of the system, PRODUCTION or TEST.
#include "FieldList.h"
#include "FixedText.h"
#include "FunctionModules.h"
#include "Schema.h"
#include "TableFile.h"

namespace rfcstandin {

namespace {

CallResult ReadWithSelection(Session& session, const CallContext& call, const std::string& type) {
    TableFileResult file =
        ReadTableFile(session.directory / (std::string(schema::kDeviceTypes) + ".tbl"));
    if (file.state == TableFileState::Missing)
        return Raised("TABLE_NOT_AVAILABLE",
                      "Table \"" + std::string(schema::kDeviceTypes) + "\" is not available");
    if (file.state == TableFileState::Invalid) return SystemFailure(file.error);
    const Table& table = file.table;
    int key = table.FieldIndex(schema::kDeviceType);
    if (key < 0) return SystemFailure("ZBC_DEVTYPES has no field PATYPE");
    const std::vector<std::string>* found = nullptr;
    for (const auto& row : table.rows)
        if (row[key] == type) found = &row;
    if (found == nullptr) return Raised("NOT_FOUND", "Device type \"" + type + "\" does not exist");

    InternalTable* fields = call.Table("FIELDS");
    InternalTable* rows = call.Table("DEVTYPE");
    std::string line;
    if (fields != nullptr) fields->Clear();
    for (std::size_t i = 0; i < table.fields.size(); ++i) {
        const FieldDef& field = table.fields[i];
        if (fields != nullptr &&
            !fields->AppendText(FieldsLine(field, static_cast<unsigned>(line.size()))))
            return SystemFailure("No room for the field list");
        std::string value = (*found)[i];
        value.resize(field.length, ' ');
        line += value;
    }
    if (rows != nullptr) {
        rows->Clear();
        if (!rows->AppendText(line)) return SystemFailure("No room for the device type");
    }
    return Succeeded();
}

} // namespace

CallResult ReadDeviceTypeModule(Session& session, const CallContext& call) {
    std::string type = Upper(call.Text(schema::kDeviceType));
    if (type.empty()) return Raised("NOT_FOUND", "No device type given");
    return ReadWithSelection(session, call, type);
}

CallResult SystemRoleModule(Session& session, const CallContext& call) {
    call.Answer("ROLE", session.profile.production ? "PRODUCTION" : "TEST");
    return Succeeded();
}

} // namespace rfcstandin

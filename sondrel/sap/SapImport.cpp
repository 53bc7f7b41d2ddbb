// The import of device types: the steps of ImportDeviceTypesFromSap.
#include "SapImport.h"

#include "PrintControlValue.h"
#include "RfcSession.h"
#include "SapText.h"
#include "SapUserInterface.h"
#include "TreeImages.h"
#include "catalog/Translate.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The SAP lengths of the fields the import reads: a longer value (a system
// that declares its field wider) is cut to them.
constexpr std::size_t kBarcodeNameLength = 30;
constexpr std::size_t kDescriptionLength = 40;
constexpr std::size_t kShortFieldLength = 10;
constexpr std::size_t kControlReferenceLength = 20;
constexpr std::size_t kControlNameLength = 30;
constexpr std::size_t kValueLength = 80;

// A field of a row by its catalog name, trimmed and cut.
std::string FieldOf(const CSAPGenericTable& table, unsigned row, const char* field,
                    std::size_t length) {
    return TrimSapText(table.Field(row, field).substr(0, length));
}

// A leading decimal number, 0 when there is none; far too large values are
// held at the limits of an int.
int DecimalOf(const std::string& text) {
    long value = std::strtol(text.c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long>(value, -1000000000L, 1000000000L));
}

// A size as SAP writes it ("60,00"): commas become points.
double SizeOf(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    return std::strtod(text.c_str(), nullptr);
}

// Adds the named code to config and shows it, or, when config has a named
// code of that name already (the device type imported once more), gives
// that one SAP's command and controls. Returns the node config holds.
CNamedCodeTreeElement* AddOrRefresh(CConfigTreeElement& config,
                                    std::unique_ptr<CNamedCodeTreeElement> code, TreeView& view,
                                    TreeItem item) {
    if (CNamedCodeTreeElement* existing = config.FindNamedCode(code->GetName())) {
        const std::string current = existing->GetCurrentCommand();
        existing->SetSavedCommand(code->GetSavedCommand());
        existing->SetCurrentCommand(current);
        existing->SetPrintControlName(code->GetPrintControlName());
        existing->SetPrintControlKind(code->GetPrintControlKind());
        existing->SetImported(true);
        return existing;
    }
    code->UpdateImages(view);
    auto* added = static_cast<CNamedCodeTreeElement*>(config.AddChild(std::move(code)));
    if (item != kNoItem) added->InsertIntoTree(view, item);
    return added;
}

void ImportSystemBarcodes(const CSAPGenericTable& systemBarcodes, CTreeList& list) {
    for (unsigned row = 0; row < systemBarcodes.RowCount(); ++row)
        if (auto definition = SystemBarcodeFromRow(systemBarcodes, row))
            list.AddDefinition(std::move(definition));
}

// Step 3: the barcodes' assignments; the controls they use go into used.
int ImportAssignedControls(const SapTables& tables, const std::string& deviceType,
                           CConfigTreeElement& config, TreeView& view, TreeItem item,
                           std::set<std::string>& used) {
    int fromAssignments = 0;
    for (unsigned row = 0; row < tables.systemBarcodes.RowCount(); ++row) {
        const std::string barcode =
            FieldOf(tables.systemBarcodes, row, GetText(202, 12, true), kBarcodeNameLength);
        if (barcode.empty()) continue;
        int assignment = tables.assignments.FindRow(deviceType, barcode);
        if (assignment < 0) continue;
        const unsigned at = static_cast<unsigned>(assignment);
        const std::string on =
            FieldOf(tables.assignments, at, GetText(202, 25, true), kControlReferenceLength);
        const std::string off =
            FieldOf(tables.assignments, at, GetText(202, 26, true), kControlReferenceLength);
        int control = on.empty() ? -1 : tables.printControls.FindRow(deviceType, on);
        if (control < 0) continue;
        used.insert(on);
        if (!off.empty()) used.insert(off);
        auto code = NamedCodeFromPrintControl(tables.printControls, static_cast<unsigned>(control),
                                              barcode);
        if (!code) continue;
        // The "on" control is the print control the export writes; the
        // "off" control is kept in the kind, as the predefined named codes
        // keep SBS01.
        code->SetPrintControlName(on);
        code->SetPrintControlKind(off);
        AddOrRefresh(config, std::move(code), view, item);
        ++fromAssignments;
    }
    return fromAssignments;
}

// Step 5: every print control no assignment used, under its own name.
void ImportUnusedControls(const CSAPGenericTable& printControls, CConfigTreeElement& config,
                          TreeView& view, TreeItem item, const std::set<std::string>& used) {
    for (unsigned row = 0; row < printControls.RowCount(); ++row) {
        const std::string name =
            FieldOf(printControls, row, GetText(202, 29, true), kControlNameLength);
        if (name.empty() || used.count(name) != 0) continue;
        if (auto code = NamedCodeFromPrintControl(printControls, row, name))
            AddOrRefresh(config, std::move(code), view, item);
    }
}

} // namespace

std::unique_ptr<CNamedCodeDefinitionTreeElement>
SystemBarcodeFromRow(const CSAPGenericTable& systemBarcodes, unsigned row) {
    const std::string name =
        FieldOf(systemBarcodes, row, GetText(202, 12, true), kBarcodeNameLength);
    if (name.empty()) return nullptr;
    auto definition = std::make_unique<CNamedCodeDefinitionTreeElement>();
    definition->SetName(name);
    definition->SetNewOrNameChanged(false);
    definition->SetImported(true);
    definition->defined = true;
    definition->description =
        FieldOf(systemBarcodes, row, GetText(202, 13, true), kDescriptionLength);
    definition->minCharacters =
        DecimalOf(FieldOf(systemBarcodes, row, GetText(202, 14, true), kShortFieldLength));
    definition->maxCharacters =
        DecimalOf(FieldOf(systemBarcodes, row, GetText(202, 15, true), kShortFieldLength));
    definition->width =
        SizeOf(FieldOf(systemBarcodes, row, GetText(202, 16, true), kShortFieldLength));
    definition->widthUnit = FieldOf(systemBarcodes, row, GetText(202, 17, true), kShortFieldLength);
    definition->height =
        SizeOf(FieldOf(systemBarcodes, row, GetText(202, 18, true), kShortFieldLength));
    definition->heightUnit =
        FieldOf(systemBarcodes, row, GetText(202, 19, true), kShortFieldLength);
    definition->checkDigit =
        FieldOf(systemBarcodes, row, GetText(202, 20, true), kShortFieldLength).empty() ? 0 : 1;
    definition->sapBarcodeType =
        FieldOf(systemBarcodes, row, GetText(202, 21, true), kShortFieldLength);
    definition->verticalAlignment =
        FieldOf(systemBarcodes, row, GetText(202, 22, true), kShortFieldLength).empty() ? 0 : 1;
    definition->rotation = FieldOf(systemBarcodes, row, GetText(202, 23, true), kShortFieldLength);
    // The additional text (202, 24) has no place in a definition.
    return definition;
}

std::unique_ptr<CNamedCodeTreeElement>
NamedCodeFromPrintControl(const CSAPGenericTable& printControls, unsigned row,
                          const std::string& name) {
    const std::string kind = FieldOf(printControls, row, GetText(202, 8, true), 1);
    const std::string hexFlag = FieldOf(printControls, row, GetText(202, 9, true), 1);
    const std::string value = FieldOf(printControls, row, GetText(202, 11, true), kValueLength);
    std::optional<std::string> command = CommandFromPrintControl(kind, hexFlag, value);
    if (!command) return nullptr;
    auto code = std::make_unique<CNamedCodeTreeElement>();
    code->SetName(name);
    code->SetNewOrNameChanged(false);
    code->SetSavedCommand(*command);
    code->SetImported(true);
    return code;
}

int ImportLoadedDeviceType(const SapTables& tables, const SapDeviceType& deviceType,
                           CConfigTreeElement& config, TreeView& view, TreeItem item,
                           CTreeList& list) {
    ImportSystemBarcodes(tables.systemBarcodes, list);
    std::set<std::string> used;
    int fromAssignments = ImportAssignedControls(tables, deviceType.name, config, view, item, used);
    ImportUnusedControls(tables.printControls, config, view, item, used);

    // Step 6: the configuration is the device type now.
    const bool wasModified = config.IsNewOrNameChanged();
    if (config.Rename(deviceType.name).renamed) {
        config.SetNewOrNameChanged(wasModified);
        if (item != kNoItem) view.SetItemText(item, config.GetName());
    }
    config.SetImported(true);
    config.SetDeviceTypeText(deviceType.text);
    config.UpdateImages(view);
    return fromAssignments;
}

bool ImportDeviceTypesFromSap(const SapContext& context, SapTables& tables,
                              CConfigTreeElement& config, TreeView& view, TreeItem item,
                              SapConnection& connection, CTreeList& list) {
    SapDeviceTypes deviceTypes;
    if (!ReadSapDeviceTypes(context, connection, deviceTypes)) return false;
    const std::vector<std::string> names = OrderDeviceTypesForList(deviceTypes.names);
    int fromAssignments = 0;
    for (std::string chosen = context.ui.ChooseDeviceType(names); !chosen.empty();
         chosen = context.ui.ChooseDeviceType(names)) {
        SapDeviceType deviceType;
        if (!ReadSapDeviceType(context, connection, chosen, deviceType)) return false;
        if (deviceType.name.empty()) deviceType.name = chosen;
        {
            CRfcSession session(context.rfc, connection, context.ui);
            if (!session.Open() || !tables.LoadFor(session, deviceType.name)) return false;
        }
        int count = ImportLoadedDeviceType(tables, deviceType, config, view, item, list);
        fromAssignments += count;
        context.ui.ShowMessage(
            FormatSapText(GetText(202, 30, false), deviceType.name.c_str(), count),
            GetText(202, 47, false), SapIcon::Information);
    }
    return fromAssignments > 0;
}

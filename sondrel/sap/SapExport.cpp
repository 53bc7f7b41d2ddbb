// The export's steps.
#include "SapExport.h"

#include "NamedCodeTreeElement.h"
#include "RfcSession.h"
#include "SapText.h"
#include "SapUserInterface.h"
#include "catalog/Translate.h"

#include <algorithm>
#include <set>
#include <utility>

namespace {

// What a print control and a device type text hold in SAP.
constexpr std::size_t kValueLength = 80;
constexpr std::size_t kDeviceTypeTextLength = 40;
constexpr std::size_t kControlNameLength = 30;
// The value of an "off" control the device type does not have yet: a
// barcode command of nothing, which ends the barcode.
constexpr const char* kPlainOffValue = "b";

bool IsPrintableAscii(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) {
        return static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) <= 0x7E;
    });
}

// The first text, then the second with the error text, or the third when
// there is no error text.
std::string WithErrorText(const char* first, const char* withError, const char* withoutError,
                          const std::string& error) {
    return std::string(first) + (error.empty() ? std::string(withoutError) : withError + error);
}

bool IsNewDeviceTypeName(const std::string& name) {
    return !name.empty() && (name[0] == 'Y' || name[0] == 'Z');
}

void ShowStop(const SapContext& context, const std::string& text, const char* caption) {
    context.ui.ShowMessage(text, caption, SapIcon::Stop);
}

// Step 6 for one configuration: its lines, or false (the message shown).
bool AppendConfigurationLines(const SapContext& context, SapTables& tables,
                              SapConnection& connection, const SapDeviceTypes& inSap,
                              CConfigTreeElement& config, std::vector<std::string>& lines) {
    if (config.GetDeviceTypeText().empty()) config.SetDeviceTypeText(GetText(202, 31, false));
    const std::string& name = config.GetName();
    if (!config.HasDeviceTypeInSap()) {
        if (!IsNewDeviceTypeName(name)) {
            ShowStop(context, FormatSapText(GetText(202, 36, false), name.c_str()),
                     GetText(202, 37, false));
            return false;
        }
        if (!IsPrintableAscii(config.GetDeviceTypeText())) {
            ShowStop(context, FormatSapText(GetText(202, 45, false), name.c_str()),
                     GetText(202, 37, false));
            return false;
        }
        // A name SAP knows already is that device type: it is not created
        // (and overwritten) once more.
        if (std::find(inSap.names.begin(), inSap.names.end(), name) == inSap.names.end())
            AppendNewDeviceTypeLines(config, lines);
    }
    for (const CNamedCodeTreeElement* code : config.NamedCodes())
        if (std::string problem = NamedCodeExportProblem(config, *code); !problem.empty()) {
            ShowStop(context, problem, GetText(202, 37, false));
            return false;
        }
    {
        CRfcSession session(context.rfc, connection, context.ui);
        if (!session.Open() || !tables.LoadFor(session, name)) {
            ShowStop(context, GetText(202, 69, false) + connection.lastError,
                     GetText(202, 37, false));
            return false;
        }
    }
    AppendDeviceTypeLines(config, tables.printControls, lines);
    return true;
}

} // namespace

const char* PluralEnding(int count) {
    return count == 1 ? "" : "s";
}

SapChangeCounts CountSapChanges(const CTreeList& list) {
    SapChangeCounts counts;
    for (const auto& config : list.Configurations())
        config->CountChanges(counts);
    return counts;
}

std::string ExportQuestion(const SapChangeCounts& counts) {
    std::string text =
        FormatSapText(GetText(201, 12, false), counts.importedConfigurations,
                      PluralEnding(counts.importedConfigurations), counts.changedConfigurations,
                      PluralEnding(counts.changedConfigurations));
    if (counts.changedNotImported) {
        text += GetText(201, 13, false);
    } else {
        const char* indent = "    ";
        const std::pair<int, const char*> entries[] = {{counts.inserted, GetText(201, 14, false)},
                                                       {counts.modified, GetText(201, 15, false)},
                                                       {counts.deleted, GetText(201, 16, false)}};
        for (const auto& [count, format] : entries)
            if (count > 0) text += FormatSapText(format, indent, count);
    }
    return text + GetText(201, 190, false);
}

std::vector<CConfigTreeElement*> ConfigurationsToExport(const CTreeList& list) {
    const auto& all = list.Configurations();
    // Changes of configurations the export never sends (such as "Default
    // Values", which follows the test dialog) do not count.
    const bool anyChanged = std::any_of(all.begin(), all.end(), [](const auto& config) {
        return config->IsMarkedForExport() && config->HasSapChanges();
    });
    std::vector<CConfigTreeElement*> taking;
    for (const auto& config : all)
        if (config->IsMarkedForExport() && (!anyChanged || config->HasSapChanges()))
            taking.push_back(config.get());
    return taking;
}

void AppendNewDeviceTypeLines(const CConfigTreeElement& config, std::vector<std::string>& lines) {
    const std::string text = config.GetDeviceTypeText().substr(0, kDeviceTypeTextLength);
    lines.push_back(FormatSapText(GetText(202, 38, true), config.GetName().c_str()));
    lines.push_back(FormatSapText(GetText(202, 39, true), DoubleApostrophes(text).c_str()));
    lines.push_back(GetText(202, 40, true));
    lines.push_back(GetText(202, 41, true));
    lines.push_back(GetText(202, 42, true));
}

void AppendDeviceTypeLines(const CConfigTreeElement& config, const CSAPGenericTable& printControls,
                           std::vector<std::string>& lines) {
    const std::string& deviceType = config.GetName();
    lines.push_back(FormatSapText(GetText(202, 70, true), deviceType.c_str()));
    lines.push_back(FormatSapText(GetText(202, 71, true), deviceType.c_str()));
    int index = 1;
    std::set<std::string> sent;
    for (const CNamedCodeTreeElement* code : config.NamedCodes()) {
        code->AppendSapLines(lines, index);
        sent.insert(code->GetPrintControlName().empty() ? code->GetName()
                                                        : code->GetPrintControlName());
    }
    for (const CNamedCodeTreeElement* code : config.NamedCodes()) {
        const std::string& off = code->GetPrintControlKind();
        if (off.empty() || off.size() > kControlNameLength || !sent.insert(off).second) continue;
        std::string kind = "5", hexFlag, value = kPlainOffValue;
        int row = printControls.FindRow(deviceType, off);
        if (row >= 0) {
            const unsigned at = static_cast<unsigned>(row);
            kind = printControls.Field(at, GetText(202, 8, true));
            hexFlag = printControls.Field(at, GetText(202, 9, true));
            value = printControls.Field(at, GetText(202, 11, true)).substr(0, kValueLength);
        }
        // Controls of other kinds stay as they are in SAP.
        if (kind != "5") continue;
        lines.push_back(FormatSapText(GetText(205, 1, true), index++, off.c_str(), kind.c_str(),
                                      hexFlag == "X" ? "X" : " "));
        lines.push_back(FormatSapText(GetText(202, 46, true), DoubleApostrophes(value).c_str()));
    }
}

std::string NamedCodeExportProblem(const CConfigTreeElement& config,
                                   const CNamedCodeTreeElement& code) {
    const std::string& command = code.GetCurrentCommand();
    const std::size_t room = kValueLength - 2; // after "b%"
    if (command.size() > room)
        return FormatSapText(GetText(202, 43, false), code.GetName().c_str(),
                             config.GetName().c_str(), static_cast<int>(room));
    if (!IsPrintableAscii(command) || !IsPrintableAscii(code.GetName()) ||
        !IsPrintableAscii(code.GetPrintControlName()))
        return FormatSapText(GetText(202, 44, false), code.GetName().c_str(),
                             config.GetName().c_str());
    return {};
}

bool ExportToSap(const SapContext& context, SapTables& tables, SapConnection& connection,
                 CTreeList& list, TreeView& view) {
    // 1 to 3: the system is there, its device types are read, it is no
    // production system.
    if (!TestSapConnection(context, connection)) {
        ShowStop(context,
                 std::string(GetText(201, 5, false)) + GetText(201, 6, false) +
                     connection.lastError,
                 GetText(201, 7, false));
        return false;
    }
    SapDeviceTypes inSap;
    if (!ReadSapDeviceTypes(context, connection, inSap)) {
        ShowStop(context,
                 WithErrorText(GetText(201, 8, false), GetText(201, 9, false),
                               GetText(201, 10, false), connection.lastError),
                 GetText(201, 7, false));
        return false;
    }
    if (!CheckSapTargetSystem(context, connection)) {
        ShowStop(context, FormatSapText(GetText(201, 11, false), connection.lastError.c_str()),
                 GetText(201, 7, false));
        return false;
    }

    // 4 and 5: the count and the question.
    const SapChangeCounts counts = CountSapChanges(list);
    for (const std::string& name : counts.invalidNames)
        context.ui.ShowMessage(FormatSapText(GetText(202, 73, false), name.c_str()),
                               GetText(202, 74, false), SapIcon::Warning);
    if (!context.ui.AskYesNo(ExportQuestion(counts), GetText(201, 7, false))) return false;

    // 6: the lines of every configuration taking part, sent in one write.
    const std::vector<CConfigTreeElement*> taking = ConfigurationsToExport(list);
    std::vector<std::string> lines;
    for (CConfigTreeElement* config : taking)
        if (!AppendConfigurationLines(context, tables, connection, inSap, *config, lines))
            return false;
    const int exported = static_cast<int>(taking.size());
    if (!lines.empty() && !WriteSapPrintControls(context, connection, lines)) {
        ShowStop(context,
                 WithErrorText(GetText(201, 18, false), GetText(201, 19, false),
                               GetText(201, 20, false), connection.lastError),
                 GetText(201, 7, false));
        return false;
    }
    context.ui.ShowMessage(FormatSapText(GetText(201, 17, false), exported, PluralEnding(exported)),
                           GetText(201, 7, false), SapIcon::Information);
    for (CConfigTreeElement* config : taking)
        config->MarkExported();
    list.UpdateAllImages(view);
    return !lines.empty();
}

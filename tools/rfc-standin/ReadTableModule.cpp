// RFC_READ_TABLE: the rows of a table of the simulated system as fixed-width
// lines, with the field list that cuts them (SAP's standard module and its
// parameters QUERY_TABLE, DELIMITER, NO_DATA, ROWSKIPS, ROWCOUNT and tables
// OPTIONS, FIELDS, DATA). OPTIONS holds conditions of the form
// FIELD = 'value', joined by AND.
#include "FieldList.h"
#include "FixedText.h"
#include "FunctionModules.h"
#include "Schema.h"
#include "TableFile.h"
#include "Words.h"

namespace rfcstandin {

namespace {

struct Condition {
    int field;
    std::string value;
};

bool ParseConditions(const std::string& text, const Table& table,
                     std::vector<Condition>& conditions) {
    std::vector<Word> words;
    if (!SplitWords(text, words)) return false;
    for (std::size_t i = 0; i < words.size(); i += 4) {
        if (i + 2 >= words.size()) return false;
        int field = words[i].quoted ? -1 : table.FieldIndex(Upper(words[i].text));
        std::string op = Upper(words[i + 1].text);
        if (field < 0 || (op != "=" && op != "EQ") || !words[i + 2].quoted) return false;
        conditions.push_back({field, words[i + 2].text});
        if (i + 3 < words.size() && Upper(words[i + 3].text) != "AND") return false;
        if (i + 3 == words.size() - 1) return false; // a trailing AND
    }
    return true;
}

bool Matches(const std::vector<std::string>& row, const std::vector<Condition>& conditions) {
    for (const Condition& condition : conditions)
        if (row[condition.field] != condition.value) return false;
    return true;
}

std::string OptionsText(InternalTable* options) {
    std::string text;
    if (options == nullptr) return text;
    for (unsigned n = 1; n <= options->LineCount(); ++n)
        text += FieldText(options->Line(n), options->LineLength()) + " ";
    return std::string(Trim(text));
}

// The fields the caller asked for in FIELDS (all when none), in its order.
bool SelectFields(InternalTable* fields, const Table& table, std::vector<int>& selected,
                  std::string& unknown) {
    if (fields != nullptr)
        for (unsigned n = 1; n <= fields->LineCount(); ++n) {
            std::string line = fields->LineText(n);
            std::string name = Upper(Trim(line.substr(0, schema::kFieldName.width)));
            if (name.empty()) continue;
            int index = table.FieldIndex(name);
            if (index < 0) {
                unknown = name;
                return false;
            }
            selected.push_back(index);
        }
    if (selected.empty())
        for (std::size_t i = 0; i < table.fields.size(); ++i)
            selected.push_back(static_cast<int>(i));
    return true;
}

bool IsTableName(const std::string& name) {
    if (name.empty() || name.size() > 30) return false;
    for (char c : name)
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_')) return false;
    return true;
}

} // namespace

CallResult ReadTableModule(Session& session, const CallContext& call) {
    std::string name = Upper(call.Text("QUERY_TABLE"));
    if (!IsTableName(name))
        return Raised("TABLE_NOT_AVAILABLE", "Table \"" + name + "\" is not available");
    TableFileResult file = ReadTableFile(session.directory / (name + ".tbl"));
    if (file.state == TableFileState::Missing)
        return Raised("TABLE_NOT_AVAILABLE", "Table \"" + name + "\" is not available");
    if (file.state == TableFileState::Invalid) return SystemFailure(file.error);
    const Table& table = file.table;

    InternalTable* fields = call.Table("FIELDS");
    std::vector<int> selected;
    std::string unknown;
    if (!SelectFields(fields, table, selected, unknown))
        return Raised("FIELD_NOT_VALID", "Field \"" + unknown + "\" is not in table " + name);
    std::string delimiter = call.Text("DELIMITER").substr(0, 1);

    std::vector<unsigned> offsets;
    unsigned width = 0;
    for (int index : selected) {
        if (!offsets.empty()) width += static_cast<unsigned>(delimiter.size());
        offsets.push_back(width);
        width += table.fields[index].length;
    }
    if (width > schema::kDataLineLength)
        return Raised("DATA_BUFFER_EXCEEDED", "The selected fields of " + name + " need " +
                                                  std::to_string(width) +
                                                  " characters, more than 512");
    std::vector<Condition> conditions;
    if (!ParseConditions(OptionsText(call.Table("OPTIONS")), table, conditions))
        return Raised("OPTION_NOT_VALID", "The selection of OPTIONS is not valid");

    if (fields != nullptr) {
        fields->Clear();
        for (std::size_t i = 0; i < selected.size(); ++i)
            if (!fields->AppendText(FieldsLine(table.fields[selected[i]], offsets[i])))
                return SystemFailure("No room for the field list");
    }
    if (Upper(call.Text("NO_DATA")) == "X") return Succeeded();
    InternalTable* data = call.Table("DATA");
    if (data == nullptr) return Succeeded();
    data->Clear();
    long long skip = call.Number("ROWSKIPS").value_or(0);
    long long count = call.Number("ROWCOUNT").value_or(0);
    for (const auto& row : table.rows) {
        if (!Matches(row, conditions) || skip-- > 0) continue;
        if (count > 0 && data->LineCount() >= count) break;
        std::string line;
        for (std::size_t i = 0; i < selected.size(); ++i) {
            if (i != 0) line += delimiter;
            std::string value = row[selected[i]];
            value.resize(table.fields[selected[i]].length, ' ');
            line += value;
        }
        if (!data->AppendText(line)) return SystemFailure("No room for the rows of " + name);
    }
    return Succeeded();
}

} // namespace rfcstandin

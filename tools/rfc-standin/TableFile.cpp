#include "TableFile.h"

#include "FixedText.h"

#include <charconv>
#include <fstream>
#include <sstream>

namespace rfcstandin {

int Table::FieldIndex(std::string_view name) const {
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (fields[i].name == name) return static_cast<int>(i);
    return -1;
}

namespace {

// The values of a line between bars; "\|" is a bar inside a value.
std::vector<std::string> SplitValues(std::string_view line) {
    std::vector<std::string> values(1);
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\\' && i + 1 < line.size() && line[i + 1] == '|') {
            values.back() += '|';
            ++i;
        } else if (line[i] == '|') {
            values.emplace_back();
        } else {
            values.back() += line[i];
        }
    }
    for (std::string& value : values)
        value = std::string(Trim(value));
    return values;
}

bool IsFieldName(std::string_view name) {
    if (name.empty() || name.size() > 30) return false;
    for (char c : name)
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_')) return false;
    return true;
}

bool ParseField(std::string_view text, FieldDef& field) {
    std::size_t first = text.find('/');
    std::size_t second = first == std::string_view::npos ? first : text.find('/', first + 1);
    if (second == std::string_view::npos || second != first + 2) return false;
    field.name = std::string(text.substr(0, first));
    field.type = text[first + 1];
    std::string_view length = text.substr(second + 1);
    auto [end, error] = std::from_chars(length.data(), length.data() + length.size(), field.length);
    return IsFieldName(field.name) && error == std::errc() &&
           end == length.data() + length.size() && field.length >= 1 &&
           field.length <= kMaxFieldLength;
}

TableFileResult Invalid(const std::filesystem::path& path, int lineNumber, const std::string& why) {
    TableFileResult result;
    result.state = TableFileState::Invalid;
    result.error = path.filename().string() + " line " + std::to_string(lineNumber) + ": " + why;
    return result;
}

} // namespace

TableFileResult ReadTableFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    TableFileResult result;
    if (!file) return result;
    std::string line;
    int lineNumber = 0;
    bool haveFields = false;
    while (std::getline(file, line)) {
        ++lineNumber;
        std::string_view content = Trim(line);
        if (content.empty() || content.front() == '#') continue;
        std::vector<std::string> values = SplitValues(content);
        if (!haveFields) {
            for (const std::string& text : values) {
                FieldDef field;
                if (!ParseField(text, field))
                    return Invalid(path, lineNumber,
                                   "field \"" + text + "\" is not NAME/TYPE/LENGTH");
                result.table.fields.push_back(field);
            }
            haveFields = true;
            continue;
        }
        if (values.size() != result.table.fields.size())
            return Invalid(path, lineNumber,
                           std::to_string(values.size()) + " values for " +
                               std::to_string(result.table.fields.size()) + " fields");
        for (std::size_t i = 0; i < values.size(); ++i)
            if (values[i].size() > result.table.fields[i].length)
                return Invalid(path, lineNumber,
                               "value of " + result.table.fields[i].name + " longer than " +
                                   std::to_string(result.table.fields[i].length));
        result.table.rows.push_back(std::move(values));
    }
    if (!haveFields) return Invalid(path, lineNumber, "no field line");
    result.state = TableFileState::Read;
    return result;
}

namespace {
std::string EscapedValue(const std::string& value) {
    std::string escaped;
    for (char c : value) {
        if (c == '|') escaped += '\\';
        escaped += c;
    }
    return escaped;
}
} // namespace

std::string TableFileText(const Table& table) {
    std::ostringstream text;
    for (std::size_t i = 0; i < table.fields.size(); ++i) {
        const FieldDef& field = table.fields[i];
        text << (i == 0 ? "" : " | ") << field.name << '/' << field.type << '/' << field.length;
    }
    text << '\n';
    for (const auto& row : table.rows) {
        for (std::size_t i = 0; i < row.size(); ++i)
            text << (i == 0 ? "" : " | ") << EscapedValue(row[i]);
        text << '\n';
    }
    return text.str();
}

} // namespace rfcstandin

namespace rfcstandin {

namespace {
std::filesystem::path StagedPath(const std::filesystem::path& path) {
    std::filesystem::path staged = path;
    staged += ".new";
    return staged;
}
} // namespace

bool StageTableFile(const std::filesystem::path& path, const Table& table) {
    std::ofstream file(StagedPath(path), std::ios::binary | std::ios::trunc);
    file << TableFileText(table);
    file.close();
    return static_cast<bool>(file);
}

bool CommitStagedFile(const std::filesystem::path& path) {
    std::error_code error;
    std::filesystem::rename(StagedPath(path), path, error);
    return !error;
}

void DropStagedFile(const std::filesystem::path& path) {
    std::error_code error;
    std::filesystem::remove(StagedPath(path), error);
}

} // namespace rfcstandin

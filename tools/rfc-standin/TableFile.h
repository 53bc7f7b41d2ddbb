// A table of the simulated system in a plain text file (<TABLE>.tbl):
//
//   # comment
//   TYP/C/8 | PRCTL/C/30 | KIND/C/1 | HEX/C/1 | DAT/C/80     (the fields)
//   ZSWIN_A | SBP01 | 5 | X | 6225433D3339                    (one row a line)
//
// A field is NAME/TYPE/LENGTH; values are trimmed, "\|" stands for a bar
// inside a value, and a value longer than its field makes the file invalid
// (SAP could never hold it), as does a row with another number of values.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace rfcstandin {

struct FieldDef {
    std::string name;
    char type = 'C';
    unsigned length = 0;
};

struct Table {
    std::vector<FieldDef> fields;
    std::vector<std::vector<std::string>> rows;

    // Index of the field, or -1.
    int FieldIndex(std::string_view name) const;
};

enum class TableFileState { Read, Missing, Invalid };

struct TableFileResult {
    TableFileState state = TableFileState::Missing;
    std::string error; // names the file's line when invalid
    Table table;
};

constexpr unsigned kMaxFieldLength = 512;

TableFileResult ReadTableFile(const std::filesystem::path& path);

// The file's text for a table (the inverse of ReadTableFile).
std::string TableFileText(const Table& table);

} // namespace rfcstandin

namespace rfcstandin {

// Writing a changed table all or nothing: the new text goes to a file beside
// the table first, and replaces the table only when every table of the
// change was staged.
bool StageTableFile(const std::filesystem::path& path, const Table& table);
bool CommitStagedFile(const std::filesystem::path& path);
void DropStagedFile(const std::filesystem::path& path);

} // namespace rfcstandin

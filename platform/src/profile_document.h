// The content of one profile (INI file) as Windows reads it, with every line
// of the file kept so that an edit changes only the lines it must.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct ProfileLine {
    enum class Kind { Blank, SectionHeader, Entry };
    Kind kind = Kind::Blank;
    // The line as it stands in the file, without its line break.
    std::string text;
    // "\r\n", "\n" or "\r"; empty for a last line that has none.
    std::string lineBreak;
    // Section or key name, trimmed. Windows keeps comment lines (";...") as
    // entries too: exact lookups find them, lists leave them out.
    std::string name;
    // The trimmed text after the first '=', absent when the line has none.
    std::optional<std::string> value;
};

class ProfileDocument {
  public:
    static ProfileDocument Parse(std::string_view content);
    std::string Serialize() const;

    // Names of the sections with a header, in file order, duplicates included.
    std::vector<std::string> SectionNames() const;

    // The entry lines of the first section of that name; the lines before the
    // first header form the section "". Absent when there is no such section.
    std::optional<std::vector<const ProfileLine*>> SectionEntries(std::string_view section) const;

    // The first entry of that name in the first section of that name.
    const ProfileLine* FindEntry(std::string_view section, std::string_view key) const;

    // Edits; each returns whether the document changed.
    bool SetValue(std::string_view section, std::string_view key, std::string_view value);
    bool DeleteKey(std::string_view section, std::string_view key);
    bool DeleteSection(std::string_view section);

  private:
    // Lines [begin, end) follow the header at index header (none for the
    // top section).
    struct SectionSpan {
        std::optional<size_t> header;
        size_t begin;
        size_t end;
    };

    std::vector<SectionSpan> Sections() const;
    std::string_view SectionName(const SectionSpan& span) const;
    std::optional<SectionSpan> FindSection(std::string_view name) const;
    std::optional<size_t> FindEntryIndex(const SectionSpan& span, std::string_view key) const;
    size_t EndOfContent(const SectionSpan& span) const;
    void InsertLine(size_t index, std::string text);
    std::string NewLineBreak() const;

    std::string byteOrderMark_;
    std::vector<ProfileLine> lines_;
};

// Blanks in the sense of the profile functions: space, tab, the other ASCII
// line-format characters and ^Z (the DOS end-of-file mark).
bool IsProfileBlank(char c);

std::string_view TrimProfileBlanks(std::string_view text);

// ASCII comparison without regard to case.
bool EqualNoCase(std::string_view a, std::string_view b);

} // namespace platform

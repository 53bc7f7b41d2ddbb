// Reading and editing a profile the way Windows does: sections start at a
// line "[name]", entries are "key=value" lines, and a lookup takes the first
// section and the first key of a name, ignoring case. An edit touches only
// the line it changes, so blank lines, spacing and unknown lines survive
// (Wine instead writes a normalised copy of the whole file).
#include "profile_document.h"

#include <algorithm>

namespace platform {

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Windows handles names and values as C strings: a NUL byte in the file ends
// them.
std::string UpToFirstNul(std::string_view text) {
    return std::string(text.substr(0, text.find('\0')));
}

std::string_view TrimLeadingProfileBlanks(std::string_view text) {
    while (!text.empty() && IsProfileBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

void ClassifyLine(ProfileLine& line) {
    line.name.clear();
    line.value.reset();
    std::string_view text = TrimProfileBlanks(line.text);
    if (text.empty()) {
        line.kind = ProfileLine::Kind::Blank;
        return;
    }
    // A '[' without a closing ']' does not start a section: Windows reads
    // such a line as a key.
    if (size_t close = text.rfind(']'); text.front() == '[' && close != std::string_view::npos) {
        line.kind = ProfileLine::Kind::SectionHeader;
        line.name = UpToFirstNul(TrimProfileBlanks(text.substr(1, close - 1)));
        return;
    }
    line.kind = ProfileLine::Kind::Entry;
    size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        line.name = UpToFirstNul(text);
        return;
    }
    line.name = UpToFirstNul(TrimProfileBlanks(text.substr(0, equals)));
    line.value = UpToFirstNul(TrimProfileBlanks(text.substr(equals + 1)));
}

// Splits at "\r\n", "\n" or "\r"; the breaks are kept to write them back.
std::vector<ProfileLine> SplitLines(std::string_view content) {
    std::vector<ProfileLine> lines;
    while (!content.empty()) {
        ProfileLine line;
        size_t end = content.find_first_of("\r\n");
        if (end == std::string_view::npos) end = content.size();
        size_t breakLength = 0;
        if (end < content.size()) breakLength = content.substr(end, 2) == "\r\n" ? 2 : 1;
        line.text = content.substr(0, end);
        line.lineBreak = content.substr(end, breakLength);
        content.remove_prefix(end + breakLength);
        ClassifyLine(line);
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace

bool IsProfileBlank(char c) {
    return (c >= '\t' && c <= '\r') || c == ' ' || c == '\x1a';
}

std::string_view TrimProfileBlanks(std::string_view text) {
    text = TrimLeadingProfileBlanks(text);
    while (!text.empty() && IsProfileBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

ProfileDocument ProfileDocument::Parse(std::string_view content) {
    ProfileDocument document;
    if (content.starts_with(kUtf8ByteOrderMark)) {
        document.byteOrderMark_ = kUtf8ByteOrderMark;
        content.remove_prefix(kUtf8ByteOrderMark.size());
    }
    document.lines_ = SplitLines(content);
    return document;
}

std::string ProfileDocument::Serialize() const {
    std::string content = byteOrderMark_;
    for (const ProfileLine& line : lines_)
        content += line.text + line.lineBreak;
    return content;
}

std::vector<std::string> ProfileDocument::SectionNames() const {
    std::vector<std::string> names;
    for (const ProfileLine& line : lines_)
        if (line.kind == ProfileLine::Kind::SectionHeader && !line.name.empty())
            names.push_back(line.name);
    return names;
}

std::optional<std::vector<const ProfileLine*>>
ProfileDocument::SectionEntries(std::string_view section) const {
    std::optional<SectionSpan> span = FindSection(section);
    if (!span) return std::nullopt;
    std::vector<const ProfileLine*> entries;
    for (size_t i = span->begin; i < span->end; ++i)
        if (lines_[i].kind == ProfileLine::Kind::Entry) entries.push_back(&lines_[i]);
    return entries;
}

const ProfileLine* ProfileDocument::FindEntry(std::string_view section,
                                              std::string_view key) const {
    std::optional<SectionSpan> span = FindSection(section);
    if (!span) return nullptr;
    std::optional<size_t> index = FindEntryIndex(*span, key);
    return index ? &lines_[*index] : nullptr;
}

bool ProfileDocument::SetValue(std::string_view section, std::string_view key,
                               std::string_view value) {
    key = TrimProfileBlanks(key);
    // Windows drops the blanks before a value it writes; those after it go
    // when the line is read back.
    value = TrimLeadingProfileBlanks(value);
    std::string line = std::string(key) + "=" + std::string(value);
    std::optional<SectionSpan> span = FindSection(section);
    if (!span) {
        InsertLine(lines_.size(), "[" + std::string(TrimProfileBlanks(section)) + "]");
        InsertLine(lines_.size(), line);
        return true;
    }
    std::optional<size_t> index = FindEntryIndex(*span, key);
    if (!index) {
        InsertLine(EndOfContent(*span), line);
        return true;
    }
    ProfileLine& existing = lines_[*index];
    if (existing.value && *existing.value == value) return false;
    // The key keeps the spelling it has in the file.
    existing.text = existing.name + "=" + std::string(value);
    ClassifyLine(existing);
    return true;
}

bool ProfileDocument::DeleteKey(std::string_view section, std::string_view key) {
    // Windows looks through every section of that name for the key.
    for (const SectionSpan& span : Sections()) {
        if (!EqualNoCase(SectionName(span), TrimProfileBlanks(section))) continue;
        if (std::optional<size_t> index = FindEntryIndex(span, key)) {
            lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*index));
            return true;
        }
    }
    return false;
}

bool ProfileDocument::DeleteSection(std::string_view section) {
    std::optional<SectionSpan> span = FindSection(section);
    if (!span) return false;
    size_t first = span->header.value_or(span->begin);
    if (first == span->end) return false;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(first),
                 lines_.begin() + static_cast<std::ptrdiff_t>(span->end));
    return true;
}

std::vector<ProfileDocument::SectionSpan> ProfileDocument::Sections() const {
    std::vector<SectionSpan> spans{{std::nullopt, 0, lines_.size()}};
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind != ProfileLine::Kind::SectionHeader) continue;
        spans.back().end = i;
        spans.push_back({i, i + 1, lines_.size()});
    }
    return spans;
}

// The lines before the first header form the section "".
std::string_view ProfileDocument::SectionName(const SectionSpan& span) const {
    return span.header ? std::string_view(lines_[*span.header].name) : std::string_view();
}

std::optional<ProfileDocument::SectionSpan>
ProfileDocument::FindSection(std::string_view name) const {
    name = TrimProfileBlanks(name);
    for (const SectionSpan& span : Sections()) {
        if (EqualNoCase(SectionName(span), name)) return span;
    }
    return std::nullopt;
}

std::optional<size_t> ProfileDocument::FindEntryIndex(const SectionSpan& span,
                                                      std::string_view key) const {
    key = TrimProfileBlanks(key);
    for (size_t i = span.begin; i < span.end; ++i)
        if (lines_[i].kind == ProfileLine::Kind::Entry && EqualNoCase(lines_[i].name, key))
            return i;
    return std::nullopt;
}

// Where a new key of the section goes: after its last non-blank line, so
// that blank lines separating it from the next section stay where they are.
size_t ProfileDocument::EndOfContent(const SectionSpan& span) const {
    size_t end = span.end;
    while (end > span.begin && lines_[end - 1].kind == ProfileLine::Kind::Blank)
        --end;
    return end;
}

void ProfileDocument::InsertLine(size_t index, std::string text) {
    std::string lineBreak = NewLineBreak();
    // Only the last line of a file can lack a line break.
    if (index > 0 && lines_[index - 1].lineBreak.empty()) lines_[index - 1].lineBreak = lineBreak;
    ProfileLine line;
    line.text = std::move(text);
    line.lineBreak = lineBreak;
    ClassifyLine(line);
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index), std::move(line));
}

// New lines follow the file's own convention; a new file gets the CRLF that
// Windows writes, so that a profile moves between the systems unchanged.
std::string ProfileDocument::NewLineBreak() const {
    for (const ProfileLine& line : lines_)
        if (!line.lineBreak.empty()) return line.lineBreak;
    return "\r\n";
}

} // namespace platform

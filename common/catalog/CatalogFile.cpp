// Reading the text catalog file; the format is described in CatalogFile.h.
#include "catalog/CatalogFile.h"

#include "catalog/Placeholders.h"
#include "log/Log.h"

#include <cctype>
#include <charconv>
#include <cstring>

namespace {

constexpr unsigned char kCipherKey = 0xA5;

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Splits off the next blank-separated field; returns false when none is left.
bool TakeField(std::string_view& rest, std::string_view& field) {
    size_t start = 0;
    while (start < rest.size() && IsBlank(rest[start]))
        ++start;
    if (start == rest.size()) return false;
    size_t end = start;
    while (end < rest.size() && !IsBlank(rest[end]))
        ++end;
    field = rest.substr(start, end - start);
    rest = rest.substr(end);
    return true;
}

// The text after the one blank that separates it from the last field.
std::string_view TextAfterSeparator(std::string_view rest) {
    return rest.empty() ? rest : rest.substr(1);
}

template <typename Number> bool ParseNumber(std::string_view field, Number& value) {
    auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    return error == std::errc() && end == field.data() + field.size();
}

std::string Deciphered(std::string_view hex, bool& ok) {
    std::string line;
    ok = hex.size() % 2 == 0;
    for (size_t i = 0; ok && i < hex.size(); i += 2) {
        int high = HexDigitValue(hex[i]), low = HexDigitValue(hex[i + 1]);
        ok = high >= 0 && low >= 0;
        line += static_cast<char>(((high << 4) | low) ^ kCipherKey);
    }
    return line;
}

class CatalogReader {
  public:
    CatalogReader(const std::string& sourceName,
                  const std::function<void(const CatalogEntry&)>& addEntry)
        : sourceName_(sourceName), addEntry_(addEntry) {}

    CatalogFatalProblem Read(std::istream& in) {
        std::string line;
        while (std::getline(in, line)) {
            ++lineNumber_;
            if (lineNumber_ == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (!ReadRecord(line)) return problem_;
        }
        return problem_;
    }

  private:
    // Returns false on a fatal problem.
    bool ReadRecord(const std::string& line) {
        size_t first = 0;
        while (first < line.size() && IsBlank(line[first]))
            ++first;
        if (first == line.size() || line[first] == '#') return true;
        std::string_view record(line);
        record.remove_prefix(first);
        if (record[0] == '@') return ReadDirective(record.substr(1), line);
        if (record[0] == '!') return ReadEnciphered(record.substr(1), line);
        if (std::isdigit(static_cast<unsigned char>(record[0]))) {
            ReadEntry(record);
            return true;
        }
        return Fatal(CatalogFatalProblem::kUnknownRecord, line);
    }

    bool ReadDirective(std::string_view rest, const std::string& line) {
        std::string_view keyword, argument;
        if (!TakeField(rest, keyword)) return Fatal(CatalogFatalProblem::kUnknownRecord, line);
        if (keyword == "format") {
            int version = 0;
            if (TakeField(rest, argument) && ParseNumber(argument, version) && version >= 1)
                formatVersion_ = version;
            else
                Skip("bad format version");
            return true;
        }
        if (keyword == "module") {
            int module = -1;
            if (TakeField(rest, argument) && ParseNumber(argument, module) && module >= 0 &&
                module <= kMaxCatalogModule)
                module_ = module;
            else {
                module_ = -1; // the entries up to the next good module line are skipped
                Skip("bad module number");
            }
            return true;
        }
        return Fatal(CatalogFatalProblem::kUnknownRecord, line);
    }

    bool ReadEnciphered(std::string_view hex, const std::string& line) {
        if (formatVersion_ != 1 && formatVersion_ != 2)
            return Fatal(CatalogFatalProblem::kEncipheredInUnknownFormat, line);
        bool ok = false;
        std::string entry = Deciphered(hex, ok);
        if (!ok || entry.empty() || !std::isdigit(static_cast<unsigned char>(entry[0])))
            Skip("bad enciphered entry");
        else
            ReadEntry(entry);
        return true;
    }

    void ReadEntry(std::string_view rest) {
        CatalogEntry entry;
        std::string_view field;
        if (module_ < 0) return Skip("entry outside a module");
        entry.module = module_;
        if (!TakeField(rest, field) || !ParseNumber(field, entry.index) || entry.index < 0 ||
            entry.index > kMaxCatalogIndex)
            return Skip("bad text index");
        if (!TakeField(rest, field)) return Skip("missing language tag");
        entry.languageTag = std::string(field);
        entry.timeStamp = kFormatOneTimeStamp;
        if (formatVersion_ >= 2 &&
            (!TakeField(rest, field) || !ParseNumber(field, entry.timeStamp)))
            return Skip("bad time stamp");
        std::string_view raw = TextAfterSeparator(rest);
        if (raw.size() > kMaxCatalogTextLength) return Skip("text too long");
        entry.text = ExpandCatalogEscapes(raw);
        addEntry_(entry);
    }

    void Skip(const char* reason) {
        LogWrite(1, "Catalog \"%s\" line %d skipped: %s\n", sourceName_.c_str(), lineNumber_,
                 reason);
    }

    bool Fatal(CatalogFatalProblem::Kind kind, const std::string& line) {
        problem_.kind = kind;
        problem_.formatVersion = formatVersion_;
        problem_.record = line.substr(0, 200);
        return false;
    }

    const std::string& sourceName_;
    const std::function<void(const CatalogEntry&)>& addEntry_;
    CatalogFatalProblem problem_;
    int formatVersion_ = 1;
    int module_ = -1;
    int lineNumber_ = 0;
};

} // namespace

CatalogFatalProblem ReadCatalog(std::istream& in, const std::string& sourceName,
                                const std::function<void(const CatalogEntry&)>& addEntry) {
    return CatalogReader(sourceName, addEntry).Read(in);
}

std::string ExpandCatalogEscapes(std::string_view raw) {
    std::string text;
    text.reserve(raw.size());
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\\' || i + 1 == raw.size()) {
            // The plain run up to the next escape in one append.
            size_t run = raw.find('\\', i + 1);
            if (run == std::string_view::npos || run + 1 == raw.size()) run = raw.size();
            text.append(raw.substr(i, run - i));
            i = run - 1;
            continue;
        }
        char next = raw[i + 1];
        switch (next) {
        case 'n':
            text += '\n';
            ++i;
            continue;
        case 'r':
            text += '\r';
            ++i;
            continue;
        case 't':
            text += '\t';
            ++i;
            continue;
        case '\\':
            text += '\\';
            ++i;
            continue;
        case '"':
            text += '"';
            ++i;
            continue;
        case 'b':
        case ' ':
            text += ' ';
            ++i;
            continue;
        case 'x':
            if (i + 3 < raw.size() && HexDigitValue(raw[i + 2]) >= 0 &&
                HexDigitValue(raw[i + 3]) >= 0) {
                text +=
                    static_cast<char>(HexDigitValue(raw[i + 2]) * 16 + HexDigitValue(raw[i + 3]));
                i += 3;
                continue;
            }
            break;
        case '$': {
            std::string rest(raw.substr(i + 2, 32)); // longer than any name
            if (const Placeholder* placeholder = FindPlaceholderAt(rest.c_str())) {
                text += placeholder->value;
                i += 1 + std::strlen(placeholder->name);
                continue;
            }
            break;
        }
        default:
            break;
        }
        text += '\\'; // any other sequence stays as it stands
    }
    return text;
}

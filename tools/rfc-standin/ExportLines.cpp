#include "ExportLines.h"

#include "FixedText.h"
#include "Words.h"

#include <array>

namespace rfcstandin {

namespace {

constexpr std::size_t kDeviceTypeLength = 8;
constexpr std::size_t kTextLength = 40;
constexpr std::size_t kDriverLength = 4;
constexpr std::size_t kCodePageLength = 4;
constexpr std::size_t kControlNameLength = 30;
constexpr std::size_t kValueLength = 80;

bool IsName(const std::string& name, std::size_t maxLength) {
    if (name.empty() || name.size() > maxLength) return false;
    for (char c : name)
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_')) return false;
    return true;
}

bool IsDigits(const std::string& text, std::size_t maxLength) {
    if (text.empty() || text.size() > maxLength) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

bool IsPrintableAscii(const std::string& text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E)
            return false;
    return true;
}

bool IsHexValue(const std::string& text) {
    if (text.size() % 2 != 0) return false;
    for (char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f')))
            return false;
    return true;
}

class Parser {
  public:
    // An empty text when the line is accepted, else why not.
    std::string Line(const std::vector<Word>& words) {
        if (words.empty()) return {};
        if (words[0].quoted) return "a line begins with a keyword";
        std::string keyword = Upper(words[0].text);
        for (const Keyword& entry : kKeywords)
            if (keyword == entry.name) {
                if (words.size() != entry.words)
                    return keyword + " takes " + std::to_string(entry.words - 1) + " values";
                return (this->*entry.parse)(words);
            }
        return "unknown keyword " + keyword;
    }

    std::string End() const { return pendingValue_ ? "PRCTL without VALUE" : std::string(); }
    ExportBatch& Batch() { return batch_; }

  private:
    struct Keyword {
        const char* name;
        std::size_t words;
        std::string (Parser::*parse)(const std::vector<Word>&);
    };
    static const std::array<Keyword, 9> kKeywords;

    std::string ExpectNoValue() const {
        return pendingValue_ ? "PRCTL without VALUE" : std::string();
    }

    std::string Create(const std::vector<Word>& words) {
        if (std::string e = ExpectNoValue(); !e.empty()) return e;
        std::string name = Upper(words[1].text);
        if (!IsName(name, kDeviceTypeLength))
            return "device type name \"" + words[1].text + "\" is not valid";
        if (name[0] != 'Y' && name[0] != 'Z') return "a new device type begins with Y or Z";
        batch_.created.push_back({name, "", "", "", ""});
        inCreate_ = true;
        return {};
    }
    std::string CreatedAttribute(std::string NewDeviceType::*field, const Word& word, bool valid) {
        if (!inCreate_) return "an attribute without CREATE";
        if (!valid) return "value \"" + word.text + "\" is not valid";
        batch_.created.back().*field = word.text;
        return {};
    }
    std::string Text(const std::vector<Word>& words) {
        const Word& w = words[1];
        return CreatedAttribute(&NewDeviceType::text, w,
                                w.quoted && w.text.size() <= kTextLength &&
                                    IsPrintableAscii(w.text));
    }
    std::string Driver(const std::vector<Word>& words) {
        return CreatedAttribute(&NewDeviceType::driver, words[1],
                                IsName(words[1].text, kDriverLength));
    }
    std::string CodePage(const std::vector<Word>& words) {
        return CreatedAttribute(&NewDeviceType::codePage, words[1],
                                IsDigits(words[1].text, kCodePageLength));
    }
    std::string BaseType(const std::vector<Word>& words) {
        std::string name = Upper(words[1].text);
        return CreatedAttribute(&NewDeviceType::baseType, Word{name, false},
                                IsName(name, kDeviceTypeLength));
    }
    std::string DeviceType(const std::vector<Word>& words) {
        if (std::string e = ExpectNoValue(); !e.empty()) return e;
        std::string name = Upper(words[1].text);
        if (!IsName(name, kDeviceTypeLength))
            return "device type name \"" + words[1].text + "\" is not valid";
        batch_.deviceTypes.push_back({name, "", {}});
        inCreate_ = false;
        return {};
    }
    std::string Clear(const std::vector<Word>& words) {
        if (std::string e = ExpectNoValue(); !e.empty()) return e;
        if (batch_.deviceTypes.empty() ||
            Upper(words[1].text) != batch_.deviceTypes.back().deviceType)
            return "CLEAR names another device type than DEVTYPE";
        if (words[2].text.size() != 1) return "a kind is one character";
        batch_.deviceTypes.back().clearedKind = words[2].text;
        return {};
    }
    std::string PrintControl(const std::vector<Word>& words) {
        if (std::string e = ExpectNoValue(); !e.empty()) return e;
        if (batch_.deviceTypes.empty()) return "PRCTL before DEVTYPE";
        if (!IsDigits(words[1].text, 6)) return "index \"" + words[1].text + "\" is not a number";
        std::string name = Upper(words[2].text);
        if (!IsName(name, kControlNameLength))
            return "print control name \"" + words[2].text + "\" is not valid";
        if (words[3].text.size() != 1 || !IsPrintableAscii(words[3].text))
            return "a kind is one character";
        std::string flag = std::string(Trim(words[4].text));
        if (!words[4].quoted || (flag != "" && flag != "X"))
            return "the hexadecimal flag is ' ' or 'X'";
        for (const PrintControlLine& control : batch_.deviceTypes.back().controls)
            if (control.name == name) return "print control " + name + " twice";
        batch_.deviceTypes.back().controls.push_back({name, words[3].text, flag, ""});
        pendingValue_ = true;
        return {};
    }
    std::string Value(const std::vector<Word>& words) {
        if (!pendingValue_) return "VALUE without PRCTL";
        const Word& w = words[1];
        if (!w.quoted) return "a value is quoted";
        if (w.text.size() > kValueLength) return "the value is longer than 80 characters";
        if (!IsPrintableAscii(w.text)) return "the value holds a byte that is not printable ASCII";
        PrintControlLine& control = batch_.deviceTypes.back().controls.back();
        if (control.hexFlag == "X" && !IsHexValue(w.text))
            return "a hexadecimal value holds pairs of hex digits";
        control.value = w.text;
        pendingValue_ = false;
        return {};
    }

    ExportBatch batch_;
    bool pendingValue_ = false;
    bool inCreate_ = false; // TEXT, DRIVER and CODEPAGE follow a CREATE
};

const std::array<Parser::Keyword, 9> Parser::kKeywords{{
    {"CREATE", 2, &Parser::Create},
    {"TEXT", 2, &Parser::Text},
    {"DRIVER", 2, &Parser::Driver},
    {"CODEPAGE", 2, &Parser::CodePage},
    {"BASE", 2, &Parser::BaseType},
    {"DEVTYPE", 2, &Parser::DeviceType},
    {"CLEAR", 3, &Parser::Clear},
    {"PRCTL", 5, &Parser::PrintControl},
    {"VALUE", 2, &Parser::Value},
}};

} // namespace

ExportParse ParseExportLines(const std::vector<std::string>& lines) {
    Parser parser;
    ExportParse result;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::vector<Word> words;
        std::string why =
            SplitWords(lines[i], words) ? parser.Line(words) : "a quoted value is not closed";
        if (!why.empty()) {
            result.errorLine = static_cast<unsigned>(i + 1);
            result.message = "Line " + std::to_string(i + 1) + ": " + why;
            return result;
        }
    }
    if (std::string why = parser.End(); !why.empty()) {
        result.errorLine = static_cast<unsigned>(lines.size());
        result.message = "Line " + std::to_string(lines.size()) + ": " + why;
        return result;
    }
    result.ok = true;
    result.batch = std::move(parser.Batch());
    return result;
}

} // namespace rfcstandin

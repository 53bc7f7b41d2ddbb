#include "TextPatterns.h"

#include <cstring>
#include <regex>

namespace gui {

namespace {

constexpr const char* kRegexSpecials = "\\^$.|?*+()[]{}";
constexpr const char* kFlagsAndWidths = "-+ #0123456789.*";
constexpr const char* kLengthModifiers = "hlLqjzt";

std::string EscapedForRegex(char c) {
    if (std::strchr(kRegexSpecials, c) != nullptr) return std::string("\\") + c;
    return std::string(1, c);
}

// The regular expression of one conversion, from the conversion character.
std::string ConversionPattern(char conversion) {
    if (std::strchr("diu", conversion) != nullptr) return "([-+]?[0-9]+)";
    if (std::strchr("xXo", conversion) != nullptr) return "([0-9A-Fa-f]+)";
    return "([\\s\\S]*)";
}

std::string FormatAsRegex(const std::string& format) {
    std::string pattern;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            pattern += EscapedForRegex(format[i]);
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == '%') {
            pattern += "%";
            ++i;
            continue;
        }
        size_t j = i + 1;
        while (j < format.size() && std::strchr(kFlagsAndWidths, format[j]) != nullptr)
            ++j;
        while (j < format.size() && std::strchr(kLengthModifiers, format[j]) != nullptr)
            ++j;
        if (j >= format.size()) break;
        pattern += ConversionPattern(format[j]);
        i = j;
    }
    return pattern;
}

} // namespace

std::optional<std::vector<std::string>> MatchPrintfFormat(const std::string& format,
                                                          const std::string& text) {
    std::smatch match;
    if (!std::regex_match(text, match, std::regex(FormatAsRegex(format)))) return std::nullopt;
    std::vector<std::string> values;
    for (size_t group = 1; group < match.size(); ++group)
        values.push_back(match[group].str());
    return values;
}

} // namespace gui

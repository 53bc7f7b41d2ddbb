// The value forms of the command language.
#include "command/OptionCursor.h"

#include "command/CommandOptions.h"
#include "command/DecimalNumber.h"

#include <cstring>

namespace {

constexpr std::string_view kDigits = "0123456789";
constexpr std::string_view kNumberCharacters = "0123456789-";
constexpr std::string_view kPositionCharacters = "0123456789+-";
constexpr std::string_view kFieldSeparators = ", \n";

struct UnitWord {
    const char* word;
    int32_t unit;
};
// In the order they are tried.
constexpr UnitWord kUnitWords[] = {{"px", kUnitDots}, {"mil", kUnitMil}, {"mm", kUnitMillimetre}};

} // namespace

bool OptionCursor::StartsWith(const char* key, size_t n) const {
    if (key == nullptr || n == 0) return false;
    for (size_t i = 0; i < n; ++i)
        if (key[i] == '\0') return false;
    return std::strncmp(position_, key, n) == 0;
}

void OptionCursor::Skip(size_t n) {
    for (; n > 0 && !AtEnd(); --n)
        ++position_;
}

void OptionCursor::SkipOneComma() {
    if (Current() == ',') ++position_;
}

void OptionCursor::SkipPastComma() {
    Text();
    SkipOneComma();
}

std::string_view OptionCursor::Run(std::string_view characters) {
    const char* start = position_;
    while (!AtEnd() && characters.find(Current()) != std::string_view::npos)
        ++position_;
    return {start, static_cast<size_t>(position_ - start)};
}

int32_t OptionCursor::Number() {
    return DecimalPrefixValue(Run(kNumberCharacters));
}

int32_t OptionCursor::Digits() {
    return DecimalPrefixValue(Run(kDigits));
}

int32_t OptionCursor::Position(bool& relative) {
    relative = Current() == '+' || Current() == '-';
    return DecimalPrefixValue(Run(kPositionCharacters));
}

int32_t OptionCursor::Unit() {
    if (Current() == ' ') ++position_;
    int32_t unit = kUnitNone;
    for (const UnitWord& candidate : kUnitWords)
        if (StartsWith(candidate.word, std::strlen(candidate.word))) {
            unit = candidate.unit;
            break;
        }
    SkipPastComma();
    return unit;
}

std::string_view OptionCursor::Text() {
    const char* start = position_;
    while (!AtEnd() && Current() != ',')
        ++position_;
    return {start, static_cast<size_t>(position_ - start)};
}

std::string_view OptionCursor::FieldText() {
    std::string_view text = Text();
    Run(kFieldSeparators);
    return text;
}

// Code 93 and its full-ASCII form. Unlike Code 39 it has four shift
// characters of its own, so "$", "%", "/" and "+" stay ordinary characters
// even in full-ASCII data.
#include <string>
#include <string_view>
#include <vector>

#include "symbol/linear/ElementPatterns.h"
#include "symbol/linear/FullAscii.h"
#include "symbol/linear/LinearSymbol.h"
#include "symbol/linear/LinearText.h"

namespace {

// The 43 ordinary characters in the order of their values 0 to 42; the
// shift characters ($), (%), (/) and (+) follow as values 43 to 46.
constexpr std::string_view kCode93Characters = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";
constexpr int kShiftDollar = 43;
constexpr int kShiftPercent = 44;
constexpr int kShiftSlash = 45;
constexpr int kShiftPlus = 46;
constexpr int kCode93Values = 47;

// AIM USS-93 Table 1, module widths bar-space-bar-space-bar-space, by value.
constexpr std::string_view kCode93Patterns[kCode93Values] = {
    "131112", "111213", "111312", "111411", "121113", "121212", "121311", "111114",
    "131211", "141111", "211113", "211212", "211311", "221112", "221211", "231111",
    "112113", "112212", "112311", "122112", "132111", "111123", "111222", "111321",
    "121122", "131121", "212112", "212211", "211122", "211221", "221121", "222111",
    "112122", "112221", "122121", "123111", "121131", "311112", "311211", "321111",
    "112131", "113121", "211131", "121221", "312111", "311121", "122211",
};

// Start and stop (AIM USS-93 Table 1); the stop is closed by a one-module
// termination bar.
constexpr std::string_view kStartStopPattern = "111141";
constexpr uint8_t kTerminationBar = 1;

// The shift characters have no printed form; a shown check character uses
// these stand-ins.
constexpr std::string_view kShiftStandIns = "abcd";

int ShiftValueOf(char code39Shift) {
    switch (code39Shift) {
    case '$':
        return kShiftDollar;
    case '%':
        return kShiftPercent;
    case '/':
        return kShiftSlash;
    default:
        return kShiftPlus;
    }
}

void AppendFullAsciiValues(char c, std::vector<int>& values) {
    int ordinary = IndexIn(kCode93Characters, c);
    if (ordinary >= 0) {
        values.push_back(ordinary);
        return;
    }
    std::string_view pair = kFullAsciiPairs[static_cast<unsigned char>(c)];
    values.push_back(ShiftValueOf(pair[0]));
    values.push_back(IndexIn(kCode93Characters, pair[1]));
}

// The character values to draw, or none when the data has a byte that the
// variant cannot carry.
std::vector<int> Code93ValuesOf(const std::string& data, bool fullAscii) {
    std::vector<int> values;
    for (char c : data) {
        if (fullAscii) {
            // Function codes and the upper half have no full-ASCII pair.
            if (IsAscii(c)) AppendFullAsciiValues(c, values);
        } else {
            int value = IndexIn(kCode93Characters, AsciiUpper(c));
            if (value < 0) return {};
            values.push_back(value);
        }
    }
    return values;
}

// Weights 1 to maxWeight from the right, starting over after maxWeight.
int WeightedModulo47(const std::vector<int>& values, int maxWeight) {
    int sum = 0;
    int weight = 1;
    for (auto it = values.rbegin(); it != values.rend(); ++it) {
        sum += *it * weight;
        weight = weight == maxWeight ? 1 : weight + 1;
    }
    return sum % kCode93Values;
}

char PrintableCharacterOf(int value) {
    if (value < kShiftDollar) return kCode93Characters[value];
    return kShiftStandIns[value - kShiftDollar];
}

std::string Code93TextFromData(const LinearRequest& request) {
    std::string text;
    for (char c : request.data) {
        if (request.libraryCode == kLibCode93Extended) {
            if (IsAscii(c)) text += c;
        } else {
            text += AsciiUpper(c);
        }
    }
    return text;
}

} // namespace

int32_t EncodeCode93(const LinearRequest& request, LinearSymbol& symbol) {
    const int32_t code = request.libraryCode;
    if (code != kLibCode93 && code != kLibCode93Extended) return kErrorUnknownLibraryCode;

    const bool fullAscii = code == kLibCode93Extended;
    std::vector<int> values = Code93ValuesOf(request.data, fullAscii);
    // As in Code 39: full ASCII with every byte left out has no data.
    if (values.empty()) return fullAscii ? kErrorNoData : kErrorInvalidData;

    // Both check characters belong to the symbology; no option leaves them out.
    const int checkC = WeightedModulo47(values, 20);
    values.push_back(checkC);
    const int checkK = WeightedModulo47(values, 15);
    values.push_back(checkK);
    symbol.checkCharacter = PrintableCharacterOf(checkK);

    AppendPattern(symbol.elements, kStartStopPattern);
    for (int value : values)
        AppendPattern(symbol.elements, kCode93Patterns[value]);
    AppendPattern(symbol.elements, kStartStopPattern);
    symbol.elements.push_back(kTerminationBar);

    const std::string checkText(1, symbol.checkCharacter);
    symbol.text = ChooseText(request, Code93TextFromData(request), checkText);
    AppendCheckWhenShown(request, symbol.text, checkText);
    return 0;
}

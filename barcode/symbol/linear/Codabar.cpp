// Codabar: digits and six symbols between start and stop letters A to D.
#include <string>
#include <string_view>

#include "symbol/linear/ElementPatterns.h"
#include "symbol/linear/LinearSymbol.h"
#include "symbol/linear/LinearText.h"

namespace {

// The character set in the order of the values the check characters use:
// digits 0-9, then 10 + the position in "-$:/.+ABCD".
constexpr std::string_view kCodabarCharacters = "0123456789-$:/.+ABCD";

// AIM USS-Codabar, Table 1 (two-width form), bar-space-bar-space-bar-space-bar,
// in the order of kCodabarCharacters.
constexpr std::string_view kCodabarPatterns[20] = {
    "nnnnnww", "nnnnwwn", "nnnwnnw", "wwnnnnn", "nnwnnwn", "wnnnnwn", "nwnnnnw",
    "nwnnwnn", "nwwnnnn", "wnnwnnn", "nnnwwnn", "nnwwnnn", "wnnnwnw", "wnwnnnw",
    "wnwnwnn", "nnwnwnw", "nnwwnwn", "nwnwnnw", "nnnwnww", "nnnwwwn",
};

constexpr char kDefaultStartStop = 'A';
constexpr int kModulo16 = 1;
constexpr int kModulo10 = 2;

bool IsStartStop(char c) {
    return c >= 'A' && c <= 'D';
}

// Start and stop letters are supplied when the data lacks them; a single
// letter is taken as the start.
std::string WithStartAndStop(const std::string& data) {
    std::string framed = data;
    if (!IsStartStop(framed.front())) framed.insert(framed.begin(), kDefaultStartStop);
    if (framed.size() < 2 || !IsStartStop(framed.back())) framed += kDefaultStartStop;
    return framed;
}

bool InnerCharactersValid(std::string_view framed) {
    for (char c : framed.substr(1, framed.size() - 2)) {
        int value = IndexIn(kCodabarCharacters, c);
        if (value < 0 || IsStartStop(c)) return false;
    }
    return true;
}

int ValueOf(char c) {
    return IndexIn(kCodabarCharacters, c);
}

// Over every character, start and stop included.
char Modulo16CheckCharacter(std::string_view framed) {
    int sum = 0;
    for (char c : framed)
        sum += ValueOf(c);
    return kCodabarCharacters[(16 - sum % 16) % 16];
}

// Luhn over the character values between start and stop: the value next to
// the check character is doubled first.
char Modulo10CheckCharacter(std::string_view framed) {
    return LuhnCheckDigit(framed.substr(1, framed.size() - 2), ValueOf);
}

char CheckCharacterFor(int checkOption, std::string_view framed) {
    if (checkOption == kModulo16) return Modulo16CheckCharacter(framed);
    if (checkOption == kModulo10) return Modulo10CheckCharacter(framed);
    return 0;
}

} // namespace

int32_t EncodeCodabar(const LinearRequest& request, LinearSymbol& symbol) {
    if (request.libraryCode != kLibCodabar) return kErrorUnknownLibraryCode;
    if (request.data.empty()) return kErrorNoData;
    std::string framed = WithStartAndStop(request.data);
    if (!InnerCharactersValid(framed)) return kErrorInvalidData;

    std::string characters = framed;
    std::string checkText;
    symbol.checkCharacter = CheckCharacterFor(request.checkOption, framed);
    if (symbol.checkCharacter != 0) {
        checkText = std::string(1, symbol.checkCharacter);
        characters.insert(characters.end() - 1, symbol.checkCharacter);
    }

    for (size_t i = 0; i < characters.size(); ++i) {
        if (i > 0) symbol.elements.push_back(1);
        AppendPattern(symbol.elements, kCodabarPatterns[ValueOf(characters[i])]);
    }

    symbol.text = ChooseText(request, framed, checkText);
    AppendCheckWhenShown(request, symbol.text, checkText);
    return 0;
}

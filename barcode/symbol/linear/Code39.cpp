// Code 39, its full-ASCII form and HIBC, which is Code 39 with a "+" flag
// character and a mandatory check character.
#include <string>
#include <string_view>

#include "symbol/linear/ElementPatterns.h"
#include "symbol/linear/FullAscii.h"
#include "symbol/linear/LinearSymbol.h"
#include "symbol/linear/LinearText.h"

namespace {

// The character set in the order of the character values (0 to 42).
constexpr std::string_view kCode39Characters = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";

// ISO/IEC 16388 Table 1, bar-space-bar-space-bar-space-bar-space-bar, in
// the order of kCode39Characters.
constexpr std::string_view kCode39Patterns[43] = {
    "nnnwwnwnn", "wnnwnnnnw", "nnwwnnnnw", "wnwwnnnnn", "nnnwwnnnw", "wnnwwnnnn", "nnwwwnnnn",
    "nnnwnnwnw", "wnnwnnwnn", "nnwwnnwnn", "wnnnnwnnw", "nnwnnwnnw", "wnwnnwnnn", "nnnnwwnnw",
    "wnnnwwnnn", "nnwnwwnnn", "nnnnnwwnw", "wnnnnwwnn", "nnwnnwwnn", "nnnnwwwnn", "wnnnnnnww",
    "nnwnnnnww", "wnwnnnnwn", "nnnnwnnww", "wnnnwnnwn", "nnwnwnnwn", "nnnnnnwww", "wnnnnnwwn",
    "nnwnnnwwn", "nnnnwnwwn", "wwnnnnnnw", "nwwnnnnnw", "wwwnnnnnn", "nwnnwnnnw", "wwnnwnnnn",
    "nwwnwnnnn", "nwnnnnwnw", "wwnnnnwnn", "nwwnnnwnn", "nwnwnwnnn", "nwnwnnnwn", "nwnnnwnwn",
    "nnnwnwnwn",
};

// "*", the start and stop character (ISO/IEC 16388 Table 1).
constexpr std::string_view kStartStopPattern = "nwnnwnwnn";

constexpr char kHibcFlag = '+';

// The characters to draw, or an empty string when the data has a byte that
// the variant cannot carry.
std::string Code39CharactersOf(const std::string& data, bool fullAscii) {
    std::string characters;
    for (char c : data) {
        if (fullAscii) {
            // Function codes and the upper half have no full-ASCII pair; they
            // are left out rather than failing the whole symbol.
            if (IsAscii(c)) characters += kFullAsciiPairs[static_cast<unsigned char>(c)];
        } else {
            char upper = AsciiUpper(c);
            if (IndexIn(kCode39Characters, upper) < 0) return {};
            characters += upper;
        }
    }
    return characters;
}

char Modulo43CheckCharacter(std::string_view characters) {
    int sum = 0;
    for (char c : characters)
        sum += IndexIn(kCode39Characters, c);
    return kCode39Characters[sum % 43];
}

// Every character, start and stop included, is followed by a narrow gap but
// the last.
void AppendCode39Characters(std::string_view characters, std::vector<uint8_t>& elements) {
    AppendPattern(elements, kStartStopPattern);
    for (char c : characters) {
        elements.push_back(1);
        AppendPattern(elements, kCode39Patterns[IndexIn(kCode39Characters, c)]);
    }
    elements.push_back(1);
    AppendPattern(elements, kStartStopPattern);
}

std::string AsciiOnly(const std::string& data) {
    std::string ascii;
    for (char c : data)
        if (IsAscii(c)) ascii += c;
    return ascii;
}

std::string Code39TextFromData(const LinearRequest& request) {
    switch (request.libraryCode) {
    case kLibCode39Extended:
        return AsciiOnly(request.data);
    case kLibHibc:
        return kHibcFlag + Code39CharactersOf(request.data, false);
    default:
        return Code39CharactersOf(request.data, false);
    }
}

} // namespace

int32_t EncodeCode39(const LinearRequest& request, LinearSymbol& symbol) {
    const int32_t code = request.libraryCode;
    if (code != kLibCode39 && code != kLibCode39Extended && code != kLibHibc)
        return kErrorUnknownLibraryCode;

    const bool fullAscii = code == kLibCode39Extended;
    std::string characters = Code39CharactersOf(request.data, fullAscii);
    // Full ASCII leaves out the bytes it cannot carry: with none left there
    // is no data, rather than a character the symbology refused.
    if (characters.empty()) return fullAscii ? kErrorNoData : kErrorInvalidData;
    if (code == kLibHibc) characters.insert(characters.begin(), kHibcFlag);

    std::string checkText;
    if (code == kLibHibc || request.checkOption != 0) {
        symbol.checkCharacter = Modulo43CheckCharacter(characters);
        checkText = std::string(1, symbol.checkCharacter);
        characters += checkText;
    }
    AppendCode39Characters(characters, symbol.elements);

    symbol.text = ChooseText(request, Code39TextFromData(request), checkText);
    AppendCheckWhenShown(request, symbol.text, checkText);
    if (request.style & kStyleStarFraming) symbol.text = '*' + symbol.text + '*';
    return 0;
}

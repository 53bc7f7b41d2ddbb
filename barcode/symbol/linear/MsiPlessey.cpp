// MSI Plessey: each digit as four binary-coded bits, most significant first.
#include <string>
#include <string_view>

#include "symbol/linear/ElementPatterns.h"
#include "symbol/linear/LinearSymbol.h"
#include "symbol/linear/LinearText.h"

namespace {

// MSI bit patterns: a 1 is a wide bar and a narrow space, a 0 a narrow bar
// and a wide space; start and stop guard the bits.
constexpr std::string_view kOneBit = "wn";
constexpr std::string_view kZeroBit = "nw";
constexpr std::string_view kStart = "wn";
constexpr std::string_view kStop = "nwn";

constexpr int kTwoModulo10 = 1;
constexpr int kModulo11ThenModulo10 = 2;
// A modulo-11 remainder that no single digit can show.
constexpr int kNoModulo11Digit = 10;

char Modulo10CheckDigit(std::string_view digits) {
    return LuhnCheckDigit(digits, DigitValue);
}

// Weights 2 to 7 from the right, starting over after 7.
int Modulo11Value(std::string_view digits) {
    int sum = 0;
    int weight = 2;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        sum += DigitValue(*it) * weight;
        weight = weight == 7 ? 2 : weight + 1;
    }
    return (11 - sum % 11) % 11;
}

// The check digits in the order they follow the data.
std::string CheckDigitsFor(int checkOption, const std::string& data) {
    std::string checks;
    if (checkOption == kTwoModulo10) {
        checks += Modulo10CheckDigit(data);
    } else if (checkOption == kModulo11ThenModulo10) {
        int modulo11 = Modulo11Value(data);
        if (modulo11 != kNoModulo11Digit) checks += DigitCharacter(modulo11);
    }
    checks += Modulo10CheckDigit(data + checks);
    return checks;
}

void AppendDigit(std::vector<uint8_t>& elements, char digit) {
    const int value = DigitValue(digit);
    for (int bit = 3; bit >= 0; --bit)
        AppendPattern(elements, (value >> bit) & 1 ? kOneBit : kZeroBit);
}

} // namespace

int32_t EncodeMsiPlessey(const LinearRequest& request, LinearSymbol& symbol) {
    if (request.libraryCode != kLibMsiPlessey) return kErrorUnknownLibraryCode;
    if (!AllDigits(request.data)) return kErrorInvalidData;

    const std::string checks = CheckDigitsFor(request.checkOption, request.data);
    symbol.checkCharacter = checks[0];
    if (checks.size() > 1) symbol.secondCheckCharacter = checks[1];

    AppendPattern(symbol.elements, kStart);
    for (char digit : request.data + checks)
        AppendDigit(symbol.elements, digit);
    AppendPattern(symbol.elements, kStop);

    symbol.text = ChooseText(request, request.data, checks);
    AppendCheckWhenShown(request, symbol.text, checks);
    return 0;
}

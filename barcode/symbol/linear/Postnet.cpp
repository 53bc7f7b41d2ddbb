// USPS Postnet: ZIP, ZIP+4 or delivery-point digits as full and half bars.
// The bar sizes are fixed by the postal service, so only the bar heights are
// encoded here.
#include <string>
#include <string_view>

#include "symbol/linear/ElementPatterns.h"
#include "symbol/linear/LinearSymbol.h"
#include "symbol/linear/LinearText.h"

namespace {

// USPS Publication 25 (Postnet code), bar weights 7-4-2-1-0: "1" a full bar,
// "0" a half bar.
constexpr std::string_view kDigitBars[10] = {"11000", "00011", "00101", "00110", "01001",
                                             "01010", "01100", "10001", "10010", "10100"};

// ZIP, ZIP+4 and ZIP+4 with the delivery point.
size_t PostnetLength(size_t given) {
    if (given < 6) return 5;
    if (given <= 9) return 9;
    return 11;
}

std::string CutOrPadded(const std::string& digits) {
    std::string fitted = digits.substr(0, PostnetLength(digits.size()));
    fitted.resize(PostnetLength(digits.size()), '0');
    return fitted;
}

char PostnetCheckDigit(std::string_view digits) {
    int sum = 0;
    for (char digit : digits)
        sum += DigitValue(digit);
    return DigitCharacter((10 - sum % 10) % 10);
}

void AppendDigitBars(std::vector<bool>& bars, char digit) {
    for (char bar : kDigitBars[DigitValue(digit)])
        bars.push_back(bar == '1');
}

} // namespace

int32_t EncodePostnet(const LinearRequest& request, LinearSymbol& symbol) {
    if (request.libraryCode != kLibPostnet) return kErrorUnknownLibraryCode;
    if (!AllDigits(request.data)) return kErrorInvalidData;

    const std::string digits = CutOrPadded(request.data);
    symbol.checkCharacter = PostnetCheckDigit(digits);

    symbol.postnetFullBars.push_back(true);
    for (char digit : digits + symbol.checkCharacter)
        AppendDigitBars(symbol.postnetFullBars, digit);
    symbol.postnetFullBars.push_back(true);

    const std::string checkText(1, symbol.checkCharacter);
    symbol.text = ChooseText(request, digits, checkText);
    AppendCheckWhenShown(request, symbol.text, checkText);
    return 0;
}

// The 2 of 5 family: Industrial, Matrix, Interleaved, ITF-14 and the German
// Post's Identcode and Leitcode. All of them draw a digit from the same five
// narrow/wide elements, two of them wide.
#include <string>
#include <string_view>

#include "symbol/linear/ElementPatterns.h"
#include "symbol/linear/LinearSymbol.h"
#include "symbol/linear/LinearText.h"

namespace {

// The digits 0-9, weights 1-2-4-7-parity (ISO/IEC 16390, Table 1; the
// Industrial and Matrix variants use the same assignment).
constexpr std::string_view kDigitPatterns[10] = {"nnwwn", "wnnnw", "nwnnw", "wwnnn", "nnwnw",
                                                 "wnwnn", "nwwnn", "nnnww", "wnnwn", "nwnwn"};

// 2 of 5 Industrial: the data is in the bars alone, every space is narrow.
// Start bars wide-wide-narrow, stop bars wide-narrow-wide.
constexpr std::string_view kIndustrialStart = "wnwnnn";
constexpr std::string_view kIndustrialStop = "wnnnw";

// 2 of 5 Matrix: bar-space-bar-space-bar per digit plus a narrow gap; start
// and stop are the same wide-narrow-narrow-narrow-narrow character.
constexpr std::string_view kMatrixStartStop = "wnnnn";

// Interleaved 2 of 5 (ISO/IEC 16390, 5.3.3): start narrow bar/space pairs,
// stop wide bar, narrow space, narrow bar.
constexpr std::string_view kInterleavedStart = "nnnn";
constexpr std::string_view kInterleavedStop = "wnn";

// ITF-14 vertical bearer and the quiet zone it guards, in modules.
constexpr uint8_t kBearerModules = 5;
constexpr uint8_t kBearerQuietModules = 10;

void AppendIndustrialDigit(std::vector<uint8_t>& elements, char digit) {
    for (char bar : kDigitPatterns[DigitValue(digit)]) {
        elements.push_back(bar == 'w' ? kWideElement : 1);
        elements.push_back(1);
    }
}

void EncodeIndustrial(const std::string& digits, std::vector<uint8_t>& elements) {
    AppendPattern(elements, kIndustrialStart);
    for (char digit : digits)
        AppendIndustrialDigit(elements, digit);
    AppendPattern(elements, kIndustrialStop);
}

void EncodeMatrix(const std::string& digits, std::vector<uint8_t>& elements) {
    AppendPattern(elements, kMatrixStartStop);
    elements.push_back(1);
    for (char digit : digits) {
        AppendPattern(elements, kDigitPatterns[DigitValue(digit)]);
        elements.push_back(1);
    }
    AppendPattern(elements, kMatrixStartStop);
}

// The first digit of a pair goes into the bars, the second into the spaces.
void EncodeInterleaved(const std::string& digits, std::vector<uint8_t>& elements) {
    AppendPattern(elements, kInterleavedStart);
    for (size_t i = 0; i + 1 < digits.size(); i += 2) {
        std::string_view bars = kDigitPatterns[DigitValue(digits[i])];
        std::string_view spaces = kDigitPatterns[DigitValue(digits[i + 1])];
        for (size_t k = 0; k < bars.size(); ++k) {
            elements.push_back(bars[k] == 'w' ? kWideElement : 1);
            elements.push_back(spaces[k] == 'w' ? kWideElement : 1);
        }
    }
    AppendPattern(elements, kInterleavedStop);
}

void EncodeWithBearers(const std::string& digits, std::vector<uint8_t>& elements) {
    elements.push_back(kBearerModules);
    elements.push_back(kBearerQuietModules);
    EncodeInterleaved(digits, elements);
    elements.push_back(kBearerQuietModules);
    elements.push_back(kBearerModules);
}

// Identcode and Leitcode: weights 4 and 9 alternating from the first digit.
char GermanPostCheckDigit(std::string_view digits) {
    int sum = 0;
    for (size_t i = 0; i < digits.size(); ++i)
        sum += DigitValue(digits[i]) * (i % 2 == 0 ? 4 : 9);
    return DigitCharacter((10 - sum % 10) % 10);
}

// Identcode 2.3.6 and Leitcode 5.3.3.2, the way the Post prints them.
std::string GroupGermanPostDigits(const std::string& digits) {
    static constexpr size_t kIdentcodeGroups[] = {2, 3, 6};
    static constexpr size_t kLeitcodeGroups[] = {5, 3, 3, 2};
    std::string grouped;
    size_t position = 0;
    auto appendGroup = [&](size_t length) {
        if (position > 0) grouped += '.';
        grouped.append(digits, position, length);
        position += length;
    };
    if (digits.size() == 11)
        for (size_t length : kIdentcodeGroups)
            appendGroup(length);
    else
        for (size_t length : kLeitcodeGroups)
            appendGroup(length);
    return grouped;
}

bool IsGermanPostLength(size_t length) {
    return length == 11 || length == 13;
}

} // namespace

int32_t EncodeTwoOfFive(const LinearRequest& request, LinearSymbol& symbol) {
    const std::string& data = request.data;
    const int32_t code = request.libraryCode;
    if (!AllDigits(data)) return kErrorInvalidData;
    const bool germanPost = code == kLibGermanPtt;
    if (germanPost && !IsGermanPostLength(data.size())) return kErrorInvalidData;

    std::string digits = data;
    std::string checkText;
    if (germanPost || request.checkOption != 0) {
        symbol.checkCharacter = germanPost ? GermanPostCheckDigit(data) : Modulo10Weighted31(data);
        checkText = std::string(1, symbol.checkCharacter);
        digits += checkText;
    }

    switch (code) {
    case kLibIndustrial2of5:
        EncodeIndustrial(digits, symbol.elements);
        break;
    case kLibMatrix2of5:
        EncodeMatrix(digits, symbol.elements);
        break;
    case kLibInterleaved2of5:
    case kLibItf14:
    case kLibGermanPtt:
        // Pairs of digits: an odd count gets a leading zero, which changes
        // neither the value nor the 3/1 check digit.
        if (digits.size() % 2 != 0) digits.insert(digits.begin(), '0');
        if (code == kLibItf14)
            EncodeWithBearers(digits, symbol.elements);
        else
            EncodeInterleaved(digits, symbol.elements);
        break;
    default:
        return kErrorUnknownLibraryCode;
    }

    std::string textFromData = germanPost ? GroupGermanPostDigits(data) : data;
    symbol.text = ChooseText(request, textFromData, checkText);
    AppendCheckWhenShown(request, symbol.text, checkText, germanPost ? " " : "");
    return 0;
}

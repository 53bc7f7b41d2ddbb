// Code 128, EAN 128 and UCC128: the subset choice, the symbol values, the
// modulo-103 check and the human-readable text.
#include "symbol/linear/Code128Subsets.h"
#include "symbol/linear/LinearSymbol.h"
#include "symbol/linear/LinearText.h"

#include <string_view>

namespace {

// ISO/IEC 15417 Table 1: module widths bar, space, bar, space, bar, space of
// the symbol values 0 to 105; the stop (106) ends with its final bar.
constexpr std::string_view kPatterns[107] = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212",
    "221213", "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221",
    "223211", "221132", "221231", "213212", "223112", "312131", "311222", "321122", "321221",
    "312212", "322112", "322211", "212123", "212321", "232121", "111323", "131123", "131321",
    "112313", "132113", "132311", "211313", "231113", "231311", "112133", "112331", "132131",
    "113123", "113321", "133121", "313121", "211331", "231131", "213113", "213311", "213131",
    "311123", "311321", "331121", "312113", "312311", "332111", "314111", "221411", "431111",
    "111224", "111422", "121124", "121421", "141122", "141221", "112214", "112412", "122114",
    "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111", "111242",
    "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141",
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311",
    "113141", "114131", "311141", "411131", "211412", "211214", "211232", "2331112"};

constexpr int kStopValue = 106;
constexpr int kCheckModulus = 103;

struct Variant {
    Code128Subset fixedSubset = Code128Subset::kNone; // kNone: chosen per character
    bool fnc1First = false;
    bool digitsOnly = false;
    bool checkAlways = false;
};

Variant VariantOf(int32_t libraryCode) {
    switch (libraryCode) {
    case kLibCode128A:
        return {Code128Subset::kA};
    case kLibCode128B:
        return {Code128Subset::kB};
    case kLibCode128C:
        return {Code128Subset::kC};
    case kLibEan128Auto:
        return {Code128Subset::kNone, true, false, true};
    case kLibEan128A:
        return {Code128Subset::kA, true, false, true};
    case kLibEan128B:
        return {Code128Subset::kB, true, false, true};
    case kLibEan128C:
        return {Code128Subset::kC, true, false, true};
    case kLibUcc128:
        return {Code128Subset::kNone, true, true, false};
    default:
        return {};
    }
}

bool IsDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

bool IsEan128(int32_t libraryCode) {
    return libraryCode >= kLibEan128Auto && libraryCode <= kLibEan128C;
}

// A fixed subset C cannot hold half a digit pair, so each run between FNC1
// characters is made even by a leading zero, which keeps its numeric value.
std::string PadOddDigitRuns(const std::string& data) {
    std::string padded;
    size_t runStart = 0;
    while (runStart <= data.size()) {
        size_t runEnd = data.find(static_cast<char>(kCodeFnc1), runStart);
        if (runEnd == std::string::npos) runEnd = data.size();
        if ((runEnd - runStart) % 2 != 0) padded += '0';
        padded.append(data, runStart, runEnd - runStart);
        if (runEnd < data.size()) padded += static_cast<char>(kCodeFnc1);
        runStart = runEnd + 1;
    }
    return padded;
}

bool HasOnlyDigitsAndFnc1(const std::string& data) {
    for (unsigned char c : data) {
        if (!IsDigit(c) && c != kCodeFnc1) return false;
    }
    return true;
}

// Modulo 10 with weights 3 and 1 from the right, as for GS1 keys; the
// function characters carry no digit.
char Mod10CheckDigit(const std::string& data) {
    int sum = 0;
    int weight = 3;
    for (auto it = data.rbegin(); it != data.rend(); ++it) {
        if (!IsDigit(static_cast<unsigned char>(*it))) continue;
        sum += (*it - '0') * weight;
        weight = 4 - weight;
    }
    return static_cast<char>('0' + (10 - sum % 10) % 10);
}

int CheckValue(const std::vector<int>& values) {
    int sum = values.front();
    for (size_t position = 1; position < values.size(); ++position) {
        sum += static_cast<int>(position) * values[position];
    }
    return sum % kCheckModulus;
}

// The check value shown as the subset B character of that value.
char CheckCharacterOf(int checkValue) {
    return static_cast<char>(checkValue + ' ');
}

std::string WithoutFunctionCodes(const std::string& data) {
    std::string text;
    for (unsigned char c : data) {
        if (c < kCodeShift || c > kCodeFnc4) text += static_cast<char>(c);
    }
    return text;
}

// EAN 128 always shows its data: the request prepared that text already.
std::string HumanReadableText(const LinearRequest& request, const std::string& encodedData,
                              char checkCharacter) {
    const std::string checkText = checkCharacter != 0 ? std::string(1, checkCharacter) : "";
    const std::string dataText = WithoutFunctionCodes(encodedData);
    std::string text =
        IsEan128(request.libraryCode) ? dataText : ChooseText(request, dataText, checkText);
    AppendCheckWhenShown(request, text, checkText);
    return text;
}

void AppendPatterns(const std::vector<int>& values, std::vector<uint8_t>& elements) {
    for (int value : values) {
        for (char width : kPatterns[value])
            elements.push_back(static_cast<uint8_t>(width - '0'));
    }
}

} // namespace

int32_t EncodeCode128(const LinearRequest& request, LinearSymbol& symbol) {
    const Variant variant = VariantOf(request.libraryCode);
    std::string data = request.data;
    if (variant.fnc1First && (data.empty() || static_cast<unsigned char>(data[0]) != kCodeFnc1)) {
        data.insert(data.begin(), static_cast<char>(kCodeFnc1));
    }
    if (variant.digitsOnly && !HasOnlyDigitsAndFnc1(data)) return kErrorInvalidData;
    if (variant.fixedSubset == Code128Subset::kC) data = PadOddDigitRuns(data);

    char addedDigit = 0;
    if (request.libraryCode == kLibUcc128 && request.checkOption == 2) {
        addedDigit = Mod10CheckDigit(data);
        data += addedDigit;
    }

    std::vector<int> values;
    if (!EncodeCode128Values(data, variant.fixedSubset, values)) return kErrorInvalidData;

    char checkCharacter = 0;
    if (variant.checkAlways || request.checkOption > 0) {
        const int check = CheckValue(values);
        values.push_back(check);
        checkCharacter = CheckCharacterOf(check);
    }
    values.push_back(kStopValue);

    AppendPatterns(values, symbol.elements);
    symbol.checkCharacter = checkCharacter;
    symbol.secondCheckCharacter = addedDigit;
    symbol.text = HumanReadableText(request, data, checkCharacter);
    return 0;
}

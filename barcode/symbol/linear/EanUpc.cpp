// EAN-13, EAN-8, UPC-A and UPC-E with their add-ons: digits in, element
// widths with bar kinds and the text pieces around the bars out.
#include "symbol/linear/LinearSymbol.h"

#include <string_view>

namespace {

// GS1 EAN/UPC symbology, number set A: module widths space, bar,
// space, bar of the digits 0 to 9. Number set C has the same widths with
// bar first, so it shares this table.
constexpr std::string_view kSetA[10] = {"3211", "2221", "2122", "1411", "1132",
                                        "1231", "1114", "1312", "1213", "3112"};
// GS1 EAN/UPC symbology, number set B (set C's widths reversed).
constexpr std::string_view kSetB[10] = {"1123", "1222", "2212", "1141", "2311",
                                        "1321", "4111", "2131", "3121", "2113"};
// GS1 EAN/UPC symbology: number sets of the left half of EAN-13 by the
// leading digit ('A' set A, 'B' set B).
constexpr std::string_view kEan13LeftSets[10] = {"AAAAAA", "AABABB", "AABBAB", "AABBBA", "ABAABB",
                                                 "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA"};
// GS1 EAN/UPC symbology: number sets of UPC-E by check digit, number
// system 0; number system 1 swaps A and B.
constexpr std::string_view kUpcESets[10] = {"BBBAAA", "BBABAA", "BBAABA", "BBAAAB", "BABBAA",
                                            "BAABBA", "BAAABB", "BABABA", "BABAAB", "BAABAB"};
// GS1 EAN/UPC symbology: 2-digit add-on sets by the value modulo 4.
constexpr std::string_view kAddOn2Sets[4] = {"AA", "AB", "BA", "BB"};
// GS1 EAN/UPC symbology: 5-digit add-on sets by its check value.
constexpr std::string_view kAddOn5Sets[10] = {"BBAAA", "BABAA", "BAABA", "BAAAB", "ABBAA",
                                              "AABBA", "AAABB", "ABABA", "ABAAB", "AABAB"};

constexpr std::string_view kNormalGuard = "111";
constexpr std::string_view kCentreGuard = "11111";
constexpr std::string_view kUpcEEndGuard = "111111";
constexpr std::string_view kAddOnStart = "112";
constexpr std::string_view kAddOnSeparator = "11";
// The quiet space between symbol and add-on; the text positions of the
// add-on digits assume it.
constexpr uint8_t kAddOnGap = 9;

constexpr int32_t kErrorAddOnDigits = -14;

struct Layout {
    size_t mainDigits;    // digits taken from the data, check digit excluded
    int32_t addOn2Tenths; // centre of a 2-digit add-on
    int32_t addOn5Tenths; // centre of a 5-digit add-on
};

Layout LayoutOf(int32_t libraryCode) {
    switch (libraryCode) {
    case kLibUpcA:
        return {11, 1140, 1275};
    case kLibEan13:
        return {12, 1140, 1275};
    case kLibEan8:
        return {7, 860, 995};
    case kLibUpcE:
        return {11, 700, 835};
    default: // UPC-E0, UPC-E1
        return {6, 700, 835};
    }
}

bool AllDigits(std::string_view data) {
    for (char c : data) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

int DigitAt(std::string_view digits, size_t index) {
    return digits[index] - '0';
}

// Modulo 10 with weight 3 on the rightmost digit.
char CheckDigit(std::string_view digits) {
    int sum = 0;
    int weight = 3;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        sum += (*it - '0') * weight;
        weight = 4 - weight;
    }
    return static_cast<char>('0' + (10 - sum % 10) % 10);
}

// The zero-suppression rules of UPC-E, from the ten digits after the
// number system; empty when no rule fits.
std::string SuppressZeros(std::string_view tenDigits) {
    const std::string_view maker = tenDigits.substr(0, 5);
    const std::string_view item = tenDigits.substr(5, 5);
    if (maker.substr(3) == "00" && maker[2] <= '2' && item.substr(0, 2) == "00") {
        return std::string(maker.substr(0, 2)).append(item.substr(2)) + maker[2];
    }
    if (maker.substr(3) == "00" && item.substr(0, 3) == "000") {
        return std::string(maker.substr(0, 3)).append(item.substr(3)) + '3';
    }
    if (maker[4] == '0' && item.substr(0, 4) == "0000") {
        return std::string(maker.substr(0, 4)) + item[4] + '4';
    }
    if (item.substr(0, 4) == "0000" && item[4] >= '5') {
        return std::string(maker) + item[4];
    }
    return {};
}

// The inverse of SuppressZeros: the ten digits the six UPC-E digits stand for.
std::string ExpandZeros(std::string_view six) {
    const char last = six[5];
    if (last <= '2') {
        return std::string(six.substr(0, 2)) + last + "0000" + std::string(six.substr(2, 3));
    }
    if (last == '3') return std::string(six.substr(0, 3)) + "00000" + std::string(six.substr(3, 2));
    if (last == '4') return std::string(six.substr(0, 4)) + "00000" + six[4];
    return std::string(six.substr(0, 5)) + "0000" + last;
}

class ElementWriter {
  public:
    explicit ElementWriter(LinearSymbol& symbol) : symbol_(symbol) {
        symbol_.kinds.reserve(symbol_.elements.capacity());
    }

    void Widths(std::string_view widths, BarKind kind) {
        for (char width : widths)
            Element(static_cast<uint8_t>(width - '0'), kind);
    }
    void Element(uint8_t width, BarKind kind) {
        symbol_.elements.push_back(width);
        symbol_.kinds.push_back(kind);
    }
    // setName 'A' or 'B' for the left half, 'C' for the right half.
    void Digit(char digit, char setName, BarKind kind) {
        const int value = digit - '0';
        Widths(setName == 'B' ? kSetB[value] : kSetA[value], kind);
    }
    int32_t Count() const { return static_cast<int32_t>(symbol_.elements.size()); }
    // Room for count more elements, so that appending them never moves the
    // lists (an EAN-13 appends 59 one by one).
    void Reserve(size_t count) {
        symbol_.elements.reserve(symbol_.elements.size() + count);
        symbol_.kinds.reserve(symbol_.kinds.size() + count);
    }

  private:
    LinearSymbol& symbol_;
};

void AddPiece(LinearSymbol& symbol, std::string text, int32_t xTenths, TextAlign align,
              TextRow row) {
    constexpr size_t kMostPieces = 6; // side digits, two groups, the add-on
    if (symbol.pieces.empty()) symbol.pieces.reserve(kMostPieces);
    symbol.pieces.push_back({std::move(text), xTenths, align, row});
}

void AddNumberSystemPiece(LinearSymbol& symbol, char digit) {
    AddPiece(symbol, std::string(1, digit), -10, TextAlign::kRight, TextRow::kSideDigit);
}

void AddCheckPiece(LinearSymbol& symbol, char digit, int32_t xTenths) {
    AddPiece(symbol, std::string(1, digit), xTenths, TextAlign::kLeft, TextRow::kSideDigit);
}

void AddGroupPiece(LinearSymbol& symbol, std::string_view digits, int32_t xTenths) {
    AddPiece(symbol, std::string(digits), xTenths, TextAlign::kCentre, TextRow::kDigitGroup);
}

// Twelve main digits and the check digit; UPC-A is the EAN-13 of a leading
// zero whose outer digits are drawn with guard-length bars.
void WriteEan13Bars(ElementWriter& writer, std::string_view thirteen, bool upcA) {
    // Guards of 3, 5 and 3 elements and twelve digits of 4.
    constexpr size_t kEan13Elements = 3 + 6 * 4 + 5 + 6 * 4 + 3;
    writer.Reserve(kEan13Elements);
    const std::string_view leftSets = kEan13LeftSets[DigitAt(thirteen, 0)];
    writer.Widths(kNormalGuard, BarKind::kGuard);
    for (size_t i = 1; i <= 6; ++i) {
        const BarKind kind = upcA && i == 1 ? BarKind::kGuard : BarKind::kData;
        writer.Digit(thirteen[i], leftSets[i - 1], kind);
    }
    writer.Widths(kCentreGuard, BarKind::kGuard);
    for (size_t i = 7; i <= 12; ++i) {
        const BarKind kind = upcA && i == 12 ? BarKind::kGuard : BarKind::kData;
        writer.Digit(thirteen[i], 'C', kind);
    }
    writer.Widths(kNormalGuard, BarKind::kGuard);
}

void EncodeEan13(LinearSymbol& symbol, std::string_view twelve) {
    const std::string thirteen = std::string(twelve) + CheckDigit(twelve);
    ElementWriter writer(symbol);
    WriteEan13Bars(writer, thirteen, false);
    AddNumberSystemPiece(symbol, thirteen[0]);
    AddGroupPiece(symbol, std::string_view(thirteen).substr(1, 6), 240);
    AddGroupPiece(symbol, std::string_view(thirteen).substr(7, 6), 710);
    symbol.checkCharacter = thirteen[12];
}

void EncodeUpcA(LinearSymbol& symbol, std::string_view eleven) {
    const std::string twelve = std::string(eleven) + CheckDigit(eleven);
    ElementWriter writer(symbol);
    WriteEan13Bars(writer, "0" + twelve, true);
    AddNumberSystemPiece(symbol, twelve[0]);
    AddGroupPiece(symbol, std::string_view(twelve).substr(1, 5), 275);
    AddGroupPiece(symbol, std::string_view(twelve).substr(6, 5), 675);
    AddCheckPiece(symbol, twelve[11], 960);
    symbol.checkCharacter = twelve[11];
}

void EncodeEan8(LinearSymbol& symbol, std::string_view seven) {
    const std::string eight = std::string(seven) + CheckDigit(seven);
    ElementWriter writer(symbol);
    writer.Widths(kNormalGuard, BarKind::kGuard);
    for (size_t i = 0; i < 4; ++i)
        writer.Digit(eight[i], 'A', BarKind::kData);
    writer.Widths(kCentreGuard, BarKind::kGuard);
    for (size_t i = 4; i < 8; ++i)
        writer.Digit(eight[i], 'C', BarKind::kData);
    writer.Widths(kNormalGuard, BarKind::kGuard);
    AddGroupPiece(symbol, std::string_view(eight).substr(0, 4), 170);
    AddGroupPiece(symbol, std::string_view(eight).substr(4, 4), 500);
    symbol.checkCharacter = eight[7];
}

// The six UPC-E digits of number system 0 or 1; the check digit is that of
// the UPC-A number they stand for.
void EncodeUpcESix(LinearSymbol& symbol, char numberSystem, std::string_view six) {
    const std::string eleven = numberSystem + ExpandZeros(six);
    const char check = CheckDigit(eleven);
    const std::string_view sets = kUpcESets[check - '0'];
    ElementWriter writer(symbol);
    writer.Widths(kNormalGuard, BarKind::kGuard);
    for (size_t i = 0; i < 6; ++i) {
        const bool setA = (sets[i] == 'A') == (numberSystem == '0');
        writer.Digit(six[i], setA ? 'A' : 'B', BarKind::kData);
    }
    writer.Widths(kUpcEEndGuard, BarKind::kGuard);
    AddNumberSystemPiece(symbol, numberSystem);
    AddGroupPiece(symbol, six, 240);
    AddCheckPiece(symbol, check, 520);
    symbol.checkCharacter = check;
}

int AddOn5CheckValue(std::string_view five) {
    const int odd = DigitAt(five, 0) + DigitAt(five, 2) + DigitAt(five, 4);
    const int even = DigitAt(five, 1) + DigitAt(five, 3);
    return (3 * odd + 9 * even) % 10;
}

std::string_view AddOnSets(std::string_view digits) {
    if (digits.size() == 2) return kAddOn2Sets[(DigitAt(digits, 0) * 10 + DigitAt(digits, 1)) % 4];
    return kAddOn5Sets[AddOn5CheckValue(digits)];
}

void AppendAddOn(LinearSymbol& symbol, std::string_view digits, int32_t xTenths) {
    ElementWriter writer(symbol);
    writer.Element(kAddOnGap, BarKind::kData);
    symbol.addOnFirstElement = writer.Count();
    writer.Widths(kAddOnStart, BarKind::kAddOn);
    const std::string_view sets = AddOnSets(digits);
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0) writer.Widths(kAddOnSeparator, BarKind::kAddOn);
        writer.Digit(digits[i], sets[i], BarKind::kAddOn);
    }
    AddPiece(symbol, std::string(digits), xTenths, TextAlign::kCentre, TextRow::kAddOn);
}

int32_t EncodeMain(int32_t libraryCode, std::string_view main, LinearSymbol& symbol) {
    switch (libraryCode) {
    case kLibUpcA:
        EncodeUpcA(symbol, main);
        return 0;
    case kLibEan13:
        EncodeEan13(symbol, main);
        return 0;
    case kLibEan8:
        EncodeEan8(symbol, main);
        return 0;
    case kLibUpcE0:
        EncodeUpcESix(symbol, '0', main);
        return 0;
    case kLibUpcE1:
        EncodeUpcESix(symbol, '1', main);
        return 0;
    case kLibUpcE: {
        if (main[0] != '0' && main[0] != '1') return kErrorInvalidData;
        const std::string six = SuppressZeros(main.substr(1));
        if (six.empty()) return kErrorInvalidData;
        EncodeUpcESix(symbol, main[0], six);
        return 0;
    }
    default:
        return kErrorUnknownLibraryCode;
    }
}

} // namespace

int32_t EncodeEanUpc(const LinearRequest& request, LinearSymbol& symbol) {
    if (request.addOnDigits != 0 && request.addOnDigits != 2 && request.addOnDigits != 5) {
        return kErrorAddOnDigits;
    }
    if (!AllDigits(request.data)) return kErrorInvalidData;
    const Layout layout = LayoutOf(request.libraryCode);
    const size_t addOnDigits = static_cast<size_t>(request.addOnDigits);

    // Short data is filled with zeros and long data cut, so every request
    // draws a complete symbol; the check digit is always our own.
    std::string digits = request.data;
    digits.resize(layout.mainDigits + addOnDigits, '0');
    const std::string_view all(digits);

    const int32_t result =
        EncodeMain(request.libraryCode, all.substr(0, layout.mainDigits), symbol);
    if (result != 0) return result;
    if (addOnDigits > 0) {
        const int32_t xTenths = addOnDigits == 2 ? layout.addOn2Tenths : layout.addOn5Tenths;
        AppendAddOn(symbol, all.substr(layout.mainDigits), xTenths);
    }
    return 0;
}

// The automatic subset choice of Code 128 and the value of each character
// in its subset.
#include "symbol/linear/Code128Subsets.h"
#include "symbol/linear/LinearSymbol.h"

namespace {

// ISO/IEC 15417 symbol values of the start and code-set characters.
constexpr int kStartA = 103;
constexpr int kStartB = 104;
constexpr int kStartC = 105;
constexpr int kCodeSetA = 101;
constexpr int kCodeSetB = 100;
constexpr int kCodeSetC = 99;
constexpr int kValueShift = 98;
constexpr int kValueFnc1 = 102;
constexpr int kValueFnc2 = 96;
constexpr int kValueFnc3 = 97;
constexpr int kValueFnc4InA = 101;
constexpr int kValueFnc4InB = 100;
constexpr int kNoValue = -1;

// Four digits pay for a change to subset C and back.
constexpr size_t kDigitsWorthSubsetC = 4;

using Subset = Code128Subset;

unsigned char ByteAt(const std::string& data, size_t position) {
    return static_cast<unsigned char>(data[position]);
}

bool IsDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}
bool IsControl(unsigned char c) {
    return c < ' ';
}
bool IsLowerRange(unsigned char c) {
    return c >= 96 && c <= 127;
}
bool IsFunctionCode(unsigned char c) {
    return c >= kCodeShift && c <= kCodeFnc4;
}

size_t DigitRunLength(const std::string& data, size_t position) {
    size_t end = position;
    while (end < data.size() && IsDigit(ByteAt(data, end)))
        ++end;
    return end - position;
}

bool BeginsWithFnc1ThenTwoDigits(const std::string& data) {
    size_t position = 0;
    while (position < data.size() && ByteAt(data, position) == kCodeFnc1)
        ++position;
    return position > 0 && DigitRunLength(data, position) >= 2;
}

// The first character that only one of A and B holds decides between them;
// B serves when there is none.
Subset ScanAheadForAOrB(const std::string& data, size_t position) {
    for (; position < data.size(); ++position) {
        const unsigned char c = ByteAt(data, position);
        if (IsControl(c)) return Subset::kA;
        if (IsLowerRange(c)) return Subset::kB;
    }
    return Subset::kB;
}

Subset ChooseSubset(const std::string& data, size_t position, Subset current) {
    const unsigned char c = ByteAt(data, position);
    const size_t digits = DigitRunLength(data, position);
    if (current == Subset::kC && (c == kCodeFnc1 || digits >= 2)) return Subset::kC;
    const bool inAOrB = current == Subset::kA || current == Subset::kB;
    const bool runReachesEnd = position + digits == data.size();
    if (inAOrB && digits >= kDigitsWorthSubsetC && runReachesEnd) {
        // An odd run keeps its first digit here so that C ends on a full pair.
        return digits % 2 == 0 ? Subset::kC : current;
    }
    if (digits >= kDigitsWorthSubsetC) return Subset::kC;
    if (position == 0 && BeginsWithFnc1ThenTwoDigits(data)) return Subset::kC;
    return ScanAheadForAOrB(data, position);
}

int FunctionValue(unsigned char c, Subset subset) {
    switch (c) {
    case kCodeShift:
        return kValueShift;
    case kCodeFnc1:
        return kValueFnc1;
    case kCodeFnc2:
        return kValueFnc2;
    case kCodeFnc3:
        return kValueFnc3;
    case kCodeFnc4:
        return subset == Subset::kA ? kValueFnc4InA : kValueFnc4InB;
    default:
        return kNoValue;
    }
}

int ValueInA(unsigned char c) {
    if (IsFunctionCode(c)) return FunctionValue(c, Subset::kA);
    if (IsControl(c)) return c + 64;
    if (c < 96) return c - ' ';
    return kNoValue;
}

int ValueInB(unsigned char c) {
    if (IsFunctionCode(c)) return FunctionValue(c, Subset::kB);
    if (c >= ' ' && c < 128) return c - ' ';
    return kNoValue;
}

// Subset C takes a digit pair or FNC1; consumed tells how many bytes went.
int ValueInC(const std::string& data, size_t position, size_t& consumed) {
    const unsigned char c = ByteAt(data, position);
    if (c == kCodeFnc1) return kValueFnc1;
    if (DigitRunLength(data, position) < 2) return kNoValue;
    consumed = 2;
    return (c - '0') * 10 + (ByteAt(data, position + 1) - '0');
}

int StartValue(Subset subset) {
    return subset == Subset::kA ? kStartA : subset == Subset::kB ? kStartB : kStartC;
}

int CodeSetValue(Subset subset) {
    return subset == Subset::kA ? kCodeSetA : subset == Subset::kB ? kCodeSetB : kCodeSetC;
}

} // namespace

bool EncodeCode128Values(const std::string& data, Code128Subset fixedSubset,
                         std::vector<int>& values) {
    // Two characters alone fit one subset C pair, so C is tried first.
    Subset current = data.size() == 2 ? Subset::kC : Subset::kNone;
    bool started = false;
    size_t position = 0;
    while (position < data.size()) {
        const Subset chosen =
            fixedSubset != Subset::kNone ? fixedSubset : ChooseSubset(data, position, current);
        if (!started) {
            values.push_back(StartValue(chosen));
            started = true;
        } else if (chosen != current) {
            values.push_back(CodeSetValue(chosen));
        }
        current = chosen;

        size_t consumed = 1;
        const unsigned char c = ByteAt(data, position);
        const int value = chosen == Subset::kA   ? ValueInA(c)
                          : chosen == Subset::kB ? ValueInB(c)
                                                 : ValueInC(data, position, consumed);
        if (value == kNoValue) return false;
        values.push_back(value);
        position += consumed;
    }
    return started;
}

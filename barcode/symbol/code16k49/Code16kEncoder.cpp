#include "symbol/code16k49/Code16kEncoder.h"

#include "symbol/SymbolErrors.h"
#include "symbol/code16k49/Code16kTables.h"
#include "symbol/code16k49/StackedRows.h"

#include <array>
#include <algorithm>
#include <climits>

namespace code16k {

namespace {

// The bytes that stand for function characters after the Code 128-style
// preparation.
constexpr int kSubsetShiftByte = 128;
constexpr int kFnc1Byte = 129;
constexpr int kFnc3Byte = 130;
constexpr int kFnc2Byte = 131;
constexpr int kFnc4Byte = 132;

enum Subset : int { kA = 0, kB = 1, kC = 2 };
constexpr int kSubsets = 3;
// Where two choices are equally short, B wins over A and A over C: plain
// text reads in B, and no reader gains from an earlier change.
constexpr std::array<Subset, kSubsets> kPreference = {kB, kA, kC};

// Fewer characters first; among equally short encodings, fewer subset
// changes and shifts.
constexpr int kCharacterCost = 1024;
constexpr int kChangeCost = 1;
constexpr int kUnreached = INT_MAX / 2;

enum class Move : uint8_t { kNone, kStart, kLatch, kDirect, kShifted };

struct Step {
    int cost = kUnreached;
    Move move = Move::kNone;
    int from = 0;       // position before the move
    int fromSubset = 0; // subset before the move
    int mode = 0;       // for kStart
};

bool IsFunction(int item) {
    return item >= kFnc1Byte && item <= kFnc4Byte;
}

bool IsDigit(int item) {
    return item >= '0' && item <= '9';
}

bool InA(int item) {
    return item < 96 || IsFunction(item);
}

bool InB(int item) {
    return (item >= 32 && item < 128) || IsFunction(item);
}

int FunctionValue(int item, Subset subset) {
    switch (item) {
    case kFnc1Byte:
        return kFnc1;
    case kFnc2Byte:
        return kFnc2;
    case kFnc3Byte:
        return kFnc3;
    default:
        return subset == kA ? kFnc4InA : kFnc4InB;
    }
}

int ValueIn(int item, Subset subset) {
    if (IsFunction(item)) return FunctionValue(item, subset);
    if (subset == kA && item < 32) return item + 64;
    return item - 32;
}

int LatchValue(Subset to) {
    switch (to) {
    case kA:
        return kCodeA;
    case kB:
        return kCodeB;
    default:
        return kCodeC;
    }
}

Subset Other(Subset subset) {
    return subset == kA ? kB : kA;
}

bool InSubset(int item, Subset subset) {
    return subset == kA ? InA(item) : InB(item);
}

// The data as items: bytes 0..127 and the function characters; false when
// a byte has no Code 16K character. The Code 128 subset shift carries no
// data: the encoder shifts wherever that is shorter.
bool ToItems(const std::string& data, std::vector<int>& items) {
    for (char c : data) {
        const int byte = static_cast<unsigned char>(c);
        if (byte == kSubsetShiftByte) continue;
        if (byte > kFnc4Byte) return false;
        items.push_back(byte);
    }
    return true;
}

bool StartsWithFnc1(const std::vector<int>& items) {
    return !items.empty() && items[0] == kFnc1Byte;
}

bool StartsInB(const std::vector<int>& items, size_t count) {
    if (items.size() < count) return false;
    for (size_t i = 0; i < count; ++i)
        if (!InB(items[i])) return false;
    return true;
}

bool ModeAllowed(int mode, StartSubset start) {
    switch (start) {
    case StartSubset::kA:
        return mode == kModeA;
    case StartSubset::kB:
        return mode == kModeB || mode == kModeBWithFnc1;
    case StartSubset::kC:
        return mode == kModeC || mode >= kModeCWithFnc1;
    default:
        return true;
    }
}

// The shortest encoding as a walk over (position, subset) states.
class Planner {
  public:
    Planner(const std::vector<int>& items, StartSubset start)
        : items_(items), steps_(items.size() + 1) {
        SeedStartModes(start);
        for (size_t position = 0; position <= items_.size(); ++position) {
            RelaxLatches(position);
            if (position < items_.size()) Advance(position);
        }
    }

    // The moves from the start to the end, last first.
    std::vector<std::pair<size_t, Subset>> Path() const {
        std::vector<std::pair<size_t, Subset>> path;
        size_t position = items_.size();
        Subset subset = BestFinalSubset();
        for (;;) {
            path.emplace_back(position, subset);
            const Step& step = steps_[position][subset];
            if (step.move == Move::kStart) break;
            position = static_cast<size_t>(step.from);
            subset = static_cast<Subset>(step.fromSubset);
        }
        return path;
    }

    const Step& At(size_t position, Subset subset) const { return steps_[position][subset]; }

  private:
    void Offer(size_t position, Subset subset, const Step& step) {
        Step& current = steps_[position][subset];
        if (step.cost < current.cost) current = step;
    }

    void OfferStart(size_t position, Subset subset, int mode, int characters, StartSubset start) {
        if (!ModeAllowed(mode, start)) return;
        Offer(position, subset, Step{characters * kCharacterCost, Move::kStart, 0, 0, mode});
    }

    void SeedStartModes(StartSubset start) {
        OfferStart(0, kB, kModeB, 0, start);
        OfferStart(0, kA, kModeA, 0, start);
        OfferStart(0, kC, kModeC, 0, start);
        if (StartsWithFnc1(items_)) {
            OfferStart(1, kB, kModeBWithFnc1, 0, start);
            OfferStart(1, kC, kModeCWithFnc1, 0, start);
        }
        if (StartsInB(items_, 1)) OfferStart(1, kC, kModeCAfterShiftB, 1, start);
        if (StartsInB(items_, 2)) OfferStart(2, kC, kModeCAfterDoubleShiftB, 2, start);
    }

    void RelaxLatches(size_t position) {
        const std::array<Step, kSubsets> before = steps_[position];
        for (Subset to : kPreference)
            for (Subset from : kPreference) {
                if (from == to || before[from].cost >= kUnreached) continue;
                Offer(position, to,
                      Step{before[from].cost + kCharacterCost + kChangeCost, Move::kLatch,
                           static_cast<int>(position), from, 0});
            }
    }

    void Advance(size_t position) {
        for (int s = 0; s < kSubsets; ++s) {
            const Subset subset = static_cast<Subset>(s);
            const int cost = steps_[position][subset].cost;
            if (cost >= kUnreached) continue;
            if (subset == kC)
                AdvanceInC(position, cost);
            else
                AdvanceInAOrB(position, subset, cost);
        }
    }

    void AdvanceInC(size_t position, int cost) {
        const int item = items_[position];
        if (item == kFnc1Byte)
            Offer(position + 1, kC,
                  Step{cost + kCharacterCost, Move::kDirect, static_cast<int>(position), kC, 0});
        if (position + 1 < items_.size() && IsDigit(item) && IsDigit(items_[position + 1]))
            Offer(position + 2, kC,
                  Step{cost + kCharacterCost, Move::kDirect, static_cast<int>(position), kC, 0});
    }

    void AdvanceInAOrB(size_t position, Subset subset, int cost) {
        const int item = items_[position];
        if (InSubset(item, subset))
            Offer(
                position + 1, subset,
                Step{cost + kCharacterCost, Move::kDirect, static_cast<int>(position), subset, 0});
        else if (InSubset(item, Other(subset)))
            Offer(position + 1, subset,
                  Step{cost + 2 * kCharacterCost + kChangeCost, Move::kShifted,
                       static_cast<int>(position), subset, 0});
    }

    Subset BestFinalSubset() const {
        const auto& last = steps_[items_.size()];
        Subset best = kPreference[0];
        for (Subset subset : kPreference)
            if (last[subset].cost < last[best].cost) best = subset;
        return best;
    }

    const std::vector<int>& items_;
    std::vector<std::array<Step, kSubsets>> steps_;
};

// Turns the planned walk into symbol character values after the (still
// unknown) mode character.
void EmitPath(const Planner& planner, const std::vector<int>& items, SymbolValues& symbol) {
    const auto path = planner.Path();
    for (size_t k = path.size(); k-- > 0;) {
        const auto [position, subset] = path[k];
        const Step& step = planner.At(position, subset);
        switch (step.move) {
        case Move::kStart:
            symbol.mode = step.mode;
            if (step.mode >= kModeCAfterShiftB)
                for (size_t i = 0; i < position; ++i)
                    symbol.values.push_back(ValueIn(items[i], kB));
            break;
        case Move::kLatch:
            symbol.values.push_back(LatchValue(subset));
            break;
        case Move::kShifted:
            symbol.values.push_back(kShift);
            symbol.values.push_back(ValueIn(items[position - 1], Other(subset)));
            break;
        case Move::kDirect: {
            const size_t from = static_cast<size_t>(step.from);
            const int item = items[from];
            if (subset != kC)
                symbol.values.push_back(ValueIn(item, subset));
            else if (item == kFnc1Byte)
                symbol.values.push_back(kFnc1);
            else
                symbol.values.push_back((item - '0') * 10 + (items[from + 1] - '0'));
            break;
        }
        default:
            break;
        }
    }
}

int RowsFor(size_t characters) {
    const size_t rows = (characters + kCharactersPerRow - 1) / kCharactersPerRow;
    return rows < static_cast<size_t>(kMinRows) ? kMinRows
                                                : static_cast<int>(std::min<size_t>(rows, 99));
}

// Both check characters are modulo 107; the first weighs the characters
// from 2 up, the second from 1 up and counts the first check as well.
void AppendCheckCharacters(std::vector<int>& values) {
    long first = 0;
    long second = 0;
    for (size_t i = 0; i < values.size(); ++i) {
        first += static_cast<long>(i + 2) * values[i];
        second += static_cast<long>(i + 1) * values[i];
    }
    const int firstCheck = static_cast<int>(first % kCheckModulus);
    second += static_cast<long>(values.size() + 1) * firstCheck;
    values.push_back(firstCheck);
    values.push_back(static_cast<int>(second % kCheckModulus));
}

stacked::ModuleRow RowModules(const std::vector<int>& values, int row) {
    stacked::ModuleRow bits;
    stacked::AppendPrintedWidths(bits, kStartStopPatterns[kRowStartPattern[row]], 4, true);
    bits.AppendBits(1, 1); // guard bar
    for (int i = 0; i < kCharactersPerRow; ++i) {
        const int value = values[static_cast<size_t>(row * kCharactersPerRow + i)];
        stacked::AppendPrintedWidths(bits, kCharacterPatterns[static_cast<size_t>(value)], 6,
                                     false);
    }
    stacked::AppendPrintedWidths(bits, kStartStopPatterns[kRowStopPattern[row]], 4, false);
    return bits;
}

} // namespace

SymbolValues ToSymbolValues(const std::string& data, StartSubset start) {
    SymbolValues symbol;
    std::vector<int> items;
    if (!ToItems(data, items)) {
        symbol.result = -kSymbolInvalidData;
        return symbol;
    }
    const Planner planner(items, start);
    symbol.values.push_back(0); // the mode character, once the rows are known
    EmitPath(planner, items, symbol);
    symbol.rows = RowsFor(symbol.values.size() + kCheckCharacters);
    if (symbol.rows > kMaxRows) {
        symbol.result = -stacked::kTooMuchData;
        return symbol;
    }
    symbol.values[0] = 7 * (symbol.rows - kMinRows) + symbol.mode;
    const size_t dataEnd = static_cast<size_t>(symbol.rows * kCharactersPerRow - kCheckCharacters);
    symbol.values.resize(dataEnd, kPad);
    AppendCheckCharacters(symbol.values);
    return symbol;
}

int32_t EncodeCode16kRows(const std::string& data, StartSubset start,
                          std::vector<stacked::ModuleRow>& rows) {
    const SymbolValues symbol = ToSymbolValues(data, start);
    if (symbol.result != 0) return symbol.result;
    rows.clear();
    rows.reserve(static_cast<size_t>(symbol.rows));
    for (int row = 0; row < symbol.rows; ++row)
        rows.push_back(RowModules(symbol.values, row));
    return 0;
}

} // namespace code16k

#include "symbol/maxicode/MaxiCodeCodeSets.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstddef>

namespace {

enum CodeSet : int { kSetA, kSetB, kSetC, kSetD, kSetE, kSetCount };

constexpr int kCodewordValues = 64;
constexpr int kNoCharacter = -1;

// Function codewords (ISO/IEC 16023, Table 2). A shift to C, D or E has the
// same value in every set that has it, and the same value in the target set
// is that set's lock-in.
constexpr uint8_t kNumericShift = 31;
constexpr uint8_t kTwoShiftA = 56;   // in set B
constexpr uint8_t kThreeShiftA = 57; // in set B
constexpr uint8_t kLatchAFromCde = 58;
constexpr uint8_t kShiftAorB = 59; // shift B in set A, shift A in set B
constexpr uint8_t kLatchAorB = 63; // latch B in A, C, D, E; latch A in B
constexpr uint8_t kShiftOrLockC = 60;
constexpr uint8_t kShiftOrLockD = 61;
constexpr uint8_t kShiftOrLockE = 62;

constexpr int kDigitsPerNumericShift = 9;

using CodeSetTable = std::array<int16_t, kCodewordValues>; // byte per value

constexpr void FillRange(CodeSetTable& table, int firstValue, int firstByte, int count) {
    for (int i = 0; i < count; ++i)
        table[firstValue + i] = static_cast<int16_t>(firstByte + i);
}

constexpr void FillList(CodeSetTable& table, int firstValue, std::string_view bytes) {
    for (size_t i = 0; i < bytes.size(); ++i)
        table[firstValue + i] = static_cast<uint8_t>(bytes[i]);
}

constexpr CodeSetTable EmptyTable() {
    CodeSetTable table{};
    for (auto& entry : table)
        entry = kNoCharacter;
    return table;
}

// Sets A to D share FS, GS and RS at 28..30.
constexpr void FillSeparators(CodeSetTable& table) {
    FillRange(table, 28, 0x1C, 3);
}

constexpr CodeSetTable MakeSetA() {
    CodeSetTable table = EmptyTable();
    table[0] = '\r';
    FillRange(table, 1, 'A', 26);
    FillSeparators(table);
    table[32] = ' ';
    FillRange(table, 34, '"', 14); // " # $ % & ' ( ) * + , - . /
    FillRange(table, 48, '0', 10);
    table[58] = ':';
    return table;
}

constexpr CodeSetTable MakeSetB() {
    CodeSetTable table = EmptyTable();
    table[0] = '`';
    FillRange(table, 1, 'a', 26);
    FillSeparators(table);
    table[32] = '{';
    FillList(table, 34, "}~\x7f;<=>?[\\]^_ ,./:@!|");
    return table;
}

constexpr CodeSetTable MakeSetC() {
    CodeSetTable table = EmptyTable();
    FillRange(table, 0, 0xC0, 27);
    FillSeparators(table);
    FillRange(table, 32, 0xDB, 5);
    FillList(table, 37, "\xAA\xAC\xB1\xB2\xB3\xB5\xB9\xBA\xBC\xBD\xBE");
    FillRange(table, 48, 0x80, 10);
    table[59] = ' ';
    return table;
}

constexpr CodeSetTable MakeSetD() {
    CodeSetTable table = EmptyTable();
    FillRange(table, 0, 0xE0, 27);
    FillSeparators(table);
    FillRange(table, 32, 0xFB, 5);
    FillList(table, 37, "\xA1\xA8\xAB\xAF\xB0\xB4\xB7\xB8\xBB\xBF\x8A");
    FillRange(table, 48, 0x8B, 10);
    table[59] = ' ';
    return table;
}

constexpr CodeSetTable MakeSetE() {
    CodeSetTable table = EmptyTable();
    FillRange(table, 0, 0x00, 27);
    table[30] = 0x1B;
    FillRange(table, 32, 0x1C, 4); // FS GS RS US
    table[36] = 0x9F;
    FillList(table, 37, "\xA0\xA2\xA3\xA4\xA5\xA6\xA7\xA9\xAD\xAE\xB6");
    FillRange(table, 48, 0x95, 10);
    table[59] = ' ';
    return table;
}

constexpr std::array<CodeSetTable, kSetCount> kCodeSets = {MakeSetA(), MakeSetB(), MakeSetC(),
                                                           MakeSetD(), MakeSetE()};

// For each set, the codeword value of each byte, or kNoCharacter.
constexpr std::array<std::array<int8_t, 256>, kSetCount> MakeValueLookup() {
    std::array<std::array<int8_t, 256>, kSetCount> lookup{};
    for (int set = 0; set < kSetCount; ++set) {
        for (auto& entry : lookup[set])
            entry = kNoCharacter;
        for (int value = 0; value < kCodewordValues; ++value)
            if (kCodeSets[set][value] != kNoCharacter)
                lookup[set][kCodeSets[set][value]] = static_cast<int8_t>(value);
    }
    return lookup;
}

constexpr auto kValueOf = MakeValueLookup();

int ValueIn(int set, char byte) {
    return kValueOf[set][static_cast<uint8_t>(byte)];
}

// The one codeword that shifts from one set to another for one character;
// zero when the standard has no such shift (C, D and E only latch to A or B).
uint8_t ShiftCodeword(int from, int to) {
    if (to == kSetC) return from == kSetC ? 0 : kShiftOrLockC;
    if (to == kSetD) return from == kSetD ? 0 : kShiftOrLockD;
    if (to == kSetE) return from == kSetE ? 0 : kShiftOrLockE;
    if ((from == kSetA && to == kSetB) || (from == kSetB && to == kSetA)) return kShiftAorB;
    return 0;
}

// A few codewords: one step of the encodation, at most a numeric shift.
struct CodewordRun {
    std::array<uint8_t, 6> value{};
    int count = 0;
    void Add(uint8_t codeword) { value[count++] = codeword; }
};

// Only how many: the search for the shortest encodation needs no more, and
// building each candidate's codewords was most of its time.
struct CodewordCount {
    int count = 0;
    void Add(uint8_t) { ++count; }
};

// Codewords that make `to` the current set: a latch to A or B, or a shift to
// C, D or E followed by that set's lock-in.
template <class Run> Run LatchCodewords(int from, int to) {
    Run latch;
    if (to == kSetA)
        latch.Add(from == kSetB ? kLatchAorB : kLatchAFromCde);
    else if (to == kSetB)
        latch.Add(kLatchAorB);
    else {
        latch.Add(ShiftCodeword(from, to));
        latch.Add(ShiftCodeword(from, to));
    }
    return latch;
}

bool IsDigitRun(std::string_view text, size_t start) {
    if (text.size() - start < kDigitsPerNumericShift) return false;
    for (size_t i = start; i < start + kDigitsPerNumericShift; ++i)
        if (text[i] < '0' || text[i] > '9') return false;
    return true;
}

template <class Run> Run NumericShiftCodewords(std::string_view digits) {
    uint32_t value = 0;
    for (size_t i = 0; i < kDigitsPerNumericShift; ++i)
        value = value * 10 + static_cast<uint32_t>(digits[i] - '0');
    Run codewords;
    codewords.Add(kNumericShift);
    for (int shift = 24; shift >= 0; shift -= 6)
        codewords.Add(static_cast<uint8_t>((value >> shift) & 0x3F));
    return codewords;
}

// One way to encode the characters from a position on in a given current set:
// the codewords, how many characters they take and the current set after.
template <class Run> struct StepOf {
    Run codewords;
    size_t characters = 0;
    int set = kSetA;
};
using Step = StepOf<CodewordRun>;

// The steps the standard allows from a position in a set, in the order of
// preference among equally short encodations: numeric shift, the current
// set, a shift, a shift to A for two or three characters, a latch. Staying
// in the current set as long as it costs nothing resembles other encoders'
// choices (zint's) and keeps the output stable.
template <class Run, typename Visit>
void ForEachStep(std::string_view text, size_t position, int set, Visit visit) {
    using Step = StepOf<Run>;
    if (IsDigitRun(text, position))
        visit(Step{NumericShiftCodewords<Run>(text.substr(position)), kDigitsPerNumericShift, set});
    const char byte = text[position];
    if (const int value = ValueIn(set, byte); value != kNoCharacter) {
        Step step{{}, 1, set};
        step.codewords.Add(static_cast<uint8_t>(value));
        visit(step);
    }
    for (int other = 0; other < kSetCount; ++other) {
        const uint8_t shift = ShiftCodeword(set, other);
        const int value = ValueIn(other, byte);
        if (other == set || shift == 0 || value == kNoCharacter) continue;
        Step step{{}, 1, set};
        step.codewords.Add(shift);
        step.codewords.Add(static_cast<uint8_t>(value));
        visit(step);
    }
    if (set == kSetB) {
        for (size_t count = 2; count <= 3 && text.size() - position >= count; ++count) {
            Step step{{}, count, kSetB};
            step.codewords.Add(count == 2 ? kTwoShiftA : kThreeShiftA);
            for (size_t i = position; i < position + count; ++i)
                if (const int value = ValueIn(kSetA, text[i]); value != kNoCharacter)
                    step.codewords.Add(static_cast<uint8_t>(value));
            if (step.codewords.count == static_cast<int>(count) + 1) visit(step);
        }
    }
    for (int other = 0; other < kSetCount; ++other) {
        const int value = ValueIn(other, byte);
        if (other == set || value == kNoCharacter) continue;
        Step step{LatchCodewords<Run>(set, other), 1, other};
        step.codewords.Add(static_cast<uint8_t>(value));
        visit(step);
    }
}

// Shortest encodation by dynamic programming: the fewest codewords that
// encode the rest of the text from each (position, current set), computed
// from the end; the encodation then follows, from the start, the first
// preferred step that keeps the total at that minimum.
class ShortestEncodation {
  public:
    explicit ShortestEncodation(std::string_view text)
        : text_(text), remaining_((text.size() + 1) * kSetCount, kUnreachable) {
        for (int set = 0; set < kSetCount; ++set)
            Remaining(text_.size(), set) = 0;
        for (size_t position = text_.size(); position-- > 0;)
            for (int set = 0; set < kSetCount; ++set)
                ForEachStep<CodewordCount>(text_, position, set, [&](const auto& step) {
                    const int rest = Remaining(position + step.characters, step.set);
                    if (rest == kUnreachable) return;
                    Remaining(position, set) =
                        std::min(Remaining(position, set), step.codewords.count + rest);
                });
    }

    std::vector<uint8_t> Encodation(size_t capacity) const {
        std::vector<uint8_t> codewords;
        size_t position = 0;
        int set = kSetA;
        while (position < text_.size()) {
            const Step step = PreferredStep(position, set);
            codewords.insert(codewords.end(), step.codewords.value.begin(),
                             step.codewords.value.begin() + step.codewords.count);
            position += step.characters;
            set = step.set;
        }
        // Pads read as pads in sets A and B only.
        if ((set == kSetC || set == kSetD || set == kSetE) && codewords.size() < capacity)
            codewords.push_back(kLatchAFromCde);
        return codewords;
    }

  private:
    static constexpr int kUnreachable = INT_MAX;

    int& Remaining(size_t position, int set) { return remaining_[position * kSetCount + set]; }
    int Remaining(size_t position, int set) const { return remaining_[position * kSetCount + set]; }

    Step PreferredStep(size_t position, int set) const {
        std::optional<Step> preferred;
        ForEachStep<CodewordRun>(text_, position, set, [&](const Step& step) {
            if (preferred) return;
            const int rest = Remaining(position + step.characters, step.set);
            if (rest != kUnreachable && step.codewords.count + rest == Remaining(position, set))
                preferred = step;
        });
        return *preferred;
    }

    std::string_view text_;
    std::vector<int> remaining_;
};

} // namespace

std::optional<std::vector<uint8_t>> EncodeMaxiCodeText(std::string_view text, size_t capacity) {
    const ShortestEncodation encodation(text);
    std::vector<uint8_t> codewords = encodation.Encodation(capacity);
    if (codewords.size() > capacity) return std::nullopt;
    return codewords;
}

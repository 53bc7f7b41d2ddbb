#include "symbol/datamatrix/LookAhead.h"

#include "symbol/datamatrix/C40TextEncodation.h"

namespace datamatrix {
namespace {

// Counts are kept in hundredths of a codeword so that the sums of 0.66 and
// 1.33 compare exactly as the decimal constants say, on every compiler.
constexpr int32_t kOne = 100;

// The look-ahead decides only once this many characters have been seen.
constexpr size_t kCharactersBeforeDeciding = 5;

struct ModeCounts {
    int32_t ascii;
    int32_t c40;
    int32_t text;
    int32_t base256;
};

ModeCounts StartCounts(Encodation current) {
    if (current == Encodation::Ascii) return {0, 100, 100, 125};
    ModeCounts counts{100, 200, 200, 225};
    if (current == Encodation::C40) counts.c40 = 0;
    if (current == Encodation::Text) counts.text = 0;
    if (current == Encodation::Base256) counts.base256 = 0;
    return counts;
}

int32_t RoundUp(int32_t count) {
    return (count + kOne - 1) / kOne * kOne;
}
int32_t RoundHalfUp(int32_t count) {
    return (count + kOne / 2) / kOne * kOne;
}

int32_t C40TextCost(uint8_t byte, Encodation encodation) {
    if (byte > 127) return 266;
    return IsInBasicSet(byte, encodation) ? 66 : 133;
}

void CountCharacter(uint8_t byte, ModeCounts& counts) {
    if (IsDigit(byte))
        counts.ascii += kOne / 2;
    else
        counts.ascii = RoundUp(counts.ascii) + (byte > 127 ? 2 * kOne : kOne);
    counts.c40 += C40TextCost(byte, Encodation::C40);
    counts.text += C40TextCost(byte, Encodation::Text);
    counts.base256 += kOne;
}

// The decision after a character, once enough have been seen; false while
// no encodation is clearly ahead.
bool DecideEarly(const ModeCounts& c, Encodation& choice) {
    if (c.ascii + kOne <= c.c40 && c.ascii + kOne <= c.text && c.ascii + kOne <= c.base256) {
        choice = Encodation::Ascii;
    } else if (c.base256 + kOne <= c.ascii ||
               (c.base256 + kOne < c.text && c.base256 + kOne < c.c40)) {
        choice = Encodation::Base256;
    } else if (c.text + kOne < c.ascii && c.text + kOne < c.c40 && c.text + kOne < c.base256) {
        choice = Encodation::Text;
    } else if (c.c40 + kOne < c.ascii && c.c40 + kOne < c.text && c.c40 + kOne < c.base256) {
        choice = Encodation::C40;
    } else {
        return false;
    }
    return true;
}

Encodation DecideAtEndOfData(ModeCounts c) {
    c = {RoundHalfUp(c.ascii), RoundHalfUp(c.c40), RoundHalfUp(c.text), RoundHalfUp(c.base256)};
    if (c.ascii <= c.c40 && c.ascii <= c.text && c.ascii <= c.base256) return Encodation::Ascii;
    if (c.text < c.ascii && c.text < c.c40 && c.text < c.base256) return Encodation::Text;
    if (c.base256 < c.ascii && c.base256 < c.c40 && c.base256 < c.text) return Encodation::Base256;
    return Encodation::C40;
}

} // namespace

Encodation ChooseEncodation(const uint8_t* data, size_t size, size_t position, Encodation current) {
    ModeCounts counts = StartCounts(current);
    size_t examined = 0;
    for (size_t i = position; i < size; ++i) {
        CountCharacter(data[i], counts);
        Encodation choice;
        if (++examined >= kCharactersBeforeDeciding && DecideEarly(counts, choice)) return choice;
    }
    return DecideAtEndOfData(counts);
}

} // namespace datamatrix

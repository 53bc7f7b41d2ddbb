#include "symbol/qrcode/QrMatrix.h"

#include "symbol/qrcode/QrCapacityTable.h"
#include "symbol/qrcode/QrMask.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>

namespace {

constexpr uint32_t kFormatGenerator = 0x537;   // x^10 + x^8 + x^5 + x^4 + x^2 + x + 1
constexpr uint32_t kFormatMask = 0x5412;       // keeps the format bits from being all light
constexpr uint32_t kVersionGenerator = 0x1F25; // x^12 + x^11 + x^10 + x^9 + x^8 + x^5 + x^2 + 1
constexpr int kFinderExtent = 7;
constexpr int kTimingLine = 6;
constexpr int kFormatLine = 8;

// The level's two format bits: L 01, M 00, Q 11, H 10.
constexpr std::array<uint32_t, 4> kLevelFormatBits = {1, 0, 3, 2};

// The remainder of value · x^degree divided by the generator of that degree.
uint32_t BchRemainder(uint32_t value, uint32_t generator, int degree) {
    uint32_t remainder = value << degree;
    const int top = std::bit_width(generator) - 1;
    for (int bit = 31; bit >= top; --bit)
        if (remainder & (1u << bit)) remainder ^= generator << (bit - top);
    return remainder;
}

bool Bit(uint32_t value, int index) {
    return ((value >> index) & 1u) != 0;
}

} // namespace

uint32_t QrFormatInformation(int level, int mask) {
    const uint32_t data = (kLevelFormatBits[static_cast<size_t>(level & 3)] << 3) |
                          (static_cast<uint32_t>(mask) & 7u);
    return ((data << 10) | BchRemainder(data, kFormatGenerator, 10)) ^ kFormatMask;
}

uint32_t QrVersionInformation(int version) {
    const auto data = static_cast<uint32_t>(version) & 0x3Fu;
    return (data << 12) | BchRemainder(data, kVersionGenerator, 12);
}

bool CQRMatrix::Build(int version, int level, const std::vector<uint8_t>& codewords) {
    if (!QrCapacityTable::IsVersion(version) || !QrCapacityTable::IsLevel(level) ||
        codewords.size() != static_cast<size_t>(QrCapacityTable::TotalCodewords(version)))
        return false;
    version_ = version;
    level_ = level;
    size_ = QrCapacityTable::SymbolSize(version);
    cells_.assign(static_cast<size_t>(size_) * static_cast<size_t>(size_), kUnset);

    PlaceFinderPattern(3, 3);
    PlaceFinderPattern(3, size_ - 4);
    PlaceFinderPattern(size_ - 4, 3);
    PlaceTimingPatterns();
    PlaceAlignmentPatterns();
    ReserveFormatAreas();
    PlaceVersionInformation();
    PlaceCodewords(codewords);

    mask_ = ChooseMask();
    ApplyMask(mask_);
    PlaceFormatInformation(mask_);
    return true;
}

std::vector<uint8_t> CQRMatrix::DarkModules() const {
    std::vector<uint8_t> dark(cells_.size());
    std::transform(cells_.begin(), cells_.end(), dark.begin(),
                   [](uint8_t cell) { return static_cast<uint8_t>(cell & 1); });
    return dark;
}

// The finder pattern with its light separator, cut off at the edges.
void CQRMatrix::PlaceFinderPattern(int centreRow, int centreColumn) {
    for (int dr = -4; dr <= 4; ++dr)
        for (int dc = -4; dc <= 4; ++dc) {
            const int row = centreRow + dr;
            const int column = centreColumn + dc;
            if (!Inside(row, column)) continue;
            const int distance = std::max(std::abs(dr), std::abs(dc));
            PutFunction(row, column, distance != 2 && distance != 4);
        }
}

void CQRMatrix::PlaceTimingPatterns() {
    for (int i = kFinderExtent + 1; i < size_ - kFinderExtent - 1; ++i) {
        PutFunction(kTimingLine, i, i % 2 == 0);
        PutFunction(i, kTimingLine, i % 2 == 0);
    }
}

// Every pair of centre coordinates except the three that meet a finder.
void CQRMatrix::PlaceAlignmentPatterns() {
    const auto centres = QrCapacityTable::AlignmentCentres(version_);
    const size_t count = centres.size();
    for (size_t i = 0; i < count; ++i)
        for (size_t j = 0; j < count; ++j) {
            const bool nearFinder =
                (i == 0 && j == 0) || (i == 0 && j + 1 == count) || (i + 1 == count && j == 0);
            if (nearFinder) continue;
            for (int dr = -2; dr <= 2; ++dr)
                for (int dc = -2; dc <= 2; ++dc)
                    PutFunction(centres[i] + dr, centres[j] + dc,
                                std::max(std::abs(dr), std::abs(dc)) != 1);
        }
}

// The format areas are kept from the data; their bits come with the mask.
void CQRMatrix::ReserveFormatAreas() {
    for (int i = 0; i <= kFormatLine; ++i) {
        if (i != kTimingLine) {
            PutFunction(kFormatLine, i, false);
            PutFunction(i, kFormatLine, false);
        }
    }
    for (int i = 0; i < 8; ++i)
        PutFunction(kFormatLine, size_ - 1 - i, false);
    for (int i = 0; i < 7; ++i)
        PutFunction(size_ - 1 - i, kFormatLine, false);
    PutFunction(size_ - 8, kFormatLine, true); // the module that is always dark
}

// Two 6 × 3 blocks beside the upper right and lower left finders.
void CQRMatrix::PlaceVersionInformation() {
    if (version_ < 7) return;
    const uint32_t bits = QrVersionInformation(version_);
    for (int i = 0; i < 18; ++i) {
        const int along = i / 3;
        const int across = size_ - 11 + i % 3;
        PutFunction(along, across, Bit(bits, i));
        PutFunction(across, along, Bit(bits, i));
    }
}

// Two columns at a time from the right, up and down in turn, skipping the
// vertical timing pattern; modules left over stay light (remainder bits).
void CQRMatrix::PlaceCodewords(const std::vector<uint8_t>& codewords) {
    const size_t totalBits = codewords.size() * 8;
    size_t bit = 0;
    for (int right = size_ - 1; right >= 1; right -= 2) {
        if (right == kTimingLine) right = kTimingLine - 1;
        const bool upward = ((right + 1) & 2) == 0;
        for (int step = 0; step < size_; ++step) {
            const int row = upward ? size_ - 1 - step : step;
            for (int column = right; column >= right - 1; --column) {
                if (At(row, column) != kUnset) continue;
                const bool dark =
                    bit < totalBits && Bit(codewords[bit / 8], 7 - static_cast<int>(bit % 8));
                Put(row, column, dark ? kDarkData : kLightData);
                ++bit;
            }
        }
    }
}

// Data cells flip their colour bit where the mask inverts; function cells
// stay as they are. One loop per mask, so that the mask's formula is known
// to the compiler inside it.
namespace {

template <int kMask> void ApplyMaskPattern(uint8_t* cell, int size, uint8_t functionBit) {
    for (int row = 0; row < size; ++row)
        for (int column = 0; column < size; ++column, ++cell)
            *cell ^= static_cast<uint8_t>((*cell & functionBit) == 0 &&
                                          QrMaskInverts(kMask, row, column));
}

using MaskPatternApplier = void (*)(uint8_t* cell, int size, uint8_t functionBit);
constexpr MaskPatternApplier kMaskPatternAppliers[kQrMaskCount] = {
    &ApplyMaskPattern<0>, &ApplyMaskPattern<1>, &ApplyMaskPattern<2>, &ApplyMaskPattern<3>,
    &ApplyMaskPattern<4>, &ApplyMaskPattern<5>, &ApplyMaskPattern<6>, &ApplyMaskPattern<7>};

} // namespace

void CQRMatrix::ApplyMask(int mask) {
    if (mask < 0 || mask >= kQrMaskCount) return;
    kMaskPatternAppliers[mask](cells_.data(), size_, kLightFunction);
}

// Bit 14 is the most significant: one copy around the upper left finder,
// the other split between the upper right and lower left finders.
void CQRMatrix::PlaceFormatInformation(int mask) {
    const uint32_t bits = QrFormatInformation(level_, mask);
    for (int i = 0; i <= 5; ++i)
        PutFunction(i, kFormatLine, Bit(bits, i));
    PutFunction(7, kFormatLine, Bit(bits, 6));
    PutFunction(kFormatLine, kFormatLine, Bit(bits, 7));
    PutFunction(kFormatLine, 7, Bit(bits, 8));
    for (int i = 9; i < 15; ++i)
        PutFunction(kFormatLine, 14 - i, Bit(bits, i));

    for (int i = 0; i < 8; ++i)
        PutFunction(kFormatLine, size_ - 1 - i, Bit(bits, i));
    for (int i = 8; i < 15; ++i)
        PutFunction(size_ - 15 + i, kFormatLine, Bit(bits, i));
    PutFunction(size_ - 8, kFormatLine, true);
}

int64_t CQRMatrix::ScoreWithMask(int mask) const {
    CQRMatrix unmasked = *this;
    unmasked.ApplyMask(mask_); // masking twice restores the data
    return unmasked.ScoreOfUnmasked(mask);
}

// Each candidate is masked and given its own format information before it
// is scored.
void CQRMatrix::MaskedCandidate(int mask, CQRMatrix& candidate, std::vector<uint8_t>& dark) const {
    candidate.cells_ = cells_; // the same size each time: no new allocation
    candidate.ApplyMask(mask);
    candidate.PlaceFormatInformation(mask);
    dark.resize(cells_.size());
    std::transform(candidate.cells_.begin(), candidate.cells_.end(), dark.begin(),
                   [](uint8_t cell) { return static_cast<uint8_t>(cell & 1); });
}

int64_t CQRMatrix::ScoreOfUnmasked(int mask) const {
    CQRMatrix candidate = *this;
    std::vector<uint8_t> dark;
    MaskedCandidate(mask, candidate, dark);
    QrMaskScorer scorer;
    return scorer.Score(dark.data(), size_).Score();
}

// The lowest score wins; ties go to the lower mask. The candidates share one
// matrix, one module buffer and the scorer's buffers.
int CQRMatrix::ChooseMask() const {
    CQRMatrix candidate = *this;
    std::vector<uint8_t> dark;
    QrMaskScorer scorer;
    int best = 0;
    int64_t bestScore = 0;
    for (int mask = 0; mask < kQrMaskCount; ++mask) {
        MaskedCandidate(mask, candidate, dark);
        const int64_t score = scorer.Score(dark.data(), size_).Score();
        if (mask == 0 || score < bestScore) {
            best = mask;
            bestScore = score;
        }
    }
    return best;
}

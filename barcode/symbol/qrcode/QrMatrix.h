// The module grid of one symbol: function patterns, the codewords in their
// zigzag placement, the chosen mask, and format and version information.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class QrMaskScorer;

// BCH-protected format information: level and mask with the 0x5412 mask
// applied (ISO/IEC 18004, Annex C), 15 bits.
uint32_t QrFormatInformation(int level, int mask);
// BCH-protected version information for versions 7..40 (Annex D), 18 bits.
uint32_t QrVersionInformation(int version);

class CQRMatrix {
  public:
    static constexpr int kMaxSize = 177;

    // Cell values; bit 0 is the colour (1 = dark).
    enum Cell : uint8_t {
        kLightData = 0,
        kDarkData = 1,
        kLightFunction = 2,
        kDarkFunction = 3,
        kUnset = 4,
    };

    // Lays out the symbol of the version and level with its codewords and
    // the best of the eight masks. False for a version, level or codeword
    // count the symbol cannot have.
    bool Build(int version, int level, const std::vector<uint8_t>& codewords);

    int Size() const { return size_; }
    int Mask() const { return mask_; }
    bool IsDark(int row, int column) const { return (At(row, column) & 1) != 0; }
    bool IsFunction(int row, int column) const { return (At(row, column) & kLightFunction) != 0; }
    // size × size modules, row by row, 1 = dark.
    std::vector<uint8_t> DarkModules() const;
    // The score the symbol would have with the mask instead of its own.
    int64_t ScoreWithMask(int mask) const;

  private:
    uint8_t At(int row, int column) const {
        return cells_[static_cast<size_t>(row) * static_cast<size_t>(size_) +
                      static_cast<size_t>(column)];
    }
    void Put(int row, int column, Cell cell) {
        cells_[static_cast<size_t>(row) * static_cast<size_t>(size_) +
               static_cast<size_t>(column)] = cell;
    }
    void PutFunction(int row, int column, bool dark) {
        Put(row, column, dark ? kDarkFunction : kLightFunction);
    }
    bool Inside(int row, int column) const {
        return row >= 0 && column >= 0 && row < size_ && column < size_;
    }

    void PlaceFinderPattern(int centreRow, int centreColumn);
    void PlaceTimingPatterns();
    void PlaceAlignmentPatterns();
    void ReserveFormatAreas();
    void PlaceVersionInformation();
    void PlaceCodewords(const std::vector<uint8_t>& codewords);
    void ApplyMask(int mask);
    void PlaceFormatInformation(int mask);
    int64_t ScoreOfUnmasked(int mask) const;
    // The candidate of the mask: a copy of this unmasked matrix, masked and
    // with its format information, as 0/1 modules into dark.
    void MaskedCandidate(int mask, CQRMatrix& candidate, std::vector<uint8_t>& dark) const;
    int ChooseMask() const;

    int version_ = 0;
    int level_ = 0;
    int size_ = 0;
    int mask_ = 0;
    std::vector<uint8_t> cells_;
};

#include "symbol/datamatrix/ModulePlacement.h"

#include <array>
#include <cstddef>

namespace datamatrix {
namespace {

constexpr uint8_t kUnplaced = 0xFF;

struct Position {
    int32_t row;
    int32_t column;
};

class Placement {
  public:
    Placement(const Codewords& codewords, int32_t rows, int32_t columns)
        : codewords_(codewords), rows_(rows), columns_(columns),
          modules_(static_cast<size_t>(rows) * static_cast<size_t>(columns), kUnplaced) {}

    std::vector<uint8_t> Run() {
        if (rows_ <= 0 || columns_ <= 0) return {};
        PlaceAlongDiagonals();
        FillUnusedCorner();
        return modules_;
    }

  private:
    // The diagonals run up-right and down-left in turn; the corner shapes
    // take the codewords that the diagonals would cut at the symbol's edges.
    void PlaceAlongDiagonals() {
        int32_t row = 4;
        int32_t column = 0;
        do {
            if (row == rows_ && column == 0) PlaceCorner1();
            if (row == rows_ - 2 && column == 0 && columns_ % 4 != 0) PlaceCorner2();
            if (row == rows_ - 2 && column == 0 && columns_ % 8 == 4) PlaceCorner3();
            if (row == rows_ + 4 && column == 2 && columns_ % 8 == 0) PlaceCorner4();
            do {
                if (row < rows_ && column >= 0 && !IsPlaced(row, column)) PlaceUtah(row, column);
                row -= 2;
                column += 2;
            } while (row >= 0 && column < columns_);
            row += 1;
            column += 3;
            do {
                if (row >= 0 && column < columns_ && !IsPlaced(row, column)) PlaceUtah(row, column);
                row += 2;
                column -= 2;
            } while (row < rows_ && column >= 0);
            row += 3;
            column += 1;
        } while (row < rows_ || column < columns_);
    }

    // The shape whose last bit lands at (row, column).
    void PlaceUtah(int32_t row, int32_t column) {
        PlaceBit(row - 2, column - 2, 7);
        PlaceBit(row - 2, column - 1, 6);
        PlaceBit(row - 1, column - 2, 5);
        PlaceBit(row - 1, column - 1, 4);
        PlaceBit(row - 1, column, 3);
        PlaceBit(row, column - 2, 2);
        PlaceBit(row, column - 1, 1);
        PlaceBit(row, column, 0);
        ++codeword_;
    }

    void PlaceCorner1() {
        PlaceBits({{{rows_ - 1, 0},
                    {rows_ - 1, 1},
                    {rows_ - 1, 2},
                    {0, columns_ - 2},
                    {0, columns_ - 1},
                    {1, columns_ - 1},
                    {2, columns_ - 1},
                    {3, columns_ - 1}}});
    }

    void PlaceCorner2() {
        PlaceBits({{{rows_ - 3, 0},
                    {rows_ - 2, 0},
                    {rows_ - 1, 0},
                    {0, columns_ - 4},
                    {0, columns_ - 3},
                    {0, columns_ - 2},
                    {0, columns_ - 1},
                    {1, columns_ - 1}}});
    }

    void PlaceCorner3() {
        PlaceBits({{{rows_ - 3, 0},
                    {rows_ - 2, 0},
                    {rows_ - 1, 0},
                    {0, columns_ - 2},
                    {0, columns_ - 1},
                    {1, columns_ - 1},
                    {2, columns_ - 1},
                    {3, columns_ - 1}}});
    }

    void PlaceCorner4() {
        PlaceBits({{{rows_ - 1, 0},
                    {rows_ - 1, columns_ - 1},
                    {0, columns_ - 3},
                    {0, columns_ - 2},
                    {0, columns_ - 1},
                    {1, columns_ - 3},
                    {1, columns_ - 2},
                    {1, columns_ - 1}}});
    }

    // The positions of bits 1 (most significant) to 8 of the next codeword.
    void PlaceBits(const std::array<Position, 8>& positions) {
        for (int32_t bit = 0; bit < 8; ++bit)
            PlaceBit(positions[static_cast<size_t>(bit)].row,
                     positions[static_cast<size_t>(bit)].column, 7 - bit);
        ++codeword_;
    }

    // A position outside the matrix continues on the opposite edge, shifted
    // so that the shape stays in one piece there.
    void PlaceBit(int32_t row, int32_t column, int32_t bitFromRight) {
        if (row < 0) {
            row += rows_;
            column += 4 - ((rows_ + 4) % 8);
        }
        if (column < 0) {
            column += columns_;
            row += 4 - ((columns_ + 4) % 8);
        }
        if (row < 0 || row >= rows_ || column < 0 || column >= columns_) return;
        modules_[Index(row, column)] =
            static_cast<uint8_t>((CurrentCodeword() >> bitFromRight) & 1);
    }

    // A mapping matrix whose size is 2 modulo 4 in both directions leaves its
    // bottom-right 2x2 square without codeword bits; it gets a fixed pattern.
    void FillUnusedCorner() {
        if (!IsPlaced(rows_ - 1, columns_ - 1)) {
            modules_[Index(rows_ - 1, columns_ - 1)] = 1;
            if (rows_ >= 2 && columns_ >= 2) modules_[Index(rows_ - 2, columns_ - 2)] = 1;
        }
        for (uint8_t& module : modules_)
            if (module == kUnplaced) module = 0;
    }

    int32_t CurrentCodeword() const {
        return codeword_ < codewords_.size() ? codewords_[codeword_] : 0;
    }
    // Outside the matrix nothing can be placed, so it counts as taken.
    bool IsPlaced(int32_t row, int32_t column) const {
        if (row < 0 || row >= rows_ || column < 0 || column >= columns_) return true;
        return modules_[Index(row, column)] != kUnplaced;
    }
    size_t Index(int32_t row, int32_t column) const {
        return static_cast<size_t>(row) * static_cast<size_t>(columns_) +
               static_cast<size_t>(column);
    }

    const Codewords& codewords_;
    int32_t rows_;
    int32_t columns_;
    std::vector<uint8_t> modules_;
    size_t codeword_ = 0;
};

} // namespace

std::vector<uint8_t> PlaceCodewords(const Codewords& codewords, int32_t rows, int32_t columns) {
    return Placement(codewords, rows, columns).Run();
}

} // namespace datamatrix

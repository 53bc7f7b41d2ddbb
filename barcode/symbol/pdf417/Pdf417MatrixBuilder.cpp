#include "symbol/pdf417/Pdf417MatrixBuilder.h"

#include "symbol/pdf417/Pdf417Patterns.h"

#include <algorithm>

namespace pdf417 {
namespace {

// Writes one row left to right straight into the matrix; a pattern that
// would run past the row's end is cut off there.
class RowWriter {
  public:
    RowWriter(SymbolMatrix& matrix, int32_t row)
        : modules_(matrix.dark.data() +
                   static_cast<size_t>(row) * static_cast<size_t>(matrix.columns)),
          end_(matrix.columns) {}

    void Put(ModulePattern pattern) {
        const int32_t width = std::max(0, std::min(pattern.width, end_ - column_));
        uint8_t* out = modules_ + column_;
        for (int32_t i = 0; i < width; ++i)
            out[i] = static_cast<uint8_t>((pattern.bits >> (pattern.width - 1 - i)) & 1U);
        column_ += width;
    }

  private:
    uint8_t* modules_;
    int32_t end_;
    int32_t column_ = 0;
};

// The row indicators tell a reader the row count, the column count and the
// security level, each in the rows of one cluster.
struct RowIndicators {
    int32_t left;
    int32_t right;
};

RowIndicators RowIndicatorsOf(int32_t row, const SymbolSize& size, int32_t securityLevel) {
    const int32_t base = 30 * (row / 3);
    const int32_t rowsValue = base + (size.rows - 1) / 3;
    const int32_t levelValue = base + 3 * securityLevel + (size.rows - 1) % 3;
    const int32_t columnsValue = base + size.columns - 1;
    switch (row % 3) {
    case 0:
        return {rowsValue, columnsValue};
    case 1:
        return {levelValue, rowsValue};
    default:
        return {columnsValue, levelValue};
    }
}

void PrepareMatrix(int32_t rows, int32_t columns, int32_t rowHeight, SymbolMatrix& matrix) {
    matrix = SymbolMatrix();
    matrix.Resize(rows, columns);
    matrix.rowHeights.assign(static_cast<size_t>(rows), rowHeight);
}

} // namespace

int32_t Pdf417RowModules(int32_t columns, bool truncated) {
    const int32_t characters = kCodewordModules * columns;
    // Truncated rows keep a one-module stop bar: without it the last
    // character's final space has no edge and readers cannot measure it.
    return truncated ? kStartPattern.width + kCodewordModules + characters + kOneModuleStopBar.width
                     : kStartPattern.width + 2 * kCodewordModules + characters + kStopPattern.width;
}

int32_t MicroRowModules(int32_t columns) {
    const int32_t addressColumns = columns >= 3 ? 3 : 2;
    return addressColumns * kRowAddressModules + kCodewordModules * columns +
           kOneModuleStopBar.width;
}

void BuildPdf417Matrix(const std::vector<int32_t>& codewords, const SymbolSize& size,
                       int32_t securityLevel, bool truncated, SymbolMatrix& matrix) {
    PrepareMatrix(size.rows, Pdf417RowModules(size.columns, truncated), kPdf417RowHeight, matrix);
    for (int32_t row = 0; row < size.rows; ++row) {
        const int32_t cluster = row % kClusterCount;
        const RowIndicators indicators = RowIndicatorsOf(row, size, securityLevel);
        RowWriter writer(matrix, row);
        writer.Put(kStartPattern);
        writer.Put(CodewordPattern(cluster, indicators.left));
        for (int32_t column = 0; column < size.columns; ++column)
            writer.Put(CodewordPattern(
                cluster, codewords[static_cast<size_t>(row * size.columns + column)]));
        if (truncated) {
            writer.Put(kOneModuleStopBar);
            continue;
        }
        writer.Put(CodewordPattern(cluster, indicators.right));
        writer.Put(kStopPattern);
    }
}

void BuildMicroMatrix(const std::vector<int32_t>& codewords, const MicroSize& size,
                      SymbolMatrix& matrix) {
    PrepareMatrix(size.rows, MicroRowModules(size.columns), kMicroRowHeight, matrix);
    // The centre column of three- and four-column symbols follows the first
    // half of the symbol characters (one of three, two of four).
    const int32_t centreAfter = size.columns >= 3 ? size.columns / 2 : -1;
    for (int32_t row = 0; row < size.rows; ++row) {
        const int32_t cluster = (size.firstCluster / 3 + row) % kClusterCount;
        RowWriter writer(matrix, row);
        writer.Put(SideRowAddressPattern(size.leftAddress + row));
        for (int32_t column = 0; column < size.columns; ++column) {
            if (column == centreAfter)
                writer.Put(CentreRowAddressPattern(size.centreAddress + row));
            writer.Put(CodewordPattern(
                cluster, codewords[static_cast<size_t>(row * size.columns + column)]));
        }
        writer.Put(SideRowAddressPattern(size.rightAddress + row));
        writer.Put(kOneModuleStopBar);
    }
}

} // namespace pdf417

#include "symbol/code16k49/StackedRows.h"

#include <algorithm>

namespace stacked {

namespace {

// The most decimal digits a 32-bit value of printed widths can have.
constexpr int kMaxPrintedElements = 10;

uint8_t* RowModules(SymbolMatrix& matrix, int32_t row) {
    return matrix.dark.data() + static_cast<size_t>(row) * static_cast<size_t>(matrix.columns);
}

void FillSeparatorRow(SymbolMatrix& matrix, int32_t row) {
    uint8_t* modules = RowModules(matrix, row) + kLeadingQuietModules;
    std::fill(modules, modules + kRowModules, uint8_t{1});
}

void CopyCodeRow(const ModuleRow& code, SymbolMatrix& matrix, int32_t row) {
    std::copy(code.Modules(), code.Modules() + code.Length(),
              RowModules(matrix, row) + kLeadingQuietModules);
}

} // namespace

void ModuleRow::AppendBits(uint32_t value, int count) {
    for (int bit = std::min(count, 32) - 1; bit >= 0 && length_ < kRowModules; --bit)
        modules_[static_cast<size_t>(length_++)] = static_cast<uint8_t>((value >> bit) & 1u);
}

void AppendPrintedWidths(ModuleRow& row, uint32_t printedWidths, int elements, bool darkFirst) {
    // The digits, last element first.
    std::array<int, kMaxPrintedElements> widths{};
    const int count = std::clamp(elements, 0, kMaxPrintedElements);
    for (int i = count - 1; i >= 0; --i) {
        widths[static_cast<size_t>(i)] = static_cast<int>(printedWidths % 10);
        printedWidths /= 10;
    }
    bool dark = darkFirst;
    for (int i = 0; i < count; ++i) {
        row.AppendRun(widths[static_cast<size_t>(i)], dark);
        dark = !dark;
    }
}

void BuildStackedMatrix(const std::vector<ModuleRow>& codeRows, SymbolMatrix& matrix) {
    const int32_t codeRowCount = static_cast<int32_t>(codeRows.size());
    matrix = SymbolMatrix();
    matrix.Resize(2 * codeRowCount + 1, kSymbolColumns);
    matrix.rowHeights.assign(static_cast<size_t>(matrix.rows), 1);
    FillSeparatorRow(matrix, 0);
    for (int32_t i = 0; i < codeRowCount; ++i) {
        const int32_t row = 2 * i + 1;
        CopyCodeRow(codeRows[static_cast<size_t>(i)], matrix, row);
        matrix.rowHeights[static_cast<size_t>(row)] = 0;
        FillSeparatorRow(matrix, row + 1);
    }
}

} // namespace stacked

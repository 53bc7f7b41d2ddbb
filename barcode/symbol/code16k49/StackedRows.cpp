#include "symbol/code16k49/StackedRows.h"

namespace stacked {

namespace {

uint32_t PowerOfTen(int exponent) {
    uint32_t power = 1;
    for (int i = 0; i < exponent; ++i)
        power *= 10;
    return power;
}

// A run of dark or light modules, at most 9 long (the tables' digits).
void AppendRun(CBitString& row, int modules, bool dark) {
    row.Append(dark ? (1u << modules) - 1u : 0u, modules);
}

void FillSeparatorRow(SymbolMatrix& matrix, int32_t row) {
    for (int32_t column = kLeadingQuietModules; column < kLeadingQuietModules + kRowModules;
         ++column)
        matrix.Set(row, column, true);
}

void CopyCodeRow(const CBitString& bits, SymbolMatrix& matrix, int32_t row) {
    const std::string& text = bits.Text();
    for (size_t i = 0; i < text.size() && i < static_cast<size_t>(kRowModules); ++i)
        matrix.Set(row, kLeadingQuietModules + static_cast<int32_t>(i), text[i] == '1');
}

} // namespace

void AppendPrintedWidths(CBitString& row, uint32_t printedWidths, int elements, bool darkFirst) {
    bool dark = darkFirst;
    for (int i = elements - 1; i >= 0; --i) {
        AppendRun(row, static_cast<int>((printedWidths / PowerOfTen(i)) % 10), dark);
        dark = !dark;
    }
}

void BuildStackedMatrix(const std::vector<CBitString>& codeRows, SymbolMatrix& matrix) {
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

// Lays the codewords of a symbol out as rows of modules: the symbol
// characters of each row between its start and stop patterns and row
// indicators (PDF417) or row address patterns (MicroPDF417).
#pragma once

#include "symbol/SymbolMatrix.h"
#include "symbol/pdf417/Pdf417Layout.h"

#include <cstdint>
#include <vector>

namespace pdf417 {

// Row heights in modules.
inline constexpr int32_t kPdf417RowHeight = 3;
inline constexpr int32_t kMicroRowHeight = 2;

// Modules per row: start, left row indicator, the columns, right row
// indicator and stop; a truncated symbol keeps only start, left row
// indicator and the columns.
int32_t Pdf417RowModules(int32_t columns, bool truncated);
// Left, centre (from 3 columns on) and right row address patterns, the
// columns and the final bar.
int32_t MicroRowModules(int32_t columns);

// codewords: rows x columns codewords in symbol order, data then check.
void BuildPdf417Matrix(const std::vector<int32_t>& codewords, const SymbolSize& size,
                       int32_t securityLevel, bool truncated, SymbolMatrix& matrix);
void BuildMicroMatrix(const std::vector<int32_t>& codewords, const MicroSize& size,
                      SymbolMatrix& matrix);

} // namespace pdf417

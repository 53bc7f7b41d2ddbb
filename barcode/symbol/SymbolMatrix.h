// What a stacked or two-dimensional encoder produces, independent of how it
// is drawn: rows of dark and light modules, each row as tall as its own
// height, and the light margin around them.
#pragma once

#include "symbol/SymbolParams.h"

#include <cstdint>
#include <string>
#include <vector>

struct SymbolMatrix {
    int32_t columns = 0;
    int32_t rows = 0;
    std::vector<uint8_t> dark; // rows × columns, row by row; non-zero = dark
    // Per row, its height in module widths; 0 means the request's bar
    // height in pixels. Empty: every row is one module high (square modules).
    std::vector<int32_t> rowHeights;
    // Light margin in pixels on every side, part of the symbol's extent.
    int32_t quietZonePixels = 0;
    // The symbology is drawn upright whatever the rotation (QR Code).
    bool drawUnrotated = false;

    bool IsDark(int32_t row, int32_t column) const {
        return dark[static_cast<size_t>(row) * static_cast<size_t>(columns) +
                    static_cast<size_t>(column)] != 0;
    }
    // Sizes the matrix to rows × columns of light modules.
    void Resize(int32_t newRows, int32_t newColumns) {
        rows = newRows;
        columns = newColumns;
        dark.assign(static_cast<size_t>(newRows) * static_cast<size_t>(newColumns), 0);
    }
    void Set(int32_t row, int32_t column, bool isDark) {
        dark[static_cast<size_t>(row) * static_cast<size_t>(columns) +
             static_cast<size_t>(column)] = isDark ? 1 : 0;
    }
};

// The encoders of the stacked and two-dimensional symbologies. Each reads
// the fields of the parameter record it needs and returns 0 with the matrix
// (an empty matrix draws nothing) or a negative symbol error.
int32_t EncodePdf417(const SymbolParams& params, const std::string& data, SymbolMatrix& matrix);
int32_t EncodeDataMatrix(const SymbolParams& params, const std::string& data, SymbolMatrix& matrix);
int32_t EncodeQrCode(const SymbolParams& params, const std::string& data, SymbolMatrix& matrix);
int32_t EncodeCode16k49(const SymbolParams& params, const std::string& data, SymbolMatrix& matrix);
// The encoder of params.libraryCode among those above; -kSymbolUnknownLibraryCode
// for any other code (MaxiCode and the linear codes have encoders of their own).
int32_t EncodeSymbolMatrix(const SymbolParams& params, const std::string& data,
                           SymbolMatrix& matrix);

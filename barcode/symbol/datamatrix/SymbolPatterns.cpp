#include "symbol/datamatrix/SymbolPatterns.h"

#include <cstddef>

namespace datamatrix {
namespace {

// Within one framed region of (regionRows + 2) × (regionColumns + 2)
// modules: whether the module on the frame at (row, column) is dark.
bool IsDarkFrameModule(int32_t row, int32_t column, const SymbolSize& size) {
    const int32_t lastRow = size.regionRows + 1;
    const int32_t lastColumn = size.regionColumns + 1;
    if (column == 0 || row == lastRow) return true; // finder pattern
    if (row == 0) return column % 2 == 0;           // alignment, top edge
    if (column == lastColumn) return row % 2 == 1;  // alignment, right edge
    return false;
}

bool IsOnFrame(int32_t row, int32_t column, const SymbolSize& size) {
    return row == 0 || column == 0 || row == size.regionRows + 1 ||
           column == size.regionColumns + 1;
}

bool MappingModule(const std::vector<uint8_t>& mapping, const SymbolSize& size, int32_t row,
                   int32_t column) {
    size_t index = static_cast<size_t>(row) * static_cast<size_t>(size.mappingColumns) +
                   static_cast<size_t>(column);
    return index < mapping.size() && mapping[index] != 0;
}

bool IsDarkSymbolModule(const std::vector<uint8_t>& mapping, const SymbolSize& size, int32_t row,
                        int32_t column) {
    const int32_t framedRows = size.regionRows + 2;
    const int32_t framedColumns = size.regionColumns + 2;
    const int32_t rowInRegion = row % framedRows;
    const int32_t columnInRegion = column % framedColumns;
    if (IsOnFrame(rowInRegion, columnInRegion, size))
        return IsDarkFrameModule(rowInRegion, columnInRegion, size);
    const int32_t mappingRow = row / framedRows * size.regionRows + rowInRegion - 1;
    const int32_t mappingColumn = column / framedColumns * size.regionColumns + columnInRegion - 1;
    return MappingModule(mapping, size, mappingRow, mappingColumn);
}

} // namespace

std::vector<CIntArray> BuildSymbolColumns(const std::vector<uint8_t>& mapping,
                                          const SymbolSize& size) {
    std::vector<CIntArray> columns(static_cast<size_t>(size.columns));
    for (int32_t column = 0; column < size.columns; ++column) {
        CIntArray& modules = columns[static_cast<size_t>(column)];
        modules.Resize(static_cast<size_t>(size.rows), -1);
        for (int32_t row = 0; row < size.rows; ++row)
            modules[static_cast<size_t>(row)] =
                IsDarkSymbolModule(mapping, size, row, column) ? 1 : 0;
    }
    return columns;
}

} // namespace datamatrix

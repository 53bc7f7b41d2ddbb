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

} // namespace

// Column by column, the region and the place in it advance with the row
// instead of being divided out for every module.
std::vector<CIntArray> BuildSymbolColumns(const std::vector<uint8_t>& mapping,
                                          const SymbolSize& size) {
    const int32_t framedRows = size.regionRows + 2;
    const int32_t framedColumns = size.regionColumns + 2;
    std::vector<CIntArray> columns(static_cast<size_t>(size.columns));
    for (int32_t column = 0; column < size.columns; ++column) {
        CIntArray& modules = columns[static_cast<size_t>(column)];
        modules.Resize(static_cast<size_t>(size.rows), -1);
        const int32_t columnInRegion = column % framedColumns;
        const int32_t mappingColumn =
            column / framedColumns * size.regionColumns + columnInRegion - 1;
        int32_t rowInRegion = 0, mappingRowBase = -1;
        for (int32_t row = 0; row < size.rows; ++row) {
            const bool dark =
                IsOnFrame(rowInRegion, columnInRegion, size)
                    ? IsDarkFrameModule(rowInRegion, columnInRegion, size)
                    : MappingModule(mapping, size, mappingRowBase + rowInRegion, mappingColumn);
            modules[static_cast<size_t>(row)] = dark ? 1 : 0;
            if (++rowInRegion == framedRows) {
                rowInRegion = 0;
                mappingRowBase += size.regionRows;
            }
        }
    }
    return columns;
}

} // namespace datamatrix

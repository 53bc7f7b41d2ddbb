#include "symbol/pdf417/Pdf417Layout.h"

#include "symbol/pdf417/Pdf417Compaction.h"

#include <array>

namespace pdf417 {
namespace {

constexpr int32_t kMaxColumns = 30;
constexpr int32_t kMaxRows = 90;
constexpr int32_t kMinRows = 3;

// The automatic choice takes the fewest columns (1..19) whose capacity in
// total codewords holds the symbol; the capacities keep the symbols of the
// automatic choice roughly as high as they are wide.
constexpr std::array<int32_t, 19> kColumnCapacity = {
    3, 11, 26, 45, 71, 102, 139, 181, 230, 283, 343, 408, 479, 555, 638, 725, 819, 918, 925};

constexpr int32_t kMaxMicroColumns = 4;
constexpr int32_t kMaxMicroRows = 44;
constexpr int32_t kMinMicroRows = 4;
constexpr int32_t kMaxMicroModules = 176;

// The sizes of ISO/IEC 24728 (table of MicroPDF417 symbol sizes) with the
// row address patterns and clusters of their first rows (tables of the row
// address pattern start values).
const std::vector<MicroSize> kMicroSizes = {
    {1, 11, 7, 1, 0, 9, 0},     {1, 14, 7, 8, 0, 8, 3},     {1, 17, 7, 36, 0, 36, 6},
    {1, 20, 8, 19, 0, 19, 0},   {1, 24, 8, 9, 0, 17, 6},    {1, 28, 8, 25, 0, 33, 0},
    {2, 8, 8, 1, 0, 1, 0},      {2, 11, 9, 1, 0, 9, 0},     {2, 14, 9, 8, 0, 8, 3},
    {2, 17, 10, 36, 0, 36, 6},  {2, 20, 11, 19, 0, 19, 0},  {2, 23, 13, 9, 0, 17, 6},
    {2, 26, 15, 27, 0, 35, 6},  {3, 6, 12, 1, 1, 1, 0},     {3, 8, 14, 7, 7, 7, 0},
    {3, 10, 16, 15, 15, 15, 6}, {3, 12, 18, 25, 25, 25, 0}, {3, 15, 21, 37, 37, 37, 0},
    {3, 20, 26, 1, 17, 33, 0},  {3, 26, 32, 1, 9, 17, 0},   {3, 32, 38, 21, 29, 37, 6},
    {3, 38, 44, 15, 31, 47, 6}, {3, 44, 50, 1, 25, 49, 0},  {4, 4, 8, 47, 19, 43, 3},
    {4, 6, 12, 1, 1, 1, 0},     {4, 8, 14, 7, 7, 7, 0},     {4, 10, 16, 15, 15, 15, 6},
    {4, 12, 18, 25, 25, 25, 0}, {4, 15, 21, 37, 37, 37, 0}, {4, 20, 26, 1, 17, 33, 0},
    {4, 26, 32, 1, 9, 17, 0},   {4, 32, 38, 21, 29, 37, 6}, {4, 38, 44, 15, 31, 47, 6},
    {4, 44, 50, 1, 25, 49, 0},
};

// The automatic MicroPDF417 choice, in order: the first that holds the data.
constexpr std::array<std::array<int8_t, 2>, 17> kAutomaticMicroSizes = {{
    {1, 11},
    {1, 14},
    {1, 17},
    {1, 20},
    {1, 24},
    {1, 28},
    {2, 17},
    {2, 20},
    {2, 23},
    {2, 26},
    {3, 26},
    {3, 32},
    {3, 38},
    {3, 44},
    {4, 32},
    {4, 38},
    {4, 44},
}};

int64_t CeilDivide(int64_t dividend, int64_t divisor) {
    return divisor > 0 ? (dividend + divisor - 1) / divisor : -(dividend / -divisor);
}

int32_t CheckPdf417Size(int64_t rows, int64_t columns) {
    if (columns > kMaxColumns) return kErrorColumnsTooMany;
    if (columns <= 0) return kErrorColumnsTooFew;
    if (rows > kMaxRows) return kErrorRowsTooMany;
    if (rows < kMinRows) return kErrorRowsTooFew;
    if (rows * columns > kMaxPdf417Codewords) return kErrorForcedSizeTooLarge;
    return 0;
}

int32_t AutomaticColumns(int32_t totalCodewords) {
    for (size_t i = 0; i < kColumnCapacity.size(); ++i)
        if (kColumnCapacity[i] >= totalCodewords) return static_cast<int32_t>(i) + 1;
    return 0;
}

const MicroSize* FindMicroSize(int32_t columns, int32_t rows) {
    for (const MicroSize& size : kMicroSizes)
        if (size.columns == columns && size.rows == rows) return &size;
    return nullptr;
}

const MicroSize* AutomaticMicroSize(int32_t dataCodewords) {
    for (const auto& [columns, rows] : kAutomaticMicroSizes) {
        const MicroSize* size = FindMicroSize(columns, rows);
        if (size->DataCapacity() >= dataCodewords) return size;
    }
    return nullptr;
}

// The smallest size of these columns that holds the data.
const MicroSize* MicroSizeForColumns(int32_t columns, int32_t dataCodewords) {
    for (const MicroSize& size : kMicroSizes)
        if (size.columns == columns && size.DataCapacity() >= dataCodewords) return &size;
    return nullptr;
}

// The first column count that offers these rows.
int32_t MicroColumnsForRows(int32_t rows) {
    for (int32_t columns = 1; columns <= kMaxMicroColumns; ++columns)
        if (FindMicroSize(columns, rows) != nullptr) return columns;
    return 0;
}

int32_t CheckForcedMicroSize(int32_t forcedRows, int32_t forcedColumns) {
    if (forcedColumns != 0) {
        if (forcedColumns > kMaxMicroColumns) return kErrorColumnsTooMany;
        if (forcedColumns <= 0) return kErrorColumnsTooFew;
    }
    if (forcedRows != 0) {
        if (forcedRows > kMaxMicroRows) return kErrorRowsTooMany;
        if (forcedRows < kMinMicroRows) return kErrorRowsTooFew;
    }
    if (int64_t{forcedRows} * forcedColumns > kMaxMicroModules) return kErrorForcedSizeTooLarge;
    return 0;
}

const MicroSize* ForcedMicroSize(int32_t dataCodewords, int32_t forcedRows, int32_t forcedColumns) {
    if (forcedRows == 0) return MicroSizeForColumns(forcedColumns, dataCodewords);
    const bool bothForced = forcedColumns != 0;
    const int32_t columns = bothForced ? forcedColumns : MicroColumnsForRows(forcedRows);
    const MicroSize* size = FindMicroSize(columns, forcedRows);
    if (size == nullptr || size->DataCapacity() >= dataCodewords) return size;
    // Forcing both leaves the size to the automatic choice when it is too small.
    return bothForced ? AutomaticMicroSize(dataCodewords) : nullptr;
}

} // namespace

int32_t SecurityCodewordCount(int32_t securityLevel) {
    return 2 << securityLevel;
}

int32_t ChoosePdf417Size(int32_t totalCodewords, int32_t forcedRows, int32_t forcedColumns,
                         SymbolSize& size) {
    int64_t rows = forcedRows;
    int64_t columns = forcedColumns;
    const bool bothForced = forcedRows != 0 && forcedColumns != 0;
    if (bothForced && rows * columns >= totalCodewords) {
        // As forced.
    } else if (forcedColumns != 0 && forcedRows == 0) {
        rows = CeilDivide(totalCodewords, columns);
    } else if (forcedRows != 0 && forcedColumns == 0) {
        columns = CeilDivide(totalCodewords, rows);
    } else {
        columns = AutomaticColumns(totalCodewords);
        if (columns == 0) return kErrorColumnsTooFew;
        rows = CeilDivide(totalCodewords, columns);
    }
    const int32_t result = CheckPdf417Size(rows, columns);
    if (result != 0) return result;
    size.rows = static_cast<int32_t>(rows);
    size.columns = static_cast<int32_t>(columns);
    return 0;
}

const std::vector<MicroSize>& MicroSizes() {
    return kMicroSizes;
}

int32_t ChooseMicroSize(int32_t dataCodewords, int32_t forcedRows, int32_t forcedColumns,
                        MicroSize& size) {
    if (dataCodewords > kMaxMicroDataCodewords) return kErrorTooManyCodewords;
    const int32_t result = CheckForcedMicroSize(forcedRows, forcedColumns);
    if (result != 0) return result;
    const MicroSize* chosen = forcedRows == 0 && forcedColumns == 0
                                  ? AutomaticMicroSize(dataCodewords)
                                  : ForcedMicroSize(dataCodewords, forcedRows, forcedColumns);
    if (chosen == nullptr) return kErrorTooManyCodewords;
    size = *chosen;
    return 0;
}

void PadCodewords(std::vector<int32_t>& codewords, size_t count) {
    if (codewords.size() < count) codewords.resize(count, kPadCodeword);
}

} // namespace pdf417

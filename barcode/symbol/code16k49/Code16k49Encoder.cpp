// The entry of the stacked symbologies Code 49 (library code 22) and
// Code 16K (23 automatic, 24 subset A, 25 subset B, 26 subset C).
#include "symbol/LibraryCodes.h"
#include "symbol/SymbolErrors.h"
#include "symbol/SymbolMatrix.h"
#include "symbol/code16k49/Code16kEncoder.h"
#include "symbol/code16k49/Code49Encoder.h"
#include "symbol/code16k49/StackedRows.h"

#include <vector>

namespace {

// The most data characters the library accepts before it tries to encode:
// 81 for Code 49, 154 for Code 16K (77 digit pairs in 16 rows).
constexpr size_t kMaxCode49Data = 81;
constexpr size_t kMaxCode16kData = 154;

bool IsRotationValid(int32_t rotation) {
    return rotation >= 0 && rotation <= 3;
}

code16k::StartSubset StartSubsetOf(int32_t libraryCode) {
    switch (libraryCode - kLibCode16kAuto) {
    case 1:
        return code16k::StartSubset::kA;
    case 2:
        return code16k::StartSubset::kB;
    case 3:
        return code16k::StartSubset::kC;
    default:
        return code16k::StartSubset::kAutomatic;
    }
}

bool IsCode16k(int32_t libraryCode) {
    return libraryCode >= kLibCode16kAuto && libraryCode <= kLibCode16kC;
}

int32_t EncodeRows(int32_t libraryCode, const std::string& data,
                   std::vector<stacked::ModuleRow>& rows) {
    if (libraryCode == kLibCode49) {
        if (data.size() > kMaxCode49Data) return -stacked::kTooMuchData;
        return code49::EncodeCode49Rows(data, rows);
    }
    if (IsCode16k(libraryCode)) {
        if (data.size() > kMaxCode16kData) return -stacked::kTooMuchData;
        return code16k::EncodeCode16kRows(data, StartSubsetOf(libraryCode), rows);
    }
    return -kSymbolUnknownLibraryCode;
}

} // namespace

int32_t EncodeCode16k49(const SymbolParams& params, const std::string& data, SymbolMatrix& matrix) {
    matrix = SymbolMatrix();
    if (!IsRotationValid(params.rotation)) return -kSymbolRotationRange;
    std::vector<stacked::ModuleRow> rows;
    const int32_t result = EncodeRows(params.libraryCode, data, rows);
    if (result != 0) return result;
    stacked::BuildStackedMatrix(rows, matrix);
    return 0;
}

// What the PDF417 tests share: parameter records, a reader that turns a
// module matrix back into codewords, and arithmetic over GF(929).
#pragma once

#include "symbol/LibraryCodes.h"
#include "symbol/SymbolMatrix.h"
#include "symbol/SymbolParams.h"
#include "symbol/pdf417/Pdf417Patterns.h"

#include <cstdint>
#include <map>
#include <vector>

namespace pdf417test {

inline SymbolParams Params(int32_t libraryCode, int32_t security = 2, int32_t rows = 0,
                           int32_t columns = 0) {
    SymbolParams params{};
    params.libraryCode = libraryCode;
    params.moduleWidth = 3;
    params.height = 30;
    params.pdfSecurity = security;
    params.pdfRows = rows;
    params.pdfColumns = columns;
    return params;
}

inline uint32_t ReadModules(const SymbolMatrix& matrix, int32_t row, int32_t column,
                            int32_t width) {
    uint32_t bits = 0;
    for (int32_t i = 0; i < width; ++i)
        bits = (bits << 1) | (matrix.IsDark(row, column + i) ? 1U : 0U);
    return bits;
}

// The codeword a 17-module pattern stands for in a cluster (index 0..2), or -1.
inline int32_t CodewordOf(int32_t cluster, uint32_t bits) {
    static const std::vector<std::map<uint32_t, int32_t>> lookup = [] {
        std::vector<std::map<uint32_t, int32_t>> maps(3);
        for (int32_t c = 0; c < 3; ++c)
            for (int32_t value = 0; value < pdf417::kCodewordValues; ++value)
                maps[static_cast<size_t>(c)][pdf417::CodewordPattern(c, value).bits] = value;
        return maps;
    }();
    const auto& map = lookup[static_cast<size_t>(cluster)];
    auto found = map.find(bits);
    return found == map.end() ? -1 : found->second;
}

struct ReadBack {
    std::vector<int32_t> codewords; // row by row, -1 where a pattern is unknown
    std::vector<int32_t> leftIndicators;
    std::vector<int32_t> rightIndicators;
};

// Reads a PDF417 matrix of the given columns back: the row indicators and
// the codewords of every row in that row's cluster.
inline ReadBack ReadPdf417(const SymbolMatrix& matrix, int32_t columns, bool truncated) {
    ReadBack read;
    for (int32_t row = 0; row < matrix.rows; ++row) {
        const int32_t cluster = row % 3;
        int32_t at = pdf417::kStartPattern.width;
        read.leftIndicators.push_back(CodewordOf(cluster, ReadModules(matrix, row, at, 17)));
        at += 17;
        for (int32_t c = 0; c < columns; ++c, at += 17)
            read.codewords.push_back(CodewordOf(cluster, ReadModules(matrix, row, at, 17)));
        if (!truncated)
            read.rightIndicators.push_back(CodewordOf(cluster, ReadModules(matrix, row, at, 17)));
    }
    return read;
}

// Reads a MicroPDF417 matrix back, given the cluster of its first row.
inline std::vector<int32_t> ReadMicro(const SymbolMatrix& matrix, int32_t columns,
                                      int32_t firstCluster) {
    std::vector<int32_t> codewords;
    for (int32_t row = 0; row < matrix.rows; ++row) {
        const int32_t cluster = (firstCluster / 3 + row) % 3;
        int32_t at = pdf417::kRowAddressModules;
        for (int32_t c = 0; c < columns; ++c, at += 17) {
            if (columns >= 3 && c == columns / 2) at += pdf417::kRowAddressModules;
            codewords.push_back(CodewordOf(cluster, ReadModules(matrix, row, at, 17)));
        }
    }
    return codewords;
}

// The codewords as a polynomial (first codeword the highest power) at x.
inline int32_t EvaluateAt(const std::vector<int32_t>& codewords, int32_t x) {
    int64_t value = 0;
    for (int32_t codeword : codewords)
        value = (value * x + codeword) % 929;
    return static_cast<int32_t>(value);
}

// True when the codewords evaluate to zero at 3, 3^2, ..., 3^checkCount.
inline bool SyndromesAreZero(const std::vector<int32_t>& codewords, int32_t checkCount) {
    int64_t root = 1;
    for (int32_t i = 0; i < checkCount; ++i) {
        root = root * 3 % 929;
        if (EvaluateAt(codewords, static_cast<int32_t>(root)) != 0) return false;
    }
    return true;
}

} // namespace pdf417test

// What Code 16K and Code 49 share: rows of 70 modules between separator
// bars, each row inside its own quiet zone.
#pragma once

#include "symbol/SymbolMatrix.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

namespace stacked {

// Both standards draw every row as 70 modules from the first bar of the
// start pattern to the last module of the stop pattern (EN 12323 for
// Code 16K, AIM USS Code 49) and require a light zone of at least 10 modules
// before and 1 module after each row. A separator bar is one module high.
inline constexpr int kRowModules = 70;
inline constexpr int kLeadingQuietModules = 10;
inline constexpr int kTrailingQuietModules = 1;
inline constexpr int kSymbolColumns = kLeadingQuietModules + kRowModules + kTrailingQuietModules;

// The library's error 34, "More than the maximum amount of data has been
// entered"; returned negated like every symbol error.
inline constexpr int32_t kTooMuchData = 34;

// One code row as it is built, in place (rows are built for every symbol,
// so they hold their modules without allocating): non-zero = dark. Modules
// appended past kRowModules are dropped.
class ModuleRow {
  public:
    // Appends the low count bits of value, most significant first.
    void AppendBits(uint32_t value, int count);
    // Appends a run of count dark or light modules. Element runs are one to
    // four modules: a fixed store of eight costs less than a call to fill a
    // few bytes, and a run is appended for every element of every row.
    void AppendRun(int count, bool dark) {
        const int end = std::min(length_ + std::max(count, 0), kRowModules);
        const uint64_t eight = dark ? 0x0101010101010101u : 0;
        for (int at = length_; at < end; at += kRunStore)
            std::memcpy(modules_.data() + at, &eight, kRunStore);
        length_ = end;
    }
    int Length() const { return length_; }
    const uint8_t* Modules() const { return modules_.data(); }

  private:
    // Runs are written eight modules at a time, so the row has room for
    // eight beyond its last module; what lies past the length is never read.
    static constexpr int kRunStore = 8;
    std::array<uint8_t, kRowModules + kRunStore> modules_{};
    int length_ = 0;
};

// Appends elements whose widths are printed digit by digit (211214 is a
// 2-module element, then 1, 1, 2, 1, 4), alternating from dark or light.
void AppendPrintedWidths(ModuleRow& row, uint32_t printedWidths, int elements, bool darkFirst);

// The symbol as the framework draws it: a separator row above, between and
// below the code rows, code rows as tall as the request's bar height, and
// the quiet zones inside the matrix so that they scale with the module.
// Each code row must hold exactly kRowModules modules.
void BuildStackedMatrix(const std::vector<ModuleRow>& codeRows, SymbolMatrix& matrix);

} // namespace stacked

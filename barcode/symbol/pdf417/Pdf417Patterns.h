// The bar and space patterns of PDF417 and MicroPDF417 as module bits, the
// leftmost module in the highest bit and 1 for a bar.
#pragma once

#include <cstdint>

namespace pdf417 {

struct ModulePattern {
    uint32_t bits;
    int32_t width;
};

inline constexpr int32_t kCodewordModules = 17;
inline constexpr int32_t kClusterCount = 3; // clusters 0, 3 and 6
inline constexpr int32_t kCodewordValues = 929;

// ISO/IEC 15438 start pattern 81111113 and stop pattern 711311121.
inline constexpr ModulePattern kStartPattern = {0x1FEA8, 17};
inline constexpr ModulePattern kStopPattern = {0x3FA29, 18};
// MicroPDF417 and truncated PDF417 end each row with one bar.
inline constexpr ModulePattern kOneModuleStopBar = {0x1, 1};

inline constexpr int32_t kRowAddressModules = 10;
inline constexpr int32_t kRowAddressPatternCount = 52;

// The 17 modules of codeword 0..928 in cluster index 0..2 (cluster 0, 3, 6).
ModulePattern CodewordPattern(int32_t clusterIndex, int32_t codeword);

// MicroPDF417 row address patterns 1..52 of the left and right columns and
// of the centre column.
ModulePattern SideRowAddressPattern(int32_t number);
ModulePattern CentreRowAddressPattern(int32_t number);

} // namespace pdf417

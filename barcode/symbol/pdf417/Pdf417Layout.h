// The size of a symbol: rows and columns of PDF417 (automatic, forced or
// partly forced, then checked), the sizes of MicroPDF417, and the padding
// that fills a symbol's spare codewords.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pdf417 {

inline constexpr int32_t kMaxPdf417Codewords = 928;
inline constexpr int32_t kMaxMicroDataCodewords = 126;
// ISO/IEC 15438 and ISO/IEC 24728 pad with the text latch, which a reader
// skips; 901, the byte latch, would be read as the start of byte data.
inline constexpr int32_t kPadCodeword = 900;

inline constexpr int32_t kErrorSecurityLevel = -30;
inline constexpr int32_t kErrorRowsTooMany = -36;
inline constexpr int32_t kErrorRowsTooFew = -37;
inline constexpr int32_t kErrorColumnsTooMany = -38;
inline constexpr int32_t kErrorColumnsTooFew = -39;
inline constexpr int32_t kErrorForcedSizeTooLarge = -50;

struct SymbolSize {
    int32_t rows = 0;
    int32_t columns = 0;
};

// Check codewords of a PDF417 security level 0..8: 2^(level + 1).
int32_t SecurityCodewordCount(int32_t securityLevel);

// Rows and columns of a PDF417 symbol of totalCodewords (data and check
// codewords). Forced values of 0 mean automatic. Returns 0 or an error.
int32_t ChoosePdf417Size(int32_t totalCodewords, int32_t forcedRows, int32_t forcedColumns,
                         SymbolSize& size);

// One size of MicroPDF417 (ISO/IEC 24728): its columns, rows and check
// codewords, the row address patterns of its first row and the cluster of
// its first row (0, 3 or 6).
struct MicroSize {
    int8_t columns;
    int8_t rows;
    int8_t checkCodewords;
    int8_t leftAddress;
    int8_t centreAddress; // 0 when the symbol has no centre column
    int8_t rightAddress;
    int8_t firstCluster;

    int32_t DataCapacity() const { return columns * rows - checkCodewords; }
};

// Every size of MicroPDF417, by columns, then rows.
const std::vector<MicroSize>& MicroSizes();

// The MicroPDF417 size for dataCodewords. Forced values of 0 mean automatic.
// Returns 0 or an error.
int32_t ChooseMicroSize(int32_t dataCodewords, int32_t forcedRows, int32_t forcedColumns,
                        MicroSize& size);

// Appends pad codewords up to count codewords.
void PadCodewords(std::vector<int32_t>& codewords, size_t count);

} // namespace pdf417

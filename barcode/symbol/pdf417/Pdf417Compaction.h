// Turns the data into PDF417 data codewords: the data is cut into numeric,
// text and byte segments, and each segment is compacted in its mode of
// ISO/IEC 15438. The same compaction serves PDF417 and MicroPDF417.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace pdf417 {

enum class CompactionMode { None, Text, Byte, Numeric };

inline constexpr int32_t kLatchText = 900;
inline constexpr int32_t kLatchByte = 901;
inline constexpr int32_t kLatchNumeric = 902;
inline constexpr int32_t kShiftByte = 913;
inline constexpr int32_t kLatchByteSixes = 924;

// Runs of at least 14 digits become numeric segments: shorter ones cost
// fewer codewords in text compaction.
inline constexpr size_t kMinNumericRun = 14;
// Runs of at least 5 text characters start a text segment...
inline constexpr size_t kMinTextRun = 5;
// ...but a byte segment is left only for 7 or more, since each change of
// mode costs a latch.
inline constexpr size_t kMinTextRunAfterBytes = 7;
// Text values of one symbol, two to a codeword.
inline constexpr size_t kMaxTextValues = 1849;

inline constexpr int32_t kErrorTooManyCodewords = -31;

// True for the characters the text compaction can hold: printable ASCII,
// carriage return, line feed and horizontal tab.
bool IsTextCharacter(unsigned char byte);

// Appends the codewords of data to codewords. startMode is the mode a
// decoder is in before the first codeword (text for PDF417, none for
// MicroPDF417). Returns 0, or -31 when the codewords would grow beyond
// maxCodewords or the text values beyond their limit.
int32_t CompactData(const std::string& data, CompactionMode startMode, size_t maxCodewords,
                    std::vector<int32_t>& codewords);

} // namespace pdf417

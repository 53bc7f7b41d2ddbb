// The secondary message of a MaxiCode symbol in the standard's five code
// sets A to E (ISO/IEC 16023, Table 2), with shifts, latches, lock-ins and
// numeric shift.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

inline constexpr int kMaxiCodeSecondaryDataCodewords = 84;
inline constexpr uint8_t kMaxiCodePad = 33;

// The fewest codewords that encode the text, starting in code set A and
// ending in code set A or B so that the pad characters that follow read as
// pads. Empty when they exceed the capacity.
std::optional<std::vector<uint8_t>> EncodeMaxiCodeText(std::string_view text, size_t capacity);

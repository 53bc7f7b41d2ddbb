// The codeword stream of an ECC 200 symbol: the codeword values that switch
// between encodations, the encodations themselves, and the two randomising
// algorithms that keep long runs of equal codewords from forming patterns.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace datamatrix {

using Codewords = std::vector<int32_t>;

inline constexpr int32_t kPad = 129;
inline constexpr int32_t kFirstDigitPair = 130; // "00"; "99" is 229
inline constexpr int32_t kLatchC40 = 230;
inline constexpr int32_t kLatchBase256 = 231;
inline constexpr int32_t kUpperShift = 235;
inline constexpr int32_t kLatchText = 239;
inline constexpr int32_t kUnlatch = 254;

// The encodation in force, in the numbering the symbol object reports.
enum class Encodation { Ascii = 0, C40 = 1, Text = 2, Base256 = 3, None = 4 };

// What the request may ask for: the five above or the automatic choice.
inline constexpr int32_t kRequestAutomatic = 5;

// The data codewords of one symbol before size choice and padding.
struct EncodedData {
    Codewords codewords;
    Encodation finalEncodation = Encodation::Ascii;
    // A C40/Text run ended with one value pending and its last character
    // went into ASCII after an Unlatch.
    bool tailFlag = false;
};

inline bool IsC40OrText(Encodation encodation) {
    return encodation == Encodation::C40 || encodation == Encodation::Text;
}

inline bool IsDigit(uint8_t byte) {
    return byte >= '0' && byte <= '9';
}

// Base 256 bytes and length fields at a 1-based codeword position.
inline int32_t Randomise255State(int32_t value, size_t position) {
    int32_t pseudoRandom = static_cast<int32_t>((149 * position) % 255) + 1;
    int32_t randomised = value + pseudoRandom;
    return randomised <= 255 ? randomised : randomised - 256;
}

inline int32_t Unrandomise255State(int32_t value, size_t position) {
    int32_t pseudoRandom = static_cast<int32_t>((149 * position) % 255) + 1;
    int32_t plain = value - pseudoRandom;
    return plain >= 0 ? plain : plain + 256;
}

// Pad codewords after the first at a 1-based codeword position.
inline int32_t Randomise253State(int32_t value, size_t position) {
    int32_t pseudoRandom = static_cast<int32_t>((149 * position) % 253) + 1;
    int32_t randomised = value + pseudoRandom;
    return randomised <= 254 ? randomised : randomised - 254;
}

} // namespace datamatrix

// Reading a MaxiCode symbol back into its codewords and checking them with a
// Reed-Solomon arithmetic of the test's own (bitwise GF(64) products instead
// of the encoder's log tables).
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "symbol/maxicode/MaxiCodeEncoder.h"
#include "symbol/maxicode/MaxiCodePlacement.h"

using MaxiCodewords = std::array<uint8_t, 144>;

inline MaxiCodewords ReadCodewords(const MaxiCodeModules& modules) {
    MaxiCodewords codewords{};
    for (int row = 0; row < kMaxiCodeRows; ++row)
        for (int column = 0; column < kMaxiCodeColumns; ++column) {
            const int sequence = kMaxiCodeModuleSequence[row][column];
            if (sequence > 0 && modules.dark[row][column])
                codewords[(sequence - 1) / 6] |=
                    static_cast<uint8_t>(1 << (5 - (sequence - 1) % 6));
        }
    return codewords;
}

// Product in GF(64) modulo x^6 + x + 1, shift and add.
inline uint8_t Gf64Product(uint8_t a, uint8_t b) {
    unsigned product = 0;
    for (int bit = 0; bit < 6; ++bit)
        if (b & (1 << bit)) product ^= static_cast<unsigned>(a) << bit;
    for (int bit = 11; bit >= 6; --bit)
        if (product & (1u << bit)) product ^= 0x43u << (bit - 6);
    return static_cast<uint8_t>(product);
}

// The codeword polynomial (first codeword highest degree) at alpha^1 ..
// alpha^count; all zero when the check codewords are right.
inline std::vector<uint8_t> Syndromes(const std::vector<uint8_t>& codewords, int count) {
    std::vector<uint8_t> syndromes;
    uint8_t alpha = 1;
    for (int i = 1; i <= count; ++i) {
        alpha = Gf64Product(alpha, 2);
        uint8_t value = 0;
        for (uint8_t codeword : codewords)
            value = Gf64Product(value, alpha) ^ codeword;
        syndromes.push_back(value);
    }
    return syndromes;
}

// The primary message as its fields: 60 bits, codeword i holding bits 6i..6i+5.
struct PrimaryFields {
    int mode;
    uint64_t postal; // 36 bits
    int country;
    int serviceClass;
};

inline PrimaryFields ReadPrimaryFields(const MaxiCodewords& codewords) {
    uint64_t bits = 0;
    for (int i = 9; i >= 0; --i)
        bits = (bits << 6) | codewords[i];
    return {static_cast<int>(bits & 0xF), (bits >> 4) & ((uint64_t{1} << 36) - 1),
            static_cast<int>((bits >> 40) & 0x3FF), static_cast<int>((bits >> 50) & 0x3FF)};
}

// The 84 secondary data codewords, which come right after the primary part.
inline std::vector<uint8_t> SecondaryData(const MaxiCodewords& codewords) {
    return std::vector<uint8_t>(codewords.begin() + 20, codewords.begin() + 104);
}

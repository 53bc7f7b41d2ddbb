// Reed-Solomon error correction over GF(256) with the QR Code polynomial
// x^8 + x^4 + x^3 + x^2 + 1, and the division of the data codewords into
// interleaved blocks.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

uint8_t QrGfMultiply(uint8_t a, uint8_t b);
// α raised to the power (taken modulo 255).
uint8_t QrGfPower(int exponent);

// The eccCount error correction codewords of one block: the remainder of
// data · x^eccCount divided by the generator polynomial with roots
// α^0 .. α^(eccCount-1).
std::vector<uint8_t> QrErrorCorrection(std::span<const uint8_t> data, int eccCount);

// The final codeword sequence: the data codewords split into the blocks of
// the version and level, each followed by its error correction, data
// codewords interleaved block by block, then the error correction codewords.
std::vector<uint8_t> QrInterleaveBlocks(const std::vector<uint8_t>& data, int version, int level);

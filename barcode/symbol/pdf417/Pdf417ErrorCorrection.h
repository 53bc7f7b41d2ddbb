// Reed-Solomon error correction over GF(929) as ISO/IEC 15438 and
// ISO/IEC 24728 define it: the generator polynomial of k codewords is
// (x - 3)(x - 3^2)...(x - 3^k), and the check codewords are the negated
// remainder of the data polynomial times x^k divided by it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pdf417 {

inline constexpr int32_t kGaloisPrime = 929;

// The coefficients of the generator polynomial of count check codewords,
// lowest power first, without the leading 1 (count values).
std::vector<int32_t> GeneratorPolynomial(int32_t count);

// The count check codewords of data, in symbol order.
std::vector<int32_t> ErrorCorrectionCodewords(const std::vector<int32_t>& data, int32_t count);

} // namespace pdf417

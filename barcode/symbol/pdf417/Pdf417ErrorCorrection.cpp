#include "symbol/pdf417/Pdf417ErrorCorrection.h"

namespace pdf417 {

// Every value below stays under 929, so a product plus a sum stays under
// 929 * 929 + 929 and fits 32 bits; one reduction per step suffices.

std::vector<int32_t> GeneratorPolynomial(int32_t count) {
    if (count <= 0) return {};
    // Lowest power first; polynomial[degree] is the leading 1 of the roots
    // multiplied in so far, and the room above it is still 0.
    std::vector<int32_t> polynomial(static_cast<size_t>(count) + 1, 0);
    polynomial[0] = 1;
    int32_t root = 1;
    for (int32_t degree = 0; degree < count; ++degree) {
        root = root * 3 % kGaloisPrime;
        const int32_t negatedRoot = kGaloisPrime - root;
        // Multiply by (x - root) in place, highest power first.
        for (auto j = static_cast<size_t>(degree) + 1; j > 0; --j)
            polynomial[j] = (polynomial[j - 1] + negatedRoot * polynomial[j]) % kGaloisPrime;
        polynomial[0] = negatedRoot * polynomial[0] % kGaloisPrime;
    }
    polynomial.pop_back(); // the leading 1
    return polynomial;
}

std::vector<int32_t> ErrorCorrectionCodewords(const std::vector<int32_t>& data, int32_t count) {
    if (count <= 0) return {};
    // Negated once here so that the register below only adds.
    std::vector<int32_t> negated = GeneratorPolynomial(count);
    for (int32_t& coefficient : negated)
        coefficient = (kGaloisPrime - coefficient) % kGaloisPrime;
    const auto k = static_cast<size_t>(count);
    // The remainder register, highest power at k - 1.
    std::vector<int32_t> remainder(k, 0);
    for (int32_t codeword : data) {
        const int32_t feedback = (codeword + remainder[k - 1]) % kGaloisPrime;
        for (size_t j = k - 1; j > 0; --j)
            remainder[j] = (remainder[j - 1] + feedback * negated[j]) % kGaloisPrime;
        remainder[0] = feedback * negated[0] % kGaloisPrime;
    }
    std::vector<int32_t> check(k);
    for (size_t j = 0; j < k; ++j)
        check[j] = (kGaloisPrime - remainder[k - 1 - j]) % kGaloisPrime;
    return check;
}

} // namespace pdf417

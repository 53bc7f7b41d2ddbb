#include "symbol/pdf417/Pdf417ErrorCorrection.h"

namespace pdf417 {
namespace {

int32_t Multiply(int32_t a, int32_t b) {
    return static_cast<int32_t>((int64_t{a} * b) % kGaloisPrime);
}

int32_t Negate(int32_t a) {
    return (kGaloisPrime - a) % kGaloisPrime;
}

} // namespace

std::vector<int32_t> GeneratorPolynomial(int32_t count) {
    // Full polynomial, lowest power first, starting from 1.
    std::vector<int32_t> polynomial{1};
    int32_t root = 1;
    for (int32_t i = 0; i < count; ++i) {
        root = Multiply(root, 3);
        // Multiply by (x - root).
        std::vector<int32_t> next(polynomial.size() + 1, 0);
        for (size_t j = 0; j < polynomial.size(); ++j) {
            next[j + 1] = (next[j + 1] + polynomial[j]) % kGaloisPrime;
            next[j] = (next[j] + Negate(Multiply(polynomial[j], root))) % kGaloisPrime;
        }
        polynomial.swap(next);
    }
    polynomial.pop_back(); // the leading 1
    return polynomial;
}

std::vector<int32_t> ErrorCorrectionCodewords(const std::vector<int32_t>& data, int32_t count) {
    if (count <= 0) return {};
    const std::vector<int32_t> generator = GeneratorPolynomial(count);
    const auto k = static_cast<size_t>(count);
    // The remainder register, highest power at k - 1.
    std::vector<int32_t> remainder(k, 0);
    for (int32_t codeword : data) {
        const int32_t feedback = (codeword + remainder[k - 1]) % kGaloisPrime;
        for (size_t j = k - 1; j > 0; --j)
            remainder[j] =
                (remainder[j - 1] + Negate(Multiply(feedback, generator[j]))) % kGaloisPrime;
        remainder[0] = Negate(Multiply(feedback, generator[0]));
    }
    std::vector<int32_t> check(k);
    for (size_t j = 0; j < k; ++j)
        check[j] = Negate(remainder[k - 1 - j]);
    return check;
}

} // namespace pdf417

#include "symbol/pdf417/Pdf417ErrorCorrection.h"

#include <map>
#include <mutex>

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

// The generator of a count, made once: a symbol of a given error correction
// level asks for the same count every time, and making it costs as much as
// the division itself (count squared steps).
const std::vector<uint32_t>& NegatedGenerator(int32_t count) {
    static std::mutex lock;
    static std::map<int32_t, std::vector<uint32_t>> made;
    std::lock_guard<std::mutex> guard(lock);
    auto found = made.find(count);
    if (found == made.end()) {
        std::vector<uint32_t> negated;
        for (int32_t coefficient : GeneratorPolynomial(count))
            negated.push_back(static_cast<uint32_t>((kGaloisPrime - coefficient) % kGaloisPrime));
        found = made.emplace(count, std::move(negated)).first;
    }
    return found->second; // map nodes stay where they are
}

std::vector<int32_t> ErrorCorrectionCodewords(const std::vector<int32_t>& data, int32_t count) {
    if (count <= 0) return {};
    // Negated once so that the register below only adds; unsigned, so that
    // each reduction modulo 929 is a multiplication.
    const std::vector<uint32_t>& negated = NegatedGenerator(count);
    const auto k = static_cast<size_t>(count);
    constexpr uint32_t kPrime = kGaloisPrime;
    // The remainder register, highest power at k - 1.
    std::vector<uint32_t> remainder(k, 0);
    for (int32_t codeword : data) {
        const uint32_t feedback = (static_cast<uint32_t>(codeword) + remainder[k - 1]) % kPrime;
        for (size_t j = k - 1; j > 0; --j)
            remainder[j] = (remainder[j - 1] + feedback * negated[j]) % kPrime;
        remainder[0] = feedback * negated[0] % kPrime;
    }
    std::vector<int32_t> check(k);
    for (size_t j = 0; j < k; ++j)
        check[j] = static_cast<int32_t>((kPrime - remainder[k - 1 - j]) % kPrime);
    return check;
}

} // namespace pdf417

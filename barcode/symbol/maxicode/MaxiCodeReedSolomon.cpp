#include "symbol/maxicode/MaxiCodeReedSolomon.h"

#include <array>
#include <cstddef>

namespace {

constexpr int kFieldSize = 64;
constexpr int kFieldPolynomial = 0x43; // x^6 + x + 1

struct GaloisField64 {
    std::array<uint8_t, kFieldSize> exp{};
    std::array<uint8_t, kFieldSize> log{};

    constexpr GaloisField64() {
        int value = 1;
        for (int power = 0; power < kFieldSize - 1; ++power) {
            exp[power] = static_cast<uint8_t>(value);
            log[value] = static_cast<uint8_t>(power);
            value <<= 1;
            if (value & kFieldSize) value ^= kFieldPolynomial;
        }
    }

    constexpr uint8_t Multiply(uint8_t a, uint8_t b) const {
        if (a == 0 || b == 0) return 0;
        return exp[(log[a] + log[b]) % (kFieldSize - 1)];
    }
};

constexpr GaloisField64 kField;

// Coefficients of (x - alpha^1) ... (x - alpha^count), highest degree first,
// the leading 1 left out.
std::vector<uint8_t> GeneratorPolynomial(int count) {
    std::vector<uint8_t> generator(1, 1);
    for (int root = 1; root <= count; ++root) {
        const uint8_t alpha = kField.exp[root % (kFieldSize - 1)];
        std::vector<uint8_t> next(generator.size() + 1, 0);
        for (size_t i = 0; i < generator.size(); ++i) {
            next[i] ^= generator[i];
            next[i + 1] ^= kField.Multiply(generator[i], alpha);
        }
        generator = std::move(next);
    }
    generator.erase(generator.begin());
    return generator;
}

} // namespace

std::vector<uint8_t> MaxiCodeCheckCodewords(const std::vector<uint8_t>& data, int count) {
    const std::vector<uint8_t> generator = GeneratorPolynomial(count);
    // The remainder of data * x^count divided by the generator, by long
    // division in a shift register.
    std::vector<uint8_t> remainder(count, 0);
    for (uint8_t codeword : data) {
        const uint8_t factor = (codeword & 0x3F) ^ remainder[0];
        remainder.erase(remainder.begin());
        remainder.push_back(0);
        for (int i = 0; i < count; ++i)
            remainder[i] ^= kField.Multiply(generator[i], factor);
    }
    return remainder;
}

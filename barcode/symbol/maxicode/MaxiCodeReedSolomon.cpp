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

// Every product of two field elements, so that the shift register below
// multiplies by one table look-up (4 KB, built by the compiler).
using ProductTable = std::array<std::array<uint8_t, kFieldSize>, kFieldSize>;

constexpr ProductTable MakeProductTable() {
    ProductTable products{};
    for (int a = 0; a < kFieldSize; ++a)
        for (int b = 0; b < kFieldSize; ++b)
            products[a][b] = kField.Multiply(static_cast<uint8_t>(a), static_cast<uint8_t>(b));
    return products;
}

constexpr ProductTable kProducts = MakeProductTable();

// Coefficients of (x - alpha^1) ... (x - alpha^count), highest degree first,
// the leading 1 left out; count values written to generator.
constexpr void BuildGenerator(int count, uint8_t* generator) {
    // generator[0..degree - 1] holds the polynomial of the roots so far
    // (leading 1 implied); multiplying by (x - alpha) appends a coefficient.
    for (int degree = 0; degree < count; ++degree) {
        const uint8_t alpha = kField.exp[(degree + 1) % (kFieldSize - 1)];
        generator[degree] = kField.Multiply(degree == 0 ? 1 : generator[degree - 1], alpha);
        for (int i = degree - 1; i > 0; --i)
            generator[i] ^= kField.Multiply(generator[i - 1], alpha);
        if (degree > 0) generator[0] ^= alpha;
    }
}

template <int Count> constexpr std::array<uint8_t, Count> MakeGenerator() {
    std::array<uint8_t, Count> generator{};
    BuildGenerator(Count, generator.data());
    return generator;
}

// The counts the encoder uses: 10 for the primary message, 20 for each
// interleaved half of the secondary message.
constexpr std::array<uint8_t, 10> kGenerator10 = MakeGenerator<10>();
constexpr std::array<uint8_t, 20> kGenerator20 = MakeGenerator<20>();

// For each feedback value, the generator's coefficients multiplied by it:
// a step of the shift register is then one shift and one exclusive or over
// a row, with no look-up per coefficient.
template <size_t Count>
using GeneratorProducts = std::array<std::array<uint8_t, Count>, kFieldSize>;

template <size_t Count>
constexpr GeneratorProducts<Count>
MakeGeneratorProducts(const std::array<uint8_t, Count>& generator) {
    GeneratorProducts<Count> products{};
    for (int factor = 0; factor < kFieldSize; ++factor)
        for (size_t i = 0; i < Count; ++i)
            products[factor][i] = kProducts[factor][generator[i]];
    return products;
}

constexpr GeneratorProducts<10> kGenerator10Products = MakeGeneratorProducts(kGenerator10);
constexpr GeneratorProducts<20> kGenerator20Products = MakeGeneratorProducts(kGenerator20);

// The remainder of data * x^Count divided by the generator, by long division
// in a shift register.
template <size_t Count>
std::vector<uint8_t> RemainderBy(const GeneratorProducts<Count>& products,
                                 const std::vector<uint8_t>& data) {
    std::array<uint8_t, Count + 1> remainder{}; // one spare for the shift
    for (uint8_t codeword : data) {
        const auto& row = products[(codeword & 0x3F) ^ remainder[0]];
        for (size_t i = 0; i < Count; ++i)
            remainder[i] = remainder[i + 1] ^ row[i];
    }
    return std::vector<uint8_t>(remainder.begin(), remainder.begin() + Count);
}

} // namespace

std::vector<uint8_t> MaxiCodeCheckCodewords(const std::vector<uint8_t>& data, int count) {
    if (count <= 0) return {};
    if (count == static_cast<int>(kGenerator10.size()))
        return RemainderBy(kGenerator10Products, data);
    if (count == static_cast<int>(kGenerator20.size()))
        return RemainderBy(kGenerator20Products, data);
    std::vector<uint8_t> generator(static_cast<size_t>(count));
    BuildGenerator(count, generator.data());
    const size_t last = static_cast<size_t>(count) - 1;
    std::vector<uint8_t> remainder(static_cast<size_t>(count), 0);
    for (uint8_t codeword : data) {
        const auto& byFactor = kProducts[(codeword & 0x3F) ^ remainder[0]];
        for (size_t i = 0; i < last; ++i)
            remainder[i] = remainder[i + 1] ^ byFactor[generator[i]];
        remainder[last] = byFactor[generator[last]];
    }
    return remainder;
}

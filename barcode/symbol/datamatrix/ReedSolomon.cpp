#include "symbol/datamatrix/ReedSolomon.h"

#include <array>
#include <cstddef>

namespace datamatrix {
namespace {

constexpr int32_t kFieldPolynomial = 301;

struct GaloisTables {
    // alpha^i for i up to twice the group's order, so that the sum of two
    // logarithms needs no reduction modulo 255.
    std::array<uint8_t, 2 * 255> power{};
    std::array<uint8_t, 256> exponent{}; // log_alpha(v), v > 0
};

constexpr GaloisTables BuildGaloisTables() {
    GaloisTables tables;
    int32_t value = 1;
    for (int32_t i = 0; i < 255; ++i) {
        tables.power[static_cast<size_t>(i)] = static_cast<uint8_t>(value);
        tables.power[static_cast<size_t>(i + 255)] = static_cast<uint8_t>(value);
        tables.exponent[static_cast<size_t>(value)] = static_cast<uint8_t>(i);
        value <<= 1;
        if (value & 0x100) value ^= kFieldPolynomial;
    }
    return tables;
}

constexpr GaloisTables kGalois = BuildGaloisTables();

// ISO/IEC 16022, annex E (table E.1) "Reed-Solomon generator polynomials":
// the coefficients of g(x) = (x - alpha)(x - alpha^2)...(x - alpha^k) below
// the leading x^k, highest power first.
constexpr uint8_t kGenerator5[] = {62, 111, 15, 48, 228};
constexpr uint8_t kGenerator7[] = {254, 92, 240, 134, 144, 68, 23};
constexpr uint8_t kGenerator10[] = {61, 110, 255, 116, 248, 223, 166, 185, 24, 28};
constexpr uint8_t kGenerator11[] = {120, 97, 60, 245, 39, 168, 194, 12, 205, 138, 175};
constexpr uint8_t kGenerator12[] = {242, 100, 178, 97, 213, 142, 42, 61, 91, 158, 153, 41};
constexpr uint8_t kGenerator14[] = {185, 83, 186, 18, 45, 138, 119, 157, 9, 95, 252, 192, 97, 156};
constexpr uint8_t kGenerator18[] = {188, 90, 48, 225, 254, 94, 129, 109, 213,
                                    241, 61, 66, 75,  188, 39, 100, 195, 83};
constexpr uint8_t kGenerator20[] = {172, 186, 174, 27,  82, 108, 79, 253, 145, 153,
                                    160, 188, 2,   168, 71, 233, 9,  244, 195, 15};
constexpr uint8_t kGenerator24[] = {193, 50,  96,  184, 181, 12,  124, 254, 172, 5,  21,  155,
                                    223, 251, 197, 155, 21,  176, 39,  109, 205, 88, 190, 52};
constexpr uint8_t kGenerator28[] = {255, 93,  168, 233, 151, 120, 136, 141, 213, 110,
                                    138, 17,  121, 249, 34,  75,  53,  170, 151, 37,
                                    174, 103, 96,  71,  97,  43,  231, 211};
constexpr uint8_t kGenerator36[] = {112, 81,  98,  225, 25,  59,  184, 175, 44,  115, 119, 95,
                                    137, 101, 33,  68,  4,   2,   18,  229, 182, 80,  251, 220,
                                    179, 84,  120, 102, 181, 162, 250, 130, 218, 242, 127, 245};
constexpr uint8_t kGenerator42[] = {5,   9,   5,   226, 177, 150, 50,  69,  202, 248, 101,
                                    54,  57,  253, 1,   21,  121, 57,  111, 214, 105, 167,
                                    9,   100, 95,  175, 8,   242, 133, 245, 2,   122, 105,
                                    247, 153, 22,  38,  19,  31,  137, 193, 77};
constexpr uint8_t kGenerator48[] = {19,  225, 253, 92,  213, 69,  175, 160, 147, 187, 87,  176,
                                    44,  82,  240, 186, 138, 66,  100, 120, 88,  131, 205, 170,
                                    90,  37,  23,  118, 147, 16,  106, 191, 87,  237, 188, 205,
                                    231, 238, 133, 238, 22,  117, 32,  96,  223, 172, 132, 245};
constexpr uint8_t kGenerator56[] = {
    46,  143, 53,  233, 107, 203, 43,  155, 28,  247, 67,  127, 245, 137, 13,  164, 207, 62,  117,
    201, 150, 22,  238, 144, 232, 29,  203, 117, 234, 218, 146, 228, 54,  132, 200, 38,  223, 36,
    159, 150, 235, 215, 192, 230, 170, 175, 29,  100, 208, 220, 17,  12,  238, 223, 9,   175};
constexpr uint8_t kGenerator62[] = {204, 11,  47,  86,  124, 224, 166, 94,  7,   232, 107, 4,   170,
                                    176, 31,  163, 17,  188, 130, 40,  10,  87,  63,  51,  218, 27,
                                    6,   147, 44,  161, 71,  114, 64,  175, 221, 185, 106, 250, 190,
                                    197, 63,  245, 230, 134, 112, 185, 37,  196, 108, 143, 189, 201,
                                    188, 202, 118, 39,  210, 144, 50,  169, 93,  242};
constexpr uint8_t kGenerator68[] = {
    186, 82,  103, 96,  63,  132, 153, 108, 54,  64,  189, 211, 232, 49,  25,  172, 52,
    59,  241, 181, 239, 223, 136, 231, 210, 96,  232, 220, 25,  179, 167, 202, 185, 153,
    139, 66,  236, 227, 160, 15,  213, 93,  122, 68,  177, 158, 197, 234, 180, 248, 136,
    213, 127, 73,  36,  154, 244, 147, 33,  89,  56,  159, 149, 251, 89,  173, 228, 220};

struct GeneratorPolynomial {
    int32_t degree;
    const uint8_t* coefficients;
};

constexpr GeneratorPolynomial kGenerators[] = {
    {5, kGenerator5},   {7, kGenerator7},   {10, kGenerator10}, {11, kGenerator11},
    {12, kGenerator12}, {14, kGenerator14}, {18, kGenerator18}, {20, kGenerator20},
    {24, kGenerator24}, {28, kGenerator28}, {36, kGenerator36}, {42, kGenerator42},
    {48, kGenerator48}, {56, kGenerator56}, {62, kGenerator62}, {68, kGenerator68},
};

const uint8_t* FindGenerator(int32_t degree) {
    for (const GeneratorPolynomial& generator : kGenerators)
        if (generator.degree == degree) return generator.coefficients;
    return nullptr;
}

} // namespace

// The remainder of data(x) * x^k divided by g(x), by the shift register of
// the division. Every generator coefficient is non-zero, so a product with
// the feedback is one look-up by the sum of their logarithms.
Codewords ComputeErrorCodewords(const Codewords& blockData, int32_t errorCount) {
    const uint8_t* generator = FindGenerator(errorCount);
    if (generator == nullptr) return {};
    const size_t count = static_cast<size_t>(errorCount);
    std::array<uint8_t, 68> generatorLog{};
    for (size_t i = 0; i < count; ++i)
        generatorLog[i] = kGalois.exponent[generator[i]];
    std::array<uint8_t, 69> remainder{}; // one spare for the shift
    for (int32_t codeword : blockData) {
        const uint8_t feedback = static_cast<uint8_t>(codeword & 0xFF) ^ remainder[0];
        if (feedback == 0) {
            for (size_t i = 0; i < count; ++i)
                remainder[i] = remainder[i + 1];
            continue;
        }
        const uint8_t* byFeedback = kGalois.power.data() + kGalois.exponent[feedback];
        for (size_t i = 0; i < count; ++i)
            remainder[i] = remainder[i + 1] ^ byFeedback[generatorLog[i]];
    }
    return Codewords(remainder.begin(), remainder.begin() + static_cast<ptrdiff_t>(count));
}

// The tables of generator coefficients hold no zero: a product with zero
// would need a case of its own above.
constexpr bool NoZeroCoefficient() {
    for (const GeneratorPolynomial& generator : kGenerators)
        for (int32_t i = 0; i < generator.degree; ++i)
            if (generator.coefficients[i] == 0) return false;
    return true;
}
static_assert(NoZeroCoefficient());

} // namespace datamatrix

#include "symbol/qrcode/QrReedSolomon.h"

#include "symbol/qrcode/QrCapacityTable.h"

#include <array>

namespace {

constexpr unsigned kFieldPolynomial = 0x11D;

struct GaloisTables {
    std::array<uint8_t, 255> power{};
    std::array<uint8_t, 256> logarithm{};
};

constexpr GaloisTables MakeGaloisTables() {
    GaloisTables tables;
    unsigned value = 1;
    for (int exponent = 0; exponent < 255; ++exponent) {
        tables.power[static_cast<size_t>(exponent)] = static_cast<uint8_t>(value);
        tables.logarithm[value] = static_cast<uint8_t>(exponent);
        value <<= 1;
        if (value & 0x100) value ^= kFieldPolynomial;
    }
    return tables;
}

constexpr GaloisTables kGalois = MakeGaloisTables();

// Coefficients of the generator polynomial, highest power first without
// the leading 1.
std::vector<uint8_t> GeneratorPolynomial(int degree) {
    std::vector<uint8_t> generator(static_cast<size_t>(degree), 0);
    if (degree <= 0) return generator;
    // The product of (x - α^root), highest power first; in GF(256) minus is plus.
    std::vector<uint8_t> product(static_cast<size_t>(degree) + 1, 0);
    product[0] = 1;
    size_t length = 1;
    for (int root = 0; root < degree; ++root) {
        const uint8_t factor = QrGfPower(root);
        product[length] = 0;
        for (size_t i = length; i > 0; --i)
            product[i] = static_cast<uint8_t>(product[i] ^ QrGfMultiply(product[i - 1], factor));
        ++length;
    }
    for (int i = 0; i < degree; ++i)
        generator[static_cast<size_t>(i)] = product[static_cast<size_t>(i) + 1];
    return generator;
}

} // namespace

uint8_t QrGfMultiply(uint8_t a, uint8_t b) {
    if (a == 0 || b == 0) return 0;
    return kGalois.power[(kGalois.logarithm[a] + kGalois.logarithm[b]) % 255];
}

uint8_t QrGfPower(int exponent) {
    const int reduced = ((exponent % 255) + 255) % 255;
    return kGalois.power[static_cast<size_t>(reduced)];
}

std::vector<uint8_t> QrErrorCorrection(std::span<const uint8_t> data, int eccCount) {
    if (eccCount <= 0) return {};
    const std::vector<uint8_t> generator = GeneratorPolynomial(eccCount);
    std::vector<uint8_t> remainder(static_cast<size_t>(eccCount), 0);
    for (uint8_t codeword : data) {
        const uint8_t factor = static_cast<uint8_t>(codeword ^ remainder[0]);
        for (size_t i = 0; i + 1 < remainder.size(); ++i)
            remainder[i] =
                static_cast<uint8_t>(remainder[i + 1] ^ QrGfMultiply(generator[i], factor));
        remainder.back() = QrGfMultiply(generator.back(), factor);
    }
    return remainder;
}

std::vector<uint8_t> QrInterleaveBlocks(const std::vector<uint8_t>& data, int version, int level) {
    const int blocks = QrCapacityTable::BlockCount(version, level);
    const int eccCount = QrCapacityTable::EccCodewordsPerBlock(version, level);
    if (blocks <= 0 ||
        data.size() != static_cast<size_t>(QrCapacityTable::DataCodewords(version, level)))
        return {};
    const size_t shortLength = data.size() / static_cast<size_t>(blocks);
    const size_t longBlocks = data.size() % static_cast<size_t>(blocks);
    const size_t shortBlocks = static_cast<size_t>(blocks) - longBlocks;

    std::vector<std::span<const uint8_t>> dataBlocks;
    std::vector<std::vector<uint8_t>> eccBlocks;
    size_t offset = 0;
    for (size_t block = 0; block < static_cast<size_t>(blocks); ++block) {
        const size_t length = shortLength + (block < shortBlocks ? 0 : 1);
        dataBlocks.emplace_back(data.data() + offset, length);
        eccBlocks.push_back(QrErrorCorrection(dataBlocks.back(), eccCount));
        offset += length;
    }

    std::vector<uint8_t> sequence;
    sequence.reserve(data.size() + static_cast<size_t>(blocks * eccCount));
    for (size_t i = 0; i <= shortLength; ++i)
        for (const auto& block : dataBlocks)
            if (i < block.size()) sequence.push_back(block[i]);
    for (size_t i = 0; i < static_cast<size_t>(eccCount); ++i)
        for (const auto& block : eccBlocks)
            sequence.push_back(block[i]);
    return sequence;
}

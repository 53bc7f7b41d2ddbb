// Reed-Solomon over GF(929): the published generator coefficients, and for
// every level a check of the codewords that does not use the encoder's
// arithmetic: a valid codeword polynomial is zero at every root 3^i.
#include <gtest/gtest.h>

#include "Pdf417TestSupport.h"
#include "symbol/pdf417/Pdf417ErrorCorrection.h"

#include <random>
#include <vector>

namespace {

TEST(Pdf417ErrorCorrection, PublishedGeneratorCoefficients) {
    struct Case {
        int32_t count;
        std::vector<int32_t> coefficients; // lowest power first
    };
    const Case cases[] = {
        {2, {27, 917}},
        {4, {522, 568, 723, 809}},
        {8, {237, 308, 436, 284, 646, 653, 428, 379}},
        {7, {76, 925, 537, 597, 784, 691, 437}}, // MicroPDF417's smallest
    };
    for (const Case& c : cases)
        EXPECT_EQ(pdf417::GeneratorPolynomial(c.count), c.coefficients);
}

// The counts of the nine PDF417 levels and of the MicroPDF417 sizes.
TEST(Pdf417ErrorCorrection, EveryCountGivesZeroSyndromes) {
    std::mt19937 random(417);
    std::uniform_int_distribution<int32_t> codeword(0, 928);
    for (int32_t count : {2,  4,  8,  16, 32, 64, 128, 256, 512, 7,  9, 10,
                          11, 12, 13, 14, 15, 18, 21,  26,  38,  44, 50}) {
        for (size_t length : {size_t{1}, size_t{17}, static_cast<size_t>(928 - count)}) {
            std::vector<int32_t> codewords(length);
            for (auto& value : codewords)
                value = codeword(random);
            const std::vector<int32_t> check = pdf417::ErrorCorrectionCodewords(codewords, count);
            ASSERT_EQ(check.size(), static_cast<size_t>(count));
            codewords.insert(codewords.end(), check.begin(), check.end());
            EXPECT_TRUE(pdf417test::SyndromesAreZero(codewords, count))
                << "count " << count << " length " << length;
            // A single changed codeword must show.
            codewords[0] = (codewords[0] + 1) % 929;
            EXPECT_FALSE(pdf417test::SyndromesAreZero(codewords, count));
        }
    }
}

} // namespace

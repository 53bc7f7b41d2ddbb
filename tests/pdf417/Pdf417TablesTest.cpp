// The pattern tables: every symbol character of ISO/IEC 15438 and every row
// address pattern of ISO/IEC 24728 must have the shape the standards give,
// and the MicroPDF417 sizes their published capacities.
#include <gtest/gtest.h>

#include "symbol/pdf417/Pdf417ErrorCorrection.h"
#include "symbol/pdf417/Pdf417Layout.h"
#include "symbol/pdf417/Pdf417Patterns.h"

#include <set>
#include <string>
#include <vector>

namespace {

using pdf417::ModulePattern;

// Bar and space widths, starting with the leftmost module.
std::vector<int> Widths(ModulePattern pattern) {
    std::vector<int> widths;
    int previous = -1;
    for (int32_t bit = pattern.width - 1; bit >= 0; --bit) {
        const int module = static_cast<int>((pattern.bits >> bit) & 1U);
        if (module == previous)
            ++widths.back();
        else
            widths.push_back(1);
        previous = module;
    }
    return widths;
}

std::string WidthText(ModulePattern pattern) {
    std::string text;
    for (int width : Widths(pattern))
        text += static_cast<char>('0' + width);
    return text;
}

bool StartsWithBar(ModulePattern pattern) {
    return ((pattern.bits >> (pattern.width - 1)) & 1U) != 0;
}

TEST(Pdf417Tables, EveryCodewordPatternHasFourBarsAndSpacesInItsCluster) {
    for (int32_t cluster = 0; cluster < pdf417::kClusterCount; ++cluster) {
        std::set<uint32_t> seen;
        for (int32_t value = 0; value < pdf417::kCodewordValues; ++value) {
            const ModulePattern pattern = pdf417::CodewordPattern(cluster, value);
            SCOPED_TRACE("cluster " + std::to_string(3 * cluster) + " codeword " +
                         std::to_string(value));
            ASSERT_EQ(pattern.width, 17);
            ASSERT_LT(pattern.bits, 1U << 17);
            ASSERT_TRUE(StartsWithBar(pattern));
            const std::vector<int> w = Widths(pattern);
            ASSERT_EQ(w.size(), 8U); // 4 bars, 4 spaces, ending in a space
            for (int width : w)
                ASSERT_LE(width, 6);
            EXPECT_EQ((w[0] - w[2] + w[4] - w[6] + 9) % 9, 3 * cluster);
            EXPECT_TRUE(seen.insert(pattern.bits).second) << "pattern used twice";
        }
    }
}

TEST(Pdf417Tables, PublishedPatternsOfTheFirstAndLastCodewords) {
    struct Case {
        int32_t cluster;
        int32_t value;
        const char* widths;
    };
    const Case cases[] = {
        {0, 0, "31111136"}, {1, 0, "51111125"},   {2, 0, "21111155"},
        {0, 1, "41111144"}, {0, 928, "21514112"}, {2, 928, "33611111"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WidthText(pdf417::CodewordPattern(c.cluster, c.value)), c.widths)
            << c.cluster << "/" << c.value;
}

TEST(Pdf417Tables, StartAndStopPatterns) {
    EXPECT_EQ(WidthText(pdf417::kStartPattern), "81111113");
    EXPECT_EQ(WidthText(pdf417::kStopPattern), "711311121");
}

TEST(Pdf417Tables, RowAddressPatternsHaveThreeBarsAndSpacesInTenModules) {
    for (auto* table : {&pdf417::SideRowAddressPattern, &pdf417::CentreRowAddressPattern}) {
        std::set<uint32_t> seen;
        for (int32_t number = 1; number <= pdf417::kRowAddressPatternCount; ++number) {
            const ModulePattern pattern = table(number);
            SCOPED_TRACE(number);
            ASSERT_EQ(pattern.width, 10);
            ASSERT_LT(pattern.bits, 1U << 10);
            EXPECT_TRUE(StartsWithBar(pattern));
            EXPECT_EQ(Widths(pattern).size(), 6U);
            EXPECT_TRUE(seen.insert(pattern.bits).second);
        }
    }
    EXPECT_EQ(WidthText(pdf417::SideRowAddressPattern(1)), "221311");
    EXPECT_EQ(WidthText(pdf417::CentreRowAddressPattern(1)), "112231");
}

TEST(Pdf417Tables, MicroSizesHaveTheirPublishedCapacities) {
    const auto& sizes = pdf417::MicroSizes();
    ASSERT_EQ(sizes.size(), 34U);
    struct Case {
        int columns, rows, capacity;
    };
    const Case cases[] = {{1, 11, 4},  {1, 28, 20}, {2, 8, 8},   {2, 26, 37},  {3, 6, 6},
                          {3, 44, 82}, {4, 4, 8},   {4, 32, 90}, {4, 38, 108}, {4, 44, 126}};
    for (const Case& c : cases) {
        bool found = false;
        for (const auto& size : sizes)
            if (size.columns == c.columns && size.rows == c.rows) {
                EXPECT_EQ(size.DataCapacity(), c.capacity) << c.columns << "x" << c.rows;
                found = true;
            }
        EXPECT_TRUE(found) << c.columns << "x" << c.rows;
    }
    for (const auto& size : sizes) {
        EXPECT_LE(size.columns * size.rows, 176);
        EXPECT_EQ(size.centreAddress == 0, size.columns < 3);
        EXPECT_EQ(size.firstCluster % 3, 0);
    }
}

} // namespace

// The encoders' containers: growth rules, edits at the edges, and the bit
// text's limit.
#include "symbol/Containers.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ContainersTest, BufferObjectEdits) {
    CBufferObject buffer("abc", 3);
    EXPECT_EQ(buffer.Capacity(), 20u); // never fewer than 20 bytes
    buffer.Append("def", 3);
    buffer.Prepend(">", 1);
    EXPECT_STREQ(buffer.Data(), ">abcdef");
    buffer.SetAt(7, '!'); // at the end: appended
    buffer.SetAt(99, '?'); // beyond: ignored
    buffer.SetAt(0, '<');
    EXPECT_STREQ(buffer.Data(), "<abcdef!");
    EXPECT_STREQ(buffer.Substring(1, 3).Data(), "abc");
    EXPECT_STREQ(buffer.Substring(6, 10).Data(), "f!");
    EXPECT_STREQ(buffer.Substring(50, 1).Data(), "");
    buffer.CutOrPad(10, '0');
    EXPECT_STREQ(buffer.Data(), "<abcdef!00");
    buffer.CutOrPad(2, '0');
    EXPECT_STREQ(buffer.Data(), "<a");
    buffer.Assign("x \t\n", 4);
    buffer.TrimTrailingBlanks();
    EXPECT_STREQ(buffer.Data(), "x");
    EXPECT_EQ(buffer.At(5), '\0');

    // Growth: the requested size plus 20 once the first allocation is full.
    std::string long_(30, 'z');
    buffer.Assign(long_.data(), long_.size());
    EXPECT_EQ(buffer.Length(), 30u);
    EXPECT_GE(buffer.Capacity(), 31u);
}

TEST(ContainersTest, IntArrayGrowthHints) {
    CIntArray values;
    values.Resize(5);
    EXPECT_EQ(values.Capacity(), 105u);
    values[4] = 7;
    values.Resize(2);
    values.Resize(5);
    EXPECT_EQ(values[4], 0) << "slots taken again read as new";
    CIntArray exact;
    exact.Resize(10, -1);
    EXPECT_EQ(exact.Capacity(), 10u);
    CIntArray hinted;
    hinted.Resize(10, 6);
    EXPECT_EQ(hinted.Capacity(), 16u);
}

TEST(ContainersTest, BitStringAppendsAndReads) {
    CBitString bits;
    EXPECT_TRUE(bits.Append(0b101, 3));
    EXPECT_TRUE(bits.Append(0xFF, 4)); // the low four bits only
    EXPECT_EQ(bits.Text(), "1011111");
    EXPECT_EQ(bits.Read(0, 3), 0b101u);
    EXPECT_EQ(bits.Read(5, 10), 0b11u) << "bits past the end read as nothing";
    CBitString full;
    while (full.Append(0, 16)) {
    }
    EXPECT_LT(full.Length(), CBitString::kMaxBits);
    EXPECT_GE(full.Length(), CBitString::kMaxBits - 16);
}

} // namespace

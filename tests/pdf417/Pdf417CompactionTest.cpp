// Compaction at codeword level: which segment each stretch of data becomes,
// the text sub-mode latches, and the limits.
#include <gtest/gtest.h>

#include "symbol/pdf417/Pdf417Compaction.h"

#include <string>
#include <vector>

namespace {

using pdf417::CompactionMode;
using Codewords = std::vector<int32_t>;

Codewords Compact(const std::string& data, CompactionMode start = CompactionMode::Text) {
    Codewords codewords;
    EXPECT_EQ(pdf417::CompactData(data, start, 928, codewords), 0) << data;
    return codewords;
}

struct Case {
    const char* name;
    std::string data;
    CompactionMode start;
    Codewords expected;
};

// Text values: upper A=0..Z=25, sp 26, ll 27, ml 28, ps 29; lower a=0..;
// mixed 0-9 = 0..9, ','=13, pl 25, ll 27, al 28; punctuation ';'=0, al 29.
// Two values make a codeword 30 * first + second; an odd count ends in 29.
const Case kCases[] = {
    {"upper text needs no latch in PDF417", "ABCDE", CompactionMode::Text, {1, 63, 149}},
    {"MicroPDF417 latches its first segment", "ABCDE", CompactionMode::None, {900, 1, 63, 149}},
    {"upper to lower", "abcde", CompactionMode::Text, {810, 32, 94}},
    {"the blank stays in lower", "ab cd", CompactionMode::Text, {810, 56, 63}},
    {"upper to punctuation through mixed", "AAAA;", CompactionMode::Text, {0, 0, 865, 29}},
    {"lower to upper through mixed", "aaaaA", CompactionMode::Text, {810, 0, 28, 840}},
    {"punctuation to lower through upper", "AAAA;a", CompactionMode::Text, {0, 0, 865, 29, 810}},
    {"punctuation to mixed through upper", ";;;;1", CompactionMode::Text, {865, 0, 0, 898, 59}},
    {"mixed comes before punctuation", "AAAA,", CompactionMode::Text, {0, 0, 853}},
    {"from mixed, lower before punctuation", "1111a", CompactionMode::Text, {841, 31, 57, 29}},
    {"13 digits stay in text",
     "1234567890123",
     CompactionMode::Text,
     {841, 63, 125, 187, 249, 1, 63}},
    {"14 digits are numeric (published example)",
     "000213298174000",
     CompactionMode::Text,
     {902, 1, 624, 434, 632, 282, 200}},
    {"20 digits after text: one numeric segment",
     "ABCDE12345678901234567890",
     CompactionMode::Text,
     {1, 63, 149, 902, 211, 358, 354, 304, 269, 753, 190}},
    {"one byte in text mode is shifted", "\x80", CompactionMode::Text, {913, 128}},
    {"one byte without a mode is latched", "\x80", CompactionMode::None, {901, 128}},
    {"short text inside bytes stays bytes",
     "\x80"
     "AB\x80",
     CompactionMode::Text,
     {901, 128, 65, 66, 128}},
    {"seven text characters end a byte segment",
     "\x80\x80"
     "ABCDEFG",
     CompactionMode::Text,
     {901, 128, 128, 900, 1, 63, 125, 209}},
    {"six bytes latch with 924",
     std::string("\x01\x02\x03\x04\x05\x06"),
     CompactionMode::Text,
     {924, 1, 620, 89, 74, 846}},
    {"padding in punctuation returns to upper",
     "AAAA;\x80"
     "BBBBBBB",
     CompactionMode::Text,
     {0, 0, 865, 29, 913, 128, 31, 31, 31, 59}},
    {"the sub-mode survives a shifted byte",
     "AAAA,\x80"
     "AAAAAAA",
     CompactionMode::Text,
     {0, 0, 853, 913, 128, 840, 0, 0, 0}},
    {"text after numeric latches back to upper",
     "12345678901234abcde",
     CompactionMode::Text,
     {902, 171, 209, 269, 12, 434, 900, 810, 32, 94}},
};

TEST(Pdf417Compaction, CodewordsOfCraftedInputs) {
    for (const Case& c : kCases)
        EXPECT_EQ(Compact(c.data, c.start), c.expected) << c.name;
}

TEST(Pdf417Compaction, ByteSegmentsNotMultipleOfSixLatchWith901) {
    const Codewords codewords = Compact(std::string("\x80\x81\x82\x83\x84\x85\x86", 7));
    ASSERT_EQ(codewords.size(), 7U); // latch, 5 for six bytes, 1 for the seventh
    EXPECT_EQ(codewords.front(), 901);
    EXPECT_EQ(codewords.back(), 0x86);
}

TEST(Pdf417Compaction, LongDigitRunsAreSplitIntoGroupsOf44) {
    const Codewords codewords = Compact(std::string(45, '0'));
    // 44 digits give 15 codewords, the 45th digit 1 more.
    ASSERT_EQ(codewords.size(), 1U + 15U + 1U);
    EXPECT_EQ(codewords.front(), 902);
}

TEST(Pdf417Compaction, Limits) {
    struct Limit {
        const char* name;
        std::string data;
        size_t maxCodewords;
        int32_t expected;
    };
    const Limit limits[] = {
        {"1848 text values fit", std::string(1848, 'A'), 927, 0},
        {"1849 characters need 1850 values with the pad", std::string(1849, 'A'), 927, -31},
        {"2000 bytes are too many", std::string(2000, '\x80'), 927, -31},
        {"126 codewords fit a limit of 126", std::string(126 * 2, 'A'), 126, 0},
        {"127 codewords do not", std::string(127 * 2, 'A'), 126, -31},
        {"a megabyte is refused at once", std::string(1000000, '1'), 927, -31},
    };
    for (const Limit& limit : limits) {
        Codewords codewords;
        EXPECT_EQ(
            pdf417::CompactData(limit.data, CompactionMode::Text, limit.maxCodewords, codewords),
            limit.expected)
            << limit.name;
    }
}

} // namespace

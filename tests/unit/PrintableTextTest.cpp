// The printable form of a command: escapes, the length rules and the limit
// of the 5000-byte buffer.
#include "text/PrintableText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(PrintableText, EscapesControlBytesCaretsAndBackslashes) {
    struct Case {
        std::string bytes;
        const char* printable;
    } cases[] = {
        {"C=39,D=abc", "C=39,D=abc"},
        {"^", "\\^"},
        {"\\", "\\\\"},
        {"\n\r\t", "\\n\\r\\t"},
        {"\x1d", "^]"},
        {std::string("a\0b", 3), "a^@b"},
        {"\x1f\x7f\xe4\xff", "^_\x7f\xe4\xff"}, // 127 and up stay as they are
    };
    for (const Case& c : cases)
        EXPECT_STREQ(PrintableText(c.bytes.data(), static_cast<int32_t>(c.bytes.size())),
                     c.printable);
}

TEST(PrintableText, LengthOrUpToTheNul) {
    EXPECT_STREQ(PrintableText("abc\0def", -1), "abc");
    EXPECT_STREQ(PrintableText("abcdef", 2), "ab");
    EXPECT_STREQ(PrintableText("abc", 0), "");
    EXPECT_STREQ(PrintableText(nullptr, 5), "");
}

TEST(PrintableText, StopsOnceTheOutputReaches4997Bytes) {
    std::string plain(6000, 'a');
    EXPECT_EQ(std::strlen(PrintableText(plain.data(), 6000)), 4997u);

    // An escape that starts at 4996 is written whole: 4998 bytes, terminator
    // at 4998, still inside the buffer.
    std::string escapes(6000, '\n');
    const char* text = PrintableText(escapes.data(), 6000);
    EXPECT_EQ(std::strlen(text), 4998u);
    EXPECT_EQ(std::string(text + 4996), "\\n");

    std::string mixed = std::string(4996, 'a') + "\x01" + "bbb";
    EXPECT_EQ(std::string(PrintableText(mixed.data(), -1) + 4996), "^A");
}

// Placeholder lookup and the expansion of dialog control texts.
#include "catalog/Placeholders.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(Placeholders, LookupFindsFirstNameThatPrefixesTheText) {
    ASSERT_NE(FindPlaceholderAt("VERSION"), nullptr);
    EXPECT_STREQ(FindPlaceholderAt("VERSION and more")->value, "4.2.4");
    EXPECT_STREQ(FindPlaceholderAt("CHECKUPDATE_PATH")->value, "/checkUpdate.php3");
    EXPECT_STREQ(FindPlaceholderAt("CHECK_UPDATE_REF")->name, "CHECK_UPDATE_REF");
    EXPECT_EQ(FindPlaceholderAt("version"), nullptr);
    EXPECT_EQ(FindPlaceholderAt(""), nullptr);
    EXPECT_EQ(FindPlaceholderAt(nullptr), nullptr);
    EXPECT_EQ(std::string(FindPlaceholderAt("COPYRIGHT")->value).back(), '\n');
}

TEST(Placeholders, DialogTextExpansion) {
    struct Case {
        const char* text;
        const char* expected;
        bool replaced;
    } cases[] = {
        {"::VERSION", "4.2.4", true},
        {"Version ::VERSION, ::SHORT_NAME", "Version 4.2.4, Sondrel", true},
        {"::VERSION::VERSION", "4.2.44.2.4", true},
        {"plain text", "plain text", false},
        {"a::b", "a::b", false}, // unknown names stay as they are
        {":: ::VERSION", ":: 4.2.4", true},
        {"::::VERSION", "::4.2.4", true},
        {"ends with ::", "ends with ::", false},
        {"", "", false},
    };
    for (const auto& c : cases) {
        char out[kDialogTextBufferSize];
        EXPECT_EQ(ExpandDialogPlaceholders(c.text, out, sizeof out), c.replaced) << c.text;
        EXPECT_STREQ(out, c.expected) << c.text;
    }
}

TEST(Placeholders, ExpansionNeverExceedsTheControlBuffer) {
    // A hundred copyright lines are far longer than a control text.
    std::string text;
    for (int i = 0; i < 100; ++i)
        text += "::COPYRIGHT";
    char out[kDialogTextBufferSize + 8];
    std::memset(out, 'Z', sizeof out);
    EXPECT_TRUE(ExpandDialogPlaceholders(text.c_str(), out, kDialogTextBufferSize));
    EXPECT_EQ(std::strlen(out), kDialogTextBufferSize - 1);
    EXPECT_EQ(out[kDialogTextBufferSize], 'Z');

    // Only the part of a control text that is read takes part.
    std::string longText(kDialogTextReadLimit - 3, 'x');
    longText += "::VERSION";
    EXPECT_FALSE(ExpandDialogPlaceholders(longText.c_str(), out, kDialogTextBufferSize));
    EXPECT_EQ(std::strlen(out), kDialogTextReadLimit);

    char tiny[1];
    ExpandDialogPlaceholders("::VERSION", tiny, sizeof tiny);
    EXPECT_EQ(tiny[0], '\0');
}

// What the dialogs' integer and text fields accept, and what they tell the
// user when they refuse.
#include "ui/FieldRules.h"

#include <gtest/gtest.h>

TEST(FieldRules, IntegerFieldsTakeASignedWholeNumberInRange) {
    struct Case {
        const char* text;
        int minimum, maximum;
        bool accepted;
        int value;
    } cases[] = {
        {"20", 0, 999, true, 20},
        {"  -12 ", -50, 50, true, -12},
        {"+7", 0, 9, true, 7},
        {"0", 0, 0, true, 0},
        {"-2147483648", INT32_MIN, INT32_MAX, true, INT32_MIN},
        {"2147483647", INT32_MIN, INT32_MAX, true, INT32_MAX},
        {"2147483648", INT32_MIN, INT32_MAX, false, 0},  // beyond 32 bits
        {"99999999999999999999", 0, 100, false, 0},      // no overflow into range
        {"91", 0, 90, false, 0},                         // above the range
        {"-1", 0, 90, false, 0},                         // below it
        {"12a", 0, 99, false, 0},
        {"1 2", 0, 99, false, 0},
        {"", 0, 99, false, 0},
        {"-", 0, 99, false, 0},
        {"0x10", 0, 99, false, 0},
    };
    for (const Case& c : cases) {
        int value = 12345;
        FieldVerdict verdict = CheckIntegerField(c.text, c.minimum, c.maximum, value);
        EXPECT_EQ(verdict.accepted, c.accepted) << '"' << c.text << '"';
        if (c.accepted) {
            EXPECT_EQ(value, c.value) << c.text;
            EXPECT_TRUE(verdict.message.empty());
        } else {
            EXPECT_EQ(value, 12345) << "a refused field leaves the value alone: " << c.text;
            // A field open to every integer names no range.
            const bool anyInteger = c.minimum == INT32_MIN && c.maximum == INT32_MAX;
            EXPECT_EQ(verdict.message, anyInteger ? std::string("Please enter an integer.")
                                                  : "Please enter an integer between " +
                                                        std::to_string(c.minimum) + " and " +
                                                        std::to_string(c.maximum) + ".");
        }
    }
    int value = 0;
    EXPECT_FALSE(CheckIntegerField(nullptr, 0, 9, value).accepted);
}

TEST(FieldRules, TextFieldsHoldAtMostTheirLength) {
    EXPECT_TRUE(CheckTextLength("1234567", 7).accepted);
    EXPECT_TRUE(CheckTextLength(std::string(5000, 'x'), 0).accepted);
    FieldVerdict verdict = CheckTextLength("12345678", 7);
    EXPECT_FALSE(verdict.accepted);
    EXPECT_EQ(verdict.message, "Please enter no more than 7 characters.");
}

// What the dialogs' integer, real and text fields accept, and what they tell
// the user when they refuse.
#include "ui/FieldRules.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

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

TEST(FieldRules, RealFieldsTakeADecimalNumberWithAPointInRange) {
    constexpr const char* kWidth = "Please enter a number between 0 and 999.9.";
    // 400 digits: beyond every double, refused rather than infinite.
    const std::string huge(400, '9');
    struct Case {
        const char* text;
        double minimum, maximum;
        double value;        // when accepted
        const char* refusal; // null when accepted
    } cases[] = {
        {"4.8", 0, 999.9, 4.8, nullptr},
        {"  12.25 ", 0, 999.9, 12.25, nullptr},
        {"\t7\t", 0, 999.9, 7, nullptr},
        {"+3.5", 0, 999.9, 3.5, nullptr},
        {"-.5", -1, 1, -0.5, nullptr},
        {".5", 0, 999.9, 0.5, nullptr},
        {"12.", 0, 999.9, 12, nullptr},
        {"0", 0, 999.9, 0, nullptr},
        {"-0", 0, 999.9, 0, nullptr}, // read as 0, in range
        {"000999.900", 0, 999.9, 999.9, nullptr},
        {"999.9", 0, 999.9, 999.9, nullptr}, // the bound itself
        {"0.1", 0.1, 0.1, 0.1, nullptr},
        {"999.91", 0, 999.9, 0, kWidth}, // just above the range
        {"1000", 0, 999.9, 0, kWidth},
        {"-0.1", 0, 999.9, 0, kWidth}, // just below it
        {"1,5", 0, 999.9, 0, kWidth},  // a comma is no decimal point
        {"1.2.3", 0, 999.9, 0, kWidth},
        {"1e3", 0, 9999, 0, "Please enter a number between 0 and 9999."}, // no exponents
        {"0x1p3", 0, 999.9, 0, kWidth},
        {"inf", 0, 999.9, 0, kWidth},
        {"nan", 0, 999.9, 0, kWidth},
        {".", 0, 999.9, 0, kWidth},
        {"-", 0, 999.9, 0, kWidth},
        {"+-1", 0, 999.9, 0, kWidth},
        {"- 1", 0, 999.9, 0, kWidth},
        {"1 2", 0, 999.9, 0, kWidth},
        {"", 0, 999.9, 0, kWidth},
        {"   ", 0, 999.9, 0, kWidth},
        {"abc", 0, 999.9, 0, kWidth},
        {"12a", 0, 999.9, 0, kWidth},
        {"1", 2.5, 7.25, 0, "Please enter a number between 2.5 and 7.25."},
        {"2", -1, 1, 0, "Please enter a number between -1 and 1."},
        {huge.c_str(), -HUGE_VAL, HUGE_VAL, 0, "Please enter a number."},
        {"x", -HUGE_VAL, HUGE_VAL, 0, "Please enter a number."}, // open to every number
    };
    for (const Case& c : cases) {
        double value = 12345;
        FieldVerdict verdict = CheckRealField(c.text, c.minimum, c.maximum, value);
        EXPECT_EQ(verdict.accepted, c.refusal == nullptr) << '"' << c.text << '"';
        if (!c.refusal) {
            EXPECT_EQ(value, c.value) << c.text;
            if (value == 0) {
                EXPECT_FALSE(std::signbit(value)) << c.text << " is -0";
            }
            EXPECT_TRUE(verdict.message.empty());
        } else {
            EXPECT_EQ(value, 12345) << "a refused field leaves the value alone: " << c.text;
            EXPECT_EQ(verdict.message, c.refusal) << c.text;
        }
    }
    double value = 0;
    EXPECT_FALSE(CheckRealField(nullptr, 0, 9, value).accepted);
}

TEST(FieldRules, RealValuesShowWithoutNeedlessDigitsAndReadBackTheSame) {
    struct Case {
        double value;
        const char* text;
    } cases[] = {
        {2.0, "2"},
        {4.8, "4.8"},
        {1.25, "1.25"},
        {0.0, "0"},
        {-0.0, "0"},
        {999.9, "999.9"},
        {0.1, "0.1"},
        {-12.5, "-12.5"},
        {1000000, "1000000"},
        {0.001, "0.001"},
        {1.0 / 3, "0.3333333333333333"},
        {0.1 + 0.2, "0.30000000000000004"}, // the value as it is, not rounded away
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatReal(c.value), c.text);
        double back = 12345;
        ASSERT_TRUE(CheckRealField(FormatReal(c.value).c_str(), -1e9, 1e9, back).accepted)
            << c.text;
        EXPECT_EQ(back, c.value) << c.text;
    }
    EXPECT_EQ(FormatReal(1e300).size(), 301u); // fixed notation even so
}

TEST(FieldRules, RealFieldsUseThePointInEveryLocale) {
    // A locale whose separator is a comma, where the machine has one.
    const char* german = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "German_Germany.1252"})
        if ((german = std::setlocale(LC_ALL, name))) break;
    if (!german || std::localeconv()->decimal_point[0] != ',') {
        std::setlocale(LC_ALL, "C");
        GTEST_SKIP() << "no locale with a decimal comma on this machine";
    }
    double value = 0;
    FieldVerdict point = CheckRealField("4.8", 0, 999.9, value);
    FieldVerdict comma = CheckRealField("4,8", 0, 999.9, value);
    const std::string shown = FormatReal(1.25),
                      message = CheckRealField("x", 0, 999.9, value).message;
    std::setlocale(LC_ALL, "C");
    EXPECT_TRUE(point.accepted);
    EXPECT_FALSE(comma.accepted);
    EXPECT_EQ(shown, "1.25");
    EXPECT_EQ(message, "Please enter a number between 0 and 999.9.");
}

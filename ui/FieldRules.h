// The rules by which dialog data exchange accepts what a user typed, kept
// apart from the controls so that they are plain code: an integer field
// takes an optional sign and decimal digits between blanks and must lie in
// its range; a real field takes the same with one decimal point among the
// digits, written and read with "." whatever the locale; a text field holds
// at most its maximum length. Each refusal carries the message the user
// sees.
#pragma once

#include <cstddef>
#include <string>

struct FieldVerdict {
    bool accepted = true;
    std::string message; // empty when accepted
};

// Reads a whole integer field ("  -12 " is -12; "12a", "", "-" and values
// beyond the 32-bit range are refused) and checks it against [minimum,
// maximum].
FieldVerdict CheckIntegerField(const char* text, int minimum, int maximum, int& value);

// Reads a whole real field: "[blanks][sign]digits[.digits][blanks]", the
// point also first or last ("  -.5 ", "12." and "+3.25" are read; "1,5",
// "1e3", ".", "" and "1.2.3" are refused), and checks it against [minimum,
// maximum]. The decimal separator is "." in every locale.
FieldVerdict CheckRealField(const char* text, double minimum, double maximum, double& value);

// A real value as a field shows it: fixed notation with "." and as few
// decimals as read back to the same value, so 2.0 is "2", 4.8 is "4.8",
// 1.25 is "1.25" and -0.0 is "0".
std::string FormatReal(double value);

// A text field of at most maxLength characters (0: no limit).
FieldVerdict CheckTextLength(const std::string& text, size_t maxLength);

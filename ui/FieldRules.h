// The rules by which dialog data exchange accepts what a user typed, kept
// apart from the controls so that they are plain code: an integer field
// takes an optional sign and decimal digits between blanks and must lie in
// its range; a text field holds at most its maximum length. Each refusal
// carries the message the user sees.
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

// A text field of at most maxLength characters (0: no limit).
FieldVerdict CheckTextLength(const std::string& text, size_t maxLength);

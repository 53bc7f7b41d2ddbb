// Reading the number at the start of a setting's text, as the command
// builder and its inverse both need it.
#pragma once

// The value of the decimal number at the start of text: an optional "+" or
// "-" and the digits after it, like atoi but without leading blanks and
// clamped to the int range instead of overflowing; 0 when there are no
// digits. When end is given it receives the first character behind the
// number (text itself when there was none).
int DecimalPrefix(const char* text, const char** end = nullptr);

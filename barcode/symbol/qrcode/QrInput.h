// How the request's bytes become the values the encoder writes, and which
// modes can carry each value.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One input value: a single byte 0..255, or a Shift-JIS double-byte value
// (first byte × 256 + second byte) of the Kanji ranges.
using QrValue = uint16_t;

// With shiftJis clear every byte stands alone; with it set, byte pairs of
// the Kanji ranges become one double-byte value.
std::vector<QrValue> InterpretQrInput(const std::string& data, bool shiftJis);

// The classes the automatic segmentation tells apart.
enum class QrValueClass : uint8_t {
    kDigit,        // 0..9
    kAlphanumeric, // the alphanumeric set without the digits
    kByte,         // a single byte outside the alphanumeric set
    kKanji,        // a Shift-JIS double-byte value
};

QrValueClass ClassifyQrValue(QrValue value);
bool IsQrKanjiValue(QrValue value);
bool IsQrDigit(QrValue value);
// Digits, upper-case letters, blank and $ % * + - . / :
bool IsQrAlphanumeric(QrValue value);
// The value 0..44 of a character of the alphanumeric set.
int QrAlphanumericIndex(QrValue value);
// The 13-bit value a Kanji value is written as.
uint32_t QrKanjiCode(QrValue value);

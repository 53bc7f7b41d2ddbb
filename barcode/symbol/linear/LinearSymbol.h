// What a linear encoder produces, independent of how it is drawn: the
// element widths (bar first, bars and spaces alternating), the kind of each
// bar for the symbologies that draw bars of different heights, the
// human-readable text, and the check characters.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Library codes of the linear symbologies (the symbol library's own numbers).
enum LinearLibraryCode : int32_t {
    kLibUpcA = 1,
    kLibUpcE = 2,
    kLibEan13 = 3,
    kLibEan8 = 4,
    kLibCode39 = 5,
    kLibCode39Extended = 6,
    kLibInterleaved2of5 = 7,
    kLibCode128Auto = 8,
    kLibCodabar = 9,
    kLibPostnet = 10,
    kLibMsiPlessey = 11,
    kLibCode93 = 12,
    kLibCode93Extended = 13,
    kLibUcc128 = 14,
    kLibHibc = 15,
    kLibUpcE0 = 17,
    kLibUpcE1 = 18,
    kLibCode128A = 19,
    kLibCode128B = 20,
    kLibCode128C = 21,
    kLibEan128Auto = 80,
    kLibEan128A = 81,
    kLibEan128B = 82,
    kLibEan128C = 83,
    kLibIndustrial2of5 = 84,
    kLibMatrix2of5 = 85,
    kLibGermanPtt = 89,
    kLibItf14 = 90,
};

// The internal codes of the function characters in prepared data.
inline constexpr unsigned char kCodeShift = 128;
inline constexpr unsigned char kCodeFnc1 = 129;
inline constexpr unsigned char kCodeFnc3 = 130;
inline constexpr unsigned char kCodeFnc2 = 131;
inline constexpr unsigned char kCodeFnc4 = 132;

// Style bits of the symbol parameter record that change the text.
inline constexpr int32_t kStyleStarFraming = 0x20; // Code 39: text framed by "*"
inline constexpr int32_t kStyleCheckInText = 0x40; // the check character is shown

// Data and text are at most this long after preparation.
inline constexpr size_t kMaxLinearDataLength = 100;

// A wide element in elements: its width is module × ratio when drawn.
inline constexpr uint8_t kWideElement = 0;

// How tall a bar is drawn (EAN/UPC only; every other bar is a data bar).
enum class BarKind : uint8_t {
    kData,  // shortened by half the text height under EAN/UPC digit groups
    kGuard, // full bar height
    kAddOn, // starts one text height below the top; its digits stand above it
};

enum class TextAlign : uint8_t { kLeft, kCentre, kRight };
enum class TextRow : uint8_t {
    kDigitGroup, // top at bar height − text height / 2
    kSideDigit,  // number-system and check digits: bottom at bar height + text height / 5
    kAddOn,      // bottom one text height below the top of the symbol
};

// One piece of EAN/UPC text at x = xTenths / 10 modules from the left edge
// of the bars (27.5 U is 275).
struct TextPiece {
    std::string text;
    int32_t xTenths = 0;
    TextAlign align = TextAlign::kCentre;
    TextRow row = TextRow::kDigitGroup;
};

struct LinearSymbol {
    // Widths in modules, bar first; kWideElement is a wide element.
    std::vector<uint8_t> elements;
    // One per element (spaces included); empty means every bar is kData.
    std::vector<BarKind> kinds;
    // The human-readable text of every type but EAN/UPC, as it is shown.
    std::string text;
    // EAN/UPC: the text pieces (text then stays empty).
    std::vector<TextPiece> pieces;
    // Postnet: one entry per bar, true for a full bar, false for a half bar.
    std::vector<bool> postnetFullBars;
    char checkCharacter = 0;       // the last check character computed, 0 when none
    char secondCheckCharacter = 0; // MSI's second digit, Code 128's added digit
    // The add-on digits start at this element (EAN/UPC with add-on; else -1).
    int32_t addOnFirstElement = -1;
};

// What the encoder needs of the symbol parameter record.
struct LinearRequest {
    int32_t libraryCode = 0;
    int32_t addOnDigits = 0; // 0, 2 or 5 (EAN/UPC)
    int32_t checkOption = 0; // 0..2; MSI already one less
    int32_t style = 0;       // style bits (kStyle...)
    std::string data;        // prepared data bytes (function codes 128..132 allowed)
    std::string text;        // the text the request gave; empty: the data is the text
};

// Symbol errors of the encoders (the library returns them negated).
inline constexpr int32_t kErrorUnknownLibraryCode = -1;
inline constexpr int32_t kErrorDataTooLong = -2;
inline constexpr int32_t kErrorTextTooLong = -3;
inline constexpr int32_t kErrorInvalidData = -9;
inline constexpr int32_t kErrorNoData = -16;

// Encodes a linear symbol: 0 and the symbol, or a negative error.
int32_t EncodeLinear(const LinearRequest& request, LinearSymbol& symbol);

// The families, each in its own file.
int32_t EncodeTwoOfFive(const LinearRequest& request, LinearSymbol& symbol); // 84, 85, 7, 90, 89
int32_t EncodeCode39(const LinearRequest& request, LinearSymbol& symbol);    // 5, 6, 15
int32_t EncodeCode93(const LinearRequest& request, LinearSymbol& symbol);    // 12, 13
int32_t EncodeCodabar(const LinearRequest& request, LinearSymbol& symbol);   // 9
int32_t EncodeMsiPlessey(const LinearRequest& request, LinearSymbol& symbol); // 11
int32_t EncodePostnet(const LinearRequest& request, LinearSymbol& symbol);   // 10
int32_t EncodeCode128(const LinearRequest& request, LinearSymbol& symbol);   // 8, 19-21, 80-83, 14
int32_t EncodeEanUpc(const LinearRequest& request, LinearSymbol& symbol);    // 1-4, 17, 18

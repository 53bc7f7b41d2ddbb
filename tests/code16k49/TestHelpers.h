// What the Code 16K and Code 49 tests share: a parameter record, encoding
// through the library entry, and data with function characters.
#pragma once

#include "StackedDecoder.h"
#include "symbol/LibraryCodes.h"
#include "symbol/SymbolMatrix.h"
#include "symbol/SymbolParams.h"

#include <random>
#include <string>

namespace stackedtest {

inline constexpr char kShift = '\x80';
inline constexpr char kFnc1 = '\x81';
inline constexpr char kFnc3 = '\x82';
inline constexpr char kFnc2 = '\x83';
inline constexpr char kFnc4 = '\x84';

inline constexpr int32_t kCode16kA = kLibCode16kAuto + 1;
inline constexpr int32_t kCode16kB = kLibCode16kAuto + 2;

inline SymbolParams Params(int32_t libraryCode) {
    SymbolParams params{};
    params.libraryCode = libraryCode;
    params.moduleWidth = 2;
    params.height = 30;
    return params;
}

struct Encoded {
    int32_t result = 0;
    SymbolMatrix matrix;
};

inline Encoded Encode(int32_t libraryCode, const std::string& data) {
    Encoded encoded;
    encoded.result = EncodeCode16k49(Params(libraryCode), data, encoded.matrix);
    return encoded;
}

inline Decoded EncodeAndDecode(int32_t libraryCode, const std::string& data) {
    const Encoded encoded = Encode(libraryCode, data);
    if (encoded.result != 0) {
        Decoded failed;
        failed.error = "encoder returned " + std::to_string(encoded.result);
        return failed;
    }
    return libraryCode == kLibCode49 ? DecodeCode49(encoded.matrix) : DecodeCode16k(encoded.matrix);
}

// What a reader gives back: the Code 128 subset shift carries no data.
inline std::string WithoutSubsetShifts(const std::string& data) {
    std::string out;
    for (char c : data)
        if (c != kShift) out += c;
    return out;
}

inline std::string RandomText(std::mt19937& random, const std::string& alphabet, size_t length) {
    std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
    std::string text;
    for (size_t i = 0; i < length; ++i)
        text += alphabet[pick(random)];
    return text;
}

inline std::string Repeat(char c, size_t count) {
    return std::string(count, c);
}

} // namespace stackedtest

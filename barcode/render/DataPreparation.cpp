// Preparation of the data by barcode type.
#include "render/DataPreparation.h"

#include <cctype>
#include <cstring>

namespace {

constexpr int32_t kCode39Id = 5;
constexpr unsigned char kFnc1 = 129;

enum Preparation : unsigned {
    kNone = 0,
    kGerman = 1,
    kEscapes = 2,
    kFunctionCharacters = 4,
    kFnc1Only = 8,
    kLeadingFnc1 = 16,
};

unsigned PreparationOfType(int32_t typeId) {
    switch (typeId) {
    case 5: // Code 39
    case 7: // Code 93
        return kGerman;
    case 6: // extended
    case 8:
        return kEscapes | kGerman;
    case 9:
    case 10:
    case 11: // Code 128 auto, A, B
    case 41:
    case 42:
    case 43: // Code 16K auto, A, B
        return kFunctionCharacters | kEscapes | kGerman;
    case 19:
    case 20:
    case 21: // EAN 128 auto, A, B
    case 32: // UCC128
        return kFunctionCharacters | kEscapes | kGerman | kLeadingFnc1;
    case 12:
    case 44: // subset C
        return kFnc1Only | kEscapes;
    case 22: // EAN 128 C
        return kFnc1Only | kEscapes | kLeadingFnc1;
    case 23:
    case 40:
    case 45:
    case 46:
    case 49:
    case 50:
    case 51: // two-dimensional
        return kEscapes;
    default:
        return kNone;
    }
}

// The German characters of Windows-1252 and the bytes that stand for them.
constexpr struct {
    unsigned char from;
    char to;
} kGermanMapping[] = {
    {0xC4, '['}, {0xD6, '\\'}, {0xDC, ']'}, {0xDF, '~'}, {0xE4, '{'}, {0xF6, '|'}, {0xFC, '}'},
};

std::string MapGermanCharacters(const std::string& data) {
    std::string mapped = data;
    for (char& byte : mapped)
        for (const auto& entry : kGermanMapping)
            if (static_cast<unsigned char>(byte) == entry.from) byte = entry.to;
    return mapped;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The byte a backslash and a letter stand for, or -1 when they are no escape.
int EscapedByte(char letter) {
    switch (letter) {
    case '\\':
        return '\\';
    case 'a':
        return 7;
    case 'b':
        return 8;
    case 'e':
        return 4;
    case 'f':
        return 12;
    case 'g':
        return 29;
    case 'n':
        return 10;
    case 'r':
        return 13;
    case 's':
        return 30;
    case 't':
        return 9;
    case 'v':
        return 11;
    default:
        return -1;
    }
}

std::string DecodeEscapes(const std::string& data) {
    std::string decoded;
    decoded.reserve(data.size());
    for (size_t i = 0; i < data.size(); ++i) {
        if (data[i] == '\\' && i + 1 < data.size()) {
            char letter = data[i + 1];
            if (letter == 'x' && i + 3 < data.size() && HexValue(data[i + 2]) >= 0 &&
                HexValue(data[i + 3]) >= 0) {
                decoded += static_cast<char>(HexValue(data[i + 2]) * 16 + HexValue(data[i + 3]));
                i += 3;
                continue;
            }
            int byte = EscapedByte(letter);
            if (byte >= 0) {
                decoded += static_cast<char>(byte);
                ++i;
                continue;
            }
        }
        decoded += data[i];
    }
    return decoded;
}

// Replaces each placeholder text by its internal code 128 + i.
std::string ReplaceFunctionCharacters(const std::string& data, const BarcodeParams& params,
                                      bool fnc1Only) {
    std::string replaced;
    for (size_t i = 0; i < data.size();) {
        bool matched = false;
        for (size_t code = 0; code < kSpecialCodeCount && !matched; ++code) {
            if (fnc1Only && code != 1) continue;
            const char* placeholder = params.specialCodeText[code];
            size_t length = strnlen(placeholder, kSpecialCodeTextSize);
            if (length == 0 || data.compare(i, length, placeholder, length) != 0) continue;
            replaced += static_cast<char>(128 + code);
            i += length;
            matched = true;
        }
        if (!matched) replaced += data[i++];
    }
    return replaced;
}

} // namespace

std::string TrimBlanks(const std::string& data, int32_t trimMode, int32_t typeId) {
    size_t begin = 0;
    size_t end = data.size();
    if (trimMode == 2 || trimMode == 3) {
        while (begin < end && data[begin] == ' ')
            ++begin;
        if (typeId == kCode39Id && begin < end && data[begin] == '*') ++begin;
    }
    if (trimMode == 1 || trimMode == 3) {
        while (end > begin && data[end - 1] == ' ')
            --end;
        if (typeId == kCode39Id && end > begin && data[end - 1] == '*') --end;
    }
    return data.substr(begin, end - begin);
}

std::string PrepareDataForType(int32_t typeId, const std::string& data,
                               const BarcodeParams& params) {
    const unsigned steps = PreparationOfType(typeId);
    std::string prepared = data;
    if (steps & (kFunctionCharacters | kFnc1Only))
        prepared = ReplaceFunctionCharacters(prepared, params, (steps & kFnc1Only) != 0);
    if ((steps & kEscapes) && params.backslashEscapes > 0) prepared = DecodeEscapes(prepared);
    if ((steps & kGerman) && params.umlautMapping != 0) prepared = MapGermanCharacters(prepared);
    if ((steps & kLeadingFnc1) &&
        (prepared.empty() || static_cast<unsigned char>(prepared[0]) != kFnc1))
        prepared.insert(prepared.begin(), static_cast<char>(kFnc1));
    return prepared;
}

bool ForcesCheckModeOne(int32_t typeId, bool keepCode128CheckMode) {
    switch (typeId) {
    case 9:
    case 10:
    case 11:
    case 12:
    case 19:
    case 20:
    case 21:
    case 22:
    case 32:
    case 41:
    case 42:
    case 43:
    case 44:
        return !keepCode128CheckMode;
    case 33:
    case 23:
    case 40:
    case 45:
    case 46:
    case 49:
    case 50:
    case 51:
        return true;
    default:
        return false;
    }
}

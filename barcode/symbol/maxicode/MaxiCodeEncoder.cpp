#include "symbol/maxicode/MaxiCodeEncoder.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <vector>

#include "symbol/maxicode/MaxiCodeCodeSets.h"
#include "symbol/maxicode/MaxiCodePlacement.h"
#include "symbol/maxicode/MaxiCodeReedSolomon.h"

namespace {

constexpr int32_t kCannotEncode = -9;
constexpr int32_t kTooLong = -2;

constexpr int kUnitedStates = 840;

constexpr int kPrimaryDataCodewords = 10;
constexpr int kPrimaryCheckCodewords = 10;
constexpr int kSecondaryCheckCodewords = 40; // 20 for each interleaved half
constexpr int kTotalCodewords = 144;

// The primary message of modes 2 and 3 (ISO/IEC 16023): 60 bits, the
// mode in the lowest four, then a 36-bit postal code field, the 10-bit
// country and the 10-bit class of service; codeword i holds bits 6i..6i+5.
struct PrimaryMessage {
    int mode = 0;
    uint64_t postalField = 0;
    int country = 0;
    int serviceClass = 0;
    size_t secondaryStart = 0;
};

bool HasBlanksAt(std::string_view data, std::initializer_list<size_t> positions) {
    for (size_t position : positions)
        if (position >= data.size() || data[position] != ' ') return false;
    return true;
}

bool AllDigits(std::string_view text) {
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return !text.empty();
}

// The three-character field as atoi reads it; empty when negative (a 10-bit
// field cannot hold it).
std::optional<int> ThreeCharacterNumber(std::string_view data, size_t position) {
    const std::string field(data.substr(position, 3));
    const int value = std::atoi(field.c_str());
    if (value < 0) return std::nullopt;
    return value;
}

// US layout: "ppppp pppp ccc sss " — the nine-digit postal code packed as a
// number (30 bits) followed by its digit count (6 bits).
std::optional<PrimaryMessage> ReadUnitedStatesLayout(std::string_view data) {
    if (!HasBlanksAt(data, {5, 10, 14, 18})) return std::nullopt;
    const std::string digits = std::string(data.substr(0, 5)) + std::string(data.substr(6, 4));
    if (!AllDigits(digits)) return std::nullopt;
    PrimaryMessage primary;
    primary.mode = 2;
    primary.postalField = std::strtoull(digits.c_str(), nullptr, 10) | (uint64_t{9} << 30);
    primary.secondaryStart = 19;
    const auto country = ThreeCharacterNumber(data, 11);
    const auto serviceClass = ThreeCharacterNumber(data, 15);
    if (!country || !serviceClass) return std::nullopt;
    primary.country = *country;
    primary.serviceClass = *serviceClass;
    return primary;
}

// Other countries: "pppppp ccc sss " — six characters of code set A, each
// its byte value modulo 64, the first in the highest six bits.
std::optional<PrimaryMessage> ReadInternationalLayout(std::string_view data) {
    if (!HasBlanksAt(data, {6, 10, 14})) return std::nullopt;
    PrimaryMessage primary;
    primary.mode = 3;
    for (size_t i = 0; i < 6; ++i)
        primary.postalField = (primary.postalField << 6) | (static_cast<uint8_t>(data[i]) % 64);
    primary.secondaryStart = 15;
    const auto country = ThreeCharacterNumber(data, 7);
    const auto serviceClass = ThreeCharacterNumber(data, 11);
    if (!country || !serviceClass) return std::nullopt;
    primary.country = *country;
    primary.serviceClass = *serviceClass;
    return primary;
}

// The US layout is tried first; it needs nine digits in its postal code
// positions, so a short international postal code padded with blanks (which
// also puts a blank at position 5) is not taken for it.
std::optional<PrimaryMessage> ReadPrimaryMessage(std::string_view data) {
    if (auto primary = ReadUnitedStatesLayout(data))
        return primary->country == kUnitedStates ? primary : std::nullopt;
    if (auto primary = ReadInternationalLayout(data))
        return primary->country != kUnitedStates ? primary : std::nullopt;
    return std::nullopt;
}

bool FitsTenBits(int value) {
    return value >= 0 && value < 1024;
}

void AppendPrimaryCodewords(const PrimaryMessage& primary, std::vector<uint8_t>& codewords) {
    const uint64_t bits = static_cast<uint64_t>(primary.mode) | (primary.postalField << 4) |
                          (static_cast<uint64_t>(primary.country) << 40) |
                          (static_cast<uint64_t>(primary.serviceClass) << 50);
    std::vector<uint8_t> data;
    for (int i = 0; i < kPrimaryDataCodewords; ++i)
        data.push_back(static_cast<uint8_t>((bits >> (6 * i)) & 0x3F));
    const std::vector<uint8_t> check = MaxiCodeCheckCodewords(data, kPrimaryCheckCodewords);
    codewords.insert(codewords.end(), data.begin(), data.end());
    codewords.insert(codewords.end(), check.begin(), check.end());
}

// The secondary data codewords form two interleaved halves (even and odd
// positions), each with its own check codewords, interleaved the same way.
void AppendSecondaryCodewords(const std::vector<uint8_t>& data, std::vector<uint8_t>& codewords) {
    std::vector<uint8_t> halves[2];
    for (size_t i = 0; i < data.size(); ++i)
        halves[i % 2].push_back(data[i]);
    const std::vector<uint8_t> checks[2] = {
        MaxiCodeCheckCodewords(halves[0], kSecondaryCheckCodewords / 2),
        MaxiCodeCheckCodewords(halves[1], kSecondaryCheckCodewords / 2)};
    codewords.insert(codewords.end(), data.begin(), data.end());
    for (int i = 0; i < kSecondaryCheckCodewords / 2; ++i) {
        codewords.push_back(checks[0][i]);
        codewords.push_back(checks[1][i]);
    }
}

// Where each module's bit is: a codeword and a mask in it. Two bytes after
// the codewords stand for the modules that are always light or always dark,
// so that placing is one look-up a module with no case for them.
struct ModuleBit {
    uint8_t codeword;
    uint8_t mask;
};
constexpr uint8_t kLightByte = kTotalCodewords;
constexpr uint8_t kDarkByte = kTotalCodewords + 1;

constexpr std::array<ModuleBit, kMaxiCodeRows * kMaxiCodeColumns> MakeModuleBits() {
    std::array<ModuleBit, kMaxiCodeRows * kMaxiCodeColumns> bits{};
    for (int row = 0; row < kMaxiCodeRows; ++row)
        for (int column = 0; column < kMaxiCodeColumns; ++column) {
            const int sequence = kMaxiCodeModuleSequence[row][column];
            ModuleBit& bit = bits[size_t(row * kMaxiCodeColumns + column)];
            if (sequence > 0)
                bit = {uint8_t((sequence - 1) / 6), uint8_t(0x20 >> ((sequence - 1) % 6))};
            else
                bit = {sequence == kMaxiCodeAlwaysDark ? kDarkByte : kLightByte, 1};
        }
    return bits;
}
constexpr auto kModuleBits = MakeModuleBits();

void PlaceCodewords(const std::vector<uint8_t>& codewords, MaxiCodeModules& modules) {
    std::array<uint8_t, kTotalCodewords + 2> bytes{};
    std::copy_n(codewords.begin(), std::min<size_t>(codewords.size(), kTotalCodewords),
                bytes.begin());
    bytes[kDarkByte] = 1;
    bool* dark = &modules.dark[0][0];
    for (size_t i = 0; i < kModuleBits.size(); ++i)
        dark[i] = (bytes[kModuleBits[i].codeword] & kModuleBits[i].mask) != 0;
}

} // namespace

int32_t EncodeMaxiCode(const std::string& data, MaxiCodeModules& modules) {
    const std::optional<PrimaryMessage> primary = ReadPrimaryMessage(data);
    if (!primary || !FitsTenBits(primary->country) || !FitsTenBits(primary->serviceClass))
        return kCannotEncode;

    // The whole secondary message, however long: digits in numeric shifts
    // take fewer codewords than characters, and what does not fit is refused
    // (-2), never cut off and printed as if it were all.
    const std::string_view secondary = std::string_view(data).substr(primary->secondaryStart);
    std::optional<std::vector<uint8_t>> secondaryData =
        EncodeMaxiCodeText(secondary, kMaxiCodeSecondaryDataCodewords);
    if (!secondaryData) return kTooLong;
    secondaryData->resize(kMaxiCodeSecondaryDataCodewords, kMaxiCodePad);

    std::vector<uint8_t> codewords;
    codewords.reserve(kTotalCodewords);
    AppendPrimaryCodewords(*primary, codewords);
    AppendSecondaryCodewords(*secondaryData, codewords);
    PlaceCodewords(codewords, modules);
    return 0;
}

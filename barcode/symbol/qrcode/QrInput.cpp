#include "symbol/qrcode/QrInput.h"

#include <string_view>

namespace {

// The alphanumeric set in the order of its values (ISO/IEC 18004, Table 5).
constexpr std::string_view kAlphanumericSet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ $%*+-./:";

// The second byte of a Kanji pair never lies below 0x40.
constexpr unsigned kLowestSecondByte = 0x40;

bool InKanjiRanges(unsigned value) {
    return (value >= 0x8140 && value <= 0x9FFC) || (value >= 0xE040 && value <= 0xEAA4);
}

} // namespace

std::vector<QrValue> InterpretQrInput(const std::string& data, bool shiftJis) {
    std::vector<QrValue> values;
    values.reserve(data.size());
    for (size_t i = 0; i < data.size(); ++i) {
        const unsigned first = static_cast<unsigned char>(data[i]);
        if (shiftJis && i + 1 < data.size()) {
            const unsigned second = static_cast<unsigned char>(data[i + 1]);
            const unsigned pair = first * 256 + second;
            if (second >= kLowestSecondByte && InKanjiRanges(pair)) {
                values.push_back(static_cast<QrValue>(pair));
                ++i;
                continue;
            }
        }
        values.push_back(static_cast<QrValue>(first));
    }
    return values;
}

bool IsQrKanjiValue(QrValue value) {
    return value > 0xFF;
}

bool IsQrDigit(QrValue value) {
    return value >= '0' && value <= '9';
}

int QrAlphanumericIndex(QrValue value) {
    if (value > 0x7F || value == 0) return -1;
    const size_t position = kAlphanumericSet.find(static_cast<char>(value));
    return position == std::string_view::npos ? -1 : static_cast<int>(position);
}

bool IsQrAlphanumeric(QrValue value) {
    return QrAlphanumericIndex(value) >= 0;
}

QrValueClass ClassifyQrValue(QrValue value) {
    if (IsQrKanjiValue(value)) return QrValueClass::kKanji;
    if (IsQrDigit(value)) return QrValueClass::kDigit;
    if (IsQrAlphanumeric(value)) return QrValueClass::kAlphanumeric;
    return QrValueClass::kByte;
}

uint32_t QrKanjiCode(QrValue value) {
    const unsigned offset = value <= 0x9FFC ? value - 0x8140u : value - 0xC140u;
    return (offset >> 8) * 0xC0 + (offset & 0xFF);
}

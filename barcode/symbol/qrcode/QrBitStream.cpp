#include "symbol/qrcode/QrBitStream.h"

namespace {

constexpr int kModeBits = 4;

uint32_t IndicatorOf(QrMode mode) {
    switch (mode) {
    case QrMode::kNumeric:
        return kQrIndicatorNumeric;
    case QrMode::kAlphanumeric:
        return kQrIndicatorAlphanumeric;
    case QrMode::kKanji:
        return kQrIndicatorKanji;
    default:
        return kQrIndicatorByte;
    }
}

size_t CharacterBits(QrMode mode, size_t count) {
    switch (mode) {
    case QrMode::kNumeric:
        return 10 * (count / 3) + (count % 3 == 2 ? 7 : count % 3 == 1 ? 4 : 0);
    case QrMode::kAlphanumeric:
        return 11 * (count / 2) + 6 * (count % 2);
    case QrMode::kKanji:
        return 13 * count;
    default:
        return 8 * count;
    }
}

uint32_t DigitValue(QrValue value) {
    return static_cast<uint32_t>(value - '0');
}

bool AppendNumeric(CBitString& bits, const QrValue* values, size_t count) {
    bool ok = true;
    size_t i = 0;
    for (; i + 3 <= count; i += 3)
        ok &= bits.Append(DigitValue(values[i]) * 100 + DigitValue(values[i + 1]) * 10 +
                              DigitValue(values[i + 2]),
                          10);
    if (count - i == 2)
        ok &= bits.Append(DigitValue(values[i]) * 10 + DigitValue(values[i + 1]), 7);
    if (count - i == 1) ok &= bits.Append(DigitValue(values[i]), 4);
    return ok;
}

bool AppendAlphanumeric(CBitString& bits, const QrValue* values, size_t count) {
    bool ok = true;
    size_t i = 0;
    for (; i + 2 <= count; i += 2)
        ok &= bits.Append(static_cast<uint32_t>(QrAlphanumericIndex(values[i]) * 45 +
                                                QrAlphanumericIndex(values[i + 1])),
                          11);
    if (i < count) ok &= bits.Append(static_cast<uint32_t>(QrAlphanumericIndex(values[i])), 6);
    return ok;
}

bool AppendBytes(CBitString& bits, const QrValue* values, size_t count) {
    bool ok = true;
    for (size_t i = 0; i < count; ++i) {
        if (IsQrKanjiValue(values[i])) ok &= bits.Append(values[i] >> 8, 8);
        ok &= bits.Append(values[i] & 0xFFu, 8);
    }
    return ok;
}

bool AppendKanji(CBitString& bits, const QrValue* values, size_t count) {
    bool ok = true;
    for (size_t i = 0; i < count; ++i)
        ok &= bits.Append(QrKanjiCode(values[i]), 13);
    return ok;
}

} // namespace

size_t QrCharacterCount(const std::vector<QrValue>& values, const QrSegment& segment) {
    if (segment.mode != QrMode::kByte) return segment.count;
    size_t bytes = 0;
    for (size_t i = segment.begin; i < segment.begin + segment.count; ++i)
        bytes += IsQrKanjiValue(values[i]) ? 2 : 1;
    return bytes;
}

size_t QrSegmentBits(const std::vector<QrValue>& values, const QrSegment& segment, int group) {
    const int countBits = QrCharacterCountBits(segment.mode, group);
    const size_t count = QrCharacterCount(values, segment);
    if (countBits <= 0 || count >= (size_t{1} << countBits)) return kQrTooManyBits;
    return kModeBits + static_cast<size_t>(countBits) + CharacterBits(segment.mode, count);
}

bool AppendQrSegment(CBitString& bits, const std::vector<QrValue>& values, const QrSegment& segment,
                     int group) {
    const size_t count = QrCharacterCount(values, segment);
    bool ok = bits.Append(IndicatorOf(segment.mode), kModeBits);
    ok &= bits.Append(static_cast<uint32_t>(count), QrCharacterCountBits(segment.mode, group));
    const QrValue* first = values.data() + segment.begin;
    switch (segment.mode) {
    case QrMode::kNumeric:
        return AppendNumeric(bits, first, segment.count) && ok;
    case QrMode::kAlphanumeric:
        return AppendAlphanumeric(bits, first, segment.count) && ok;
    case QrMode::kKanji:
        return AppendKanji(bits, first, segment.count) && ok;
    default:
        return AppendBytes(bits, first, segment.count) && ok;
    }
}

size_t QrEciHeaderBits(int32_t designator) {
    return kModeBits + (designator < 128 ? 8 : designator <= 16383 ? 16 : 24);
}

// The designator's first bits say how many bytes follow (ISO/IEC 18004,
// Table 4): 0xxxxxxx, 10xxxxxx xxxxxxxx, 110xxxxx xxxxxxxx xxxxxxxx.
bool AppendQrEciHeader(CBitString& bits, int32_t designator) {
    const auto value = static_cast<uint32_t>(designator);
    bool ok = bits.Append(kQrIndicatorEci, kModeBits);
    if (designator < 128) return bits.Append(value, 8) && ok;
    if (designator <= 16383) return bits.Append(0x8000u | value, 16) && ok;
    return bits.Append(0xC00000u | value, 24) && ok;
}

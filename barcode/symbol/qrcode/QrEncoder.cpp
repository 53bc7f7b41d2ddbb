#include "symbol/qrcode/QrEncoder.h"

#include "symbol/Containers.h"
#include "symbol/SymbolErrors.h"
#include "symbol/qrcode/QrBitStream.h"
#include "symbol/qrcode/QrReedSolomon.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int kModeBits = 4;
constexpr int kTerminatorBits = 4;
constexpr uint32_t kPadCodewords[2] = {0xEC, 0x11};
constexpr int32_t kMaxEciDesignator = 999999;

bool ValueFitsMode(QrValue value, QrMode mode) {
    switch (mode) {
    case QrMode::kNumeric:
        return IsQrDigit(value);
    case QrMode::kAlphanumeric:
        return IsQrAlphanumeric(value);
    case QrMode::kKanji:
        return IsQrKanjiValue(value);
    default:
        return true;
    }
}

size_t BytesFor(size_t bits) {
    return (bits + 7) / 8;
}

} // namespace

void CQREncoder::SetFnc1(QrFnc1 fnc1, int applicationIndicator) {
    fnc1_ = fnc1;
    applicationIndicator_ = applicationIndicator & 0xFF;
}

void CQREncoder::SetEci(int32_t designator) {
    eciDesignator_ = designator >= 0 && designator <= kMaxEciDesignator ? designator : -1;
}

void CQREncoder::SetStructuredAppend(int count, int index, int parity) {
    const bool valid = count >= 2 && count <= 16 && index >= 1 && index <= count;
    appendCount_ = valid ? count : 0;
    appendIndex_ = valid ? index : 1;
    appendParity_ = valid ? parity & 0xFF : 0;
}

// A fixed mode writes every value in that mode; a value it cannot carry
// would decode as different data.
bool CQREncoder::ModeCanCarry(const std::vector<QrValue>& values) const {
    if (mode_ == QrMode::kAutomatic) return true;
    return std::all_of(values.begin(), values.end(),
                       [this](QrValue value) { return ValueFitsMode(value, mode_); });
}

std::vector<QrSegment> CQREncoder::SegmentsFor(const std::vector<QrValue>& values,
                                               int group) const {
    return mode_ == QrMode::kAutomatic ? SegmentQrValues(values, group)
                                       : SingleQrSegment(values, mode_);
}

size_t CQREncoder::HeaderBits() const {
    size_t bits = 0;
    if (appendCount_ > 0) bits += kModeBits + 4 + 4 + 8;
    if (eciDesignator_ >= 0) bits += QrEciHeaderBits(eciDesignator_);
    if (fnc1_ == QrFnc1::kFirstPosition) bits += kModeBits;
    if (fnc1_ == QrFnc1::kSecondPosition) bits += kModeBits + 8;
    return bits;
}

size_t CQREncoder::StreamBits(const std::vector<QrValue>& values,
                              const std::vector<QrSegment>& segments, int group) const {
    size_t bits = HeaderBits();
    for (const QrSegment& segment : segments) {
        const size_t segmentBits = QrSegmentBits(values, segment, group);
        if (segmentBits == kQrTooManyBits) return kQrTooManyBits;
        bits += segmentBits;
    }
    return bits;
}

int CQREncoder::FirstFittingVersion(int from, int to, size_t bits) const {
    if (bits == kQrTooManyBits) return 0;
    for (int version = from; version <= to; ++version)
        if (static_cast<size_t>(QrCapacityTable::DataCodewords(version, level_)) >= BytesFor(bits))
            return version;
    return 0;
}

int32_t CQREncoder::Encode(const std::vector<QrValue>& values, int startVersion) {
    version_ = 0;
    segments_.clear();
    dataCodewords_.clear();
    codewords_.clear();
    if (!QrCapacityTable::IsVersion(startVersion) || !QrCapacityTable::IsLevel(level_))
        return -kSymbolDataTooLong;
    if (!ModeCanCarry(values)) return -kSymbolInvalidData;

    // The count indicators, and so the segmentation, change between the
    // version groups: each group is tried with its own stream.
    for (int group = QrVersionGroup(startVersion); group < kQrVersionGroupCount; ++group) {
        const int from = std::max(startVersion, QrFirstVersionOfGroup(group));
        std::vector<QrSegment> segments = SegmentsFor(values, group);
        const int version = FirstFittingVersion(from, QrLastVersionOfGroup(group),
                                                StreamBits(values, segments, group));
        if (version == 0) continue;
        version_ = version;
        segments_ = std::move(segments);
        if (!WriteDataCodewords(values)) break;
        codewords_ = QrInterleaveBlocks(dataCodewords_, version_, level_);
        return 0;
    }
    version_ = 0;
    segments_.clear();
    dataCodewords_.clear();
    return -kSymbolDataTooLong;
}

bool CQREncoder::WriteDataCodewords(const std::vector<QrValue>& values) {
    const int group = QrVersionGroup(version_);
    CBitString bits;
    bool ok = true;
    if (appendCount_ > 0) {
        ok &= bits.Append(kQrIndicatorStructuredAppend, kModeBits);
        ok &= bits.Append(static_cast<uint32_t>(appendIndex_ - 1), 4);
        ok &= bits.Append(static_cast<uint32_t>(appendCount_ - 1), 4);
        ok &= bits.Append(static_cast<uint32_t>(appendParity_), 8);
    }
    if (eciDesignator_ >= 0) ok &= AppendQrEciHeader(bits, eciDesignator_);
    if (fnc1_ == QrFnc1::kFirstPosition) ok &= bits.Append(kQrIndicatorFnc1First, kModeBits);
    if (fnc1_ == QrFnc1::kSecondPosition) {
        ok &= bits.Append(kQrIndicatorFnc1Second, kModeBits);
        ok &= bits.Append(static_cast<uint32_t>(applicationIndicator_), 8);
    }
    for (const QrSegment& segment : segments_)
        ok &= AppendQrSegment(bits, values, segment, group);

    const size_t capacityBits = static_cast<size_t>(QrCapacityTable::DataBits(version_, level_));
    if (!ok || bits.Length() > capacityBits) return false;
    // The terminator is cut short when the symbol is full.
    ok &= bits.Append(
        0, static_cast<int>(std::min<size_t>(kTerminatorBits, capacityBits - bits.Length())));
    ok &= bits.Append(0, static_cast<int>((8 - bits.Length() % 8) % 8));
    if (!ok) return false;

    const size_t capacity = capacityBits / 8;
    dataCodewords_.clear();
    dataCodewords_.reserve(capacity);
    for (size_t position = 0; position < bits.Length(); position += 8)
        dataCodewords_.push_back(static_cast<uint8_t>(bits.Read(position, 8)));
    for (size_t pad = 0; dataCodewords_.size() < capacity; ++pad)
        dataCodewords_.push_back(static_cast<uint8_t>(kPadCodewords[pad % 2]));
    return true;
}

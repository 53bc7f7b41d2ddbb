// From input values to the final codeword sequence: the headers, the data
// segments, the smallest version that holds them, terminator and pad
// codewords, and the Reed-Solomon blocks.
#pragma once

#include "symbol/qrcode/QrCapacityTable.h"
#include "symbol/qrcode/QrInput.h"
#include "symbol/qrcode/QrSegmenter.h"

#include <cstdint>
#include <vector>

enum class QrFnc1 : int32_t { kNone = 0, kFirstPosition = 1, kSecondPosition = 2 };

class CQREncoder {
  public:
    void SetMode(QrMode mode) { mode_ = mode; }
    // 0 L, 1 M, 2 Q, 3 H.
    void SetLevel(int level) { level_ = level; }
    void SetFnc1(QrFnc1 fnc1, int applicationIndicator = 0);
    // An ECI designator 0..999999; other values mean none.
    void SetEci(int32_t designator);
    // Symbol index of count (2..16) with the data's parity; other values
    // mean no structured append.
    void SetStructuredAppend(int count, int index, int parity);

    // Encodes in the first version from startVersion upward that holds the
    // data. 0, or a negative symbol error.
    int32_t Encode(const std::vector<QrValue>& values, int startVersion);

    int Version() const { return version_; }
    int Level() const { return level_; }
    int SymbolSize() const { return QrCapacityTable::SymbolSize(version_); }
    const std::vector<QrSegment>& Segments() const { return segments_; }
    // The data codewords before error correction, pad codewords included.
    const std::vector<uint8_t>& DataCodewords() const { return dataCodewords_; }
    // The interleaved data and error correction codewords.
    const std::vector<uint8_t>& Codewords() const { return codewords_; }

  private:
    bool ModeCanCarry(const std::vector<QrValue>& values) const;
    std::vector<QrSegment> SegmentsFor(const std::vector<QrValue>& values, int group) const;
    size_t HeaderBits() const;
    size_t StreamBits(const std::vector<QrValue>& values, const std::vector<QrSegment>& segments,
                      int group) const;
    int FirstFittingVersion(int from, int to, size_t bits) const;
    bool WriteDataCodewords(const std::vector<QrValue>& values);

    QrMode mode_ = QrMode::kAutomatic;
    int level_ = 0;
    QrFnc1 fnc1_ = QrFnc1::kNone;
    int applicationIndicator_ = 0;
    int32_t eciDesignator_ = -1;
    int appendCount_ = 0;
    int appendIndex_ = 1;
    int appendParity_ = 0;

    int version_ = 0;
    std::vector<QrSegment> segments_;
    std::vector<uint8_t> dataCodewords_;
    std::vector<uint8_t> codewords_;
};

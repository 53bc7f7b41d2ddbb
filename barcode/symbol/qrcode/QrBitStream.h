// The bits of the data segments and headers: mode indicators, character
// counts and the packed characters of each mode.
#pragma once

#include "symbol/Containers.h"
#include "symbol/qrcode/QrSegmenter.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

inline constexpr size_t kQrTooManyBits = std::numeric_limits<size_t>::max();

// Mode indicators of ISO/IEC 18004, Table 2.
enum QrModeIndicator : uint32_t {
    kQrIndicatorNumeric = 0x1,
    kQrIndicatorAlphanumeric = 0x2,
    kQrIndicatorStructuredAppend = 0x3,
    kQrIndicatorByte = 0x4,
    kQrIndicatorFnc1First = 0x5,
    kQrIndicatorEci = 0x7,
    kQrIndicatorKanji = 0x8,
    kQrIndicatorFnc1Second = 0x9,
};

// How many characters the segment's count indicator counts: values, or
// bytes in byte mode where a double-byte value is two bytes.
size_t QrCharacterCount(const std::vector<QrValue>& values, const QrSegment& segment);

// The bits of the segment with its mode indicator and count in the
// version group; kQrTooManyBits when the count does not fit its indicator.
size_t QrSegmentBits(const std::vector<QrValue>& values, const QrSegment& segment, int group);

// Appends mode indicator, character count and characters. False when the
// bit string refused the bits.
bool AppendQrSegment(CBitString& bits, const std::vector<QrValue>& values, const QrSegment& segment,
                     int group);

// The bits of an ECI designator with its mode indicator.
size_t QrEciHeaderBits(int32_t designator);
bool AppendQrEciHeader(CBitString& bits, int32_t designator);

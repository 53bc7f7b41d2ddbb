// The automatic choice of modes: which run of input values is written in
// which mode, so that mixed data takes few bits.
#pragma once

#include "symbol/qrcode/QrCapacityTable.h"
#include "symbol/qrcode/QrInput.h"

#include <cstddef>
#include <vector>

// A run of input values written in one mode.
struct QrSegment {
    QrMode mode = QrMode::kByte;
    size_t begin = 0; // index of the first value
    size_t count = 0; // number of values
};

// Segments for the versions of the group (0: 1-9, 1: 10-26, 2: 27-40),
// whose look-ahead windows differ.
std::vector<QrSegment> SegmentQrValues(const std::vector<QrValue>& values, int group);

// One segment of all values in a fixed mode.
std::vector<QrSegment> SingleQrSegment(const std::vector<QrValue>& values, QrMode mode);

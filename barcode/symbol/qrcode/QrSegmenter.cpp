#include "symbol/qrcode/QrSegmenter.h"

#include <array>

namespace {

// Look-ahead window lengths per version group. The longer the count
// indicators of a group, the longer a run must be before a change of mode
// pays for its header.
struct SegmentWindows {
    int alphanumericThenByte; // first decision for a letter
    int digitThenByte;        // first decision for a digit
    int digitThenAlphanumeric;
    int alphanumericToNumeric; // digits needed to leave alphanumeric
    int byteToAlphanumeric;    // alphanumerics needed to leave byte
    int byteToNumeric;         // digits needed to leave byte
};

constexpr std::array<SegmentWindows, 3> kWindows = {{
    {6, 4, 6, 13, 11, 6},
    {7, 4, 7, 15, 15, 8},
    {8, 5, 8, 17, 16, 9},
}};

class Segmenter {
  public:
    Segmenter(const std::vector<QrValue>& values, int group)
        : values_(values), windows_(kWindows[static_cast<size_t>(group)]) {}

    std::vector<QrMode> ChooseModes() const {
        std::vector<QrMode> modes(values_.size());
        if (values_.empty()) return modes;
        QrMode current = DecideAnew(0);
        for (size_t i = 0; i < values_.size(); ++i) {
            modes[i] = current;
            if (i + 1 < values_.size()) current = NextMode(current, i + 1);
        }
        return modes;
    }

  private:
    QrValueClass ClassAt(size_t i) const { return ClassifyQrValue(values_[i]); }

    // The first value from `from` within `window` values for which `stops`
    // holds, or the end when there is none.
    template <typename Predicate>
    size_t FirstWithin(size_t from, int window, Predicate stops) const {
        const size_t end = from + static_cast<size_t>(window);
        for (size_t i = from; i < end && i < values_.size(); ++i)
            if (stops(ClassAt(i))) return i;
        return values_.size();
    }

    // Whether all `window` values from `from` exist and have the property.
    template <typename Predicate> bool AllWithin(size_t from, int window, Predicate holds) const {
        if (values_.size() - from < static_cast<size_t>(window)) return false;
        for (size_t i = from; i < from + static_cast<size_t>(window); ++i)
            if (!holds(ClassAt(i))) return false;
        return true;
    }

    static bool IsDigit(QrValueClass c) { return c == QrValueClass::kDigit; }
    static bool IsAlphanumeric(QrValueClass c) {
        return c == QrValueClass::kDigit || c == QrValueClass::kAlphanumeric;
    }

    bool FirstIs(size_t position, QrValueClass wanted) const {
        return position < values_.size() && ClassAt(position) == wanted;
    }

    QrMode DecideAnew(size_t i) const {
        switch (ClassAt(i)) {
        case QrValueClass::kKanji:
            return QrMode::kKanji;
        case QrValueClass::kByte:
            return QrMode::kByte;
        case QrValueClass::kAlphanumeric: {
            const size_t outside = FirstWithin(i, windows_.alphanumericThenByte,
                                               [](QrValueClass c) { return !IsAlphanumeric(c); });
            return FirstIs(outside, QrValueClass::kByte) ? QrMode::kByte : QrMode::kAlphanumeric;
        }
        case QrValueClass::kDigit:
            break;
        }
        const auto notDigit = [](QrValueClass c) { return !IsDigit(c); };
        if (FirstIs(FirstWithin(i, windows_.digitThenByte, notDigit), QrValueClass::kByte))
            return QrMode::kByte;
        if (FirstIs(FirstWithin(i, windows_.digitThenAlphanumeric, notDigit),
                    QrValueClass::kAlphanumeric))
            return QrMode::kAlphanumeric;
        return QrMode::kNumeric;
    }

    QrMode NextMode(QrMode current, size_t next) const {
        const QrValueClass nextClass = ClassAt(next);
        switch (current) {
        case QrMode::kKanji:
            return DecideAnew(next);
        case QrMode::kAlphanumeric:
            if (nextClass == QrValueClass::kKanji) return QrMode::kKanji;
            if (nextClass == QrValueClass::kByte) return QrMode::kByte;
            if (AllWithin(next, windows_.alphanumericToNumeric, IsDigit)) return QrMode::kNumeric;
            return QrMode::kAlphanumeric;
        case QrMode::kByte:
            if (nextClass == QrValueClass::kKanji) return QrMode::kKanji;
            if (AllWithin(next, windows_.byteToAlphanumeric, IsAlphanumeric))
                return QrMode::kAlphanumeric;
            if (AllWithin(next, windows_.byteToNumeric, IsDigit)) return QrMode::kNumeric;
            return QrMode::kByte;
        case QrMode::kNumeric:
        default:
            if (nextClass == QrValueClass::kKanji) return QrMode::kKanji;
            if (nextClass == QrValueClass::kByte) return QrMode::kByte;
            if (nextClass == QrValueClass::kAlphanumeric) return QrMode::kAlphanumeric;
            return QrMode::kNumeric;
        }
    }

    const std::vector<QrValue>& values_;
    const SegmentWindows& windows_;
};

std::vector<QrSegment> RunsOfEqualModes(const std::vector<QrMode>& modes) {
    std::vector<QrSegment> segments;
    for (size_t i = 0; i < modes.size(); ++i) {
        if (segments.empty() || segments.back().mode != modes[i])
            segments.push_back(QrSegment{modes[i], i, 0});
        ++segments.back().count;
    }
    return segments;
}

} // namespace

std::vector<QrSegment> SegmentQrValues(const std::vector<QrValue>& values, int group) {
    if (group < 0 || group >= static_cast<int>(kWindows.size())) group = 0;
    return RunsOfEqualModes(Segmenter(values, group).ChooseModes());
}

std::vector<QrSegment> SingleQrSegment(const std::vector<QrValue>& values, QrMode mode) {
    if (values.empty()) return {};
    return {QrSegment{mode, 0, values.size()}};
}

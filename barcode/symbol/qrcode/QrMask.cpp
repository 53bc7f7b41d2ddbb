#include "symbol/qrcode/QrMask.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

class ModuleView {
  public:
    ModuleView(const std::vector<uint8_t>& dark, int size) : dark_(dark), size_(size) {}

    int Size() const { return size_; }
    // Along a row (horizontal) or down a column (vertical): line, position.
    bool Dark(bool horizontal, int line, int position) const {
        const int row = horizontal ? line : position;
        const int column = horizontal ? position : line;
        return dark_[static_cast<size_t>(row) * static_cast<size_t>(size_) +
                     static_cast<size_t>(column)] != 0;
    }

  private:
    const std::vector<uint8_t>& dark_;
    int size_;
};

// Per module, the length of the run of one colour it starts in the
// direction, 0 where it continues a run.
std::vector<int> RunStarts(const ModuleView& view, bool horizontal) {
    const int size = view.Size();
    std::vector<int> starts(static_cast<size_t>(size) * static_cast<size_t>(size), 0);
    for (int line = 0; line < size; ++line) {
        for (int position = 0; position < size;) {
            const bool colour = view.Dark(horizontal, line, position);
            int length = 1;
            while (position + length < size &&
                   view.Dark(horizontal, line, position + length) == colour)
                ++length;
            const int row = horizontal ? line : position;
            const int column = horizontal ? position : line;
            starts[static_cast<size_t>(row) * static_cast<size_t>(size) +
                   static_cast<size_t>(column)] = length;
            position += length;
        }
    }
    return starts;
}

// A module starting runs in both directions counts only the longer one.
int64_t RunPenalty(const ModuleView& view) {
    const std::vector<int> horizontal = RunStarts(view, true);
    const std::vector<int> vertical = RunStarts(view, false);
    int64_t penalty = 0;
    for (size_t i = 0; i < horizontal.size(); ++i) {
        const int h = horizontal[i];
        const int w = vertical[i];
        if (h > 5 && w < h)
            penalty += h - 5;
        else if (w > 5)
            penalty += w - 5;
    }
    return penalty;
}

int64_t BlockPenalty(const ModuleView& view) {
    int64_t blocks = 0;
    for (int row = 0; row + 1 < view.Size(); ++row)
        for (int column = 0; column + 1 < view.Size(); ++column) {
            const bool colour = view.Dark(true, row, column);
            if (view.Dark(true, row, column + 1) == colour &&
                view.Dark(true, row + 1, column) == colour &&
                view.Dark(true, row + 1, column + 1) == colour)
                ++blocks;
        }
    return blocks;
}

constexpr std::array<bool, 7> kFinderLike = {true, false, true, true, true, false, true};

bool FinderLikeAt(const ModuleView& view, bool horizontal, int line, int start) {
    const int length = static_cast<int>(kFinderLike.size());
    for (int i = 0; i < length; ++i)
        if (view.Dark(horizontal, line, start + i) != kFinderLike[static_cast<size_t>(i)])
            return false;
    const bool lightBefore = start == 0 || !view.Dark(horizontal, line, start - 1);
    const bool lightAfter =
        start + length == view.Size() || !view.Dark(horizontal, line, start + length);
    return lightBefore && lightAfter;
}

int64_t FinderLikePenalty(const ModuleView& view) {
    const int last = view.Size() - static_cast<int>(kFinderLike.size());
    int64_t count = 0;
    for (bool horizontal : {true, false})
        for (int line = 0; line < view.Size(); ++line)
            for (int start = 0; start <= last; ++start)
                if (FinderLikeAt(view, horizontal, line, start)) ++count;
    return count;
}

// 10 × floor(20 × |dark / all − 1/2|), in integers: 20·|d/n − 1/2| = 10·|2d − n| / n.
int64_t BalancePenalty(const std::vector<uint8_t>& dark) {
    if (dark.empty()) return 0;
    const auto all = static_cast<int64_t>(dark.size());
    const auto darkCount = static_cast<int64_t>(
        std::count_if(dark.begin(), dark.end(), [](uint8_t m) { return m != 0; }));
    return 10 * (10 * std::llabs(2 * darkCount - all) / all);
}

} // namespace

bool QrMaskInverts(int mask, int row, int column) {
    const int i = row;
    const int j = column;
    switch (mask) {
    case 0:
        return (i + j) % 2 == 0;
    case 1:
        return i % 2 == 0;
    case 2:
        return j % 3 == 0;
    case 3:
        return (i + j) % 3 == 0;
    case 4:
        return (i / 2 + j / 3) % 2 == 0;
    case 5:
        return (i * j) % 2 + (i * j) % 3 == 0;
    case 6:
        return ((i * j) % 2 + (i * j) % 3) % 2 == 0;
    case 7:
        return ((i + j) % 2 + (i * j) % 3) % 2 == 0;
    default:
        return false;
    }
}

QrPenalty ScoreQrModules(const std::vector<uint8_t>& dark, int size) {
    QrPenalty penalty;
    if (size <= 0 || dark.size() != static_cast<size_t>(size) * static_cast<size_t>(size))
        return penalty;
    const ModuleView view(dark, size);
    penalty.runs = RunPenalty(view);
    penalty.blocks = BlockPenalty(view);
    penalty.finderLike = FinderLikePenalty(view);
    penalty.balance = BalancePenalty(dark);
    return penalty;
}

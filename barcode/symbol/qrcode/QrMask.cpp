#include "symbol/qrcode/QrMask.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

// The score walks every module of every mask candidate, so it works on a
// row-major grid of 0/1 bytes through plain indexing, row by row (the
// vertical rules too, with one running state per column).

// The run penalty: each module that starts a run of one colour across or
// down counts the longer of its two runs beyond five (a module starting
// neither counts nothing). Colours change about every other module, so the
// lengths are computed without branches on them: from the far end, a
// module's run continues its neighbour's when both have the same colour.
// Run lengths fit a byte (at most 177 modules).
int64_t RunPenalty(const uint8_t* dark, int size, std::vector<uint8_t>& across,
                   std::vector<uint8_t>& down) {
    const auto n = static_cast<size_t>(size);
    across.resize(n * n);
    down.resize(n * n);
    for (size_t row = 0; row < n; ++row) {
        const uint8_t* line = dark + row * n;
        uint8_t* length = across.data() + row * n;
        length[n - 1] = 1;
        for (size_t column = n - 1; column-- > 0;)
            length[column] =
                static_cast<uint8_t>((line[column] == line[column + 1]) * length[column + 1] + 1);
    }
    std::fill(down.end() - static_cast<std::ptrdiff_t>(n), down.end(), uint8_t{1});
    for (size_t row = n - 1; row-- > 0;) {
        const uint8_t* line = dark + row * n;
        const uint8_t* below = line + n;
        const uint8_t* lengthBelow = down.data() + (row + 1) * n;
        uint8_t* length = down.data() + row * n;
        for (size_t column = 0; column < n; ++column)
            length[column] =
                static_cast<uint8_t>((line[column] == below[column]) * lengthBelow[column] + 1);
    }
    int64_t penalty = 0;
    for (size_t row = 0; row < n; ++row) {
        const uint8_t* line = dark + row * n;
        const uint8_t* above = row > 0 ? line - n : nullptr;
        for (size_t column = 0; column < n; ++column) {
            const bool startsAcross = column == 0 || line[column - 1] != line[column];
            const bool startsDown = above == nullptr || above[column] != line[column];
            const int longest = std::max(startsAcross * across[row * n + column],
                                         startsDown * down[row * n + column]);
            penalty += std::max(longest, 5) - 5;
        }
    }
    return penalty;
}

int64_t BlockPenalty(const uint8_t* dark, int size) {
    const auto n = static_cast<size_t>(size);
    int64_t blocks = 0;
    for (size_t row = 0; row + 1 < n; ++row) {
        const uint8_t* top = dark + row * n;
        const uint8_t* bottom = top + n;
        for (size_t column = 0; column + 1 < n; ++column) {
            const uint8_t colour = top[column];
            // & rather than &&: no branch on the colours.
            blocks += (top[column + 1] == colour) & (bottom[column] == colour) &
                      (bottom[column + 1] == colour);
        }
    }
    return blocks;
}

// dark, light, dark, dark, dark, light, dark as the last seven bits read.
constexpr unsigned kFinderLikeBits = 0b1011101;
constexpr unsigned kSevenBits = 0x7F;
constexpr size_t kFinderLikeLength = 7;

// The pattern ending at the module last read, between light modules or the
// edge: before is the module ahead of the pattern, after the one behind it.
bool FinderLikeEndsHere(unsigned window, size_t end, size_t n, uint8_t before, uint8_t after) {
    if (end + 1 < kFinderLikeLength || (window & kSevenBits) != kFinderLikeBits) return false;
    const bool lightBefore = end + 1 == kFinderLikeLength || before == 0;
    const bool lightAfter = end + 1 == n || after == 0;
    return lightBefore && lightAfter;
}

int64_t FinderLikePenalty(const uint8_t* dark, int size, std::vector<unsigned>& columnWindows) {
    const auto n = static_cast<size_t>(size);
    int64_t count = 0;
    columnWindows.assign(n, 0);
    for (size_t row = 0; row < n; ++row) {
        const uint8_t* line = dark + row * n;
        unsigned window = 0;
        for (size_t column = 0; column < n; ++column) {
            window = (window << 1) | line[column];
            const size_t first = column + 1 - std::min(column + 1, kFinderLikeLength);
            count += FinderLikeEndsHere(window, column, n, first > 0 ? line[first - 1] : 0,
                                        column + 1 < n ? line[column + 1] : 0);
        }
        for (size_t column = 0; column < n; ++column) {
            unsigned& down = columnWindows[column];
            down = (down << 1) | line[column];
            const size_t first = row + 1 - std::min(row + 1, kFinderLikeLength);
            count +=
                FinderLikeEndsHere(down, row, n, first > 0 ? dark[(first - 1) * n + column] : 0,
                                   row + 1 < n ? line[n + column] : 0);
        }
    }
    return count;
}

// 10 × floor(20 × |dark / all − 1/2|), in integers: 20·|d/n − 1/2| = 10·|2d − n| / n.
int64_t BalancePenalty(const uint8_t* dark, size_t all) {
    if (all == 0) return 0;
    const auto darkCount = static_cast<int64_t>(std::count(dark, dark + all, uint8_t{1}));
    const auto total = static_cast<int64_t>(all);
    return 10 * (10 * std::llabs(2 * darkCount - total) / total);
}

} // namespace

QrPenalty QrMaskScorer::Score(const uint8_t* dark, int size) {
    QrPenalty penalty;
    if (size <= 0) return penalty;
    penalty.runs = RunPenalty(dark, size, runsAcross_, runsDown_);
    penalty.blocks = BlockPenalty(dark, size);
    penalty.finderLike = FinderLikePenalty(dark, size, columnWindows_);
    penalty.balance = BalancePenalty(dark, static_cast<size_t>(size) * static_cast<size_t>(size));
    return penalty;
}

QrPenalty ScoreQrModules(const std::vector<uint8_t>& dark, int size) {
    if (size <= 0 || dark.size() != static_cast<size_t>(size) * static_cast<size_t>(size))
        return {};
    std::vector<uint8_t> modules(dark.size());
    std::transform(dark.begin(), dark.end(), modules.begin(),
                   [](uint8_t module) { return static_cast<uint8_t>(module != 0); });
    QrMaskScorer scorer;
    return scorer.Score(modules.data(), size);
}

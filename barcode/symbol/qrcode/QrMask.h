// The eight data mask patterns and the score that picks one of them.
#pragma once

#include <cstdint>
#include <vector>

inline constexpr int kQrMaskCount = 8;

// Whether mask pattern 0..7 inverts the module at row and column
// (ISO/IEC 18004, Table 10).
// Inline: masking asks it for every module of eight candidates.
inline bool QrMaskInverts(int mask, int row, int column) {
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

// The parts of a symbol's score; the lower the score, the easier the symbol
// is to read.
struct QrPenalty {
    int64_t runs = 0;       // beyond five modules of one colour in a row or column
    int64_t blocks = 0;     // 2 × 2 blocks of one colour
    int64_t finderLike = 0; // 1:1:3:1:1 patterns bounded by light or the edge
    int64_t balance = 0;    // distance of the dark share from one half

    int64_t Score() const { return 3 * runs + 3 * blocks + 40 * finderLike + balance; }
};

// Scores a square of size × size modules, row by row, non-zero = dark.
QrPenalty ScoreQrModules(const std::vector<uint8_t>& dark, int size);

// Scores one candidate after another with the same working buffers: the
// mask choice scores eight candidates of one symbol.
class QrMaskScorer {
  public:
    // dark: size × size modules, row by row, each exactly 0 or 1.
    QrPenalty Score(const uint8_t* dark, int size);

  private:
    std::vector<uint8_t> runsAcross_; // per module, its run's length onwards
    std::vector<uint8_t> runsDown_;
    std::vector<unsigned> columnWindows_;
};

// What each QR Code version offers at each error correction level: the
// codewords, their division into Reed-Solomon blocks, the character
// capacities, and where the alignment patterns sit.
#pragma once

#include <cstdint>
#include <span>

inline constexpr int kQrMinVersion = 1;
inline constexpr int kQrMaxVersion = 40;
inline constexpr int kQrLevelCount = 4; // 0 L, 1 M, 2 Q, 3 H

// The four ways data characters are written, numbered as the mode option.
enum class QrMode : int32_t {
    kAlphanumeric = 0,
    kByte = 1,
    kNumeric = 2,
    kKanji = 3,
    kAutomatic = 4,
};

class QrCapacityTable {
  public:
    static bool IsVersion(int version) {
        return version >= kQrMinVersion && version <= kQrMaxVersion;
    }
    static bool IsLevel(int level) { return level >= 0 && level < kQrLevelCount; }
    static constexpr int SymbolSize(int version) { return 17 + 4 * version; }

    static int TotalCodewords(int version);
    static int BlockCount(int version, int level);
    static int EccCodewordsPerBlock(int version, int level);
    static int DataCodewords(int version, int level);
    static int DataBits(int version, int level) { return 8 * DataCodewords(version, level); }

    // The most characters of one mode that one segment can carry.
    static int NumericCapacity(int version, int level);
    static int AlphanumericCapacity(int version, int level);
    static int ByteCapacity(int version, int level);
    static int KanjiCapacity(int version, int level);

    // Row and column coordinates of the alignment pattern centres.
    static std::span<const uint8_t> AlignmentCentres(int version);
};

// Versions 1-9, 10-26 and 27-40 share the lengths of the character count
// indicators (and the windows of the automatic segmentation).
inline constexpr int kQrVersionGroupCount = 3;
int QrVersionGroup(int version);
int QrFirstVersionOfGroup(int group);
int QrLastVersionOfGroup(int group);
int QrCharacterCountBits(QrMode mode, int group);

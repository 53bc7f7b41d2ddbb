#include "symbol/datamatrix/SymbolSizes.h"

namespace datamatrix {
namespace {

int32_t Capacity(int32_t index) {
    return kSymbolSizes[static_cast<size_t>(index)].dataCodewords;
}

int32_t StartIndex(int32_t requested, size_t count) {
    if (requested < 0 || requested >= kSizeCount) return 0;
    return static_cast<size_t>(Capacity(requested)) < count ? 0 : requested;
}

// At the end of a symbol a decoder reads a lone codeword after C40/Text as
// ASCII and needs no Unlatch there: the one the run wrote can go.
bool DropUnlatchForSizeShortByOne(EncodedData& data) {
    Codewords& codewords = data.codewords;
    size_t count = codewords.size();
    if (data.tailFlag) {
        if (count < 2 || codewords[count - 2] != kUnlatch) return false;
        codewords.erase(codewords.end() - 2);
        return true;
    }
    if (count < 1 || codewords.back() != kUnlatch) return false;
    codewords.pop_back();
    return true;
}

} // namespace

int32_t BlockDataCodewords(const SymbolSize& size, int32_t block) {
    if (block < 0 || block >= size.blocks) return 0;
    return (size.dataCodewords - block + size.blocks - 1) / size.blocks;
}

int32_t ChooseSymbolSize(EncodedData& data, int32_t requested) {
    const bool c40OrText = IsC40OrText(data.finalEncodation);
    int32_t chosen = -1;
    bool unlatchDropped = false;
    for (int32_t index = StartIndex(requested, data.codewords.size()); index < kSizeCount;
         ++index) {
        const size_t capacity = static_cast<size_t>(Capacity(index));
        const size_t count = data.codewords.size();
        if (capacity >= count) {
            chosen = index;
            break;
        }
        if (c40OrText && capacity + 1 == count && DropUnlatchForSizeShortByOne(data)) {
            chosen = index;
            unlatchDropped = true;
            break;
        }
    }
    if (chosen < 0) return -1;
    // Once the Unlatch is gone, a final 254 is the second half of a codeword
    // pair and must stay as it is.
    Codewords& codewords = data.codewords;
    if (c40OrText && !data.tailFlag && !unlatchDropped &&
        codewords.size() == static_cast<size_t>(Capacity(chosen)) && codewords.back() == kUnlatch)
        codewords.back() = kPad;
    return chosen;
}

} // namespace datamatrix

#include "symbol/datamatrix/Interleaving.h"

#include "symbol/datamatrix/ReedSolomon.h"

namespace datamatrix {
namespace {

Codewords BlockData(const Codewords& data, int32_t block, int32_t blocks) {
    Codewords blockData;
    for (size_t i = static_cast<size_t>(block); i < data.size(); i += static_cast<size_t>(blocks))
        blockData.push_back(data[i]);
    return blockData;
}

// Where a block's error codewords go within each round of the interleaving.
// Only the 144x144 size has blocks of unequal length (its last two are one
// data codeword short); there the round starts with the short blocks, the
// arrangement that readers and the reference encoders use for that size.
size_t ErrorSlotOfBlock(const SymbolSize& size, size_t block) {
    const size_t blocks = static_cast<size_t>(size.blocks);
    const size_t shortBlocks =
        static_cast<size_t>(size.dataPerBlock * size.blocks - size.dataCodewords);
    return (block + shortBlocks) % blocks;
}

} // namespace

Codewords AppendErrorCorrection(const Codewords& data, const SymbolSize& size) {
    const size_t blocks = static_cast<size_t>(size.blocks);
    Codewords all(data);
    all.resize(data.size() + static_cast<size_t>(size.errorCodewords), 0);
    for (size_t block = 0; block < blocks; ++block) {
        Codewords errors = ComputeErrorCodewords(
            BlockData(data, static_cast<int32_t>(block), size.blocks), size.errorPerBlock);
        for (size_t j = 0; j < errors.size(); ++j) {
            size_t target = data.size() + ErrorSlotOfBlock(size, block) + j * blocks;
            if (target < all.size()) all[target] = errors[j];
        }
    }
    return all;
}

} // namespace datamatrix

#include "symbol/datamatrix/Padding.h"

namespace datamatrix {

void PadToCapacity(Codewords& codewords, size_t capacity) {
    if (codewords.size() < capacity) codewords.push_back(kPad);
    while (codewords.size() < capacity)
        codewords.push_back(Randomise253State(kPad, codewords.size() + 1));
}

} // namespace datamatrix

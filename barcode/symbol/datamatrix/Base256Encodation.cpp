#include "symbol/datamatrix/Base256Encodation.h"

namespace datamatrix {
namespace {

// Randomising depends on where the codeword lands in the whole stream.
void AppendRandomised(int32_t value, Codewords& codewords) {
    codewords.push_back(Randomise255State(value, codewords.size() + 1));
}

} // namespace

void AppendBase256Run(const uint8_t* bytes, size_t count, Codewords& codewords) {
    codewords.push_back(kLatchBase256);
    if (count < 250) {
        AppendRandomised(static_cast<int32_t>(count), codewords);
    } else {
        AppendRandomised(static_cast<int32_t>(count / 250 + 249), codewords);
        AppendRandomised(static_cast<int32_t>(count % 250), codewords);
    }
    for (size_t i = 0; i < count; ++i)
        AppendRandomised(bytes[i], codewords);
}

void EncodeBase256(const uint8_t* data, size_t size, EncodedData& result) {
    result.finalEncodation = Encodation::Base256;
    AppendBase256Run(data, size, result.codewords);
}

} // namespace datamatrix

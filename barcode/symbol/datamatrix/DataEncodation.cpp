#include "symbol/datamatrix/DataEncodation.h"

#include "symbol/datamatrix/AsciiEncodation.h"
#include "symbol/datamatrix/Base256Encodation.h"
#include "symbol/datamatrix/C40TextEncodation.h"

namespace datamatrix {

EncodedData EncodeData(const uint8_t* data, size_t size, int32_t requested) {
    EncodedData result;
    if (size == 0) return result;
    switch (requested) {
    case 0:
        EncodeAscii(data, size, result);
        break;
    case 1:
        EncodeC40Text(data, size, Encodation::C40, result);
        break;
    case 2:
        EncodeC40Text(data, size, Encodation::Text, result);
        break;
    case 3:
        EncodeBase256(data, size, result);
        break;
    case 4:
        result.codewords.assign(data, data + size);
        result.finalEncodation = Encodation::None;
        break;
    default:
        EncodeAutomatic(data, size, result);
        break;
    }
    return result;
}

} // namespace datamatrix

#include "symbol/datamatrix/AsciiEncodation.h"

namespace datamatrix {

void AppendAsciiCharacter(uint8_t byte, Codewords& codewords) {
    if (byte > 127) {
        codewords.push_back(kUpperShift);
        codewords.push_back(byte - 127);
        return;
    }
    codewords.push_back(byte + 1);
}

void AppendDigitPair(uint8_t tens, uint8_t units, Codewords& codewords) {
    codewords.push_back(kFirstDigitPair + (tens - '0') * 10 + (units - '0'));
}

bool StartsDigitPair(const uint8_t* data, size_t size, size_t position) {
    return position + 1 < size && IsDigit(data[position]) && IsDigit(data[position + 1]);
}

void EncodeAscii(const uint8_t* data, size_t size, EncodedData& result) {
    result.finalEncodation = Encodation::Ascii;
    for (size_t position = 0; position < size;) {
        if (StartsDigitPair(data, size, position)) {
            AppendDigitPair(data[position], data[position + 1], result.codewords);
            position += 2;
        } else {
            AppendAsciiCharacter(data[position], result.codewords);
            ++position;
        }
    }
}

} // namespace datamatrix

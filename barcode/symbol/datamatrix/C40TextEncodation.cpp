#include "symbol/datamatrix/C40TextEncodation.h"

#include "symbol/datamatrix/AsciiEncodation.h"

namespace datamatrix {
namespace {

constexpr int32_t kShift1 = 0;
constexpr int32_t kShift2 = 1;
constexpr int32_t kShift3 = 2;
constexpr int32_t kUpperShiftValue = 30; // in the Shift 2 set
constexpr int32_t kSpaceValue = 3;
constexpr int32_t kFirstDigitValue = 4;
constexpr int32_t kFirstLetterValue = 14;

bool IsUpper(uint8_t byte) {
    return byte >= 'A' && byte <= 'Z';
}
bool IsLower(uint8_t byte) {
    return byte >= 'a' && byte <= 'z';
}

// The letters of the basic set and those behind Shift 3 trade places in Text.
bool IsBasicLetter(uint8_t byte, Encodation encodation) {
    return encodation == Encodation::Text ? IsLower(byte) : IsUpper(byte);
}

bool IsShift3Letter(uint8_t byte, Encodation encodation) {
    return encodation == Encodation::Text ? IsUpper(byte) : IsLower(byte);
}

// A character below 128: its shift value (if any) and its value.
void AppendSevenBitValues(uint8_t byte, Encodation encodation, std::vector<int32_t>& values) {
    if (byte == ' ') {
        values.push_back(kSpaceValue);
    } else if (IsDigit(byte)) {
        values.push_back(kFirstDigitValue + (byte - '0'));
    } else if (IsBasicLetter(byte, encodation)) {
        values.push_back(kFirstLetterValue + (byte & 0x1F) - 1);
    } else if (byte < 32) {
        values.push_back(kShift1);
        values.push_back(byte);
    } else if (byte <= '/') {
        values.push_back(kShift2);
        values.push_back(byte - '!');
    } else if (byte <= '@') {
        values.push_back(kShift2);
        values.push_back(byte - ':' + 15);
    } else if (byte >= '[' && byte <= '_') {
        values.push_back(kShift2);
        values.push_back(byte - '[' + 22);
    } else if (byte == '`') {
        values.push_back(kShift3);
        values.push_back(0);
    } else if (IsShift3Letter(byte, encodation)) {
        values.push_back(kShift3);
        values.push_back(byte & 0x1F);
    } else { // { | } ~ DEL
        values.push_back(kShift3);
        values.push_back(byte - '{' + 27);
    }
}

} // namespace

bool IsInBasicSet(uint8_t byte, Encodation encodation) {
    return byte == ' ' || IsDigit(byte) || IsBasicLetter(byte, encodation);
}

void AppendC40TextValues(uint8_t byte, Encodation encodation, std::vector<int32_t>& values) {
    if (byte > 127) {
        values.push_back(kShift2);
        values.push_back(kUpperShiftValue);
        byte = static_cast<uint8_t>(byte - 128);
    }
    AppendSevenBitValues(byte, encodation, values);
}

C40TextRun::C40TextRun(Encodation encodation, Codewords& codewords)
    : encodation_(encodation), codewords_(codewords) {
    codewords_.push_back(encodation == Encodation::Text ? kLatchText : kLatchC40);
    firstPairIndex_ = codewords_.size();
}

void C40TextRun::Add(uint8_t byte) {
    characters_.push_back(byte);
    characterStarts_.push_back(values_.size());
    size_t before = values_.size();
    AppendC40TextValues(byte, encodation_, values_);
    for (size_t end = before + 1; end <= values_.size(); ++end)
        if (end % 3 == 0) AppendPair(values_[end - 3], values_[end - 2], values_[end - 1]);
}

void C40TextRun::AppendPair(int32_t first, int32_t second, int32_t third) {
    int32_t packed = 1600 * first + 40 * second + third + 1;
    codewords_.push_back(packed / 256);
    codewords_.push_back(packed % 256);
}

// A codeword pair may end in the value 254 itself, so whether the run has
// unlatched is remembered rather than read from the last codeword.
void C40TextRun::Unlatch() {
    if (unlatched_) return;
    codewords_.push_back(kUnlatch);
    unlatched_ = true;
}

bool C40TextRun::FinishAtEndOfData() {
    size_t pending = values_.size() % 3;
    if (pending == 2) {
        values_.push_back(kShift1);
        AppendPair(values_[values_.size() - 3], values_[values_.size() - 2], kShift1);
    }
    if (pending != 1) {
        Unlatch();
        return false;
    }
    ReencodeTailInAscii();
    return true;
}

// Usually the single pending value is the whole last character. When it is
// only the end of a character that began in the last pair, that pair would
// leave a shift without its value; so characters are taken back until the
// values left end on a triplet or one short of it.
void C40TextRun::ReencodeTailInAscii() {
    size_t keptCharacters = characters_.size();
    size_t keptValues = values_.size();
    while (keptValues % 3 == 1 && keptCharacters > 0) {
        --keptCharacters;
        keptValues = characterStarts_[keptCharacters];
    }
    codewords_.resize(firstPairIndex_ + keptValues / 3 * 2);
    if (keptValues % 3 == 2) AppendPair(values_[keptValues - 2], values_[keptValues - 1], kShift1);
    Unlatch();
    for (size_t i = keptCharacters; i < characters_.size(); ++i)
        AppendAsciiCharacter(characters_[i], codewords_);
}

void EncodeC40Text(const uint8_t* data, size_t size, Encodation encodation, EncodedData& result) {
    result.finalEncodation = encodation;
    C40TextRun run(encodation, result.codewords);
    for (size_t position = 0; position < size; ++position)
        run.Add(data[position]);
    result.tailFlag = run.FinishAtEndOfData();
}

} // namespace datamatrix

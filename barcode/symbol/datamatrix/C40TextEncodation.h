// C40 and Text encodation: three values of 0..39 per codeword pair, with
// shift sets for the characters outside the basic set and an Upper Shift
// for bytes above 127. Text is C40 with upper and lower case swapped.
#pragma once

#include "symbol/datamatrix/Codewords.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace datamatrix {

// Space, digits and capitals (C40) or small letters (Text): one value each.
bool IsInBasicSet(uint8_t byte, Encodation encodation);

// The values of one character, shift and Upper Shift values included.
void AppendC40TextValues(uint8_t byte, Encodation encodation, std::vector<int32_t>& values);

// One run of C40 or Text codewords, from its latch to its Unlatch.
class C40TextRun {
  public:
    // Writes the latch of the encodation.
    C40TextRun(Encodation encodation, Codewords& codewords);

    // Adds the values of one character; each completed triplet becomes a
    // codeword pair at once.
    void Add(uint8_t byte);
    bool TripletComplete() const { return values_.size() % 3 == 0; }

    // Returns to ASCII, once.
    void Unlatch();

    // Ends the run at the end of the data. Two pending values are completed
    // with a Shift 1; a single pending value cannot form a codeword pair, so
    // its character goes into ASCII after the Unlatch. Returns whether that
    // happened (the tail flag).
    bool FinishAtEndOfData();

  private:
    void AppendPair(int32_t first, int32_t second, int32_t third);
    void ReencodeTailInAscii();

    Encodation encodation_;
    Codewords& codewords_;
    size_t firstPairIndex_;
    std::vector<int32_t> values_;
    // Per character of the run: its byte and the index of its first value,
    // so that a tail can be taken back whole.
    std::vector<uint8_t> characters_;
    std::vector<size_t> characterStarts_;
    bool unlatched_ = false;
};

// The whole data in C40 or Text.
void EncodeC40Text(const uint8_t* data, size_t size, Encodation encodation, EncodedData& result);

} // namespace datamatrix

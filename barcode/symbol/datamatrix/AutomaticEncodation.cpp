// The automatic encodation: ASCII by default, digit pairs without asking,
// and the look-ahead at every point where a switch is possible.
#include "symbol/datamatrix/AsciiEncodation.h"
#include "symbol/datamatrix/Base256Encodation.h"
#include "symbol/datamatrix/C40TextEncodation.h"
#include "symbol/datamatrix/DataEncodation.h"
#include "symbol/datamatrix/LookAhead.h"

namespace datamatrix {
namespace {

class AutomaticEncoder {
  public:
    AutomaticEncoder(const uint8_t* data, size_t size, EncodedData& result)
        : data_(data), size_(size), result_(result) {}

    void Run() {
        while (position_ < size_) {
            if (mode_ == Encodation::Ascii)
                EncodeInAscii();
            else if (mode_ == Encodation::Base256)
                EncodeBase256Run();
            else
                EncodeC40TextRun();
        }
        result_.finalEncodation = mode_;
    }

  private:
    // One digit pair or one character, unless the look-ahead wants to leave.
    void EncodeInAscii() {
        if (StartsDigitPair(data_, size_, position_)) {
            AppendDigitPair(data_[position_], data_[position_ + 1], result_.codewords);
            position_ += 2;
            return;
        }
        Encodation next = ChooseEncodation(data_, size_, position_, Encodation::Ascii);
        if (next != Encodation::Ascii) {
            mode_ = next;
            return;
        }
        AppendAsciiCharacter(data_[position_], result_.codewords);
        ++position_;
    }

    // A C40/Text run can be left only between codeword pairs, so the
    // look-ahead is asked only when a triplet is complete. Every way out of
    // C40/Text leads through ASCII, so the run's Unlatch is written here,
    // whatever encodation follows.
    void EncodeC40TextRun() {
        C40TextRun run(mode_, result_.codewords);
        for (;;) {
            do {
                run.Add(data_[position_++]);
            } while (position_ < size_ && !run.TripletComplete());
            if (position_ == size_) {
                result_.tailFlag = run.FinishAtEndOfData();
                return;
            }
            Encodation next = ChooseEncodation(data_, size_, position_, mode_);
            if (next != mode_) {
                run.Unlatch();
                mode_ = next;
                return;
            }
        }
    }

    // The length field comes before the bytes, so the run is collected first.
    void EncodeBase256Run() {
        size_t start = position_;
        Encodation next = Encodation::Base256;
        do {
            ++position_;
            if (position_ < size_)
                next = ChooseEncodation(data_, size_, position_, Encodation::Base256);
        } while (position_ < size_ && next == Encodation::Base256);
        AppendBase256Run(data_ + start, position_ - start, result_.codewords);
        // A Base 256 run ends by its length: ASCII follows without an Unlatch.
        if (position_ < size_) mode_ = next;
    }

    const uint8_t* data_;
    size_t size_;
    EncodedData& result_;
    size_t position_ = 0;
    Encodation mode_ = Encodation::Ascii;
};

} // namespace

void EncodeAutomatic(const uint8_t* data, size_t size, EncodedData& result) {
    AutomaticEncoder(data, size, result).Run();
}

} // namespace datamatrix

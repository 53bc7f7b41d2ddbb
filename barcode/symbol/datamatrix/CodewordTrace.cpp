#include "symbol/datamatrix/CodewordTrace.h"

#include "log/Log.h"

#include <cstddef>

namespace datamatrix {
namespace {

enum class TraceState { Ascii, C40Text, Base256 };

class CodewordTracer {
  public:
    explicit CodewordTracer(const Codewords& codewords) : codewords_(codewords) {}

    void Run() {
        LogWrite(kCodewordTraceLevel, "Datamatrix raw data codewords: \n");
        while (next_ < codewords_.size()) {
            if (state_ == TraceState::Ascii)
                TraceAscii();
            else if (state_ == TraceState::C40Text)
                TraceC40Text();
            else
                TraceBase256Byte();
        }
        LogWrite(kCodewordTraceLevel, "\n");
    }

  private:
    void TraceAscii() {
        const int32_t codeword = codewords_[next_++];
        if (codeword >= 1 && codeword <= 128) {
            LogWrite(kCodewordTraceLevel, "%d('%c') ", codeword, codeword - 1);
        } else if (codeword == kPad) {
            LogWrite(kCodewordTraceLevel, "%d(PAD) ", codeword);
        } else if (codeword >= kFirstDigitPair && codeword < kLatchC40) {
            const int32_t pair = codeword - kFirstDigitPair;
            LogWrite(kCodewordTraceLevel, "%d(%d,%d) ", codeword, pair / 10, pair % 10);
        } else if (codeword == kLatchC40) {
            LogWrite(kCodewordTraceLevel, "\n%d(Latch C40) ", codeword);
            state_ = TraceState::C40Text;
        } else if (codeword == kLatchText) {
            LogWrite(kCodewordTraceLevel, "\n%d(Latch Text) ", codeword);
            state_ = TraceState::C40Text;
        } else if (codeword == kLatchBase256) {
            TraceBase256Latch(codeword);
        } else {
            LogWrite(kCodewordTraceLevel, "%d ", codeword);
        }
    }

    // The length field is read through the randomising, so that the trace
    // shows the run's real length.
    void TraceBase256Latch(int32_t latch) {
        int32_t length = ReadLengthCodeword();
        if (length > 249) length = length * 250 + ReadLengthCodeword() - 62250;
        LogWrite(kCodewordTraceLevel, "\n%d(Latch Base256, %d bytes) ", latch, length);
        bytesLeft_ = length > 0 ? static_cast<size_t>(length) : 0;
        if (bytesLeft_ > 0) state_ = TraceState::Base256;
    }

    int32_t ReadLengthCodeword() {
        if (next_ >= codewords_.size()) return 0;
        const int32_t value = Unrandomise255State(codewords_[next_], next_ + 1);
        ++next_;
        return value;
    }

    void TraceC40Text() {
        const int32_t first = codewords_[next_];
        if (first == kUnlatch) {
            LogWrite(kCodewordTraceLevel, "%d(Unlatch)\n", first);
            state_ = TraceState::Ascii;
            ++next_;
            return;
        }
        if (next_ + 1 >= codewords_.size()) {
            LogWrite(kCodewordTraceLevel, "\n?%d ", first);
            ++next_;
            return;
        }
        const int32_t second = codewords_[next_ + 1];
        const int32_t packed = 256 * first + second - 1;
        LogWrite(kCodewordTraceLevel, "%d/%d (%d,%d,%d) ", first, second, packed / 1600,
                 packed % 1600 / 40, packed % 40);
        next_ += 2;
    }

    void TraceBase256Byte() {
        LogWrite(kCodewordTraceLevel, "%d ", codewords_[next_++]);
        if (--bytesLeft_ == 0) state_ = TraceState::Ascii;
    }

    const Codewords& codewords_;
    size_t next_ = 0;
    TraceState state_ = TraceState::Ascii;
    size_t bytesLeft_ = 0;
};

} // namespace

void TraceCodewords(const Codewords& codewords) {
    if (LogLevel() != kCodewordTraceLevel) return;
    CodewordTracer(codewords).Run();
}

} // namespace datamatrix

#include "symbol/pdf417/Pdf417Compaction.h"

#include <array>
#include <string_view>

namespace pdf417 {
namespace {

// The four text sub-modes, and the sub-mode latches between them.
enum class SubMode : uint8_t { Upper, Lower, Mixed, Punctuation };
constexpr size_t kSubModeCount = 4;

constexpr uint8_t kSpaceValue = 26;
constexpr uint8_t kPadValue = 29; // a punctuation shift, or in punctuation the latch to upper
constexpr std::string_view kMixedCharacters = "0123456789&\r\t,:#-.$/+%*=^";
constexpr std::string_view kPunctuationCharacters = ";<>@[\\]_`~!\r\t,:\n-.$/\"|*()?{}'";

// Where a character goes when the current sub-mode lacks it: the first
// sub-mode of the row that holds it.
constexpr SubMode kTargetOrder[kSubModeCount][3] = {
    {SubMode::Lower, SubMode::Mixed, SubMode::Punctuation}, // from upper
    {SubMode::Upper, SubMode::Mixed, SubMode::Punctuation}, // from lower
    {SubMode::Upper, SubMode::Lower, SubMode::Punctuation}, // from mixed
    {SubMode::Upper, SubMode::Mixed, SubMode::Lower},       // from punctuation
};

// The latch values from one sub-mode (row) to another (column). Where the
// standard has no direct latch the way leads through mixed or upper; -1 is
// an unused place.
using LatchValues = std::array<int8_t, 2>;
constexpr LatchValues kNoLatch = {-1, -1};
constexpr LatchValues kLatches[kSubModeCount][kSubModeCount] = {
    {kNoLatch, {27, -1}, {28, -1}, {28, 25}}, // upper: ll, ml, ml pl
    {{28, 28}, kNoLatch, {28, -1}, {28, 25}}, // lower: ml al, ml, ml pl
    {{28, -1}, {27, -1}, kNoLatch, {25, -1}}, // mixed: al, ll, pl
    {{29, -1}, {29, 27}, {29, 28}, kNoLatch}, // punctuation: al, al ll, al ml
};

int FindValue(std::string_view characters, unsigned char byte) {
    size_t at = characters.find(static_cast<char>(byte));
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

// The value of a character in a sub-mode, or -1 when the sub-mode lacks it.
int TextValue(SubMode mode, unsigned char byte) {
    switch (mode) {
    case SubMode::Upper:
        if (byte >= 'A' && byte <= 'Z') return byte - 'A';
        return byte == ' ' ? kSpaceValue : -1;
    case SubMode::Lower:
        if (byte >= 'a' && byte <= 'z') return byte - 'a';
        return byte == ' ' ? kSpaceValue : -1;
    case SubMode::Mixed:
        return byte == ' ' ? kSpaceValue : FindValue(kMixedCharacters, byte);
    case SubMode::Punctuation:
        return FindValue(kPunctuationCharacters, byte);
    }
    return -1;
}

bool IsDigit(unsigned char byte) {
    return byte >= '0' && byte <= '9';
}

class Compactor {
  public:
    Compactor(const std::string& data, CompactionMode startMode, size_t maxCodewords,
              std::vector<int32_t>& codewords)
        : data_(data), mode_(startMode), limit_(codewords.size() + maxCodewords), out_(codewords) {}

    int32_t Run();

  private:
    void MeasureRuns();
    size_t ByteSegmentEnd(size_t start) const;
    bool Overflowed() const { return out_.size() > limit_; }
    void LatchTo(CompactionMode mode, int32_t latch);
    void EncodeNumeric(size_t start, size_t length);
    void EncodeDigitGroup(std::string_view digits);
    int32_t EncodeText(size_t start, size_t length);
    void AppendTextValue(unsigned char byte, std::vector<uint8_t>& values);
    void EncodeBytes(size_t start, size_t length);
    void EncodeByteGroup(const unsigned char* bytes);

    const std::string& data_;
    CompactionMode mode_;
    SubMode subMode_ = SubMode::Upper;
    size_t textValues_ = 0;
    size_t limit_;
    std::vector<int32_t>& out_;
    // From each position: the digits and the text characters that follow
    // (a text run ends where a numeric segment would start).
    std::vector<uint32_t> digitRun_;
    std::vector<uint32_t> textRun_;
};

int32_t Compactor::Run() {
    // No mode packs more than three bytes into a codeword (numeric: 44
    // digits in 15), so longer data cannot fit; measuring it would only
    // cost time.
    if (data_.size() / 3 > limit_) return kErrorTooManyCodewords;
    MeasureRuns();
    size_t position = 0;
    while (position < data_.size() && !Overflowed()) {
        size_t length;
        if (digitRun_[position] >= kMinNumericRun) {
            length = digitRun_[position];
            EncodeNumeric(position, length);
        } else if (textRun_[position] >= kMinTextRun) {
            length = textRun_[position];
            if (EncodeText(position, length) != 0) return kErrorTooManyCodewords;
        } else {
            length = ByteSegmentEnd(position) - position;
            EncodeBytes(position, length);
        }
        position += length;
    }
    return Overflowed() ? kErrorTooManyCodewords : 0;
}

void Compactor::MeasureRuns() {
    const size_t size = data_.size();
    digitRun_.assign(size + 1, 0);
    textRun_.assign(size + 1, 0);
    for (size_t i = size; i-- > 0;) {
        const auto byte = static_cast<unsigned char>(data_[i]);
        if (IsDigit(byte)) digitRun_[i] = digitRun_[i + 1] + 1;
        if (IsTextCharacter(byte) && digitRun_[i] < kMinNumericRun)
            textRun_[i] = textRun_[i + 1] + 1;
    }
}

// A byte segment takes at least its first byte and ends where a numeric
// segment or a long enough text segment could start.
size_t Compactor::ByteSegmentEnd(size_t start) const {
    size_t end = start + 1;
    while (end < data_.size() && digitRun_[end] < kMinNumericRun &&
           textRun_[end] < kMinTextRunAfterBytes)
        ++end;
    return end;
}

void Compactor::LatchTo(CompactionMode mode, int32_t latch) {
    if (mode_ == mode) return;
    out_.push_back(latch);
    mode_ = mode;
    if (mode == CompactionMode::Text) subMode_ = SubMode::Upper;
}

void Compactor::EncodeNumeric(size_t start, size_t length) {
    LatchTo(CompactionMode::Numeric, kLatchNumeric);
    constexpr size_t kGroupDigits = 44;
    const std::string_view digits(data_.data() + start, length);
    for (size_t at = 0; at < length && !Overflowed(); at += kGroupDigits)
        EncodeDigitGroup(digits.substr(at, kGroupDigits));
}

// A group of up to 44 digits with a leading 1 (which keeps leading zeros)
// as a number in base 900, most significant codeword first.
void Compactor::EncodeDigitGroup(std::string_view digits) {
    std::vector<uint8_t> decimal;
    decimal.reserve(digits.size() + 1);
    decimal.push_back(1);
    for (char digit : digits)
        decimal.push_back(static_cast<uint8_t>(digit - '0'));
    std::vector<int32_t> base900;
    while (!decimal.empty()) {
        std::vector<uint8_t> quotient;
        int32_t remainder = 0;
        for (uint8_t digit : decimal) {
            remainder = remainder * 10 + digit;
            const int32_t q = remainder / 900;
            remainder %= 900;
            if (!quotient.empty() || q != 0) quotient.push_back(static_cast<uint8_t>(q));
        }
        base900.push_back(remainder);
        decimal.swap(quotient);
    }
    out_.insert(out_.end(), base900.rbegin(), base900.rend());
}

int32_t Compactor::EncodeText(size_t start, size_t length) {
    LatchTo(CompactionMode::Text, kLatchText);
    std::vector<uint8_t> values;
    for (size_t i = start; i < start + length; ++i)
        AppendTextValue(static_cast<unsigned char>(data_[i]), values);
    // The segment ends on a whole codeword: a shifted byte or a latch may follow.
    if (values.size() % 2 != 0) {
        values.push_back(kPadValue);
        if (subMode_ == SubMode::Punctuation) subMode_ = SubMode::Upper;
    }
    textValues_ += values.size();
    if (textValues_ > kMaxTextValues) return kErrorTooManyCodewords;
    for (size_t i = 0; i < values.size(); i += 2)
        out_.push_back(30 * values[i] + values[i + 1]);
    return 0;
}

void Compactor::AppendTextValue(unsigned char byte, std::vector<uint8_t>& values) {
    if (TextValue(subMode_, byte) < 0) {
        const size_t from = static_cast<size_t>(subMode_);
        for (SubMode target : kTargetOrder[from]) {
            if (TextValue(target, byte) < 0) continue;
            for (int8_t latch : kLatches[from][static_cast<size_t>(target)])
                if (latch >= 0) values.push_back(static_cast<uint8_t>(latch));
            subMode_ = target;
            break;
        }
    }
    values.push_back(static_cast<uint8_t>(TextValue(subMode_, byte)));
}

void Compactor::EncodeBytes(size_t start, size_t length) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(data_.data()) + start;
    if (length == 1 && mode_ == CompactionMode::Text) {
        out_.push_back(kShiftByte);
        out_.push_back(bytes[0]);
        return;
    }
    LatchTo(CompactionMode::Byte, length % 6 == 0 ? kLatchByteSixes : kLatchByte);
    size_t at = 0;
    for (; at + 6 <= length && !Overflowed(); at += 6)
        EncodeByteGroup(bytes + at);
    for (; at < length && !Overflowed(); ++at)
        out_.push_back(bytes[at]);
}

// Six bytes as a 48-bit number in five base-900 codewords.
void Compactor::EncodeByteGroup(const unsigned char* bytes) {
    uint64_t value = 0;
    for (int i = 0; i < 6; ++i)
        value = (value << 8) | bytes[i];
    int32_t group[5];
    for (int i = 4; i >= 0; --i) {
        group[i] = static_cast<int32_t>(value % 900);
        value /= 900;
    }
    out_.insert(out_.end(), group, group + 5);
}

} // namespace

bool IsTextCharacter(unsigned char byte) {
    return (byte >= 32 && byte <= 126) || byte == '\r' || byte == '\n' || byte == '\t';
}

int32_t CompactData(const std::string& data, CompactionMode startMode, size_t maxCodewords,
                    std::vector<int32_t>& codewords) {
    return Compactor(data, startMode, maxCodewords, codewords).Run();
}

} // namespace pdf417

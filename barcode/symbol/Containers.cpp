// The encoders' containers.
#include "symbol/Containers.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr size_t kMinimumBuffer = 20;
constexpr size_t kBufferGrowth = 20;
constexpr size_t kDefaultIntGrowth = 100;
} // namespace

void CBufferObject::Reserve(size_t length) {
    if (length + 1 <= data_.size()) return;
    size_t capacity =
        data_.empty() ? std::max(length + 1, kMinimumBuffer) : length + 1 + kBufferGrowth;
    data_.resize(capacity, '\0');
}

void CBufferObject::Assign(const char* bytes, size_t length) {
    Reserve(length);
    if (length > 0) std::memcpy(data_.data(), bytes, length);
    std::fill(data_.begin() + static_cast<std::ptrdiff_t>(length), data_.end(), '\0');
    length_ = length;
}

void CBufferObject::Append(const char* bytes, size_t length) {
    Reserve(length_ + length);
    if (length > 0) std::memcpy(data_.data() + length_, bytes, length);
    length_ += length;
    data_[length_] = '\0';
}

void CBufferObject::Prepend(const char* bytes, size_t length) {
    Reserve(length_ + length);
    std::memmove(data_.data() + length, data_.data(), length_);
    if (length > 0) std::memcpy(data_.data(), bytes, length);
    length_ += length;
    data_[length_] = '\0';
}

void CBufferObject::SetAt(size_t position, char byte) {
    if (position < length_)
        data_[position] = byte;
    else if (position == length_)
        Append(&byte, 1);
}

CBufferObject CBufferObject::Substring(size_t position, size_t count) const {
    if (position >= length_) return CBufferObject("", 0);
    return CBufferObject(data_.data() + position, std::min(count, length_ - position));
}

void CBufferObject::CutOrPad(size_t length, char fill) {
    if (length <= length_) {
        Reserve(length);
        length_ = length;
        data_[length_] = '\0';
        return;
    }
    std::string padding(length - length_, fill);
    Append(padding.data(), padding.size());
}

void CBufferObject::TrimTrailingBlanks() {
    while (length_ > 0 && std::strchr(" \t\n", data_[length_ - 1]) != nullptr)
        data_[--length_] = '\0';
}

void CIntArray::Resize(size_t n, int growthHint) {
    if (n > data_.size()) {
        size_t capacity = growthHint > 0   ? n + static_cast<size_t>(growthHint)
                          : growthHint < 0 ? n
                                           : n + kDefaultIntGrowth;
        data_.resize(capacity, 0);
    }
    // Slots given up and taken again read as zero, as new ones do.
    for (size_t i = n; i < size_; ++i)
        data_[i] = 0;
    size_ = n;
}

bool CBitString::Append(uint32_t value, int count) {
    if (count <= 0) return true;
    count = std::min(count, 32);
    if (bits_.size() + static_cast<size_t>(count) >= kMaxBits) return false;
    for (int bit = count - 1; bit >= 0; --bit)
        bits_.push_back((value >> bit) & 1u ? '1' : '0');
    return true;
}

uint32_t CBitString::Read(size_t position, int count) const {
    uint32_t value = 0;
    for (int i = 0; i < count && i < 32 && position + static_cast<size_t>(i) < bits_.size(); ++i)
        value = (value << 1) | (bits_[position + static_cast<size_t>(i)] == '1' ? 1u : 0u);
    return value;
}

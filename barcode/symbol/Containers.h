// The small containers the encoders share: a growable byte string, a
// growable integer array and a text of bits.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A growable NUL-terminated byte string. The buffer starts at
// max(requested, 20) zero bytes and grows to the requested size + 20.
class CBufferObject {
  public:
    CBufferObject() = default;
    CBufferObject(const char* bytes, size_t length) { Assign(bytes, length); }
    virtual ~CBufferObject() = default;

    void Assign(const char* bytes, size_t length);
    void Append(const char* bytes, size_t length);
    void Prepend(const char* bytes, size_t length);
    // Sets the byte at position; at the end it appends. Beyond the end: ignored.
    void SetAt(size_t position, char byte);
    // A copy of count bytes from position (fewer at the end).
    CBufferObject Substring(size_t position, size_t count) const;
    // Cuts to length, or pads with fill up to it.
    void CutOrPad(size_t length, char fill);
    // Removes trailing blanks, tabs and line feeds.
    void TrimTrailingBlanks();

    const char* Data() const { return data_.empty() ? "" : data_.data(); }
    size_t Length() const { return length_; }
    size_t Capacity() const { return data_.size(); }
    char At(size_t position) const { return position < length_ ? data_[position] : '\0'; }

  private:
    void Reserve(size_t length);

    std::vector<char> data_; // length_ bytes, then at least one NUL
    size_t length_ = 0;
};

// A growable array of 32-bit integers; new slots are zero.
class CIntArray {
  public:
    // Resizes to n. Beyond the capacity, the new capacity is n + growth for a
    // positive hint, n for a negative one and n + 100 for 0.
    void Resize(size_t n, int growthHint = 0);
    size_t Size() const { return size_; }
    size_t Capacity() const { return data_.size(); }
    int32_t& operator[](size_t i) { return data_[i]; }
    int32_t operator[](size_t i) const { return data_[i]; }

  private:
    std::vector<int32_t> data_;
    size_t size_ = 0;
};

// A text of "0" and "1" characters of fewer than 50,000 bits.
class CBitString {
  public:
    static constexpr size_t kMaxBits = 50000;

    // Appends the low count bits of value, most significant first. An append
    // that would reach the limit is ignored; returns whether it was made.
    bool Append(uint32_t value, int count);
    // The count bits from position as an integer; bits past the end read as
    // nothing (the value has only the bits that exist).
    uint32_t Read(size_t position, int count) const;
    size_t Length() const { return bits_.size(); }
    const std::string& Text() const { return bits_; }

  private:
    std::string bits_;
};

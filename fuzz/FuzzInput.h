// Reading fuzz input as a sequence of choices and a rest of bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class FuzzInput {
  public:
    FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    // The next byte, 0 when the input is used up.
    uint8_t Byte() { return position_ < size_ ? data_[position_++] : 0; }
    // A small signed number from the next byte, centred around 0.
    int32_t Small() { return static_cast<int32_t>(Byte()) - 16; }
    // Everything not read yet.
    std::string Rest() {
        std::string rest(reinterpret_cast<const char*>(data_) + position_, size_ - position_);
        position_ = size_;
        return rest;
    }

  private:
    const uint8_t* data_;
    size_t size_;
    size_t position_ = 0;
};

// The one bounds-checked little-endian cursor through which record and file
// bytes are read. Every read either lies wholly inside the buffer or fails
// and leaves its destination untouched.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

class LittleEndianReader {
 public:
  LittleEndianReader(const unsigned char* data, std::size_t size) : data_(data), size_(size) {}

  bool Fits(long long offset, std::size_t count) const {
    if (data_ == nullptr || offset < 0) return false;
    const auto start = static_cast<unsigned long long>(offset);
    return start <= size_ && count <= size_ - start;
  }

  bool U8(long long offset, uint8_t& value) const {
    if (!Fits(offset, 1)) return false;
    value = data_[offset];
    return true;
  }

  bool U16(long long offset, uint16_t& value) const {
    if (!Fits(offset, 2)) return false;
    value = static_cast<uint16_t>(data_[offset] | (data_[offset + 1] << 8));
    return true;
  }

  // Two 16-bit halves, low half first.
  bool U32(long long offset, uint32_t& value) const {
    uint16_t low = 0, high = 0;
    if (!Fits(offset, 4) || !U16(offset, low) || !U16(offset + 2, high)) return false;
    value = (static_cast<uint32_t>(high) << 16) + low;
    return true;
  }

  bool Bytes(long long offset, void* destination, std::size_t count) const {
    if (!Fits(offset, count)) return false;
    if (count > 0) std::memcpy(destination, data_ + offset, count);
    return true;
  }

  std::size_t Size() const { return size_; }

 private:
  const unsigned char* data_;
  std::size_t size_;
};

// The data vsRPM trace variables block: the state of the trace buffer, whose
// points the spectral data block holds. Hardware with a travel input adds
// one word, so it decodes the record's prefix first.
#pragma once

#include <cstdint>

#include "Block.h"
#include "P_Block.h"

class T_Block : public Block {
 public:
  static constexpr uint16_t kBit = 0x0010;
  static constexpr std::size_t kReservedWords = 32;

  int Decode(const unsigned char* record, unsigned long size, int report) override;

  // The prefix block of the record, decoded silently with this block.
  const P_Block& Prefix() const { return prefix; }
  bool HasReserved2() const { return prefix.HasTravelThrottleAccessory(); }

  // Bit 0: the buffer wrapped; bit 2: no trace data stored.
  uint8_t BufferWrap() const { return buffer_wrap; }
  // Byte offsets of the write position and the end of a wrapped buffer.
  uint16_t LastOffset() const { return last_offset; }
  uint16_t EndOffset() const { return end_offset; }
  uint16_t NumberOfPoints() const { return number_of_points; }
  uint16_t RpmVector() const { return rpm_vector; }
  uint16_t SpeedVector() const { return speed_vector; }
  uint16_t StructVector() const { return struct_vector; }

 protected:
  P_Block prefix;
  uint16_t declared_length = 0;
  uint8_t buffer_wrap = 0;
  uint16_t last_offset = 0;
  uint16_t end_offset = 0;
  uint16_t number_of_points = 0;
  uint16_t rpm_vector = 0;
  uint16_t speed_vector = 0;
  uint16_t reserved[kReservedWords] = {};
  uint16_t struct_vector = 0;
  uint16_t reserved2 = 0;
};

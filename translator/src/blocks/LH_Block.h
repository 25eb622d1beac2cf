// The setup statistics variables block: which pens the level statistics
// use, their values, the level offset, the interval and the overloads.
#pragma once

#include <cstdint>

#include "Block.h"

class LH_Block : public Block {
 public:
  static constexpr uint16_t kBit = 0x0020;
  static constexpr uint16_t kExpectedLength = 21;
  static constexpr std::size_t kPenValues = 7;

  int Decode(const unsigned char* record, unsigned long size, int report) override;

  uint8_t ActivePens() const { return active_pens; }
  // Pen value `index` (0 to 6), 0 beyond.
  uint8_t PenValue(std::size_t index) const { return index < kPenValues ? pen_values[index] : 0; }
  int16_t BaseDbOffset() const { return static_cast<int16_t>(base_db_offset); }
  float StatDeltaTime() const { return stat_delta_time; }
  uint32_t OverloadCount() const { return overload_count; }
  uint8_t CurrentStatChannel() const { return current_stat_channel; }

 protected:
  uint16_t declared_length = 0;
  uint8_t active_pens = 0;
  uint8_t pen_values[kPenValues] = {};
  uint16_t base_db_offset = 0;
  float stat_delta_time = 0;
  uint32_t overload_count = 0;
  uint8_t current_stat_channel = 0;
};

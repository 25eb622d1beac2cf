// The statistics variables block: when the statistics started and which
// channels the display shows.
#pragma once

#include <cstdint>

#include "Block.h"

class L_Block : public Block {
 public:
  static constexpr uint16_t kBit = 0x0040;
  static constexpr uint16_t kExpectedLength = 24;

  int Decode(const unsigned char* record, unsigned long size, int report) override;

  float StartRuntime() const { return start_runtime; }
  uint8_t FirstDisplayChannel() const { return first_display_channel; }
  uint8_t SecondDisplayChannel() const { return second_display_channel; }

 protected:
  uint16_t declared_length = 0;
  float start_runtime = 0;
  uint8_t first_display_channel = 0;
  uint8_t second_display_channel = 0;
};

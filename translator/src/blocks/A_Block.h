// The autostore block: the short header of a time series of frames. Each
// frame that follows it in the record is a spectral store information block
// and one set of measurement data.
#pragma once

#include <cstdint>

#include "Block.h"

class A_Block : public Block {
 public:
  static constexpr uint16_t kBit = 0x0800;
  static constexpr uint16_t kExpectedLength = 12;

  int Decode(const unsigned char* record, unsigned long size, int report) override;

  uint16_t HeaderLength() const { return header_length; }
  int16_t Frames() const { return static_cast<int16_t>(frames); }
  float EndTime() const { return end_time; }
  float DeltaTime() const { return delta_time; }

 protected:
  uint16_t header_length = 0;
  uint16_t frames = 0;
  float end_time = 0;
  float delta_time = 0;
};

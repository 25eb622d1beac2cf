// The spectral store information block: checksum, run time, overloads, the
// sum level and data scale of each channel, and the tach, ADC and travel
// readings that some hardware adds. A plain record has one in front of its
// spectral data; an autostore record has one in front of every frame, which
// is why its decoder also takes an explicit start.
#pragma once

#include <cstdint>
#include <vector>

#include "Block.h"
#include "P_Block.h"

class S_Block : public Block {
 public:
  static constexpr uint16_t kBit = 0x1000;

  // Finds the block by its mask bit.
  int Decode(const unsigned char* record, unsigned long size, int report) override;
  // `start` 0 finds the block by its mask bit; any other value is the block
  // start (the prefix always holds offset 0).
  int Decode(const unsigned char* record, unsigned long size, long long start, int report);

  // The prefix block of the record, decoded silently with this block.
  const P_Block& Prefix() const { return prefix; }

  uint16_t DeclaredLength() const { return declared_length; }
  uint16_t Checksum() const { return checksum; }
  float Runtime() const { return runtime; }
  uint16_t Overload() const { return overload; }
  // Channels with a sum level: the prefix's hardware channels.
  std::size_t ChannelCount() const { return sum_data.size(); }
  bool HasDataScales() const { return !data_scale.empty(); }
  // Raw level of channel `channel`, 0 beyond the channels.
  int16_t SumData(std::size_t channel) const;
  // Base-2 exponent in 1/256 steps of channel `channel`; 0 where the block
  // holds no data scales (fewer than two channels) or beyond the channels.
  int16_t DataScale(std::size_t channel) const;
  // Raw 16.16 fixed-point values.
  uint32_t Tach() const { return tach; }
  uint32_t Speed() const { return speed; }
  uint32_t Travel() const { return travel; }
  // ADC reading `index` (0 to 2) in volts x 51.2, 0 beyond.
  uint8_t Adc(std::size_t index) const { return index < 3 ? adc[index] : 0; }
  uint8_t IoBitmask() const { return io_bitmask; }
  uint8_t Throttle() const { return throttle; }
  // Accessory byte `index` (0 to 2), 0 beyond.
  uint8_t Accessory(std::size_t index) const { return index < 3 ? accessory[index] : 0; }

 protected:
  P_Block prefix;
  uint16_t declared_length = 0;
  uint16_t checksum = 0;
  float runtime = 0;
  uint16_t overload = 0;
  // One value per hardware channel; data scales only with two or more.
  std::vector<uint16_t> sum_data;
  std::vector<uint16_t> data_scale;
  uint32_t tach = 0;
  uint32_t speed = 0;
  uint8_t adc[3] = {};
  uint8_t io_bitmask = 0;
  uint32_t travel = 0;
  uint8_t throttle = 0;
  uint8_t accessory[3] = {};

 private:
  void Clear();
  bool ReadOptionalGroups(FieldCursor& fields);
};

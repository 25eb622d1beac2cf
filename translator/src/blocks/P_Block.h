// The prefix block: first in every record, it names the store type, the data
// length, the block mask, the firmware and the hardware set-up. Other blocks
// embed it to lay out their own data.
#pragma once

#include <cstdint>

#include "Block.h"

class P_Block : public Block {
 public:
  static constexpr uint16_t kBit = 0x0001;
  static constexpr uint16_t kExpectedLength = 40;
  // Record offset of the first hardware flag byte; the flags are bytes 34 to 36.
  static constexpr int kFirstFlagOffset = 34;

  int Decode(const unsigned char* record, unsigned long size, int report) override;

  uint8_t Storetype() const { return storetype; }
  uint8_t HardwareChannels() const { return hardware_channels; }
  uint32_t DataLength() const { return data_length; }
  uint16_t BlockMask() const { return block_mask; }
  uint16_t CodeRev() const { return code_rev; }
  uint8_t Reserved37() const { return reserved37; }
  uint8_t Reserved38() const { return reserved38; }

  // Whether any of `bits` is set in the flag byte at record offset 34, 35 or 36.
  bool HardwareFlag(int recordOffset, uint8_t bits) const;
  // The three flag bytes as one number, byte 34 highest.
  uint32_t HardwareFlags() const;

  // The flag tests that other blocks share.
  bool HasTachAndSpeed() const { return HardwareFlag(34, 0x01); }
  bool ChannelsFromTChannels() const { return HardwareFlag(34, 0x08) || HardwareFlag(35, 0x20); }
  bool HasAdcAndIo() const { return HardwareFlag(35, 0x03); }
  bool HasTravelThrottleAccessory() const { return HardwareFlag(35, 0x40); }

 protected:
  uint16_t declared_length = 0;
  uint8_t storetype = 0;
  uint8_t hardware_channels = 0;
  uint32_t data_length = 0;
  uint16_t block_mask = 0;
  uint16_t code_rev = 0;
  char datestamp[19] = {};
  uint8_t hardware_inputset = 0;
  uint8_t hardware_inputs1 = 0;
  uint8_t hardware_inputs2 = 0;
  uint8_t hardware_inputs3 = 0;
  uint8_t hardware_flags[3] = {};
  uint8_t reserved37 = 0;
  uint8_t reserved38 = 0;
  uint8_t reserved39 = 0;
};

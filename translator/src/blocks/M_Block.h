// The main system variables block: the measurement set-up when the record
// was stored. Its per-channel part has one byte per hardware channel and
// groups that only some hardware has, so it decodes the record's prefix
// block first. Other blocks embed it for the mode, data type and bins.
#pragma once

#include <array>
#include <cstdint>

#include "Block.h"
#include "P_Block.h"

// Values of `systemmode`; the spectral data block refuses any above kSlmxMode.
enum SystemMode : uint8_t { kStandardMode = 0, kCrossMode = 1, kIntensityMode = 2, kSlmMode = 3, kSlmxMode = 4 };

class M_Block : public Block {
 public:
  static constexpr uint16_t kBit = 0x0004;

  int Decode(const unsigned char* record, unsigned long size, int report) override;

  // The prefix block of the record, decoded silently with this block.
  const P_Block& Prefix() const { return prefix; }

  uint8_t Systemmode() const { return systemmode; }
  uint8_t Channels() const { return channels; }
  uint16_t TChannels() const { return t_channels; }
  uint8_t Barwhat() const { return barwhat; }
  uint8_t MasterChannel() const { return master_channel; }
  uint8_t Filter() const { return filter; }
  uint16_t BaseFrequency() const { return base_frequency; }
  uint8_t FftLowPass() const { return fft_low_pass; }
  uint8_t FftWindow() const { return fft_window; }
  uint8_t Zoom() const { return zoom; }
  uint16_t Bins() const { return bins; }
  uint16_t StartBin() const { return start_bin; }
  uint8_t Detector() const { return detector; }
  uint8_t MaxRpm() const { return max_rpm; }
  // Channels of the data: `t_channels` where the prefix's hardware says so,
  // else 2 to the power `channels` (an exponent above 32 counts as 32).
  uint64_t DataChannels() const;

 protected:
  // A group of one byte per hardware channel (or of one byte), absent where
  // the record's hardware has no such group. Its room is fixed, since the
  // channel count is a byte, so that decoding a block allocates nothing.
  class ByteArray {
   public:
    explicit operator bool() const { return present_; }
    const uint8_t* data() const { return bytes_.data(); }
    std::size_t size() const { return size_; }
    void reset() { present_ = false; }
    // Makes the group present with `count` zero bytes, to be read over.
    uint8_t* Assign(std::size_t count);

   private:
    bool present_ = false;
    std::size_t size_ = 0;
    std::array<uint8_t, 255> bytes_;
  };

  // Whether the prefix flags call for each variable group.
  bool HasSlmSettings() const { return prefix.HardwareFlag(35, 0x03); }
  bool HasRpmSettings() const { return prefix.HardwareFlag(34, 0x10); }
  bool HasFeet() const { return prefix.HardwareFlag(35, 0x04); }

  P_Block prefix;
  uint16_t declared_length = 0;
  uint8_t systemmode = 0;
  uint8_t channels = 0;
  uint16_t t_channels = 0;
  uint8_t barwhat = 0;
  uint8_t master_channel = 0;
  uint8_t filter = 0;
  uint8_t octave_window = 0;
  uint16_t base_frequency = 0;
  uint8_t fft_low_pass = 0;
  uint8_t fft_window = 0;
  uint16_t lifter = 0;
  uint8_t zoom = 0;
  uint16_t bins = 0;
  uint16_t start_bin = 0;
  uint8_t ten_dbs = 0;
  uint8_t range = 0;
  uint8_t detector = 0;
  float detector_time = 0;
  uint8_t exptimecode = 0;
  uint8_t constantcode = 0;
  uint8_t in_set_index = 0;
  // An array exists once decoding has reached it; bytes that could not be
  // read stay zero.
  ByteArray splits;
  ByteArray channel_units;
  uint8_t analyzer_mode = 0;
  uint8_t slm_mode = 0;
  uint8_t bias = 0;
  ByteArray input;
  ByteArray mode;
  ByteArray high_pass;
  ByteArray low_pass;
  uint8_t max_rpm = 0;
  uint8_t pprev = 0;
  uint8_t max_order = 0;
  uint8_t loop_speed = 0;
  uint16_t feet = 0;

 private:
  bool ReadFixedPart(FieldCursor& fields);
  bool ReadVariablePart(FieldCursor& fields);
  bool ReadArray(FieldCursor& fields, ByteArray& array, std::size_t count);
};

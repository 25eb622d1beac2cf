// The setup vsRPM trace variables block: the tach and speed inputs, the
// trace and pen set-up and the limits of each display window. Hardware with
// five display windows stores five of each window group, and hardware with
// a travel input adds distances, so it decodes the record's prefix first.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "Block.h"
#include "P_Block.h"

class TH_Block : public Block {
 public:
  static constexpr uint16_t kBit = 0x0008;
  static constexpr std::size_t kTraces = 32;
  static constexpr std::size_t kWindowGroupBytes = 6;
  using WindowGroup = std::array<uint8_t, kWindowGroupBytes>;

  int Decode(const unsigned char* record, unsigned long size, int report) override;

  // The prefix block of the record, decoded silently with this block.
  const P_Block& Prefix() const { return prefix; }
  // 5 when the hardware has five display windows, else 1.
  std::size_t WindowCount() const { return prefix.HardwareFlag(35, 0x10) ? 5 : 1; }
  bool HasDistances() const { return prefix.HasTravelThrottleAccessory(); }

  uint8_t TachTime() const { return tach_time; }
  uint8_t TrackSetup() const { return track_setup; }
  int16_t DeltaLevel() const { return static_cast<int16_t>(delta_level); }
  uint8_t OrderSpan() const { return order_span; }
  uint8_t OrderSums() const { return order_sums; }
  // Per trace (0 to 31), 0 beyond; bit 1 of a pen status enables its trace.
  uint8_t PenStatus(std::size_t trace) const { return trace < kTraces ? pen_status[trace] : 0; }
  uint16_t TraceChannel(std::size_t trace) const { return trace < kTraces ? trace_channel[trace] : 0; }
  uint16_t TraceBin(std::size_t trace) const { return trace < kTraces ? trace_bin[trace] : 0; }
  uint16_t TraceOrderChannel(std::size_t trace) const { return trace < kTraces ? trace_order_channel[trace] : 0; }
  uint16_t TraceOrderNumber(std::size_t trace) const { return trace < kTraces ? trace_order_number[trace] : 0; }

 protected:
  P_Block prefix;
  uint16_t declared_length = 0;
  // Scales: mantissa in the low 16 bits, decimal exponent + 3 in the high 16.
  uint32_t tach_scale = 0;
  uint32_t tach_low_trigger = 0;
  uint32_t tach_high_trigger = 0;
  uint32_t tach_min_interval = 0;
  uint32_t tach_max_interval = 0;
  uint32_t speed_scale = 0;
  uint32_t speed_low_trigger = 0;
  uint32_t speed_high_trigger = 0;
  uint32_t speed_min_interval = 0;
  uint32_t speed_max_interval = 0;
  uint8_t tach_time = 0;
  uint8_t store_slope = 0;
  uint8_t vertical_grids = 0;
  uint8_t track_setup = 0;
  uint16_t delta_level = 0;
  uint8_t trace_slope = 0;
  uint8_t order_span = 0;
  uint8_t order_sums = 0;
  uint8_t pen_status[kTraces] = {};
  uint16_t trace_channel[kTraces] = {};
  uint16_t trace_bin[kTraces] = {};
  uint16_t trace_order_channel[kTraces] = {};
  uint16_t trace_order_number[kTraces] = {};
  // One value or group per display window.
  std::vector<uint8_t> trace_setup;
  std::vector<uint16_t> tach_low;
  std::vector<uint16_t> tach_high;
  std::vector<uint16_t> speed_low;
  std::vector<uint16_t> speed_high;
  std::vector<WindowGroup> pen_slots;
  std::vector<WindowGroup> hide_status;
  uint16_t start_distance = 0;
  std::vector<uint16_t> distance_low;
  std::vector<uint16_t> distance_high;

 private:
  bool ReadFixedPart(FieldCursor& fields);
  bool ReadWindowGroups(FieldCursor& fields);
};

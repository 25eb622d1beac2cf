#include "S_Block.h"

#include <algorithm>

int S_Block::Decode(const unsigned char* record, unsigned long size, int report) {
  return Decode(record, size, 0, report);
}

int S_Block::Decode(const unsigned char* record, unsigned long size, long long start, int report) {
  recordSize = static_cast<uint32_t>(size);
  Clear();
  prefix = P_Block();
  if (prefix.Decode(record, size, 0) == 0) return FinishDecode(0, 0, 0, report, "S_Block");
  const std::size_t channels = prefix.HardwareChannels();
  sum_data.assign(channels, 0);
  if (channels > 1) data_scale.assign(channels, 0);
  const long long blockStart = start != 0 ? start : FindBlock(record, kBit, size);
  FieldCursor fields(*this, record, blockStart);
  if (fields.U16(declared_length) && fields.U16(checksum) && fields.Time(runtime) && fields.U16(overload)) {
    const bool sums = fields.U16ArrayOrStep(sum_data.data(), sum_data.size());
    const bool scales = fields.U16ArrayOrStep(data_scale.data(), data_scale.size());
    // A channel array cut by the record's end leaves the block undecoded, so
    // that its zeros come with the message that says so.
    if (ReadOptionalGroups(fields) && sums && scales) decoded = 1;
  }
  return FinishDecode(fields.Position(), blockStart, declared_length, report, "S_Block");
}

int16_t S_Block::SumData(std::size_t channel) const {
  return channel < sum_data.size() ? static_cast<int16_t>(sum_data[channel]) : 0;
}

int16_t S_Block::DataScale(std::size_t channel) const {
  return channel < data_scale.size() ? static_cast<int16_t>(data_scale[channel]) : 0;
}

void S_Block::Clear() {
  decoded = 0;
  declared_length = checksum = overload = 0;
  runtime = 0;
  sum_data.clear();
  data_scale.clear();
  tach = speed = travel = 0;
  std::fill(std::begin(adc), std::end(adc), 0);
  io_bitmask = throttle = 0;
  std::fill(std::begin(accessory), std::end(accessory), 0);
}

bool S_Block::ReadOptionalGroups(FieldCursor& fields) {
  if (prefix.HasTachAndSpeed() && !(fields.U32(tach) && fields.U32(speed))) return false;
  if (prefix.HasAdcAndIo() && !(fields.U8(adc[0]) && fields.U8(adc[1]) && fields.U8(adc[2]) && fields.U8(io_bitmask))) {
    return false;
  }
  return !prefix.HasTravelThrottleAccessory() ||
         (fields.U32(travel) && fields.U8(throttle) && fields.Bytes(accessory, 3));
}

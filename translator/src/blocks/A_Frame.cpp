#include "A_Frame.h"

#include <algorithm>

#include "Conversions.h"
#include "LittleEndianReader.h"
#include "RowBuffer.h"

namespace {

constexpr double kAdcStepsPerVolt = 51.2;

// An unsigned 32-bit value held as 16.16 fixed point.
double FixedPoint16_16(uint32_t raw) { return (raw >> 16) + (raw & 0xFFFFu) / 65536.0; }

}  // namespace

A_Frame::A_Frame(const A_FrameSettings& settings, const S_Block& store, int index, long long dataStart)
    : settings_(settings), store_(store), index_(index), dataStart_(dataStart) {
  channels_ = std::min(settings.channels, std::max<uint64_t>(1, ValuesInRecord()));
}

uint64_t A_Frame::ValuesInRecord() const {
  if (dataStart_ < 0 || dataStart_ >= settings_.recordSize) return 0;
  return (settings_.recordSize - static_cast<uint64_t>(dataStart_)) / 2;
}

bool A_Frame::RowFits(uint64_t row) const {
  return (row + 1) * settings_.bins <= ValuesInRecord();
}

int16_t A_Frame::Value(uint64_t row, uint64_t bin) const {
  uint16_t raw = 0;
  const auto offset = dataStart_ + 2 * static_cast<long long>(row * settings_.bins + bin);
  LittleEndianReader(settings_.record, settings_.recordSize).U16(offset, raw);
  return static_cast<int16_t>(raw);
}

void A_Frame::WriteRowPrefix(uint64_t channel) const {
  RowBuffer& out = Out();
  out.Append(",");
  if (settings_.countFrames) {
    out.AppendInteger(index_ + 1);
  } else {
    out.AppendFixed(settings_.deltaTime * static_cast<float>(index_ + 1), 6);
  }
  out.Append(store_.Overload() != 0 ? ",Yes," : ",No,");
  out.AppendFixed(static_cast<float>(LevelDb(store_.SumData(channel))), 1, 6);
  if (settings_.tachAndSpeed) {
    out.Append(",");
    out.AppendFixed(FixedPoint16_16(store_.Tach()), 1);
    out.Append(",");
    out.AppendFixed(FixedPoint16_16(store_.Speed()), 1);
  }
  if (settings_.adcAndIo) {
    for (int adc = 0; adc < 3; ++adc) {
      out.Append(",");
      out.AppendFixed(store_.Adc(adc) / kAdcStepsPerVolt, 2);
    }
    out.Append(",");
    out.AppendBits(store_.IoBitmask(), 8);
    out.Append("b");
  }
  if (settings_.travelGroup) {
    out.Append(",");
    out.AppendFixed(FixedPoint16_16(store_.Travel()), 1);
    out.Append(",");
    out.AppendInteger(store_.Throttle(), 5);
    for (int accessory = 0; accessory < 3; ++accessory) {
      out.Append(",");
      out.AppendInteger(store_.Accessory(accessory), 5);
    }
  }
}

void A_Frame::WriteBlankPrefix() const {
  RowBuffer& out = Out();
  out.Append(",,,");
  if (settings_.tachAndSpeed) out.Append(",,");
  if (settings_.adcAndIo) out.Append(",,,,");
  if (settings_.travelGroup) out.Append(",,,,,");
}

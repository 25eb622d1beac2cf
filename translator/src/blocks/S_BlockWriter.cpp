#include "S_BlockWriter.h"

#include <string>

#include "Conversions.h"

namespace {

std::string ChannelLabel(std::size_t channel, const char* what) {
  return ",Channel [" + std::to_string(channel + 1) + "] " + what;
}

}  // namespace

void S_BlockWriter::Write(const unsigned char* record, unsigned long size, TextSink* output,
                          const _DataProfileTag* profileToUse) {
  if (!BeginWrite(record, size, output, profileToUse, kWordS, "S")) return;
  WriteShort(",Checksum", checksum);
  WriteFloat(",Runtime", runtime);
  WriteWordBits(overload != 0 ? ",Overload,Yes" : ",Overload,No", overload);
  for (std::size_t c = 0; c < sum_data.size(); ++c) {
    WriteFloat10_4(ChannelLabel(c, "Sum Data").c_str(), LevelDb(SumData(c)));
  }
  for (std::size_t c = 0; c < data_scale.size(); ++c) WriteShort(ChannelLabel(c, "Data Scale").c_str(), data_scale[c]);
  // Tach, speed and travel print raw here; the autostore rows convert them.
  if (prefix.HasTachAndSpeed()) {
    WriteInteger(",Tach", static_cast<int32_t>(tach));
    WriteInteger(",Speed", static_cast<int32_t>(speed));
  }
  if (prefix.HasAdcAndIo()) {
    WriteUnsignedByte(",ADC0", adc[0]);
    WriteUnsignedByte(",ADC1", adc[1]);
    WriteUnsignedByte(",ADC2", adc[2]);
    WriteByteBits(",IOBitmask", io_bitmask);
  }
  if (prefix.HasTravelThrottleAccessory()) {
    WriteInteger(",Travel", static_cast<int32_t>(travel));
    WriteUnsignedByte(",Throttle", throttle);
    WriteUnsignedByte(",Accessory 0", accessory[0]);
    WriteUnsignedByte(",Accessory 1", accessory[1]);
    WriteUnsignedByte(",Accessory 2", accessory[2]);
  }
}

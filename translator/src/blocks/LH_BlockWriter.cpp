#include "LH_BlockWriter.h"

void LH_BlockWriter::Write(const unsigned char* record, unsigned long size, TextSink* output,
                           const _DataProfileTag* profileToUse) {
  if (!BeginWrite(record, size, output, profileToUse, kWordLH, "LH")) return;
  WriteUnsignedByte(",Active Pens Bitmask", active_pens);
  // One line: every value after the first is written with the label ",", so
  // an empty column stands between every two values.
  WriteUnsignedByte(",Pen Values", pen_values[0], false);
  for (std::size_t i = 1; i < kPenValues; ++i) WriteUnsignedByte(",", pen_values[i], i + 1 == kPenValues);
  WriteShort(",Base DB Offset", base_db_offset);
  WriteFloat(",Delta Time", stat_delta_time);
  WriteInteger(",Number of Overloads", static_cast<int32_t>(overload_count));
  WriteUnsignedByte(",Current Stat Channel", current_stat_channel);
}

#include "T_BlockWriter.h"

void T_BlockWriter::Write(const unsigned char* record, unsigned long size, TextSink* output,
                          const _DataProfileTag* profileToUse) {
  if (!BeginWrite(record, size, output, profileToUse, kWordT, "T")) return;
  WriteByteBits(",Buffer Wrap", buffer_wrap);
  WriteShort(",Last Offset", last_offset);
  WriteShort(",End Offset", end_offset);
  WriteShort(",Number of Points", number_of_points);
  WriteShort(",RPM Vector", rpm_vector);
  WriteShort(",Speed Vector", speed_vector);
  WriteWordList(",Reserved", reserved, kReservedWords);
  WriteShort(",Struct Vector", struct_vector);
  if (HasReserved2()) WriteShort(",Reserved", reserved2);
}

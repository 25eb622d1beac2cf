#include "L_BlockWriter.h"

void L_BlockWriter::Write(const unsigned char* record, unsigned long size, TextSink* output,
                          const _DataProfileTag* profileToUse) {
  if (!BeginWrite(record, size, output, profileToUse, kWordL, "L")) return;
  WriteFloat(",Start Runtime", start_runtime);
  WriteUnsignedByte(",First Display Channel", first_display_channel);
  WriteUnsignedByte(",Second Display Channel", second_display_channel);
}

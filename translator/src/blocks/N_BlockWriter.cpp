#include "N_BlockWriter.h"

void N_BlockWriter::Write(const unsigned char* record, unsigned long size, TextSink* output,
                          const _DataProfileTag* profileToUse) {
  if (!BeginWrite(record, size, output, profileToUse, kWordN, "N")) return;
  WriteUnsignedByte(",Note Size", note_size);
  WriteString(",Note", note);
}

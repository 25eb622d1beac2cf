#include "N_Block.h"

int N_Block::Decode(const unsigned char* record, unsigned long size, int report) {
  recordSize = static_cast<uint32_t>(size);
  const long long start = FindBlock(record, kBit, size);
  FieldCursor fields(*this, record, start);
  if (fields.U16(declared_length) && fields.U8(note_size) && fields.Text(note, kNoteSize)) decoded = 1;
  // The byte after the note is never read.
  fields.Skip(1);
  return FinishDecode(fields.Position(), start, declared_length, report, "N_Block");
}

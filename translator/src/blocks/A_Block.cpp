#include "A_Block.h"

int A_Block::Decode(const unsigned char* record, unsigned long size, int report) {
  recordSize = static_cast<uint32_t>(size);
  const long long start = record != nullptr ? FindBlock(record, kBit, size) : 0;
  FieldCursor fields(*this, record, start);
  if (record != nullptr && fields.U16(header_length) && fields.U16(frames) && fields.Time(end_time) &&
      fields.Time(delta_time)) {
    decoded = 1;
  }
  return FinishDecode(fields.Position(), start, header_length, report, "A_Block");
}

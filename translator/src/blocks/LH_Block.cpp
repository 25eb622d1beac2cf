#include "LH_Block.h"

int LH_Block::Decode(const unsigned char* record, unsigned long size, int report) {
  recordSize = static_cast<uint32_t>(size);
  const long long start = FindBlock(record, kBit, size);
  FieldCursor fields(*this, record, start);
  if (fields.U16(declared_length) && fields.U8(active_pens) && fields.Bytes(pen_values, kPenValues) &&
      fields.U16(base_db_offset) && fields.Time(stat_delta_time) && fields.U32(overload_count) &&
      fields.U8(current_stat_channel)) {
    decoded = 1;
  }
  return FinishDecode(fields.Position(), start, declared_length, report, "LH_Block");
}

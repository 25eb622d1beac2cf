#include "T_Block.h"

int T_Block::Decode(const unsigned char* record, unsigned long size, int report) {
  recordSize = static_cast<uint32_t>(size);
  decoded = 0;
  prefix = P_Block();
  prefix.Decode(record, size, 0);
  const long long start = FindBlock(record, kBit, size);
  FieldCursor fields(*this, record, start);
  if (fields.U16(declared_length) && fields.U8(buffer_wrap) && fields.U16(last_offset) && fields.U16(end_offset) &&
      fields.U16(number_of_points) && fields.U16(rpm_vector) && fields.U16(speed_vector) &&
      fields.U16Array(reserved, kReservedWords) && fields.U16(struct_vector) &&
      (!HasReserved2() || fields.U16(reserved2))) {
    decoded = 1;
  }
  return FinishDecode(fields.Position(), start, declared_length, report, "T_Block");
}

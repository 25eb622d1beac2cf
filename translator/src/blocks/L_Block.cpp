#include "L_Block.h"

namespace {
// Bytes 2 to 17 of the block are never read.
constexpr long long kUnreadBytes = 16;
}  // namespace

int L_Block::Decode(const unsigned char* record, unsigned long size, int report) {
  recordSize = static_cast<uint32_t>(size);
  const long long start = FindBlock(record, kBit, size);
  FieldCursor fields(*this, record, start);
  if (fields.U16(declared_length)) {
    fields.Skip(kUnreadBytes);
    if (fields.Time(start_runtime) && fields.U8(first_display_channel) && fields.U8(second_display_channel)) {
      decoded = 1;
    }
  }
  return FinishDecode(fields.Position(), start, declared_length, report, "L_Block");
}

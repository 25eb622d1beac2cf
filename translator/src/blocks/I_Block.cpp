#include "I_Block.h"

int I_Block::Decode(const unsigned char* record, unsigned long size, int report) {
  recordSize = static_cast<uint32_t>(size);
  const long long start = FindBlock(record, kBit, size);
  FieldCursor fields(*this, record, start);
  if (fields.U16(declared_length) && fields.Bytes(job_tag, sizeof job_tag) && fields.Text(job_name, kNameSize) &&
      fields.Bytes(part_tag, sizeof part_tag) && fields.Text(part_name, kNameSize) &&
      fields.Bytes(area_tag, sizeof area_tag) && fields.Text(area_name, kNameSize) && fields.U8(meters) &&
      fields.U16(meters_fraction) && fields.S16(meters_l) && fields.U16(spacer) && fields.U16(pressure) &&
      fields.S16(temperature) && fields.S16(pt_correction)) {
    decoded = 1;
  }
  return FinishDecode(fields.Position(), start, declared_length, report, "I_Block");
}

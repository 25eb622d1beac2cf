#include "P_Block.h"

int P_Block::Decode(const unsigned char* record, unsigned long size, int report) {
  recordSize = static_cast<uint32_t>(size);
  constexpr long long start = 0;
  FieldCursor fields(*this, record, start);
  if (fields.U16(declared_length) && fields.U8(storetype) && fields.U8(hardware_channels) && fields.U32(data_length) &&
      fields.U16(block_mask) && fields.U16(code_rev) && fields.Text(datestamp, sizeof datestamp - 1) &&
      fields.U8(hardware_inputset) && fields.U8(hardware_inputs1) && fields.U8(hardware_inputs2) &&
      fields.U8(hardware_inputs3) && fields.U8(hardware_flags[0]) && fields.U8(hardware_flags[1]) &&
      fields.U8(hardware_flags[2]) && fields.U8(reserved37) && fields.U8(reserved38) && fields.U8(reserved39)) {
    decoded = 1;
  }
  return FinishDecode(fields.Position(), start, declared_length, report, "P_Block");
}

bool P_Block::HardwareFlag(int recordOffset, uint8_t bits) const {
  const int index = recordOffset - kFirstFlagOffset;
  if (index < 0 || index >= static_cast<int>(sizeof hardware_flags)) return false;
  return (hardware_flags[index] & bits) != 0;
}

uint32_t P_Block::HardwareFlags() const {
  return (static_cast<uint32_t>(hardware_flags[0]) << 16) | (static_cast<uint32_t>(hardware_flags[1]) << 8) |
         hardware_flags[2];
}

#include "M_Block.h"

#include <algorithm>

int M_Block::Decode(const unsigned char* record, unsigned long size, int report) {
  recordSize = static_cast<uint32_t>(size);
  decoded = 0;
  for (ByteArray* array : {&splits, &channel_units, &input, &mode, &high_pass, &low_pass}) array->reset();
  // A fresh prefix each time, so that its fields left unread by this record count as 0.
  prefix = P_Block();
  prefix.Decode(record, size, 0);
  const long long start = record != nullptr ? FindBlock(record, kBit, size) : 0;
  FieldCursor fields(*this, record, start);
  if (record != nullptr && ReadFixedPart(fields) && ReadVariablePart(fields)) decoded = 1;
  // The length depends on the set-up, so it is never compared.
  return FinishDecode(fields.Position(), start, declared_length, report, "M_Block", false);
}

uint64_t M_Block::DataChannels() const {
  constexpr unsigned kWidestExponent = 32;
  if (prefix.ChannelsFromTChannels()) return t_channels;
  return uint64_t{1} << std::min<unsigned>(channels, kWidestExponent);
}

bool M_Block::ReadFixedPart(FieldCursor& fields) {
  if (!(fields.U16(declared_length) && fields.U8(systemmode) && fields.U8(channels) && fields.U16(t_channels) &&
        fields.U8(barwhat) && fields.U8(master_channel))) {
    return false;
  }
  fields.Skip(1);
  return fields.U8(filter) && fields.U8(octave_window) && fields.U16(base_frequency) && fields.U8(fft_low_pass) &&
         fields.U8(fft_window) && fields.U16(lifter) && fields.U8(zoom) && fields.U16(bins) && fields.U16(start_bin) &&
         fields.U8(ten_dbs) && fields.U8(range) && fields.U8(detector) && fields.Time(detector_time) &&
         fields.U8(exptimecode) && fields.U8(constantcode) && fields.U8(in_set_index);
}

bool M_Block::ReadVariablePart(FieldCursor& fields) {
  const std::size_t n = prefix.HardwareChannels();
  if (!ReadArray(fields, splits, n) || !ReadArray(fields, channel_units, n)) return false;
  if (HasSlmSettings()) {
    if (!(fields.U8(analyzer_mode) && fields.U8(slm_mode) && fields.U8(bias) && ReadArray(fields, input, 1))) {
      return false;
    }
  } else if (!(ReadArray(fields, mode, n) && ReadArray(fields, high_pass, n) && ReadArray(fields, low_pass, n) &&
               ReadArray(fields, input, n))) {
    return false;
  }
  if (HasRpmSettings()) {
    if (!(fields.U8(max_rpm) && fields.U8(pprev) && fields.U8(max_order) && fields.U8(loop_speed))) return false;
  } else if (HasFeet() && !fields.U8(max_order)) {
    return false;
  }
  return !HasFeet() || fields.U16(feet);
}

bool M_Block::ReadArray(FieldCursor& fields, ByteArray& array, std::size_t count) {
  uint8_t* bytes = array.Assign(count);
  return fields.Bytes(bytes, array.size());
}

uint8_t* M_Block::ByteArray::Assign(std::size_t count) {
  present_ = true;
  size_ = std::min(count, bytes_.size());
  std::fill_n(bytes_.begin(), size_, uint8_t{0});
  return bytes_.data();
}

#include "D_LayoutContext.h"

#include <algorithm>

#include "LittleEndianReader.h"
#include "TextSink.h"

D_LayoutContext::D_LayoutContext(const unsigned char* record, uint32_t recordSize, long long dataStart,
                                 TextSink* output, const M_Block& main, bool headings, bool keepUnits)
    : record_(record),
      recordSize_(recordSize),
      dataStart_(dataStart),
      output_(output),
      main_(main),
      headings_(headings),
      keepUnits_(keepUnits),
      bands_(labels::BandSettings::Of(main.Prefix(), main)) {}

uint64_t D_LayoutContext::ValuesInRecord() const { return BytesInRecord() / 2; }

bool D_LayoutContext::Value(uint64_t index, int16_t& value) const {
  if (index >= ValuesInRecord()) return false;
  uint16_t raw = 0;
  if (!DataU16(2 * index, raw)) return false;
  value = static_cast<int16_t>(raw);
  return true;
}

uint64_t D_LayoutContext::BytesInRecord() const {
  if (!HasData() || dataStart_ >= recordSize_) return 0;
  return recordSize_ - static_cast<uint64_t>(dataStart_);
}

bool D_LayoutContext::DataFits(uint64_t offset, uint64_t count) const {
  const uint64_t bytes = BytesInRecord();
  return offset <= bytes && count <= bytes - offset;
}

bool D_LayoutContext::DataU8(uint64_t offset, uint8_t& value) const {
  return DataFits(offset, 1) && LittleEndianReader(record_, recordSize_).U8(dataStart_ + static_cast<long long>(offset), value);
}

bool D_LayoutContext::DataU16(uint64_t offset, uint16_t& value) const {
  return DataFits(offset, 2) && LittleEndianReader(record_, recordSize_).U16(dataStart_ + static_cast<long long>(offset), value);
}

bool D_LayoutContext::DataU32(uint64_t offset, uint32_t& value) const {
  return DataFits(offset, 4) && LittleEndianReader(record_, recordSize_).U32(dataStart_ + static_cast<long long>(offset), value);
}

uint64_t D_LayoutContext::ChannelCount() const {
  return std::min(main_.DataChannels(), std::max<uint64_t>(1, ValuesInRecord()));
}

void D_LayoutContext::Write(std::string_view text) const {
  if (output_ != nullptr) output_->Write(text);
}

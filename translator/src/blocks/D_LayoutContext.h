// What a layout of the spectral data block works with: the record, the
// parsed prefix and main system variables blocks, the profile's options,
// bounded access to the block's values, row labels and the output.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "M_Block.h"
#include "P_Block.h"
#include "labels/FrequencyLabels.h"

class TextSink;

class D_LayoutContext {
 public:
  D_LayoutContext(const unsigned char* record, uint32_t recordSize, long long dataStart, TextSink* output,
                  const M_Block& main, bool headings, bool keepUnits);

  const unsigned char* Record() const { return record_; }
  uint32_t RecordSize() const { return recordSize_; }
  TextSink* Output() const { return output_; }
  const P_Block& Prefix() const { return main_.Prefix(); }
  const M_Block& Main() const { return main_; }
  bool Headings() const { return headings_; }
  bool KeepUnits() const { return keepUnits_; }

  // False when the record has no spectral data block or no bytes at all:
  // then a layout writes nothing.
  bool HasData() const { return dataStart_ >= 0 && recordSize_ > 0; }
  // Start of the block in the record; its values begin at its first byte.
  long long DataStart() const { return dataStart_; }
  // Signed 16-bit values from the block start to the end of the record.
  uint64_t ValuesInRecord() const;
  // The signed 16-bit value number `index`, or false beyond the record.
  bool Value(uint64_t index, int16_t& value) const;

  // Bytes from the block start to the end of the record.
  uint64_t BytesInRecord() const;
  // Whether `count` bytes at `offset` from the block start lie in the record.
  bool DataFits(uint64_t offset, uint64_t count) const;
  // Fields at `offset` from the block start, or false beyond the record.
  bool DataU8(uint64_t offset, uint8_t& value) const;
  bool DataU16(uint64_t offset, uint16_t& value) const;
  bool DataU32(uint64_t offset, uint32_t& value) const;

  // Channels of the data: `t_channels` where the hardware says so, else 2
  // to the power `channels`. Never more than the record has values for, so
  // that a hostile exponent cannot make a heading without end.
  uint64_t ChannelCount() const;

  std::string BinLabel(long long bin) const { return labels::BinLabel(bands_, bin, keepUnits_); }
  // The same label without a copy; valid until the next call.
  std::string_view BinLabelText(long long bin) const {
    return labels::BinLabelText(bands_, bin, keepUnits_, labelScratch_);
  }
  std::string SampleTime(long long sample) const { return labels::SampleTime(bands_, sample); }

  void Write(std::string_view text) const;

 private:
  const unsigned char* record_;
  uint32_t recordSize_;
  long long dataStart_;
  TextSink* output_;
  const M_Block& main_;
  bool headings_;
  bool keepUnits_;
  labels::BandSettings bands_;
  mutable std::string labelScratch_;
};

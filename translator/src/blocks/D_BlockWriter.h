// The spectral data block. Its layout is not self-describing: the record's
// prefix and main system variables blocks choose it (D_Route), and each
// layout has its own writer (D_LayoutTable).
#pragma once

#include "Block.h"
#include "M_Block.h"
#include "P_Block.h"

class D_BlockWriter : public Block {
 public:
  static constexpr uint16_t kBit = 0x2000;

  void Write(const unsigned char* record, unsigned long size, TextSink* output, const _DataProfileTag* profile);

  // Parses the prefix and main system variables blocks silently: 1, or 0
  // when the record cannot be read. An absent main system variables block
  // leaves its fields at 0.
  int Decode(const unsigned char* record, unsigned long size, int report) override;

 private:
  P_Block prefix;
  M_Block main;
  bool headings = false;
  bool keep_units = false;
};

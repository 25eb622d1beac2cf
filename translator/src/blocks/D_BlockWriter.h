// The spectral data block. Its layout is not self-describing: the record's
// prefix and main system variables blocks choose it (D_Route), and each
// layout has its own writer (D_LayoutTable).
#pragma once

#include "Block.h"
#include "D_Route.h"
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

  // The block's Standard-mode spectrum as numbers: 1, or 0 when the record
  // holds another layout or no values.
  int ReadStandardSpectrum(const unsigned char* record, unsigned long size, StandardSpectrum& spectrum);

 private:
  // The layout that the decoded prefix and main system variables blocks choose.
  D_Route Route() const;

  P_Block prefix;
  M_Block main;
  bool headings = false;
  bool keep_units = false;
};

// Prints the autostore block: its header, then a table with one or more
// rows per frame, laid out by the record's system mode and data type.
#pragma once

#include "A_Block.h"
#include "I_Block.h"
#include "M_Block.h"
#include "P_Block.h"
#include "S_Block.h"
#include "labels/FrequencyLabels.h"

class RowBuffer;

class A_BlockWriter : public A_Block {
 public:
  void Write(const unsigned char* record, unsigned long size, TextSink* output, const _DataProfileTag* profile);

 private:
  void WriteHeadingRow(RowBuffer& out, const labels::BandSettings& bands) const;
  void WriteFrames(const unsigned char* record, RowBuffer& out);
  // Data type less the prefix's first cross-mode data type.
  int CrossKind() const;

  P_Block prefix;
  M_Block main;
  S_Block store;
  I_Block intensity;
  long long blockStart = -1;
  uint32_t data_length = 0;
  bool keep_units = false;
};

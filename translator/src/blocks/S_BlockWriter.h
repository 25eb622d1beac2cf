// Prints the spectral store information block: the fixed fields, a line per
// channel, then the groups that the prefix block's hardware flags call for.
#pragma once

#include "S_Block.h"

class S_BlockWriter : public S_Block {
 public:
  void Write(const unsigned char* record, unsigned long size, TextSink* output, const _DataProfileTag* profile);
};

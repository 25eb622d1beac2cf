// Prints the statistics variables block.
#pragma once

#include "L_Block.h"

class L_BlockWriter : public L_Block {
 public:
  void Write(const unsigned char* record, unsigned long size, TextSink* output, const _DataProfileTag* profile);
};

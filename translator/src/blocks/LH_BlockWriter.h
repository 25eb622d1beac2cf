// Prints the setup statistics variables block.
#pragma once

#include "LH_Block.h"

class LH_BlockWriter : public LH_Block {
 public:
  void Write(const unsigned char* record, unsigned long size, TextSink* output, const _DataProfileTag* profile);
};

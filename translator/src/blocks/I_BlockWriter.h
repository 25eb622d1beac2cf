// Prints the intensity variables block: the three names and the geometry.
#pragma once

#include "I_Block.h"

class I_BlockWriter : public I_Block {
 public:
  void Write(const unsigned char* record, unsigned long size, TextSink* output, const _DataProfileTag* profile);
};

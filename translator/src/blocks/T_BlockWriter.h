// Prints the data vsRPM trace variables block.
#pragma once

#include "T_Block.h"

class T_BlockWriter : public T_Block {
 public:
  void Write(const unsigned char* record, unsigned long size, TextSink* output, const _DataProfileTag* profile);
};

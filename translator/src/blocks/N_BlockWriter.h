// Prints the note block: the note's size and its text.
#pragma once

#include "N_Block.h"

class N_BlockWriter : public N_Block {
 public:
  void Write(const unsigned char* record, unsigned long size, TextSink* output, const _DataProfileTag* profile);
};

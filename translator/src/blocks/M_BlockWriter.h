// Prints the main system variables block: the fixed fields, then the groups
// that the prefix block's channel count and hardware flags call for.
#pragma once

#include "M_Block.h"

class M_BlockWriter : public M_Block {
 public:
  void Write(const unsigned char* record, unsigned long size, TextSink* output, const _DataProfileTag* profile);

 private:
  void WriteArray(const char* label, const ByteArray& array);
};

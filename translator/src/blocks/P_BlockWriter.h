// Prints the prefix block, one line per field.
#pragma once

#include <string>

#include "P_Block.h"

class P_BlockWriter : public P_Block {
 public:
  void Write(const unsigned char* record, unsigned long size, TextSink* output, const _DataProfileTag* profile);
};

// The firmware revision as the analyzer shows it: 0x1234 is "A2.34".
std::string RevisionText(uint16_t codeRev);

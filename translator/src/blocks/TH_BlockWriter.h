// Prints the setup vsRPM trace variables block: the inputs with their
// scales and triggers, the trace set-up, then one value or line per window.
#pragma once

#include "TH_Block.h"

class TH_BlockWriter : public TH_Block {
 public:
  void Write(const unsigned char* record, unsigned long size, TextSink* output, const _DataProfileTag* profile);

 private:
  void WriteWindowGroups(const char* label, const std::vector<WindowGroup>& groups);
};

// Which writer translates the block of each mask bit.
#pragma once

#include "morvane/Morvane.h"

class TextSink;

using BlockWriteFunction = void (*)(const unsigned char* record, unsigned long size, TextSink* output,
                                    const _DataProfileTag* profile);

// The writer of the block whose mask bit is 2^bit, or null where none exists.
BlockWriteFunction FindBlockWriter(int bit);

// Lives for one block of one record.
template <class Writer>
void RunBlockWriter(const unsigned char* record, unsigned long size, TextSink* output, const _DataProfileTag* profile) {
  Writer writer;
  writer.Write(record, size, output, profile);
}

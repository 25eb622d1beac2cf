// The note block: a text note of up to 64 characters stored with the record.
#pragma once

#include <cstdint>

#include "Block.h"

class N_Block : public Block {
 public:
  static constexpr uint16_t kBit = 0x0002;
  static constexpr uint16_t kExpectedLength = 68;
  static constexpr std::size_t kNoteSize = 64;

  int Decode(const unsigned char* record, unsigned long size, int report) override;

  uint8_t NoteSize() const { return note_size; }
  // Ends at the first NUL, or after all 64 characters.
  const char* Note() const { return note; }

 protected:
  uint16_t declared_length = 0;
  uint8_t note_size = 0;
  char note[kNoteSize + 1] = {};
};

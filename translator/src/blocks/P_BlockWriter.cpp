#include "P_BlockWriter.h"

#include <charconv>
#include <string>

#include "morvane/Names.h"

std::string RevisionText(uint16_t codeRev) {
  // As "%X", without the cost of a format string on every record.
  char hex[8] = {};
  std::to_chars(hex, hex + sizeof hex - 1, codeRev, 16);
  for (char& c : hex) {
    if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
  }
  // The first hexadecimal digit becomes a letter: 1 is A, 9 is I, A is J.
  const int digit = hex[0] <= '9' ? hex[0] - '0' : hex[0] - 'A' + 10;
  // As "%c%c.%c%c": a shorter hexadecimal text ends at its first missing character.
  const char characters[] = {static_cast<char>(0x40 + digit), hex[1], '.', hex[2], hex[3]};
  std::string text;
  for (const char c : characters) {
    if (c == '\0') break;
    text += c;
  }
  return text;
}

void P_BlockWriter::Write(const unsigned char* record, unsigned long size, TextSink* output,
                          const _DataProfileTag* profileToUse) {
  if (!BeginWrite(record, size, output, profileToUse, kWordP, "P")) return;
  WriteString(",Store Type", morvane::RecordTypeName(storetype));
  WriteUnsignedByte(",Hardware Channels", hardware_channels);
  WriteInteger(",Data Length", static_cast<int32_t>(data_length));
  WriteWordBits(",Block Mask", block_mask);
  WriteString(",Code Rev", RevisionText(code_rev).c_str());
  WriteString(",Datestamp", datestamp);
  WriteUnsignedByte(",Hardware Inputset", hardware_inputset);
  WriteUnsignedByte(",Hardware Inputs1", hardware_inputs1);
  WriteUnsignedByte(",Hardware Inputs2", hardware_inputs2);
  WriteUnsignedByte(",Hardware Inputs3", hardware_inputs3);
  WriteBytesBits(",Hardware Flags", HardwareFlags(), 3);
}

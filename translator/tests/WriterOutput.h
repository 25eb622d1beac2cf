// Runs one block writer over a record and returns the text it wrote, and
// holds the diagnostic lines that every block writes under its label.
#pragma once

#include <string>

#include "TextSink.h"
#include "VqbBuilder.h"
#include "morvane/Morvane.h"

namespace blocktest {

// Word 0 (headings on by default) and one block word.
inline _DataProfileTag Profile(int blockWord, uint32_t value, uint32_t general = 0x2) {
  _DataProfileTag profile{};
  profile.word[0] = general;
  profile.word[blockWord] = value;
  return profile;
}

// A prefix with `channels` hardware channels and flag bytes 34 and 35.
inline vqbtest::PrefixFields Prefix(uint8_t channels, uint8_t flag34 = 0, uint8_t flag35 = 0) {
  vqbtest::PrefixFields prefix;
  prefix.hardwareChannels = channels;
  prefix.flags[0] = flag34;
  prefix.flags[1] = flag35;
  return prefix;
}

template <class Writer>
std::string WriteBlock(const vqbtest::Bytes& record, const _DataProfileTag& profile) {
  std::string text;
  TextSink sink(&text);
  Writer writer;
  writer.Write(record.data(), static_cast<unsigned long>(record.size()), &sink, &profile);
  return text;
}

inline std::string MoreData(const std::string& label) {
  return label +
         ": Record contains more data than the translator expected. Some incorrect results may occur.\r\n"
         "Please update your version of the translator.\r\n";
}

inline std::string LessData(const std::string& label) {
  return label + ": Record contains less data than the translator expected. Expect incorrect results.\r\n";
}

inline std::string Unreadable(const std::string& label) {
  return label + ": Error reading this block.  Data not initialized correctly.\r\n";
}

}  // namespace blocktest

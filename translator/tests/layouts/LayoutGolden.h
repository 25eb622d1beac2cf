// Records for the spectral data layouts, and one golden file per layout
// family holding what the block writes for each case, under a line naming
// the case. VERDALON_UPDATE_GOLDEN=1 rewrites the files instead of comparing
// them; a rewritten file is reviewed by eye before it is committed.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "VqbBuilder.h"
#include "WriterOutput.h"
#include "blocks/D_BlockWriter.h"

namespace layouttest {

constexpr uint32_t kHeadings = 0x3;
constexpr uint32_t kNoHeadings = 0x1;
constexpr uint32_t kHeadingsAndUnits = 0x7;

// A record of a prefix, a main system variables block, the companion
// blocks a layout reads and the spectral data block's bytes.
struct DataRecord {
  vqbtest::PrefixFields prefix;
  vqbtest::MainFields main;
  std::vector<std::pair<uint16_t, vqbtest::Bytes>> companions;  // mask bit, bytes after the length field
  vqbtest::Bytes data;

  vqbtest::Bytes Build() const {
    vqbtest::RecordBuilder builder(prefix);
    builder.Block(0x0004, vqbtest::MainBody(main, vqbtest::PerChannelGroups(prefix.hardwareChannels)));
    for (const auto& [bit, body] : companions) builder.Block(bit, body);
    builder.RawBlock(0x2000, data);
    return builder.Build();
  }
};

inline std::string WriteDataBlock(const vqbtest::Bytes& record, uint32_t dWord) {
  return blocktest::WriteBlock<D_BlockWriter>(record, blocktest::Profile(11, dWord, 0));
}

struct GoldenCase {
  std::string name;
  vqbtest::Bytes record;
  uint32_t dWord = kHeadings;
};

inline void ExpectGolden(const std::string& fileName, const std::vector<GoldenCase>& cases) {
  std::string text;
  for (const GoldenCase& c : cases) text += "### " + c.name + "\r\n" + WriteDataBlock(c.record, c.dWord);
  const std::string path = std::string(MORVANE_GOLDEN_DIR) + "/" + fileName;
  if (const char* update = std::getenv("VERDALON_UPDATE_GOLDEN"); update != nullptr && update[0] == '1') {
    vqbtest::WriteFile(path, vqbtest::Bytes(text.begin(), text.end()));
    return;
  }
  EXPECT_EQ(text, vqbtest::ReadFileText(path)) << "golden file " << path;
}

}  // namespace layouttest

// The note block: notes ending at a NUL or filling the field, and the length checks.
#include <gtest/gtest.h>

#include <string>

#include "WriterOutput.h"
#include "blocks/N_BlockWriter.h"

using vqbtest::Bytes;

namespace {

Bytes Record(const std::string& note, std::optional<uint16_t> declared = {}) {
  const Bytes body = vqbtest::ByteWriter().U8(10).Text(note, 64).U8(0xEE).Data();
  return vqbtest::RecordBuilder().Block(N_Block::kBit, body, declared).Build();
}

TEST(N_Block, Lines) {
  const std::string full(64, 'n');
  const Bytes whole = Record("Pump room,");
  const struct {
    const char* what;
    Bytes record;
    std::string expected;
  } cases[] = {
      {"ten characters", whole, "N Block\r\n,Note Size,10\r\n,Note,Pump room,\r\n"},
      {"all 64 characters", Record(full), "N Block\r\n,Note Size,10\r\n,Note," + full + "\r\n"},
      {"declared 72", Record("x", 72), blocktest::MoreData("N_Block") + "N Block\r\n,Note Size,10\r\n,Note,x\r\n"},
      {"the unread last byte cut off", Bytes(whole.begin(), whole.end() - 1),
       "N Block\r\n,Note Size,10\r\n,Note,Pump room,\r\n"},
      {"cut inside the note", Bytes(whole.begin(), whole.end() - 2),
       blocktest::MoreData("N_Block") + blocktest::Unreadable("N_Block") + "N Block\r\n,Note Size,10\r\n,Note,\r\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(blocktest::WriteBlock<N_BlockWriter>(c.record, blocktest::Profile(kWordN, 1)), c.expected) << c.what;
  }
}

}  // namespace

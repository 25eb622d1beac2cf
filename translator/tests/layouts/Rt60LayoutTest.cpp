// Reverberation time tables with and without their Sum rows.
#include "LayoutGolden.h"

namespace {

using layouttest::DataRecord;

// 15 octave pairs, a Sum pair, 45 third-octave pairs and a Sum pair; the
// band 30 row (pair 10) holds the largest count.
DataRecord Rt60Record(uint32_t dataLength, std::size_t pairs = 62) {
  DataRecord r;
  r.prefix.storeType = 6;
  r.prefix.dataLength = dataLength;
  vqbtest::ByteWriter w;
  for (std::size_t i = 0; i < pairs; ++i) w.U16(i == 3 ? 0xFFFF : 1000 + 37 * i).U16(i == 10 ? 0xFFFF : i);
  r.data = w.Data();
  return r;
}

TEST(Rt60Layout, Golden) {
  layouttest::ExpectGolden("Rt60Layout.csv",
                           {{"data length 240: no Sum rows, units blanked", Rt60Record(240).Build()},
                            {"data length 248: Sum rows, units kept", Rt60Record(248).Build(),
                             layouttest::kHeadingsAndUnits},
                            {"cut after 12 pairs, no headings", Rt60Record(248, 12).Build(), layouttest::kNoHeadings}});
}

}  // namespace

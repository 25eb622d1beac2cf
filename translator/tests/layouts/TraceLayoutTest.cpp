// vsRPM traces: plane order of the enabled traces and the wrapped ring buffer.
#include "LayoutGolden.h"

namespace {

vqbtest::Bytes TraceRecord(uint8_t bufferWrap, uint16_t lastOffset, uint16_t endOffset, uint16_t points) {
  layouttest::DataRecord r;
  r.prefix.storeType = 7;
  vqbtest::Bytes penStatus(32, 0x01);
  penStatus[0] = 0x02;   // trace 1, in the last plane
  penStatus[4] = 0x03;   // trace 5, in plane 2
  penStatus[31] = 0x00;
  r.companions.push_back({0x0008, vqbtest::ByteWriter().Zeros(49).Raw(penStatus).Zeros(256 + 21).Data()});
  r.companions.push_back(
      {0x0010, vqbtest::ByteWriter().U8(bufferWrap).U16(lastOffset).U16(endOffset).U16(points).Zeros(68).Data()});
  std::vector<int16_t> planes;
  for (int plane = 0; plane < 4; ++plane) {
    for (int i = 0; i < points; ++i) planes.push_back(static_cast<int16_t>(plane == 0 ? 1000 * (i + 1) : 256 * plane + i));
  }
  r.data = vqbtest::Words(planes);
  return r.Build();
}

TEST(TraceLayout, Golden) {
  vqbtest::Bytes cut = TraceRecord(0, 0, 0, 3);
  cut.resize(cut.size() - 1);
  layouttest::ExpectGolden("TraceLayout.csv",
                           {{"not wrapped: trace 1 from the last plane", TraceRecord(0, 0, 0, 3)},
                            {"wrapped at byte 3 of 8", TraceRecord(0x01, 3, 8, 4), layouttest::kNoHeadings},
                            {"no trace data", TraceRecord(0x05, 3, 8, 4)},
                            {"the last point cut by the record", cut}});
}

}  // namespace

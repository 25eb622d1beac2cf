// Statistics summaries by pen and channel, in the standard, SLM and SLMX modes.
#include "LayoutGolden.h"

namespace {

struct LnTrace {
  uint8_t mode = 0;
  uint8_t channelExponent = 0;
  uint16_t bins = 2;
  uint8_t activePens = 0x05;
  std::size_t statisticsStored = 3;

  vqbtest::Bytes Build() const {
    layouttest::DataRecord r;
    r.prefix.storeType = 8;
    r.main.systemMode = mode;
    r.main.channels = channelExponent;
    r.main.bins = bins;
    r.main.startBin = 30;
    r.companions.push_back({0x0020, vqbtest::ByteWriter().U8(activePens).Zeros(7).U16(20).Zeros(9).Data()});
    const int channels = channelExponent == 0 ? 1 : 2;
    const std::size_t values = mode == 3 ? bins - 8u : mode == 4 ? 3 : bins + 1u;
    vqbtest::ByteWriter w;
    for (int pen = 0; pen < 6; ++pen) {
      for (int c = 0; (activePens & (1 << pen)) != 0 && c < channels; ++c) {
        for (std::size_t k = 0; k < values; ++k) w.U8(101 + 10 * pen + c + k);
      }
    }
    // LMax, Lmin, Leq, Under, Mean and STDev in tenths.
    for (std::size_t k = 0; k < statisticsStored; ++k) w.U8(101 + k).U8(1).U8(50).U8(k).U16(705 + k).U16(0xFFFF);
    r.data = w.Data();
    return r.Build();
  }
};

TEST(LnTraceLayout, Golden) {
  layouttest::ExpectGolden("LnTraceLayout.csv",
                           {{"one channel: byte 101 over base 20 is 70.5", LnTrace{}.Build()},
                            {"two channels, SLM: byte 101 is 121.0", LnTrace{3, 1, 14, 0x01, 12}.Build()},
                            {"SLMX, statistics of the second channel cut", LnTrace{4, 1, 2, 0x20, 5}.Build(),
                             layouttest::kNoHeadings}});
}

}  // namespace

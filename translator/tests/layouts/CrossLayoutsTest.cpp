// Cross-mode layouts: the pair scheme, every group format, the two-channel
// and per-channel tables, and the scaled values with their data scales.
#include "LayoutGolden.h"

namespace {

constexpr uint8_t kMultiPair = 0x20;  // prefix byte 35

struct Cross {
  uint8_t dataType;
  uint8_t channels = 4;
  uint8_t flag35 = 0;
  uint8_t masterChannel = 0;
  uint8_t fftWindow = 0;
  std::vector<int16_t> dataScales = {};  // an S block when not empty

  vqbtest::Bytes Build() const {
    layouttest::DataRecord r;
    r.prefix.hardwareChannels = 4;
    r.prefix.flags[1] = flag35;
    r.prefix.reserved[1] = 100;  // the first cross data type
    r.main.systemMode = 1;
    r.main.dataType = static_cast<uint8_t>(100 + dataType);
    r.main.channels = channels == 4 ? 2 : 1;
    r.main.tChannels = channels;
    r.main.masterChannel = masterChannel;
    r.main.fftWindow = fftWindow;
    r.main.bins = 2;
    const bool timeAxis = dataType < 5 || (dataType >= 9 && dataType <= 12) || dataType == 23 || dataType >= 25;
    r.main.filter = timeAxis && dataType != 27 && dataType != 32 ? 4 : 1;
    r.main.fftLowPass = 1;
    if (!dataScales.empty()) {
      r.companions.push_back({0x1000, vqbtest::ByteWriter().Zeros(16).Raw(vqbtest::Words(dataScales)).Data()});
    }
    r.data = vqbtest::Words({16384, -1, 8191, 256, -16384, 3276, 32767, -32768, 100, 200, 300, 400, 500, 600, 700, 800});
    return r.Build();
  }
};

TEST(CrossLayouts, Golden) {
  layouttest::ExpectGolden(
      "CrossLayouts.csv",
      {{"5: real/imaginary, flag clear: pairs 2, 3, 4 against 1", Cross{5}.Build()},
       {"6: flag set, master 1: pairs 1 to 4 against 2", Cross{6, 4, kMultiPair, 1}.Build()},
       {"7: magnitude/phase by level", Cross{7, 2}.Build()},
       {"9: time real/imaginary", Cross{9, 2}.Build()},
       {"11: time magnitude/phase", Cross{11, 2}.Build()},
       {"13: scaled by the data scales of the pairs", Cross{13, 4, 0, 0, 0, {256, -512, 0, 0}}.Build()},
       {"15: fine magnitude/phase", Cross{15, 2}.Build()},
       {"23: time scaled without an S block", Cross{23, 2}.Build()},
       {"27: magnitude/power", Cross{27, 2}.Build()},
       {"1: time real, two channels", Cross{1}.Build()},
       {"2: time real per channel", Cross{2, 4, kMultiPair, 1}.Build()},
       {"3: time magnitude, two channels, master 1", Cross{3, 4, 0, 1}.Build()},
       {"4: time magnitude per channel", Cross{4, 2, kMultiPair}.Build()},
       {"29: offset scaled, window 1, no S block", Cross{29, 4, 0, 0, 1}.Build()},
       {"30: offset scaled per channel, window 3", Cross{30, 2, kMultiPair, 0, 3, {0, 256, 0, 0}}.Build()},
       {"31: offset scaled, window 2, master 1", Cross{31, 4, 0, 1, 2, {0, 256, 0, 0}}.Build()},
       {"32: two-channel magnitude/phase", Cross{32}.Build()},
       {"33: per channel, numbered from 0", Cross{33, 2}.Build()}});
}

}  // namespace

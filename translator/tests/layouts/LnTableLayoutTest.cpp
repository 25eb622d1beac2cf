// Level distribution tables of one and two channels.
#include "LayoutGolden.h"

namespace {

using layouttest::DataRecord;

struct LnTable {
  int16_t dbBase = -10;
  uint16_t startBin = 30, bins = 6, size = 0xFFFF;
  uint8_t filter = 1, mode = 3;
  uint16_t channelsLessOne = 1;
  uint16_t codeRev = 0x1435;
  std::size_t bandsStored = 14;  // bands of 122 counts, or of 242 with one channel

  vqbtest::Bytes Build() const {
    DataRecord r;
    r.prefix.storeType = 27;
    r.prefix.codeRev = codeRev;
    vqbtest::ByteWriter w;
    w.U16(static_cast<uint16_t>(dbBase)).U16(startBin).U16(bins).U16(size).U8(filter).U8(mode);
    w.U16(10).U16(40).U16(7).U16(channelsLessOne);
    const std::size_t perBand = channelsLessOne != 0 ? 122 : 242;
    for (std::size_t i = 0; i < bandsStored * perBand; ++i) w.U32(i % perBand < 3 || i % perBand == perBand - 1 ? i : 0);
    r.data = w.Data();
    return r.Build();
  }
};

TEST(LnTableLayout, Golden) {
  LnTable oldFirmware;
  oldFirmware.codeRev = 0x1434;
  oldFirmware.channelsLessOne = 0;
  oldFirmware.filter = 0;
  oldFirmware.startBin = 7;
  oldFirmware.bandsStored = 7;
  LnTable reduced;  // 10 x (6 + 1) x 2 = 140 > 90 - 18: one bin less
  reduced.size = 90;
  reduced.mode = 4;
  LnTable cut;
  cut.bins = 9;
  cut.mode = 0;
  layouttest::ExpectGolden("LnTableLayout.csv", {{"two channels, SLM, DB base -10", LnTable{}.Build()},
                                                 {"revision 0x1434 ignores mode 3, one channel", oldFirmware.Build()},
                                                 {"bins reduced by the size, SLMX", reduced.Build()},
                                                 {"counts cut by the record", cut.Build()}});
}

}  // namespace

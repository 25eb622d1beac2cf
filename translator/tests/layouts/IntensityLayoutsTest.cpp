// Intensity spectra with their direction words, intensity power and the
// field indicator.
#include "LayoutGolden.h"

namespace {

vqbtest::Bytes IntensityRecord(uint8_t dataType, uint8_t channelExponent, std::vector<int16_t> values,
                               bool withIBlock = true) {
  layouttest::DataRecord r;
  r.prefix.reserved[0] = 40;  // the first intensity data type
  r.main.systemMode = 2;
  r.main.dataType = dataType;
  r.main.channels = channelExponent;
  r.main.bins = 2;
  if (withIBlock) r.companions.push_back({0x0200, vqbtest::ByteWriter().Zeros(80).U16(100).Data()});
  r.data = vqbtest::Words(values);
  return r.Build();
}

TEST(IntensityLayouts, Golden) {
  // 0x8123 is "Down" with level 291, 0x4123 "Up" with -16093; p.t. correction 100.
  const std::vector<int16_t> words = {256, 512, int16_t(0x8123), 0x4123};
  layouttest::ExpectGolden(
      "IntensityLayouts.csv",
      {{"spectrum, two channels", IntensityRecord(40, 1, words)},
       {"spectrum without an I block: no correction", IntensityRecord(43, 1, words, false), layouttest::kNoHeadings},
       {"power, four channels, cut after one row", IntensityRecord(44, 2, {256, 0, 0x7FFF, 0, -1, 0, int16_t(0xC000)})},
       {"field indicator", IntensityRecord(48, 2, {256, -256})}});
}

}  // namespace

// GetStandardSpectrum: the numbers of the demo file's spectra, and no
// spectrum where a record holds none.
#include <gtest/gtest.h>

#include "morvane/Morvane.h"

namespace {

TEST(StandardSpectrumTest, GivesTheBandsAndLevelsTheTranslationWrites) {
  const struct {
    unsigned char type;
    unsigned short number;
    std::size_t bands;  // 0: no spectrum
    float firstLevel;
  } cases[] = {
      {1, 2, 31, 37.0f},  // a third-octave spectrum, 20 Hz to 20 kHz
      {2, 1, 31, 62.0f},
      {1, 1, 0, 0},   // no spectral data block
      {8, 1, 0, 0},   // an Ln trace
      {1, 9, 0, 0},   // no such record
  };
  Morvane demo(VERDALON_DEMO_FILE);
  for (const auto& c : cases) {
    StandardSpectrum spectrum;
    spectrum.bandLabels = {"stale"};
    EXPECT_EQ(demo.GetStandardSpectrum(c.type, c.number, &spectrum), c.bands > 0 ? 1 : 0) << int(c.type);
    ASSERT_EQ(spectrum.bandLabels.size(), c.bands);
    if (c.bands == 0) continue;
    EXPECT_EQ(spectrum.bandLabels.front(), "13,  20.0 Hz");
    EXPECT_EQ(spectrum.bandLabels.back(), "43,  20.0kHz");
    ASSERT_EQ(spectrum.levels.size(), 1u);
    ASSERT_EQ(spectrum.levels[0].size(), c.bands);
    EXPECT_NEAR(spectrum.levels[0][0], c.firstLevel, 0.05f);
  }
}

}  // namespace

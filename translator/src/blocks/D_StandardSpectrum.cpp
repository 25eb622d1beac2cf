#include "D_StandardSpectrum.h"

#include "Conversions.h"
#include "D_LayoutContext.h"
#include "TextSink.h"

int WriteStandardSpectrum(const D_LayoutContext& data) {
  if (!data.HasData()) return 0;
  TextSink* const out = data.Output();
  if (out == nullptr) return 1;
  const uint64_t bins = data.Main().Bins();
  const uint64_t channels = data.ChannelCount();
  if (data.Headings()) {
    out->Put(",Bin,Freq Hz");
    for (uint64_t c = 0; c < channels; ++c) {
      out->Put(",Channel ");
      out->PutInteger(static_cast<long long>(c + 1));
    }
    out->Write("\r\n");
  }
  // Values are stored channel by channel: bin b of channel c is value bins * c + b.
  for (uint64_t b = 0; b < bins; ++b) {
    int16_t raw = 0;
    // The table stops after its last complete row.
    if (channels > 0 && !data.Value(bins * (channels - 1) + b, raw)) return 1;
    out->Put(',');
    out->Put(data.BinLabelText(static_cast<long long>(b)));
    for (uint64_t c = 0; c < channels; ++c) {
      data.Value(bins * c + b, raw);
      // A level as the analyzer shows it: computed in double precision,
      // rounded to a 32-bit float, printed as "%6.1f".
      out->Put(',');
      out->PutFixed(static_cast<float>(LevelDb(raw)), 1, 6);
    }
    out->Write("\r\n");
  }
  return 1;
}

int ReadStandardSpectrum(const D_LayoutContext& data, StandardSpectrum& spectrum) {
  spectrum = {};
  const uint64_t bins = data.Main().Bins();
  const uint64_t channels = data.ChannelCount();
  if (!data.HasData() || channels == 0) return 0;
  spectrum.levels.resize(channels);
  for (uint64_t b = 0; b < bins; ++b) {
    int16_t raw = 0;
    if (!data.Value(bins * (channels - 1) + b, raw)) break;
    spectrum.bandLabels.push_back(data.BinLabel(static_cast<long long>(b)));
    for (uint64_t c = 0; c < channels; ++c) {
      data.Value(bins * c + b, raw);
      spectrum.levels[c].push_back(static_cast<float>(LevelDb(raw)));
    }
  }
  if (spectrum.bandLabels.empty()) spectrum = {};
  return spectrum.bandLabels.empty() ? 0 : 1;
}

#include "D_StandardSpectrum.h"

#include <string>

#include "Conversions.h"
#include "D_LayoutContext.h"
#include "NumberText.h"

namespace {

// A level as the analyzer shows it: computed in double precision, rounded to
// a 32-bit float, printed as "%6.1f".
std::string LevelColumn(int16_t raw) { return "," + FixedText(static_cast<float>(LevelDb(raw)), 1, 6); }

}  // namespace

int WriteStandardSpectrum(const D_LayoutContext& data) {
  if (!data.HasData()) return 0;
  const uint64_t bins = data.Main().Bins();
  const uint64_t channels = data.ChannelCount();
  if (data.Headings()) {
    std::string heading = ",Bin,Freq Hz";
    for (uint64_t c = 0; c < channels; ++c) heading += ",Channel " + std::to_string(c + 1);
    data.Write(heading + "\r\n");
  }
  // Values are stored channel by channel: bin b of channel c is value bins * c + b.
  for (uint64_t b = 0; b < bins; ++b) {
    std::string row = "," + data.BinLabel(static_cast<long long>(b));
    for (uint64_t c = 0; c < channels; ++c) {
      int16_t raw = 0;
      // The table stops after its last complete row.
      if (!data.Value(bins * c + b, raw)) return 1;
      row += LevelColumn(raw);
    }
    data.Write(row + "\r\n");
  }
  return 1;
}

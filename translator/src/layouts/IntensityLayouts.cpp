#include "IntensityLayouts.h"

#include <cstdint>
#include <string>

#include "Conversions.h"
#include "LayoutLine.h"
#include "blocks/D_LayoutContext.h"
#include "blocks/I_Block.h"

namespace {

enum class Kind { kSpectrum, kPower, kFieldIndicator };

// Particle velocity level above the intensity's own scale.
constexpr double kParticleVelocityOffsetDb = 34.0;

// Bit 15 is the direction; bits 0-14 the level, a 15-bit two's-complement number.
struct IntensityWord {
  bool down;
  long long level;

  static IntensityWord Of(int16_t raw) {
    const auto word = static_cast<uint16_t>(raw);
    long long level = word & 0x7FFF;
    if ((level & 0x4000) != 0) level -= 0x8000;
    return {(word & 0x8000) != 0, level};
  }
  const char* Direction() const { return down ? "Down" : "Up"; }
};

std::string Heading(Kind kind, uint64_t channels) {
  if (kind == Kind::kFieldIndicator) return ",Bin,Freq Hz,Field";
  std::string heading = ",Bin,Freq Hz,SPL";
  for (uint64_t s = 2; s <= channels; ++s) {
    const std::string against = ",Ch " + std::to_string(s) + "vs1 ";
    heading += kind == Kind::kPower ? against + "Power,Direction"
                                    : against + "Intensity,Direction" + against + "Quality" + against +
                                          "Particle Velocity";
  }
  return heading;
}

// The printed value of a level in steps: rounded to a float, "%6.1f".
void WriteLevel(LayoutLine& line, long long steps) {
  line.Text(",").Fixed(static_cast<float>(LevelStepsDb(steps)), 1, 6);
}

int WriteIntensity(const D_LayoutContext& data, Kind kind) {
  if (!data.HasData()) return 0;
  long long correction = 0;
  if (kind == Kind::kSpectrum) {
    I_Block intensity;
    if (intensity.Decode(data.Record(), data.RecordSize(), 0) == 0) return 0;
    correction = intensity.PtCorrection();
  }
  const uint64_t channels = kind == Kind::kFieldIndicator ? 1 : data.ChannelCount();
  const uint64_t bins = data.Main().Bins();
  LayoutLine line(data);
  if (data.Headings()) line.Text(Heading(kind, channels)).End();
  for (uint64_t b = 0; b < bins; ++b) {
    // The table stops after its last complete row.
    if (channels > 0 && (channels - 1) * bins + b >= data.ValuesInRecord()) break;
    int16_t pressure = 0;
    data.Value(b, pressure);
    line.Text(",").Text(data.BinLabel(static_cast<long long>(b)));
    WriteLevel(line, pressure);
    for (uint64_t s = 1; s < channels; ++s) {
      int16_t raw = 0;
      data.Value(s * bins + b, raw);
      const IntensityWord word = IntensityWord::Of(raw);
      WriteLevel(line, word.level);
      line.Text(",").Text(word.Direction());
      if (kind != Kind::kSpectrum) continue;
      WriteLevel(line, word.level - pressure - correction);
      line.Text(",").Fixed(static_cast<float>(LevelStepsDb(2 * word.level - pressure) + kParticleVelocityOffsetDb), 1, 6);
    }
    line.End();
  }
  return 1;
}

}  // namespace

int WriteIntensitySpectrum(const D_LayoutContext& data) { return WriteIntensity(data, Kind::kSpectrum); }

int WriteIntensityPower(const D_LayoutContext& data) { return WriteIntensity(data, Kind::kPower); }

int WriteFieldIndicator(const D_LayoutContext& data) { return WriteIntensity(data, Kind::kFieldIndicator); }

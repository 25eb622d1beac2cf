#include "LnTraceLayout.h"

#include <cstdint>
#include <cstring>

#include "LayoutLine.h"
#include "blocks/D_LayoutContext.h"
#include "blocks/LH_Block.h"
#include "labels/LabelTables.h"

namespace {

constexpr uint8_t kSlmMode = 3;
constexpr uint8_t kSlmxMode = 4;
constexpr int kPens = 6;
constexpr uint64_t kStatisticsBytes = 8;
// Heading columns show the band's frequency: its no-comma label from the fifth character.
constexpr std::size_t kFrequencyColumn = 4;

// What a row holds in each system mode: `values` numbers of which the first
// `bands` are bands and the rest the columns named by `tail`.
struct RowShape {
  uint64_t values;
  long long bands;
  const char* tail;

  static RowShape Of(uint8_t mode, long long bins) {
    RowShape shape{0, bins, ",Sum"};
    long long last = bins;
    if (mode == kSlmMode) {
      last = bins - 9;
      shape = {0, bins - 12, ",Slow,Fast,Impulse,Sum"};
    } else if (mode == kSlmxMode) {
      last = 2;
      shape = {0, 0, ",Slow,Fast,Impulse"};
    }
    shape.values = last >= 0 ? static_cast<uint64_t>(last) + 1 : 0;
    return shape;
  }
};

// The statistics of one band: byte 0 LMax, 1 Lmin, 2 Leq, 3 the underflow
// count, then the mean and the deviation in tenths of a dB.
enum class Statistic { kLMax, kLmin, kLeq, kMean, kStDev, kUnder };

struct LevelBytes {
  double divisor;  // levels are held in half dB with one channel
  int16_t base;

  double Of(uint8_t byte) const { return byte / divisor + base; }
};

void WriteHeading(LayoutLine& line, const D_LayoutContext& data, const RowShape& shape) {
  const auto label = data.Main().Filter() != 0 ? &labels::ThirdOctaveLabelNoComma : &labels::OctaveLabelNoComma;
  line.Text(",,,Frequency");
  for (long long k = 0; k < shape.bands; ++k) {
    const char* text = label(data.Main().StartBin() + k);
    line.Text(",").Text(std::strlen(text) > kFrequencyColumn ? text + kFrequencyColumn : "");
  }
  line.Text(shape.tail).End();
}

void WriteStatistic(LayoutLine& line, const D_LayoutContext& data, uint64_t first, uint64_t count, Statistic which,
                    const LevelBytes& levels) {
  for (uint64_t k = 0; k < count; ++k) {
    const uint64_t at = first + k * kStatisticsBytes;
    uint8_t byte = 0;
    uint16_t tenths = 0;
    line.Text(",");
    switch (which) {
      case Statistic::kLMax:
      case Statistic::kLmin:
      case Statistic::kLeq:
        data.DataU8(at + static_cast<uint64_t>(which), byte);
        line.Fixed(levels.Of(byte), 1);
        break;
      case Statistic::kUnder:
        data.DataU8(at + 3, byte);
        line.Integer(byte);
        break;
      case Statistic::kMean:
      case Statistic::kStDev:
        data.DataU16(at + (which == Statistic::kMean ? 4 : 6), tenths);
        line.Fixed(tenths / 10.0, 1);
        break;
    }
  }
}

}  // namespace

int WriteLnTraceSummary(const D_LayoutContext& data) {
  if (!data.HasData()) return 0;
  LH_Block setup;
  if (setup.Decode(data.Record(), data.RecordSize(), 0) == 0) return 0;
  const bool oneChannel = data.ChannelCount() == 1;
  const int channels = oneChannel ? 1 : 2;
  const LevelBytes levels{oneChannel ? 2.0 : 1.0, setup.BaseDbOffset()};
  const RowShape shape = RowShape::Of(data.Main().Systemmode(), data.Main().Bins());
  LayoutLine line(data);
  if (data.Headings()) WriteHeading(line, data, shape);

  uint64_t offset = 0;
  for (int pen = 0; pen < kPens; ++pen) {
    if ((setup.ActivePens() & (1u << pen)) == 0) continue;
    for (int channel = 1; channel <= channels; ++channel, offset += shape.values) {
      // The table stops after its last complete row.
      if (!data.DataFits(offset, shape.values)) return 1;
      if (data.Headings()) line.Text(",,Pen ").Integer(pen + 1).Text(" Channel ").Integer(channel);
      for (uint64_t k = 0; k < shape.values; ++k) {
        uint8_t byte = 0;
        data.DataU8(offset + k, byte);
        line.Text(",").Fixed(levels.Of(byte), 1);
      }
      line.End();
    }
  }

  const struct {
    const char* label;
    Statistic which;
  } rows[] = {{"\r\n,,,Lmin", Statistic::kLmin},   {"\r\n,,,Leq", Statistic::kLeq},
              {"\r\n,,,Mean", Statistic::kMean},   {"\r\n,,,STDev", Statistic::kStDev},
              {"\r\n,,,Under", Statistic::kUnder}};
  for (int channel = 1; channel <= channels; ++channel) {
    const uint64_t first = offset + static_cast<uint64_t>(channel - 1) * shape.values * kStatisticsBytes;
    if (!data.DataFits(first, shape.values * kStatisticsBytes)) break;
    line.Text(channel == 1 ? "" : "\r\n").Text(",,Channel ").Integer(channel).Text("\r\n,,,LMax");
    WriteStatistic(line, data, first, shape.values, Statistic::kLMax, levels);
    for (const auto& row : rows) {
      line.Text(row.label);
      WriteStatistic(line, data, first, shape.values, row.which, levels);
    }
  }
  line.End();
  return 1;
}

#include "CrossLayouts.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Conversions.h"
#include "LayoutLine.h"
#include "blocks/D_LayoutContext.h"
#include "blocks/S_Block.h"

namespace {

// Prefix byte 35 bit 5: every channel is paired with the master channel.
bool MultiPair(const D_LayoutContext& data) { return data.Prefix().HardwareFlag(35, 0x20); }

enum class Scale { kLevel, kFineLevel, kFraction, kHalfScale, kHundredths, kScaled, kOffsetScaled };

// How one value column is converted and printed.
struct Format {
  Scale scale;
  int width;
  int precision;
};

constexpr Format kLevel61{Scale::kLevel, 6, 1};
constexpr Format kHundredths61{Scale::kHundredths, 6, 1};

struct Column {
  uint64_t plane;
  Format format;
  int16_t exponent = 0;  // data scale of the scaled conversions
};

// A whole table: its heading row, its axis and its value columns.
struct ColumnTable {
  std::string heading;
  bool timeAxis = false;
  bool leadingComma = true;
  bool emptyLineAfter = false;
  std::vector<Column> columns = {};
};

double Convert(const Column& column, int16_t raw, int fftWindow) {
  switch (column.format.scale) {
    case Scale::kLevel: return static_cast<float>(LevelDb(raw));
    case Scale::kFineLevel: return static_cast<float>(FineLevelDb(raw));
    case Scale::kFraction: return static_cast<float>(Fraction(raw));
    case Scale::kHalfScale: return static_cast<float>(HalfScaleFraction(raw));
    case Scale::kHundredths: return static_cast<float>(Hundredths(raw));
    case Scale::kScaled: return static_cast<float>(ScaledValue(raw, column.exponent));
    case Scale::kOffsetScaled: return static_cast<float>(OffsetScaledValue(raw, column.exponent, fftWindow));
  }
  return 0;
}

std::string Number(long long value) { return std::to_string(value); }

void WriteTable(const D_LayoutContext& data, const ColumnTable& table) {
  LayoutLine line(data);
  if (data.Headings()) line.Text(table.heading).End();
  uint64_t planes = 0;
  for (const Column& column : table.columns) planes = std::max(planes, column.plane + 1);
  const uint64_t bins = data.Main().Bins();
  const int fftWindow = data.Main().FftWindow();
  for (uint64_t b = 0; b < bins; ++b) {
    // The table stops after its last complete row.
    if (planes > 0 && (planes - 1) * bins + b >= data.ValuesInRecord()) break;
    if (table.leadingComma) line.Text(",");
    const auto row = static_cast<long long>(b);
    line.Text(table.timeAxis ? data.SampleTime(row) : data.BinLabel(row));
    for (const Column& column : table.columns) {
      int16_t raw = 0;
      data.Value(column.plane * bins + b, raw);
      line.Text(",").Fixed(Convert(column, raw, fftWindow), column.format.precision, column.format.width);
    }
    line.End();
  }
  if (table.emptyLineAfter) line.End();
}

// The paired layouts: one group of two columns per channel pair.
struct PairedLayout {
  bool timeAxis;
  const char* firstName;
  const char* secondName;
  Format first;
  Format second;
};

std::optional<PairedLayout> PairedLayoutOf(D_Layout layout) {
  using L = D_Layout;
  const Format halfScale{Scale::kHalfScale, 7, 4}, fraction74{Scale::kFraction, 7, 4};
  const Format fine72{Scale::kFineLevel, 7, 2}, hundredths72{Scale::kHundredths, 7, 2};
  const Format scaled{Scale::kScaled, 9, 4}, fine74{Scale::kFineLevel, 7, 4}, hundredths74{Scale::kHundredths, 7, 4};
  const Format fraction94{Scale::kFraction, 9, 4};
  switch (layout) {
    case L::kCrossFrequencyRealImaginaryHalfScale: return PairedLayout{false, "Real", "Imaginary", halfScale, halfScale};
    case L::kCrossFrequencyMagnitudePhaseLevel: return PairedLayout{false, "Magnitude", "Phase", kLevel61, hundredths72};
    case L::kCrossTimeRealImaginaryFraction: return PairedLayout{true, "Real", "Imaginary", fraction74, fraction74};
    case L::kCrossTimeMagnitudePhaseFine: return PairedLayout{true, "Magnitude", "Phase", fine72, hundredths72};
    case L::kCrossFrequencyRealImaginaryScaled: return PairedLayout{false, "Real", "Imaginary", scaled, scaled};
    case L::kCrossFrequencyMagnitudePhaseFine: return PairedLayout{false, "Magnitude", "Phase", fine74, hundredths74};
    case L::kCrossTimeRealImaginaryScaled: return PairedLayout{true, "Real", "Imaginary", scaled, scaled};
    case L::kCrossFrequencyMagnitudePower: return PairedLayout{false, "Magnitude", "Power", fraction94, kLevel61};
    default: return std::nullopt;
  }
}

// With the multi-pair flag the pairs are channels 1 ... n against the
// master channel; otherwise channels 2 ... n against channel 1.
ColumnTable PairedTable(const D_LayoutContext& data, const PairedLayout& layout, const S_Block& scales) {
  const uint64_t channels = data.ChannelCount();
  const bool multiPair = MultiPair(data);
  const long long reference = multiPair ? data.Main().MasterChannel() + 1 : 1;
  const uint64_t firstChannel = multiPair ? 1 : 2;
  ColumnTable table{.heading = layout.timeAxis ? ",Time" : ",Frequency,", .timeAxis = layout.timeAxis};
  for (uint64_t k = firstChannel, pair = 0; k <= channels; ++k, ++pair) {
    const std::string against = "Ch " + Number(static_cast<long long>(k)) + "vs" + Number(reference) + " ";
    table.heading += "," + against + layout.firstName + "," + against + layout.secondName;
    const int16_t exponent = scales.DataScale(pair);
    table.columns.push_back({2 * pair, layout.first, exponent});
    table.columns.push_back({2 * pair + 1, layout.second, exponent});
  }
  return table;
}

// Headings of the two-pair tables: "<first>,Ch<m+1> <a>,Ch<m+1> <b>,Ch<m+2> <a>,Ch<m+2> <b>".
std::string TwoChannelHeading(const D_LayoutContext& data, const char* first, const char* a, const char* b) {
  const long long m = data.Main().MasterChannel();
  std::string heading = first;
  for (long long channel = m + 1; channel <= m + 2; ++channel) {
    heading += ",Ch" + Number(channel) + " " + a + ",Ch" + Number(channel) + " " + b;
  }
  return heading;
}

// One column per channel c = 1 ... n, headed "<prefix><c><suffix>".
void AddChannelColumns(const D_LayoutContext& data, ColumnTable& table, const std::string& prefix,
                       const std::string& suffix, Format format, uint64_t firstNumber = 1) {
  for (uint64_t c = 0; c < data.ChannelCount(); ++c) {
    table.heading += prefix + Number(static_cast<long long>(c + firstNumber)) + suffix;
    table.columns.push_back({c, format});
  }
}

ColumnTable TimeRealTable(const D_LayoutContext& data) {
  const Format fraction{Scale::kFraction, 7, 4};
  if (!MultiPair(data)) {
    ColumnTable table{.heading = TwoChannelHeading(data, ",Time", "Real", "Imaginary"), .timeAxis = true};
    for (uint64_t plane = 0; plane < 4; ++plane) table.columns.push_back({plane, fraction});
    return table;
  }
  ColumnTable table{.heading = ",Time", .timeAxis = true};
  AddChannelColumns(data, table, ",Ch ", "vs" + Number(data.Main().MasterChannel() + 1) + " Real", fraction);
  return table;
}

ColumnTable TimeMagnitudeTable(const D_LayoutContext& data) {
  const Format fine{Scale::kFineLevel, 7, 2};
  if (!MultiPair(data)) {
    ColumnTable table{.heading = TwoChannelHeading(data, ",Time", "Magnitude", "Phase"), .timeAxis = true};
    table.columns = {{0, fine}, {1, kHundredths61}, {2, fine}, {3, kHundredths61}};
    return table;
  }
  ColumnTable table{.heading = ",Time", .timeAxis = true};
  AddChannelColumns(data, table, ",Ch ", "vs" + Number(data.Main().MasterChannel() + 1) + " Magnitude", fine);
  return table;
}

ColumnTable TimeMagnitudeOffsetScaledTable(const D_LayoutContext& data, const S_Block& scales) {
  const Format offsetScaled{Scale::kOffsetScaled, 9, 4};
  if (!MultiPair(data)) {
    const long long m = data.Main().MasterChannel();
    ColumnTable table{.heading = ",Time,Ch" + Number(m + 1) + " Magnitude", .timeAxis = true, .emptyLineAfter = true};
    table.columns.push_back({0, offsetScaled, scales.DataScale(static_cast<uint64_t>(m))});
    return table;
  }
  ColumnTable table{.heading = "Time", .timeAxis = true, .leadingComma = false};
  AddChannelColumns(data, table, ",Ch", " Mag", offsetScaled);
  for (Column& column : table.columns) column.exponent = scales.DataScale(column.plane);
  return table;
}

ColumnTable TwoChannelMagnitudePhaseTable(const D_LayoutContext& data) {
  ColumnTable table{.heading = TwoChannelHeading(data, ",Freq,", "Magnitude", "Phase")};
  table.columns = {{0, kLevel61}, {1, kHundredths61}, {2, kLevel61}, {3, kHundredths61}};
  return table;
}

ColumnTable TimeByChannelTable(const D_LayoutContext& data) {
  ColumnTable table{.heading = ",Time", .timeAxis = true};
  AddChannelColumns(data, table, ",Channel ", "", kLevel61, 0);
  return table;
}

bool NeedsDataScales(D_Layout layout) {
  return layout == D_Layout::kCrossFrequencyRealImaginaryScaled || layout == D_Layout::kCrossTimeRealImaginaryScaled ||
         layout == D_Layout::kCrossTimeMagnitudeOffsetScaled;
}

int WriteCross(const D_LayoutContext& data, D_Layout layout) {
  if (!data.HasData()) return 0;
  // The data scales of the scaled layouts; the store information block's
  // decoding problems are reported into the output. A record that cannot be
  // read at all gives no table.
  S_Block scales;
  scales.SetReportOutput(data.Output());
  if (NeedsDataScales(layout) && scales.Decode(data.Record(), data.RecordSize(), 0, 1) == 0) return 0;
  if (const std::optional<PairedLayout> paired = PairedLayoutOf(layout)) {
    WriteTable(data, PairedTable(data, *paired, scales));
    return 1;
  }
  switch (layout) {
    case D_Layout::kCrossTimeReal: WriteTable(data, TimeRealTable(data)); break;
    case D_Layout::kCrossTimeMagnitude: WriteTable(data, TimeMagnitudeTable(data)); break;
    case D_Layout::kCrossTimeMagnitudeOffsetScaled: WriteTable(data, TimeMagnitudeOffsetScaledTable(data, scales)); break;
    case D_Layout::kCrossTwoChannelMagnitudePhase: WriteTable(data, TwoChannelMagnitudePhaseTable(data)); break;
    case D_Layout::kCrossTimeByChannel: WriteTable(data, TimeByChannelTable(data)); break;
    default: return 0;
  }
  return 1;
}

}  // namespace

template <D_Layout layout>
int WriteCrossLayout(const D_LayoutContext& data) {
  return WriteCross(data, layout);
}

template int WriteCrossLayout<D_Layout::kCrossTimeReal>(const D_LayoutContext&);
template int WriteCrossLayout<D_Layout::kCrossTimeMagnitude>(const D_LayoutContext&);
template int WriteCrossLayout<D_Layout::kCrossFrequencyRealImaginaryHalfScale>(const D_LayoutContext&);
template int WriteCrossLayout<D_Layout::kCrossFrequencyMagnitudePhaseLevel>(const D_LayoutContext&);
template int WriteCrossLayout<D_Layout::kCrossTimeRealImaginaryFraction>(const D_LayoutContext&);
template int WriteCrossLayout<D_Layout::kCrossTimeMagnitudePhaseFine>(const D_LayoutContext&);
template int WriteCrossLayout<D_Layout::kCrossFrequencyRealImaginaryScaled>(const D_LayoutContext&);
template int WriteCrossLayout<D_Layout::kCrossFrequencyMagnitudePhaseFine>(const D_LayoutContext&);
template int WriteCrossLayout<D_Layout::kCrossTimeRealImaginaryScaled>(const D_LayoutContext&);
template int WriteCrossLayout<D_Layout::kCrossFrequencyMagnitudePower>(const D_LayoutContext&);
template int WriteCrossLayout<D_Layout::kCrossTimeMagnitudeOffsetScaled>(const D_LayoutContext&);
template int WriteCrossLayout<D_Layout::kCrossTwoChannelMagnitudePhase>(const D_LayoutContext&);
template int WriteCrossLayout<D_Layout::kCrossTimeByChannel>(const D_LayoutContext&);

#include "LnTableLayout.h"

#include <cstdint>

#include "LayoutLine.h"
#include "blocks/D_LayoutContext.h"
#include "labels/LabelTables.h"

namespace {

// Firmware from this code revision on stores the system mode in the header.
constexpr uint16_t kFirstRevisionWithMode = 0x1435;
constexpr uint64_t kHeaderBytes = 18;
constexpr uint64_t kCountBytes = 4;
constexpr uint8_t kSlmMode = 3;
constexpr uint8_t kSlmxMode = 4;
// Counts per band: number, underflows, then the level classes.
constexpr int kClassesOfTwoChannels = 120;  // of 1 dB
constexpr int kClassesOfOneChannel = 240;   // of 0.5 dB

// The header; fields beyond the record read as 0.
struct LnTableHeader {
  int16_t dbBaseOffset = 0;
  uint16_t startBin = 0;
  uint16_t bins = 0;
  uint16_t size = 0;
  uint8_t filter = 0;
  uint8_t systemMode = 0;
  uint16_t bandSize = 0;
  uint16_t endBin = 0;
  uint16_t statBins = 0;
  uint16_t channelsLessOne = 0;

  static LnTableHeader Read(const D_LayoutContext& data) {
    LnTableHeader h;
    uint16_t dbBase = 0;
    data.DataU16(0, dbBase);
    h.dbBaseOffset = static_cast<int16_t>(dbBase);
    data.DataU16(2, h.startBin);
    data.DataU16(4, h.bins);
    data.DataU16(6, h.size);
    data.DataU8(8, h.filter);
    if (data.Prefix().CodeRev() >= kFirstRevisionWithMode) data.DataU8(9, h.systemMode);
    data.DataU16(10, h.bandSize);
    data.DataU16(12, h.endBin);
    data.DataU16(14, h.statBins);
    data.DataU16(16, h.channelsLessOne);
    return h;
  }

  // The stored bin count, one less when the counts of that many bands
  // would not fit the stored size.
  long long BinCount() const {
    const long long needed = static_cast<long long>(bandSize) * (bins + 1) * (channelsLessOne + 1);
    return needed > static_cast<long long>(size) - static_cast<long long>(kHeaderBytes) ? bins - 1 : bins;
  }
};

void WriteHeader(LayoutLine& line, const D_LayoutContext& data, const LnTableHeader& h, long long binCount) {
  line.Text(",DB Base Offset,").Integer(h.dbBaseOffset, 5).End();
  line.Text(",Start Bin,").Integer(h.startBin, 5).End();
  line.Text(",Bins,").Integer(binCount, 5).End();
  line.Text(",Size,").Integer(h.size, 5).End();
  line.Text(",Filter,").Text(labels::FilterName(h.filter)).End();
  if (data.Prefix().CodeRev() >= kFirstRevisionWithMode) {
    line.Text(",System Mode,").Text(labels::SystemModeName(h.systemMode)).End();
  }
  line.Text(",Band Size,").Integer(h.bandSize, 5).End();
  line.Text(",End Bin,").Integer(h.endBin, 5).End();
  line.Text(",Stat Bins,").Integer(h.statBins, 5).End();
  line.Text(",Channels,").Integer(h.channelsLessOne + 1, 5).End();
}

// The band columns of a channel's heading row, closed with its line end.
void WriteBandLabels(LayoutLine& line, const LnTableHeader& h, long long binCount) {
  const auto label = h.filter != 0 ? &labels::ThirdOctaveLabelNoComma : &labels::OctaveLabelNoComma;
  long long bands = binCount;
  const char* tail = ",Sum";
  if (h.systemMode == kSlmMode) {
    bands = binCount - 3;
    tail = ",Slow,Fast,Impulse,Sum";
  } else if (h.systemMode == kSlmxMode) {
    bands = 0;
    tail = ",Slow,Fast,Impulse";
  }
  for (long long k = 0; k < bands; ++k) line.Text(",").Text(label(h.startBin + k));
  line.Text(tail).End();
}

// The counts of one channel: `bands` bands of `perBand` counts each.
struct ChannelCounts {
  const D_LayoutContext& data;
  uint64_t firstBand;
  uint64_t bands;
  uint64_t perBand;

  uint64_t Offset(uint64_t band, uint64_t item) const {
    return kHeaderBytes + ((firstBand + band) * perBand + item) * kCountBytes;
  }
  // Whether count `item` of every band lies in the record.
  bool Fits(uint64_t item) const { return bands == 0 || data.DataFits(Offset(bands - 1, item), kCountBytes); }
  void Write(LayoutLine& line, uint64_t item) const {
    for (uint64_t band = 0; band < bands; ++band) {
      uint32_t count = 0;
      data.DataU32(Offset(band, item), count);
      line.Text(",").Integer(count);
    }
    line.End();
  }
};

// One channel's rows after its heading; false when the record ends first.
bool WriteChannelRows(LayoutLine& line, const ChannelCounts& counts, const LnTableHeader& h, bool twoChannels) {
  const char* indent = twoChannels ? ",,," : ",,";
  const int classes = twoChannels ? kClassesOfTwoChannels : kClassesOfOneChannel;
  const char* const rowNames[] = {"Number", "Underflows"};
  for (uint64_t item = 0; item < 2; ++item) {
    if (!counts.Fits(item)) return false;
    line.Text(indent).Text(rowNames[item]);
    counts.Write(line, item);
  }
  for (int k = 0; k < classes; ++k) {
    if (!counts.Fits(2 + static_cast<uint64_t>(k))) return false;
    line.Text(indent);
    if (twoChannels) {
      line.Integer(h.dbBaseOffset + k);
    } else {
      line.Fixed(h.dbBaseOffset + 0.5 * k, 1);
    }
    line.Text("db");
    counts.Write(line, 2 + static_cast<uint64_t>(k));
  }
  return true;
}

}  // namespace

int WriteLnTable(const D_LayoutContext& data) {
  if (!data.HasData()) return 0;
  const LnTableHeader h = LnTableHeader::Read(data);
  const long long binCount = h.BinCount();
  const uint64_t bands = binCount >= 0 ? static_cast<uint64_t>(binCount) + 1 : 0;
  LayoutLine line(data);
  WriteHeader(line, data, h, binCount);
  const bool twoChannels = h.channelsLessOne != 0;
  if (!twoChannels) {
    line.Text(",,Frequency");
    WriteBandLabels(line, h, binCount);
    WriteChannelRows(line, {data, 0, bands, 2 + kClassesOfOneChannel}, h, false);
    return 1;
  }
  for (uint64_t channel = 0; channel < 2; ++channel) {
    line.Text(",Channel ").Integer(static_cast<long long>(channel) + 1).Text(",Frequency");
    WriteBandLabels(line, h, binCount);
    if (!WriteChannelRows(line, {data, channel * bands, bands, 2 + kClassesOfTwoChannels}, h, true)) break;
  }
  return 1;
}

#include "TraceLayout.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "Conversions.h"
#include "LayoutLine.h"
#include "blocks/D_LayoutContext.h"
#include "blocks/TH_Block.h"
#include "blocks/T_Block.h"

namespace {

constexpr uint8_t kWrapped = 0x01;
constexpr uint8_t kNoTraceData = 0x04;
constexpr uint8_t kTraceEnabled = 0x02;  // in a trace's pen status
constexpr uint64_t kFirstTracePlane = 2;  // after the RPM and speed planes

// The stored points: plane 0 RPM, plane 1 speed in tenths, then one plane
// per enabled trace with the first enabled trace in the last plane.
struct TracePoints {
  const D_LayoutContext& data;
  uint64_t points;
  std::vector<uint64_t> traces;  // enabled trace numbers, ascending

  // Writes point `i`; false when it lies beyond the record.
  bool WriteRow(LayoutLine& line, uint64_t i, bool leadingComma) const {
    const uint64_t planes = kFirstTracePlane + traces.size();
    if (i >= points || (planes - 1) * points + i >= data.ValuesInRecord()) return false;
    int16_t rpm = 0, speed = 0;
    data.Value(i, rpm);
    data.Value(points + i, speed);
    if (leadingComma) line.Text(",");
    line.Integer(static_cast<uint16_t>(rpm), 5).Text(",").Integer(static_cast<uint16_t>(speed) / 10, 5);
    for (uint64_t q = 0; q < traces.size(); ++q) {
      int16_t level = 0;
      data.Value((kFirstTracePlane + traces.size() - 1 - q) * points + i, level);
      line.Text(", ").Fixed(static_cast<float>(LevelDb(level)), 1, 6);
    }
    line.End();
    return true;
  }

  // Points [first, end) in order; false when the record ends first.
  bool WriteRows(LayoutLine& line, uint64_t first, uint64_t end, bool leadingComma) const {
    for (uint64_t i = first; i < std::min(end, points); ++i) {
      if (!WriteRow(line, i, leadingComma)) return false;
    }
    return true;
  }
};

}  // namespace

int WriteVsRpmTraces(const D_LayoutContext& data) {
  if (!data.HasData()) return 0;
  T_Block buffer;
  TH_Block setup;
  if (buffer.Decode(data.Record(), data.RecordSize(), 0) == 0 || setup.Decode(data.Record(), data.RecordSize(), 0) == 0) {
    return 0;
  }
  LayoutLine line(data);
  if ((buffer.BufferWrap() & kNoTraceData) != 0) {
    line.Text("No Trace Data Stored").End();
    return 1;
  }
  TracePoints points{data, buffer.NumberOfPoints(), {}};
  for (uint64_t t = 0; t < TH_Block::kTraces; ++t) {
    if ((setup.PenStatus(t) & kTraceEnabled) != 0) points.traces.push_back(t);
  }
  if (data.Headings()) {
    line.Text(",RPM,SPEED");
    for (const uint64_t t : points.traces) line.Text(",Trace[").Integer(static_cast<long long>(t) + 1, 2, true).Text("]");
  }
  line.End();
  if ((buffer.BufferWrap() & kWrapped) == 0) {
    points.WriteRows(line, 0, points.points, true);
    return 1;
  }
  // A wrapped ring buffer: from just after the write position to the end,
  // then from the start up to and including the write position.
  const uint64_t last = buffer.LastOffset();
  if (points.WriteRows(line, (last + 1) / 2, buffer.EndOffset() / 2, false)) {
    points.WriteRows(line, 0, last / 2 + 1, false);
  }
  return 1;
}

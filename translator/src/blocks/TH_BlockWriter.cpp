#include "TH_BlockWriter.h"

#include <cmath>
#include <iterator>
#include <string>

#include "Conversions.h"

namespace {

const char* const kTachTimes[] = {"0.03", "0.06", "0.12", "0.25", "0.50", "1.00", "2.00"};
// Triggers and most intervals are stored in 1/65535 steps and print as whole steps.
constexpr uint32_t kTriggerStep = 65535;

double WholeSteps(uint32_t value) { return value / kTriggerStep; }

// The mantissa in the low 16 bits times 10 to the power (high 16 bits - 3).
double InputScale(uint32_t scale) {
  const double mantissa = scale & 0xFFFF;
  const int exponent = static_cast<int>(scale >> 16) - 3;
  // A zero mantissa stays 0 however large the power, rather than 0 x inf.
  if (mantissa == 0) return 0;
  // Dividing keeps 60 with exponent -1 exactly 6.
  return exponent >= 0 ? mantissa * std::pow(10.0, exponent) : mantissa / std::pow(10.0, -exponent);
}

// "<seconds> seconds" for tach time codes 0 to 6 (low four bits), else "Unknown" alone.
std::string TachTimeText(uint8_t tachTime) {
  const unsigned index = tachTime % 16u;
  if (index >= std::size(kTachTimes)) return "Unknown";
  return std::string(kTachTimes[index]) + " seconds";
}

}  // namespace

void TH_BlockWriter::Write(const unsigned char* record, unsigned long size, TextSink* output,
                           const _DataProfileTag* profileToUse) {
  if (!BeginWrite(record, size, output, profileToUse, kWordTH, "TH")) return;
  WriteFloat10_4(",Tach Scale", InputScale(tach_scale));
  WriteFloat10_4(",Tach Low Trigger", WholeSteps(tach_low_trigger));
  WriteFloat10_4(",Tach High Trigger", WholeSteps(tach_high_trigger));
  WriteFloat10_4(",Tach Minimum Interval", tach_min_interval / double{kTriggerStep});
  WriteFloat10_4(",Tach Maxximum Interval", WholeSteps(tach_max_interval));
  WriteFloat10_4(",Speed Scale", InputScale(speed_scale));
  WriteFloat10_4(",Speed Low Trigger", WholeSteps(speed_low_trigger));
  WriteFloat10_4(",Speed High Trigger", WholeSteps(speed_high_trigger));
  WriteFloat10_4(",Speed Minimum Interval", speed_min_interval / double{kTriggerStep});
  WriteFloat10_4(",Speed Maximum Interval", WholeSteps(speed_max_interval));
  WriteString(",Tach Time", TachTimeText(tach_time).c_str());
  WriteUnsignedByte(",Store Slope", store_slope);
  WriteUnsignedByte(",Vertical Grids", vertical_grids);
  WriteByteBits(",Track Setup", track_setup);
  WriteFloat10_4(",Delta Level", LevelDb(DeltaLevel()));
  WriteUnsignedByte(",Trace Slope", trace_slope);
  WriteUnsignedByte(",Order Span", order_span);
  WriteUnsignedByte(",Order Sums", order_sums);
  WriteByteList(",Pen Status", pen_status, kTraces);
  WriteWordList(",Trace Channel", trace_channel, kTraces);
  WriteWordList(",Trace Bin", trace_bin, kTraces);
  WriteWordList(",Trace Order Channel", trace_order_channel, kTraces);
  WriteWordList(",TraceOrderNumber", trace_order_number, kTraces);
  WriteByteList(",Trace Setup", trace_setup.data(), trace_setup.size());
  WriteWordList(",Tach Low", tach_low.data(), tach_low.size());
  WriteWordList(",Tach High", tach_high.data(), tach_high.size());
  WriteWordList(",Speed Low", speed_low.data(), speed_low.size());
  WriteWordList(",Speed High", speed_high.data(), speed_high.size());
  WriteWindowGroups(",Pen Slots: Window ", pen_slots);
  WriteWindowGroups(",Hide Status: Window ", hide_status);
  if (HasDistances()) {
    WriteShort(",Start Distance", start_distance);
    WriteWordList(",Distance Low", distance_low.data(), distance_low.size());
    WriteWordList(",Distance High", distance_high.data(), distance_high.size());
  }
}

void TH_BlockWriter::WriteWindowGroups(const char* label, const std::vector<WindowGroup>& groups) {
  for (std::size_t i = 0; i < groups.size(); ++i) {
    WriteByteList((label + std::to_string(i + 1)).c_str(), groups[i].data(), groups[i].size());
  }
}

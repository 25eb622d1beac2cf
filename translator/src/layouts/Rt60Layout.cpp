#include "Rt60Layout.h"

#include <cstdint>
#include <string>

#include "LayoutLine.h"
#include "blocks/D_LayoutContext.h"
#include "labels/LabelTables.h"

namespace {

constexpr int kOctaveRows = 15;       // bands 0 to 42, 1 Hz to 16 kHz
constexpr int kThirdOctaveRows = 45;  // bands -1 to 43, 0.8 Hz to 20 kHz
// Records whose data length reaches this hold a Sum pair after each table.
constexpr uint32_t kDataLengthWithSums = 248;
constexpr uint64_t kPairBytes = 4;

using LabelTable = const char* (*)(long long);

struct Table {
  const char* heading;
  LabelTable label;
  int rows;
};

// Without units the label keeps its width: "kHz" becomes three spaces, "Hz" two.
std::string RowLabel(const char* text, bool keepUnits) {
  std::string label(text);
  if (keepUnits) return label;
  if (const auto at = label.find("kHz"); at != std::string::npos) {
    label.replace(at, 3, "   ");
  } else if (const auto hz = label.find("Hz"); hz != std::string::npos) {
    label.replace(hz, 2, "  ");
  }
  return label;
}

// Writes the RT60 (signed milliseconds, printed in seconds) and the count of
// pair `pair`; false when the pair lies beyond the record.
bool WritePair(LayoutLine& line, const D_LayoutContext& data, uint64_t pair) {
  uint16_t milliseconds = 0, count = 0;
  if (!data.DataU16(pair * kPairBytes, milliseconds) || !data.DataU16(pair * kPairBytes + 2, count)) return false;
  line.Text(",").Fixed(static_cast<int16_t>(milliseconds) / 1000.0, 2, 7).Text(",").Integer(count).End();
  return true;
}

// Writes one table from pair `pair` on and advances it; false when the
// record ends first (the table then stops after its last complete row).
bool WriteTable(LayoutLine& line, const D_LayoutContext& data, const Table& table, bool withSum, uint64_t& pair) {
  if (data.Headings()) line.Text(table.heading).End();
  for (int row = 0; row < table.rows; ++row, ++pair) {
    if (!data.DataFits(pair * kPairBytes, kPairBytes)) return false;
    line.Text(",").Text(RowLabel(table.label(row), data.KeepUnits()));
    WritePair(line, data, pair);
  }
  if (!withSum) return true;
  if (!data.DataFits(pair * kPairBytes, kPairBytes)) return false;
  line.Text(",,Sum");
  WritePair(line, data, pair++);
  return true;
}

}  // namespace

int WriteRt60Tables(const D_LayoutContext& data) {
  if (!data.HasData()) return 0;
  const bool withSums = data.Prefix().DataLength() >= kDataLengthWithSums;
  LayoutLine line(data);
  uint64_t pair = 0;
  if (!WriteTable(line, data, {",Filter,Freq Hz,1/1 Octave RT60,Number", &labels::OctaveLabel, kOctaveRows}, withSums,
                  pair)) {
    return 1;
  }
  line.End();
  WriteTable(line, data, {",Filter,Freq Hz,1/3 Octave RT60,Number", &labels::ThirdOctaveLabel, kThirdOctaveRows},
             withSums, pair);
  return 1;
}

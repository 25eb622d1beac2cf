// Detector, filter, levels, calibration, input, ranges, zoom, units,
// cursors, channel, analysis mode, multiplexers, autostore and the level
// meter's graph. Settings read back as they were set; levels are made up
// from their arguments, so that a host can tell its queries apart.
#include <array>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "Arguments.h"
#include "CommandTable.h"
#include "simanalyzer/ErrorCodes.h"

namespace simanalyzer {
namespace {

MeasurementSettings& Settings(CommandContext& c) { return c.state.settings.measurement; }

std::string Joined(const int* values, std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) text += (i == 0 ? "" : ",") + std::to_string(values[i]);
  return text;
}

std::string Decimal(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", value);
  return text;
}

std::optional<int> OneNumber(const CommandContext& c) {
  const auto values = Numbers(c.arguments);
  if (!values || values->size() != 1) return std::nullopt;
  return values->front();
}

// A command of one number kept in `field`, and the query that reports it.
template <int MeasurementSettings::*field>
int SetNumber(CommandContext& c) {
  const auto value = OneNumber(c);
  if (!value) return error::kBadArgument;
  Settings(c).*field = *value;
  return error::kNone;
}

template <int MeasurementSettings::*field>
int ReportNumber(CommandContext& c) {
  c.reply.Line(std::to_string(Settings(c).*field));
  return error::kNone;
}

// A command of `N` numbers kept in `field`; with `lastOptional` it may
// leave off the last one, which then keeps its value.
template <std::size_t N, std::array<int, N> MeasurementSettings::*field, bool lastOptional = false>
int SetNumbers(CommandContext& c) {
  const auto values = Numbers(c.arguments);
  if (!values || (values->size() != N && !(lastOptional && values->size() == N - 1))) return error::kBadArgument;
  for (std::size_t i = 0; i < values->size(); ++i) (Settings(c).*field)[i] = (*values)[i];
  return error::kNone;
}

// A text of one decimal number kept in `field`, and its query.
template <std::string MeasurementSettings::*field>
int SetDecimalText(CommandContext& c) {
  const std::string text(c.arguments);
  char* end = nullptr;
  std::strtod(text.c_str(), &end);
  if (text.empty() || end != text.c_str() + text.size()) return error::kBadArgument;
  Settings(c).*field = text;
  return error::kNone;
}

template <std::string MeasurementSettings::*field>
int ReportText(CommandContext& c) {
  c.reply.Line(Settings(c).*field);
  return error::kNone;
}

// The range shown: lowest and highest band, the band count and the zoom.
int ReportFrequencyRange(CommandContext& c) {
  const auto& zoom = Settings(c).zoom;
  c.reply.Line("12.5,20000,33," + std::to_string(zoom[0]) + "," + std::to_string(zoom[1]));
  return error::kNone;
}

// "QLV first,last,kind": a level that grows with the band numbers.
int ReportFrequencyLevel(CommandContext& c) {
  const auto values = Numbers(c.arguments);
  if (!values || values->size() != 3) return error::kBadArgument;
  c.reply.Line(Decimal(40.0 + (*values)[0] * 0.5 + (*values)[1] * 0.25 + (*values)[2]));
  return error::kNone;
}

// "QSM n" or "QSM n,first,last": two summation levels.
int ReportSummationLevel(CommandContext& c) {
  const auto values = Numbers(c.arguments);
  if (!values || (values->size() != 1 && values->size() != 3)) return error::kBadArgument;
  const int spread = values->size() == 3 ? (*values)[2] - (*values)[1] : 0;
  c.reply.Line(Decimal(78.0 + (*values)[0]) + "," + Decimal(80.0 + (*values)[0] + spread * 0.1));
  return error::kNone;
}

int ReportLevelMeter(CommandContext& c) {
  const auto n = OneNumber(c);
  if (!n) return error::kBadArgument;
  c.reply.Line(Decimal(72.0 + *n * 0.5));
  return error::kNone;
}

int ReportPhon(CommandContext& c) {
  const auto n = OneNumber(c);
  if (!n) return error::kBadArgument;
  c.reply.Line(Decimal(65.0 + *n));
  return error::kNone;
}

int ReportCursors(CommandContext& c) {
  if (!OneNumber(c)) return error::kBadArgument;
  c.reply.Line(Joined(Settings(c).cursors.data(), 2));
  return error::kNone;
}

template <std::size_t index>
int SetCursor(CommandContext& c) {
  const auto position = OneNumber(c);
  if (!position) return error::kBadArgument;
  Settings(c).cursors[index] = *position;
  return error::kNone;
}

int SetChannel(CommandContext& c) {
  const auto channel = OneNumber(c);
  if (!channel || *channel < 1) return error::kBadArgument;
  Settings(c).channel = *channel;
  return error::kNone;
}

// A Deodar's mode is "second,mode"; the other models' a single number.
int SetAnalysisMode(CommandContext& c) {
  const auto values = Numbers(c.arguments);
  const std::size_t expected = IsDeodar(c.state.identity) ? 2 : 1;
  if (!values || values->size() != expected) return error::kBadArgument;
  if (expected == 2) {
    Settings(c).analysisMode = {(*values)[1], (*values)[0]};
  } else {
    Settings(c).analysisMode[0] = values->front();
  }
  return error::kNone;
}

int ReportAnalysisMode(CommandContext& c) {
  const auto& mode = Settings(c).analysisMode;
  c.reply.Line(IsDeodar(c.state.identity) ? std::to_string(mode[1]) + "," + std::to_string(mode[0])
                                          : std::to_string(mode[0]));
  return error::kNone;
}

// Five values set; the multiplexer is on from then on.
int SetMux(CommandContext& c) {
  const auto values = Numbers(c.arguments);
  if (!values || values->size() != 5) return error::kBadArgument;
  for (std::size_t i = 0; i < values->size(); ++i) Settings(c).muxValues[i] = (*values)[i];
  Settings(c).muxState = 1;
  return error::kNone;
}

int ReportMux(CommandContext& c) {
  c.reply.Line(std::to_string(Settings(c).muxState) + "," + Joined(Settings(c).muxValues.data(), 6));
  return error::kNone;
}

using M = MeasurementSettings;

}  // namespace

void AddMeasurementCommands(CommandTable& table) {
  table.emplace("DT", SetNumber<&M::detector>);
  table.emplace("QDT", ReportNumber<&M::detector>);
  table.emplace("TM", SetDecimalText<&M::timeConstant>);
  table.emplace("QTM", ReportText<&M::timeConstant>);
  table.emplace("FN", SetNumber<&M::filter>);
  table.emplace("QFN", ReportNumber<&M::filter>);
  table.emplace("QFQ", ReportFrequencyRange);
  table.emplace("FZ", SetNumbers<2, &M::zoom>);
  table.emplace("QLV", ReportFrequencyLevel);
  table.emplace("QSM", ReportSummationLevel);
  table.emplace("QSL", ReportLevelMeter);
  table.emplace("QPH", ReportPhon);
  table.emplace("UC", SetDecimalText<&M::calibrationLevel>);
  table.emplace("UCV", SetDecimalText<&M::millivoltCalibrationLevel>);
  table.emplace("MD", SetNumbers<2, &M::inputMode, true>);
  table.emplace("AG", SetNumber<&M::autoranging>);
  table.emplace("RGS", SetNumber<&M::topOfRange>);
  table.emplace("QRGS", ReportNumber<&M::topOfRange>);
  table.emplace("UN", SetNumber<&M::units>);
  table.emplace("QUN", ReportNumber<&M::units>);
  table.emplace("RG", SetNumber<&M::inputRange>);
  table.emplace("QRG", ReportNumber<&M::inputRange>);
  table.emplace("QWNC", ReportCursors);
  table.emplace("CRS", SetCursor<0>);
  table.emplace("CRD", SetCursor<1>);
  table.emplace("CH", SetChannel);
  table.emplace("SY", SetAnalysisMode);
  table.emplace("QSY", ReportAnalysisMode);
  table.emplace("XM", SetMux);
  table.emplace("QXM", ReportMux);
  table.emplace("AS", SetNumber<&M::autostore>);
  table.emplace("GR", SetNumber<&M::levelMeterGraph>);
}

}  // namespace simanalyzer

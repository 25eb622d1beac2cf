// Detector, filter, calibration, input, ranges, zoom, units, cursors,
// channel, analysis mode, multiplexers, autostore and the level-meter graph.
// The numbers are the analyzer's; they are passed through unchanged.
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "DecimalValue.h"
#include "ProtocolTiming.h"
#include "RemoteBracket.h"
#include "ReplyParsers.h"
#include "SerialLink.h"
#include "TransferTiming.h"

using namespace talvinet;

namespace {

// Detectors 0 and 1 take a time constant in seconds with two decimals; the
// others take a whole number.
constexpr std::uint16_t kLastFractionalDetector = 1;
constexpr int kShortReplyRoom = 128;

int TruncatedToInt(float value) {
  if (!std::isfinite(value)) return 0;
  if (value <= static_cast<float>(INT_MIN)) return INT_MIN;
  if (value >= static_cast<float>(INT_MAX)) return INT_MAX;
  return static_cast<int>(value);
}

}  // namespace

int Talvinet::GetDetectorInfo(DetectorStruct* detector, int remote) {
  if (detector == nullptr) return 0;
  detector->detector = 0;
  detector->timeConstant = 0;
  RemoteBracket bracket(*this, remote);
  char line[timing::kReplyLineRoom + 1] = {};
  if (!QueryLine("QDT\r\n", line, timing::kReplyLineRoom)) return 0;
  detector->detector = static_cast<std::uint16_t>(DecimalValue(line));
  if (!QueryLine("QTM\r\n", line, timing::kReplyLineRoom)) return 0;
  detector->timeConstant = static_cast<float>(FieldFraction(line));
  return 1;
}

int Talvinet::SetDetectorInfo(const DetectorStruct* detector, int remote) {
  if (detector == nullptr) return 0;
  RemoteBracket bracket(*this, remote);
  if (SendFormattedCommand(0, "DT %d\r\n", detector->detector) == 0) return 0;
  if (detector->detector <= kLastFractionalDetector) {
    return SendFormattedCommand(0, "TM %5.2f\r\n", static_cast<double>(detector->timeConstant));
  }
  return SendFormattedCommand(0, "TM %d\r\n", TruncatedToInt(detector->timeConstant));
}

int Talvinet::GetFilter(FilterStruct* filter, int remote) {
  if (filter == nullptr) return 0;
  RemoteBracket bracket(*this, remote);
  char line[kShortReplyRoom + 1] = {};
  if (!QueryLine("QFN\r\n", line, kShortReplyRoom)) return 0;
  filter->filter = static_cast<std::uint16_t>(DecimalValue(line));
  return 1;
}

// The filter command is sent bare: no error-code query follows it, so the
// line is paced and cleared by hand.
int Talvinet::SetFilter(const FilterStruct* filter, int remote) {
  if (filter == nullptr) return 0;
  char text[kMaxCommandSize];
  std::snprintf(text, sizeof text, "FN %d\r\n", filter->filter);
  RemoteBracket bracket(*this, remote);
  errorNumber = SendStr(text);
  if (OnOpenSerialLink()) {
    for (const timing::BaudPacing& pacing : timing::kCommandPacing) {
      if (link->baudRate == pacing.baudRate) Wait(pacing.milliseconds);
    }
  }
  DiscardSerialData();
  return errorNumber == kStatusOk ? 1 : 0;
}

int Talvinet::SetCalibrationLevel(float level, int remote) {
  return SendFormattedCommand(remote, "UC %3.1f\r\n", static_cast<double>(level));
}

int Talvinet::SetDBMVCalibrationLevel(float level, int remote) {
  return SendFormattedCommand(remote, "UCV %3.1f\r\n", static_cast<double>(level));
}

int Talvinet::SetInputMode(int a, int b, int remote) {
  return b == -1 ? SendFormattedCommand(remote, "MD %d\r\n", a) : SendFormattedCommand(remote, "MD %d,%d\r\n", a, b);
}

int Talvinet::EnableAutoranging(int on, int remote) { return SendFormattedCommand(remote, "AG %d\r\n", on); }

int Talvinet::GetRangeScaleLimit(int* limit, int remote) { return QueryNumber("QRGS\r\n", limit, remote); }

int Talvinet::SetZoom(int a, int b, int remote) { return SendFormattedCommand(remote, "FZ %d,%d\r\n", a, b); }

int Talvinet::GetMeasurementUnits(int* units, int remote) { return QueryNumber("QUN\r\n", units, remote); }

int Talvinet::SetMeasurementUnits(int units, int remote) { return SendFormattedCommand(remote, "UN %d\r\n", units); }

int Talvinet::GetInputRange(int* range, int remote) { return QueryNumber("QRG\r\n", range, remote); }

int Talvinet::SetInputRange(int range, int remote) { return SendFormattedCommand(remote, "RG %d\r\n", range); }

int Talvinet::SetTopOfInputRange(int top, int remote) { return SendFormattedCommand(remote, "RGS %d\r\n", top); }

int Talvinet::GetCursorPositions(unsigned short n, int* first, int* second, int remote) {
  if (first == nullptr || second == nullptr) return 0;
  char query[kMaxCommandSize];
  std::snprintf(query, sizeof query, "QWNC %d\r\n", n);
  RemoteBracket bracket(*this, remote);
  char line[timing::kReplyLineRoom + 1] = {};
  if (!QueryLine(query, line, timing::kReplyLineRoom)) return 0;
  const auto fields = CommaFields(line);
  *first = static_cast<int>(FieldValue(FieldAt(fields, 0)));
  *second = static_cast<int>(FieldValue(FieldAt(fields, 1)));
  return 1;
}

int Talvinet::SetCursorPositions(int first, int second, unsigned short which, int remote) {
  const bool moveFirst = which == kFirstCursor || which == kBothCursors;
  const bool moveSecond = which == kSecondCursor || which == kBothCursors;
  if (!moveFirst && !moveSecond) return 1;
  RemoteBracket bracket(*this, remote);
  int succeeded = 1;
  if (moveFirst && SendFormattedCommand(0, "CRS %d\r\n", first) == 0) succeeded = 0;
  if (moveSecond && SendFormattedCommand(0, "CRD %d\r\n", second) == 0) succeeded = 0;
  return succeeded;
}

int Talvinet::SetChannel(int channel, int remote) {
  if (channel <= 0) return 0;
  return SendFormattedCommand(remote, "CH %d\r\n", channel);
}

int Talvinet::GetAnalysisMode(int* mode, int* second, int remote) {
  if (mode == nullptr || second == nullptr) return 0;
  RemoteBracket bracket(*this, remote);
  char line[timing::kReplyLineRoom + 1] = {};
  if (!QueryLine("QSY\r\n", line, timing::kReplyLineRoom)) return 0;
  const auto fields = CommaFields(line);
  if (IsDeodar() != 0) {
    *second = static_cast<int>(FieldValue(FieldAt(fields, 0)));
    *mode = static_cast<int>(FieldValue(FieldAt(fields, 1)));
  } else {
    *mode = static_cast<int>(FieldValue(FieldAt(fields, 0)));
  }
  return 1;
}

int Talvinet::SetAnalysisMode(int mode, int second, int remote) {
  if (IsAlder() != 0 || IsBirch() != 0) return SendFormattedCommand(remote, "SY %d\r\n", mode);
  return SendFormattedCommand(remote, "SY %d,%d\r\n", second, mode);
}

int Talvinet::GetMuxState(MuxStruct* mux, int remote) {
  if (mux == nullptr) return 0;
  std::memset(mux, 0, sizeof *mux);
  RemoteBracket bracket(*this, remote);
  char line[timing::kReplyLineRoom + 1] = {};
  if (!QueryLine("QXM\r\n", line, timing::kReplyLineRoom)) return 0;
  const auto fields = CommaFields(line);
  mux->muxState = static_cast<std::int32_t>(FieldValue(FieldAt(fields, 0)));
  for (std::size_t i = 0; i < std::size(mux->muxValue); ++i) {
    mux->muxValue[i] = static_cast<std::uint16_t>(FieldValue(FieldAt(fields, i + 1)));
  }
  return 1;
}

int Talvinet::SetMuxState(const MuxStruct* mux, int remote) {
  if (mux == nullptr) return 0;
  const std::uint16_t* v = mux->muxValue;
  return SendFormattedCommand(remote, "XM %d,%d,%d,%d,%d\r\n", v[0], v[1], v[2], v[3], v[4]);
}

int Talvinet::SetAutostoreState(int on, int remote) { return SendFormattedCommand(remote, "AS %d\r\n", on); }

int Talvinet::SetSLMGraphDisplay(int on, int remote) { return SendFormattedCommand(remote, "GR %d\r\n", on); }

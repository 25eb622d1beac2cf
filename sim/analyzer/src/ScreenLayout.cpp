#include "simanalyzer/ScreenLayout.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>

#include "LittleEndianReader.h"
#include "ScreenFont.h"
#include "simanalyzer/Keypad.h"

namespace simanalyzer {
namespace {

// Prefix fields of a stored record: the spectral data block's length and
// the block mask; the spectral data block is the record's last.
constexpr long long kDataLengthOffset = 4;
constexpr long long kBlockMaskOffset = 8;
constexpr unsigned kSpectralDataBit = 13;
constexpr double kDbPerLevelStep = 6.0206 / 256;

constexpr int kCellsPerBand = kScreenColumns / kCellWidth;
constexpr int kStatusBand = 0;
constexpr int kKeyBand = 1;
constexpr int kGraphTop = 16;
constexpr int kGraphBottom = 103;
constexpr int kGraphLeft = 20;
constexpr int kGraphWidth = 440;
constexpr double kGraphTopDb = 110;
constexpr int kCursorMarkRow = 106;
constexpr int kCaptionBand = 14;
constexpr int kCaptionCells = 10;
constexpr int kCaptionsPerBand = kSoftKeys / 2;

std::string ClockText(std::time_t now) {
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%d/%m/%y %H:%M:%S", &local);
  return text;
}

void DrawStatusLine(ScreenPicture& screen, AnalyzerState& state) {
  const MemoryFile* file = state.store.Current();
  screen.Text(0, kStatusBand, ModelName(state.panel.model));
  screen.Text(10, kStatusBand, "File: " + (file == nullptr ? std::string("-") : file->name));
  screen.Text(30, kStatusBand, state.settings.running ? "RUN" : "STOP");
  const std::string clock = ClockText(AnalyzerTime(state));
  screen.Text(kCellsPerBand - static_cast<int>(clock.size()), kStatusBand, clock);
}

void DrawCaptions(ScreenPicture& screen, Model model) {
  for (int i = 0; i < kSoftKeys; ++i) {
    const std::string_view name = KeyName(model, kFirstSoftKey + i);
    screen.Text(i % kCaptionsPerBand * kCaptionCells, kCaptionBand + i / kCaptionsPerBand, name);
  }
}

void DrawSpectrum(ScreenPicture& screen, FrontPanel& panel, const std::vector<double>& levels) {
  if (levels.empty()) {
    screen.Text(30, kGraphTop / 8 + 5, "No spectrum");
    return;
  }
  const int bars = std::min<int>(static_cast<int>(levels.size()), kGraphWidth);
  const int pitch = kGraphWidth / bars;
  const int width = std::max(1, pitch * 2 / 3);
  const int graphHeight = kGraphBottom - kGraphTop + 1;
  panel.cursorBand = std::clamp(panel.cursorBand, 0, bars - 1);
  for (int i = 0; i < bars; ++i) {
    const double fraction = std::clamp(levels[static_cast<std::size_t>(i)] / kGraphTopDb, 0.0, 1.0);
    screen.Bar(kGraphLeft + i * pitch, width, kGraphBottom, static_cast<int>(fraction * graphHeight));
  }
  screen.HorizontalLine(kGraphBottom + 1, kGraphLeft, kGraphLeft + bars * pitch);
  const int markX = kGraphLeft + panel.cursorBand * pitch + width / 2;
  for (int row = 0; row < 3; ++row) screen.HorizontalLine(kCursorMarkRow + row, markX - row, markX + row);
  char reading[48];
  std::snprintf(reading, sizeof reading, "Band %d: %.1f dB", panel.cursorBand + 1,
                levels[static_cast<std::size_t>(panel.cursorBand)]);
  screen.Text(40, kKeyBand, reading);
}

}  // namespace

std::vector<double> SpectrumOf(const MemoryFile& file) {
  for (const StoredRecord& record : file.records) {
    const LittleEndianReader reader(record.bytes.data(), record.bytes.size());
    uint32_t length = 0;
    uint16_t mask = 0;
    if (!reader.U32(kDataLengthOffset, length) || !reader.U16(kBlockMaskOffset, mask)) continue;
    if ((mask >> kSpectralDataBit & 1u) == 0 || length < 2 || length > record.bytes.size()) continue;
    const auto start = static_cast<long long>(record.bytes.size() - length);
    std::vector<double> levels;
    uint16_t level = 0;
    for (long long at = start; reader.U16(at, level); at += 2) {
      levels.push_back(static_cast<int16_t>(level) * kDbPerLevelStep);
    }
    return levels;
  }
  return {};
}

ScreenPicture DrawScreen(AnalyzerState& state) {
  ScreenPicture screen;
  DrawStatusLine(screen, state);
  screen.Text(0, kKeyBand, "Key: " + (state.panel.lastKey.empty() ? std::string("-") : state.panel.lastKey));
  const MemoryFile* file = state.store.Current();
  DrawSpectrum(screen, state.panel, file == nullptr ? std::vector<double>{} : SpectrumOf(*file));
  DrawCaptions(screen, state.panel.model);
  return screen;
}

}  // namespace simanalyzer

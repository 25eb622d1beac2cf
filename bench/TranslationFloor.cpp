#include "TranslationFloor.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

constexpr double kDecibelsPerStep = 0.02351796841124854;  // 20*log10(2)/256
constexpr std::size_t kLevelWidth = 6;
constexpr std::size_t kColumnWidth = 1 + kLevelWidth;  // ",%6.1f"

std::size_t LineEnd(const std::string& text, std::size_t from) { return text.find("\r\n", from) + 2; }

double Word(const std::vector<unsigned char>& record, std::size_t at) {
  return static_cast<int16_t>(record[at] | record[at + 1] << 8);
}

// `value` as printf("%*.*f") or ("%*.*e") writes it, at `end`; returns the new end.
char* PutNumber(char* end, double value, std::chars_format format, int precision, std::size_t width) {
  char number[32];
  const auto length =
      static_cast<std::size_t>(std::to_chars(number, number + sizeof number, value, format, precision).ptr - number);
  for (std::size_t pad = length; pad < width; ++pad) *end++ = ' ';
  std::memcpy(end, number, length);
  return end + length;
}

}  // namespace

TranslationFloor TranslationFloor::FromOneRecord(const std::string& text, std::size_t rows, std::size_t channels) {
  TranslationFloor floor;
  floor.channels = channels;
  const std::size_t ruleEnd = LineEnd(text, 0);
  const std::size_t titleEnd = LineEnd(text, ruleEnd);
  const std::size_t numberStart = text.rfind(' ', titleEnd) + 1;
  const std::size_t bannerEnd = LineEnd(text, titleEnd);
  floor.bannerHead = text.substr(0, numberStart);
  floor.bannerTail = text.substr(titleEnd - 2, bannerEnd - (titleEnd - 2));
  // The table rows are the last `rows` lines.
  std::size_t tableStart = text.size();
  for (std::size_t r = 0; r < rows; ++r) tableStart = text.rfind("\r\n", tableStart - 3) + 2;
  floor.fixedLines = text.substr(bannerEnd, tableStart - bannerEnd);
  for (std::size_t start = tableStart; start < text.size();) {
    const std::size_t end = LineEnd(text, start);
    floor.rowLabels.push_back(text.substr(start, end - 2 - start - channels * kColumnWidth));
    start = end;
  }
  return floor;
}

bool TranslationFloor::Write(const std::string& inputPath, const std::string& outputPath, std::size_t dataStart,
                             std::size_t count, std::size_t units, std::size_t levelOffset) const {
  std::FILE* in = std::fopen(inputPath.c_str(), "rb");
  std::FILE* out = std::fopen(outputPath.c_str(), "wb");
  bool good = in != nullptr && out != nullptr && std::fseek(in, static_cast<long>(dataStart), SEEK_SET) == 0;
  std::vector<unsigned char> record(units * 256);
  const std::size_t rows = rowLabels.size();
  std::size_t widestLabel = 0;
  for (const std::string& label : rowLabels) widestLabel = std::max(widestLabel, label.size());
  constexpr std::size_t kImpulseRow = 3 + 8 + 2 * 11;
  std::vector<char> lineBuffer(std::max(widestLabel + channels * kColumnWidth, kImpulseRow) + 2);
  char* const line = lineBuffer.data();
  for (std::size_t i = 0; good && i < count; ++i) {
    good = std::fread(record.data(), 1, record.size(), in) == record.size();
    char number[8];
    const std::size_t numberLength = static_cast<std::size_t>(std::to_chars(number, number + 8, i + 1).ptr - number);
    std::fwrite(bannerHead.data(), 1, bannerHead.size(), out);
    std::fwrite(number, 1, numberLength, out);
    std::fwrite(bannerTail.data(), 1, bannerTail.size(), out);
    std::fwrite(fixedLines.data(), 1, fixedLines.size(), out);
    for (std::size_t b = 0; b < rows; ++b) {
      char* end = line;
      if (impulse) {
        const std::size_t at = levelOffset + 4 * b;
        std::memcpy(end, ",,,", 3);
        end += 3;
        end = PutNumber(end, static_cast<double>(b) * impulse->interval, std::chars_format::fixed, 6, 8);
        for (std::size_t c = 0; c < 2; ++c) {
          *end++ = ',';
          end = PutNumber(end, Word(record, at + 2 * c) * impulse->scale[c], std::chars_format::scientific, 3, 10);
        }
      } else {
        std::memcpy(end, rowLabels[b].data(), rowLabels[b].size());
        end += rowLabels[b].size();
        for (std::size_t c = 0; c < channels; ++c) {
          const double level = static_cast<float>(Word(record, levelOffset + 2 * (c * rows + b)) * kDecibelsPerStep);
          *end++ = ',';
          end = PutNumber(end, level, std::chars_format::fixed, 1, kLevelWidth);
        }
      }
      *end++ = '\r';
      *end++ = '\n';
      std::fwrite(line, 1, static_cast<std::size_t>(end - line), out);
    }
  }
  if (in != nullptr) std::fclose(in);
  if (out != nullptr && std::fclose(out) != 0) good = false;
  return good;
}

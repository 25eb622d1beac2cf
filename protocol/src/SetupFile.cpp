#include "talvinet/SetupFile.h"

#include <array>
#include <cstring>
#include <fstream>
#include <iterator>

#include "ListingText.h"
#include "RemoteBracket.h"
#include "WholeFileWriter.h"

namespace talvinet {
namespace {

// The header's ten lines in order: the width each field is written in,
// and whether a file must match the analyzer in it.
struct HeaderLine {
  std::size_t width;
  bool mustMatch;
};

constexpr std::array<HeaderLine, 10> kHeaderLines = {{
    {6, true},    // setupCount
    {8, false},   // systemId
    {6, true},    // line3
    {5, false},   // firmwareVersion
    {6, true},    // line5
    {6, true},    // line6
    {6, true},    // line7
    {6, true},    // line8
    {24, true},   // options
    {11, false},  // serialNumber
}};
constexpr char kLineEnd[] = "\r\n";
constexpr std::size_t kLineEndSize = 2;

// The fields in header order, for reading and for writing.
std::array<char*, 10> Fields(HardwareSetupStruct& s) {
  return {s.setupCount, s.systemId, s.line3, s.firmwareVersion, s.line5,
          s.line6,      s.line7,    s.line8, s.options,         s.serialNumber};
}

std::array<std::string_view, 10> FieldTexts(const HardwareSetupStruct& s) {
  const auto text = [](const auto& field) { return std::string_view(field, ::strnlen(field, sizeof field)); };
  return {text(s.setupCount), text(s.systemId), text(s.line3), text(s.firmwareVersion), text(s.line5),
          text(s.line6),      text(s.line7),    text(s.line8), text(s.options),         text(s.serialNumber)};
}

// A field as the header holds it: without the line end the analyzer's reply
// may have left in it, cut to `width`, padded with blanks on the left.
std::string HeaderText(std::string_view field, std::size_t width) {
  field = field.substr(0, field.find_first_of("\r\n")).substr(0, width);
  return std::string(width - field.size(), ' ') + std::string(field);
}

// The largest setup count the 6-character header field can hold.
constexpr long kLargestSetupCount = 999999;
// Nothing past the longest header and setup there can be is read.
constexpr std::size_t kLargestSetupFile = kSetupFileHeaderSize + kLargestSetupCount * 3 + 2;

}  // namespace

std::optional<std::size_t> SetupByteCount(const HardwareSetupStruct& setup) {
  const auto count = StrictDecimal(FieldTexts(setup)[0]);
  if (!count || *count < 0 || *count > kLargestSetupCount) return std::nullopt;
  return static_cast<std::size_t>(*count) * 3 + 2;
}

std::string SetupFileHeader(const HardwareSetupStruct& setup) {
  const auto fields = FieldTexts(setup);
  std::string header;
  for (std::size_t i = 0; i < kHeaderLines.size(); ++i) {
    header += HeaderText(fields[i], kHeaderLines[i].width) + kLineEnd;
  }
  return header;
}

std::optional<SetupFileContents> ParseSetupFile(std::string_view file) {
  SetupFileContents contents{};
  const auto fields = Fields(contents.header);
  std::size_t offset = 0;
  for (std::size_t i = 0; i < kHeaderLines.size(); ++i) {
    const std::size_t width = kHeaderLines[i].width;
    if (file.size() < offset + width + kLineEndSize || file.substr(offset + width, kLineEndSize) != kLineEnd) {
      return std::nullopt;
    }
    file.copy(fields[i], width, offset);
    fields[i][width] = '\0';
    offset += width + kLineEndSize;
  }
  // Bytes after the setup, such as an end-of-file mark or a line end another
  // tool added, are not part of it.
  const auto byteCount = SetupByteCount(contents.header);
  if (!byteCount || file.size() - offset < *byteCount) return std::nullopt;
  contents.setupBytes = std::string(file.substr(offset, *byteCount));
  return contents;
}

bool SetupFileFits(const HardwareSetupStruct& file, const HardwareSetupStruct& analyzer) {
  const auto fileFields = FieldTexts(file);
  const auto analyzerFields = FieldTexts(analyzer);
  for (std::size_t i = 0; i < kHeaderLines.size(); ++i) {
    const std::size_t width = kHeaderLines[i].width;
    if (kHeaderLines[i].mustMatch && HeaderText(fileFields[i], width) != HeaderText(analyzerFields[i], width)) {
      return false;
    }
  }
  return true;
}

SetupFileResult SaveSetupFile(Talvinet& analyzer, unsigned char id, const std::string& path, int remote) {
  RemoteBracket bracket(analyzer, remote);
  HardwareSetupStruct setup{};
  if (analyzer.GetHardwareSetup(&setup, 0) == 0) return SetupFileResult::kAnalyzerSilent;
  const auto byteCount = SetupByteCount(setup);
  if (!byteCount) return SetupFileResult::kAnalyzerSilent;
  std::string bytes(*byteCount, '\0');
  if (analyzer.GetSetupBytes(id, bytes.data(), static_cast<int>(bytes.size()), 0) == 0) {
    return SetupFileResult::kAnalyzerSilent;
  }
  WholeFileWriter writer;
  const std::string header = SetupFileHeader(setup);
  if (!writer.Open(path) || !writer.Write(header.data(), header.size()) || !writer.Write(bytes.data(), bytes.size()) ||
      !writer.Commit()) {
    return SetupFileResult::kNotWritten;
  }
  return SetupFileResult::kDone;
}

SetupFileResult LoadSetupFile(Talvinet& analyzer, unsigned char id, const std::string& path, int remote) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return SetupFileResult::kNotReadable;
  std::string file(kLargestSetupFile, '\0');
  in.read(file.data(), static_cast<std::streamsize>(file.size()));
  if (in.bad()) return SetupFileResult::kNotReadable;
  file.resize(static_cast<std::size_t>(in.gcount()));
  const auto contents = ParseSetupFile(file);
  if (!contents) return SetupFileResult::kDamaged;

  RemoteBracket bracket(analyzer, remote);
  HardwareSetupStruct setup{};
  if (analyzer.GetHardwareSetup(&setup, 0) == 0) return SetupFileResult::kAnalyzerSilent;
  if (!SetupFileFits(contents->header, setup)) return SetupFileResult::kIncompatible;
  const std::string& bytes = contents->setupBytes;
  if (analyzer.SetSetupBytes(id, bytes.data(), static_cast<int>(bytes.size()), 0) == 0) {
    return SetupFileResult::kAnalyzerSilent;
  }
  return SetupFileResult::kDone;
}

}  // namespace talvinet

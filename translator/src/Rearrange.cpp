#include "morvane/Rearrange.h"

#include <algorithm>
#include <fstream>
#include <new>
#include <string_view>
#include <vector>

#include "ReplacingFile.h"
#include "TextSink.h"

namespace morvane {
namespace {

constexpr int kAutostoreWord = 9;
constexpr uint32_t kFrequenciesDownTheRows = 0x0002;
constexpr std::string_view kTableMarker = "Data Follows";
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kTemporarySuffix = "garbage";
// The table is read once per group of columns, so that only one group of rows
// is held at a time, however long the table is.
constexpr std::size_t kColumnsPerPass = 10;

// One line without its line end (LF, or CR LF); false at the end of the file.
bool ReadLine(std::istream& input, std::string& line) {
  if (!std::getline(input, line)) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

bool WriteLine(TextSink& sink, std::string_view line) { return sink.Write(line) && sink.Write(kLineEnd); }

// Appends fields first .. first + rows.size() - 1 of `line`, each with a comma,
// to their rows; fields the line does not have add nothing.
void AppendFields(std::string_view line, std::size_t first, std::vector<std::string>& rows) {
  std::size_t fieldStart = 0;
  for (std::size_t field = 0; field < first + rows.size(); ++field) {
    const std::size_t comma = line.find(',', fieldStart);
    if (field >= first) rows[field - first].append(line.substr(fieldStart, comma - fieldStart)).push_back(',');
    if (comma == std::string_view::npos) return;
    fieldStart = comma + 1;
  }
}

// Writes the columns of the table that starts at `tableStart`, as rows.
bool WriteColumnsAsRows(std::ifstream& input, std::streampos tableStart, std::size_t columns, TextSink& sink) {
  std::string line;
  for (std::size_t first = 0; first < columns && !sink.Failed(); first += kColumnsPerPass) {
    std::vector<std::string> rows(std::min(kColumnsPerPass, columns - first));
    input.clear();
    input.seekg(tableStart);
    while (ReadLine(input, line)) AppendFields(line, first, rows);
    if (input.bad()) return false;
    for (const std::string& row : rows) WriteLine(sink, row);
  }
  return !sink.Failed();
}

bool Rearrange(const std::string& outputPath) {
  std::ifstream input(outputPath, std::ios::binary);
  if (!input) return false;
  ReplacingFile copy;
  if (!copy.Open(outputPath, kTemporarySuffix)) return false;
  TextSink sink(copy.Stream());

  std::string line;
  bool markerFound = false;
  while (!markerFound && ReadLine(input, line)) {
    WriteLine(sink, line);
    markerFound = line.find(kTableMarker) != std::string::npos;
  }
  if (input.bad()) return false;
  // Nothing to rearrange: the output stays exactly as the translator wrote it.
  if (!markerFound) return true;

  const std::streampos tableStart = input.tellg();
  if (ReadLine(input, line)) {
    const std::size_t commas = static_cast<std::size_t>(std::count(line.begin(), line.end(), ','));
    if (commas == 0) {
      do {
        WriteLine(sink, line);
      } while (ReadLine(input, line));
      if (input.bad()) return false;
    } else if (!WriteColumnsAsRows(input, tableStart, commas + 1, sink)) {
      return false;
    }
  }
  return sink.Flush() && copy.Commit();
}

}  // namespace

bool WantsRearrangedOutput(int aBlockDecoded, const _DataProfileTag* profile) {
  return aBlockDecoded != 0 && profile != nullptr && (profile->word[kAutostoreWord] & kFrequenciesDownTheRows) != 0;
}

bool RearrangeOutput(const std::string& outputPath) {
  try {
    return Rearrange(outputPath);
  } catch (const std::bad_alloc&) {
    return false;
  }
}

}  // namespace morvane

// The floor under translation: the plainest program that writes the same text
// from the same file of identical records. It reads the records one after
// another and writes each one's banner, its fixed lines and its table rows
// (label, then one "%6.1f" level per channel; or, for an impulse response,
// ",,,", the time "%8.6f" and two samples "%10.3e") with std::to_chars into
// a buffered FILE*. Whatever translation costs beyond this is not formatting
// or writing.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

struct TranslationFloor {
  // Cuts the translation of one record into the parts the floor writes as
  // they are: the banner up to the record number, the lines after the
  // banner up to the first table row, and each row's label. `rows` rows of
  // `channels` levels end the text; with no rows, all of it is fixed.
  static TranslationFloor FromOneRecord(const std::string& text, std::size_t rows, std::size_t channels);

  // The rows of an impulse response: the sample interval in seconds and
  // each channel's scale of a sample word.
  struct Impulse {
    double interval = 0;
    double scale[2] = {};
  };

  // Writes `count` records of `units` 256-byte units, whose levels (or
  // samples) start at
  // `levelOffset` in each record, from the file at `inputPath`, whose
  // directory ends at `dataStart`. False when a read or a write failed.
  bool Write(const std::string& inputPath, const std::string& outputPath, std::size_t dataStart, std::size_t count,
             std::size_t units, std::size_t levelOffset) const;

  std::string bannerHead;  // "=...=\r\nOutput of Normal "
  std::string bannerTail;  // "\r\n=...=\r\n"
  std::string fixedLines;
  std::vector<std::string> rowLabels;  // "," and the label
  std::size_t channels = 0;
  std::optional<Impulse> impulse;  // set when the rows are samples, not levels
};

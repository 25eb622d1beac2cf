// morvane.File: one binary data file opened through Morvane, with its
// records, their blocks and spectra, and its translations as verda writes them.
#pragma once

#include <pybind11/pybind11.h>

#include <memory>
#include <string>
#include <vector>

#include "Arguments.h"
#include "SpectrumValues.h"
#include "morvane/FileTranslation.h"
#include "morvane/Morvane.h"

namespace morvane_python {

class DataFileObject {
 public:
  // Raises OSError when the file cannot be opened, ValueError when it is no
  // binary data file.
  explicit DataFileObject(std::string path);

  const std::string& Path() const { return path_; }
  const std::vector<RecordInfo>& Records() const;
  // Raise ValueError for a record the file does not hold whole.
  std::vector<std::string> Blocks(const _RecordEntryTag& record);
  // None for a record without a Standard-mode spectrum.
  pybind11::object Spectrum(const _RecordEntryTag& record);
  // Both release the interpreter while they translate; each translation reads
  // the file anew through Morvane objects of its own. A failure raises
  // OSError, a skipped record warns.
  pybind11::str Translate(const morvane::TranslationRequest& request) const;
  void TranslateTo(const std::string& output, const morvane::TranslationRequest& request) const;
  void Close();

 private:
  Morvane& OpenFile() const;
  void CheckReadable(const _RecordEntryTag& record);

  std::string path_;
  std::unique_ptr<Morvane> file_;
  std::vector<RecordInfo> records_;
};

}  // namespace morvane_python

#include "DataFileObject.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "PythonErrors.h"
#include "TranslatedText.h"
#include "morvane/IndexedFile.h"

namespace py = pybind11;

namespace morvane_python {
namespace {

std::string RecordName(const _RecordEntryTag& record) {
  return std::to_string(record.type) + ':' + std::to_string(record.number);
}

void Report(const morvane::TranslationOutcome& outcome) {
  Warn(outcome.warnings);
  if (!outcome.failure.empty()) RaiseOSError(outcome.failure);
}

}  // namespace

DataFileObject::DataFileObject(std::string path) : path_(std::move(path)) {
  std::string problem;
  file_ = morvane::IndexDataFile(path_, problem);
  if (!file_) {
    // Whether the system refuses the file is its answer; Morvane's reason is then only text.
    const int descriptor = open(path_.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) RaiseErrnoError(errno, path_);
    close(descriptor);
    throw py::value_error(path_ + ": " + problem);
  }
  const std::vector<_RecordEntryTag> entries = morvane::RecordsOf(*file_);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    records_.push_back({entries[i], 256ul * file_->Directory()[i].units, file_->RecordIsComplete(i)});
  }
}

Morvane& DataFileObject::OpenFile() const {
  if (!file_) throw py::value_error("I/O operation on closed file.");
  return *file_;
}

const std::vector<RecordInfo>& DataFileObject::Records() const {
  OpenFile();
  return records_;
}

void DataFileObject::CheckReadable(const _RecordEntryTag& record) {
  const std::string problem = morvane::RecordProblems(OpenFile(), {record}).front();
  if (!problem.empty()) throw py::value_error(path_ + ": record " + RecordName(record) + " " + problem);
}

std::vector<std::string> DataFileObject::Blocks(const _RecordEntryTag& record) {
  CheckReadable(record);
  _DataBlocksTag names{};
  if (!OpenFile().GetDataBlocksPresent(record.type, record.number, &names)) {
    throw py::value_error(path_ + ": record " + RecordName(record) + " cannot be read");
  }
  std::vector<std::string> present;
  for (const auto& name : names.name) {
    if (name[0] != '\0') present.emplace_back(name, strnlen(name, sizeof name));
  }
  return present;
}

py::object DataFileObject::Spectrum(const _RecordEntryTag& record) {
  CheckReadable(record);
  StandardSpectrum spectrum;
  if (!OpenFile().GetStandardSpectrum(record.type, record.number, &spectrum)) return py::none();
  return py::cast(SpectrumValuesOf(spectrum));
}

py::str DataFileObject::Translate(const morvane::TranslationRequest& request) const {
  OpenFile();
  std::unique_ptr<TranslatedText> text;
  {
    const py::gil_scoped_release released;
    text = std::make_unique<TranslatedText>(request, path_);
  }
  Report(text->Outcome());
  return Latin1(text->Bytes());
}

void DataFileObject::TranslateTo(const std::string& output, const morvane::TranslationRequest& request) const {
  OpenFile();
  morvane::TranslationOutcome outcome;
  {
    const py::gil_scoped_release released;
    outcome = morvane::TranslateFile(request, path_, output);
  }
  Report(outcome);
}

void DataFileObject::Close() { file_.reset(); }

}  // namespace morvane_python

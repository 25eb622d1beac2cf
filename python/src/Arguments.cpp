#include "Arguments.h"

#include "morvane/TypedProfileText.h"

namespace py = pybind11;

namespace morvane_python {
namespace {

constexpr long kLastType = 255;
constexpr long kLastNumber = 65535;
constexpr long kLastBlockMask = 0xFFFF;
constexpr std::size_t kMostRecords = 65535;

long IntegerIn(const py::handle& value, long last, const char* what) {
  if (!py::isinstance<py::int_>(value)) throw py::type_error(std::string(what) + " must be an int");
  const long number = py::cast<long>(value);
  if (number < 0 || number > last) throw py::value_error(std::string(what) + " must be 0 to " + std::to_string(last));
  return number;
}

}  // namespace

_RecordEntryTag RecordOf(const py::handle& record) {
  if (py::isinstance<RecordInfo>(record)) return py::cast<const RecordInfo&>(record).entry;
  if (!py::isinstance<py::tuple>(record) || py::len(record) != 2) {
    throw py::type_error("a record is a morvane.Record or a (type, number) pair");
  }
  const auto pair = py::reinterpret_borrow<py::tuple>(record);
  _RecordEntryTag entry{};
  entry.type = static_cast<unsigned char>(IntegerIn(pair[0], kLastType, "a record type"));
  entry.number = static_cast<unsigned short>(IntegerIn(pair[1], kLastNumber, "a record number"));
  if (entry.number == 0) throw py::value_error("record numbers start at 1");
  return entry;
}

morvane::ProfileText TypedProfile(const std::string& text) {
  std::string problem;
  auto profile = morvane::ParseTypedProfileText(text, problem);
  if (!profile) throw py::value_error("a profile " + problem);
  return *std::move(profile);
}

morvane::TranslationRequest TranslationRequestOf(const py::handle& records, const py::handle& profile,
                                                 const py::handle& blocks) {
  morvane::TranslationRequest request;
  request.profileGiven = !profile.is_none();
  if (profile.is_none()) {
    request.profile = morvane::EveryOptionProfile();
  } else if (py::isinstance<py::str>(profile)) {
    request.profile = TypedProfile(py::cast<std::string>(profile)).tag;
  } else if (py::isinstance<morvane::ProfileText>(profile)) {
    request.profile = py::cast<const morvane::ProfileText&>(profile).tag;
  } else {
    throw py::type_error("a profile is a morvane.Profile or its text form");
  }
  if (!blocks.is_none()) request.blockSelect = static_cast<unsigned short>(IntegerIn(blocks, kLastBlockMask, "blocks"));
  if (!records.is_none()) {
    for (const py::handle record : py::iter(records)) request.records.push_back(RecordOf(record));
    if (request.records.empty()) throw py::value_error("no records chosen; None chooses every record");
    if (request.records.size() > kMostRecords) throw py::value_error("at most 65535 records at once");
  }
  return request;
}

}  // namespace morvane_python

// The module's Python arguments as Morvane's own types: a record as a Record
// or a (type, number) pair, a profile as a Profile or its text form, a block
// mask as an int. What cannot be meant raises TypeError or ValueError.
#pragma once

#include <pybind11/pybind11.h>

#include <string>

#include "morvane/DataProfileText.h"
#include "morvane/FileTranslation.h"
#include "morvane/Morvane.h"

namespace morvane_python {

// One entry of a file's record list, as `morvane.Record`.
struct RecordInfo {
  _RecordEntryTag entry{};
  unsigned long size = 0;  // bytes, as verda list shows them
  bool complete = true;    // false when the file does not hold all of its bytes
};

_RecordEntryTag RecordOf(const pybind11::handle& record);

// A profile's text form, read as verda --profile reads it.
morvane::ProfileText TypedProfile(const std::string& text);

// None for each argument means what verda translate does without its option:
// every record, the profile of every option (never rearranged), the blocks
// each record holds.
morvane::TranslationRequest TranslationRequestOf(const pybind11::handle& records, const pybind11::handle& profile,
                                                 const pybind11::handle& blocks);

}  // namespace morvane_python

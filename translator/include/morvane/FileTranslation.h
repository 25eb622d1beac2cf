// One translation of a binary data file into comma-separated text, as verda
// translate runs it for each file and the Python module for each call: the
// records, the translation and the rearrangement the chosen profile asks for.
// Nothing is printed, so jobs may run side by side; every translation uses
// Morvane objects of its own.
#pragma once

#include <string>
#include <vector>

#include "morvane/Morvane.h"

namespace morvane {

// What every file of one translation job shares.
struct TranslationRequest {
  _DataProfileTag profile{};
  bool profileGiven = false;  // only a profile the user gave can ask for the rearrangement
  unsigned short blockSelect = ALL_PRESENT_BLOCKS;
  std::vector<_RecordEntryTag> records;  // empty: every record of the file
};

struct TranslationOutcome {
  std::vector<std::string> warnings;  // records skipped, one line each
  std::string failure;                // why there is no output; empty on success
};

// Translates `input` into `output`, written whole or not at all.
TranslationOutcome TranslateFile(const TranslationRequest& request, const std::string& input, const std::string& output);

}  // namespace morvane

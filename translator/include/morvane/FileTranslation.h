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

// Said when records were translated yet the output is empty, so that a script
// can tell an empty choice from a failure.
inline constexpr const char* kNothingTranslated = "nothing was translated: the profile selects no block";

struct TranslationOutcome {
  std::vector<std::string> warnings;  // records skipped, one line each
  bool nothingTranslated = false;     // the profile and block mask selected no block of any record
  bool outputNotWritten = false;      // the failure is the output's: a host may say why in its own words
  std::string failure;                // why there is no output; empty on success
};

// Translates `input` into `output`, written whole or not at all; an output
// that is the input file itself, under any name, is refused.
TranslationOutcome TranslateFile(const TranslationRequest& request, const std::string& input, const std::string& output);

}  // namespace morvane

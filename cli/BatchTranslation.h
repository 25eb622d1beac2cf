// verda translate --into: many files, each into FOLDER/NAME.csv, translated
// by parallel jobs.
#pragma once

#include <string>
#include <vector>

#include "morvane/FileTranslation.h"

namespace verda {

// One file's translation, its output failure said in verda's words (a full
// disk, a denied folder).
morvane::TranslationOutcome TranslateOneFile(const morvane::TranslationRequest& request, const std::string& input,
                                             const std::string& output);

// Translates every input with `jobs` jobs side by side. Prints one line per
// failed file, and on a terminal a progress line; the exit status is
// kExitFailure when any file failed.
int TranslateInto(const morvane::TranslationRequest& request, const std::string& folder,
                  const std::vector<std::string>& inputs, unsigned jobs);

}  // namespace verda

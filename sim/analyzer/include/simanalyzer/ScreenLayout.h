// What the virtual analyzer shows: the model, the current file, the run
// state and the clock on the top line; the last key pressed and the cursor
// reading below it; a bar graph of the first spectrum in the current file;
// the soft-key captions on the two bottom lines.
#pragma once

#include <optional>
#include <vector>

#include "simanalyzer/AnalyzerState.h"
#include "simanalyzer/ScreenPicture.h"

namespace simanalyzer {

ScreenPicture DrawScreen(AnalyzerState& state);

// The levels in dB of the first record of `file` with a spectral data block.
std::vector<double> SpectrumOf(const MemoryFile& file);

}  // namespace simanalyzer

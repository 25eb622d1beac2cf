// The screen capture stream: a first byte, then the screen coded against
// what the host already holds (0x55 n skips n unchanged bytes, 0xAA n v
// writes n bytes of v, any other byte is itself), always carried on to the
// end of the screen, then CR LF. 0x55, 0xAA and CR travel only in runs, so
// that neither a code nor the end can be mistaken in the data.
#pragma once

#include <cstdint>
#include <vector>

#include "simanalyzer/ScreenPicture.h"

namespace simanalyzer {

// A full capture: "B" (the host clears its screen), then `current`.
std::vector<uint8_t> FullCaptureStream(const ScreenBytes& current);

// A changes capture: "D", then what differs from `previous`.
std::vector<uint8_t> ChangesCaptureStream(const ScreenBytes& previous, const ScreenBytes& current);

}  // namespace simanalyzer

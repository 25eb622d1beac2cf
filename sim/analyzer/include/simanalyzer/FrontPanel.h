// What the virtual analyzer's keypad and screen remember between commands.
#pragma once

#include <optional>
#include <string>

#include "simanalyzer/Identity.h"
#include "simanalyzer/ScreenPicture.h"

namespace simanalyzer {

struct FrontPanel {
  // The keypad and screen captions follow the model.
  Model model = Model::Cedar;
  // Name of the key pressed last; empty before the first.
  std::string lastKey;
  // The spectrum band under the cursor.
  int cursorBand = 0;
  // The screen as the host holds it after the previous capture; a changes
  // capture describes the difference. Nothing before the first capture.
  std::optional<ScreenBytes> lastCapture;
};

}  // namespace simanalyzer

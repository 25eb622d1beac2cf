// A profile's text form as a user types it (verda --profile, the Python
// module), read strictly. The settings store and profile files read the same
// form leniently (missing words as 0), as older files may need; a typed text
// has no such excuse.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "morvane/DataProfileText.h"

namespace morvane {

// A name and exactly twelve decimal words, each fitting 32 bits (as signed
// or unsigned). Anything else sets `problem` and gives nothing.
std::optional<ProfileText> ParseTypedProfileText(std::string_view text, std::string& problem);

}  // namespace morvane

// The --profile argument of verda translate: the profile's text form, read
// strictly. The settings store and profile files read the same form
// leniently (missing words as 0), as older files may need; a text typed on
// the command line has no such excuse.
#pragma once

#include <optional>
#include <string>

#include "morvane/Morvane.h"

namespace verda {

// A name and exactly twelve decimal words, each fitting 32 bits (as signed
// or unsigned). Anything else sets `problem` and gives nothing.
std::optional<_DataProfileTag> ParseProfileArgument(const std::string& text, std::string& problem);

}  // namespace verda

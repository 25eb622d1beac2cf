// The persisted text form of a data profile: the name, then the twelve option
// words as signed decimal numbers, all separated by single commas.
#pragma once

#include <string>
#include <string_view>

#include "morvane/Morvane.h"

namespace morvane {

inline constexpr const char* kDefaultProfileText = "<default>,3,1,1,1,1,1,1,1,1,1,1,1";

struct ProfileText {
  std::string name;
  _DataProfileTag tag{};
};

// The profile of a translation that is given none: every bit of every word.
_DataProfileTag EveryOptionProfile();

// The name is the text up to the first comma; missing or non-numeric words are 0.
ProfileText ParseProfileText(std::string_view text);

std::string FormatProfileText(std::string_view name, const _DataProfileTag& tag);

}  // namespace morvane

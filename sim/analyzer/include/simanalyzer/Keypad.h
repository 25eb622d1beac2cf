// The keys of the virtual analyzer's keypad and the names it gives them.
// Character keys carry their character's code (digits 48-57, letters 65-90);
// the Deodar's keypad lacks the channel and arrow keys and names its soft
// keys and a few others differently.
#pragma once

#include <optional>
#include <string_view>

#include "simanalyzer/Identity.h"

namespace simanalyzer {

constexpr int kKeyCount = 128;

// Key numbers with an effect on the virtual analyzer beyond being shown.
namespace key {
constexpr int kRunStop = 18;
constexpr int kCursorLeft = 8;
constexpr int kCursorRight = 28;
constexpr int kNextFile = 65;  // the first soft key
}  // namespace key

// The soft keys, left to right, as the screen captions them.
constexpr int kFirstSoftKey = 65;
constexpr int kSoftKeys = 16;

// The key's name on `model`, empty for a key it does not have.
std::string_view KeyName(Model model, int key);

// The number of the key named `name` (without regard to case) on `model`.
std::optional<int> KeyNumber(Model model, std::string_view name);

}  // namespace simanalyzer

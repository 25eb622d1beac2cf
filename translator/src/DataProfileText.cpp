#include "morvane/DataProfileText.h"

#include <charconv>
#include <cstdint>

namespace morvane {
namespace {

// A decimal integer at the start of `word`, as the C library's atoi reads it;
// values wrap to 32 bits, so "-1" is every bit set.
uint32_t WordValue(std::string_view word) {
  std::size_t start = 0;
  while (start < word.size() && (word[start] == ' ' || word[start] == '\t')) ++start;
  bool negative = false;
  if (start < word.size() && (word[start] == '-' || word[start] == '+')) negative = word[start++] == '-';
  uint64_t magnitude = 0;
  std::from_chars(word.data() + start, word.data() + word.size(), magnitude);
  const auto value = static_cast<uint32_t>(magnitude);
  return negative ? 0u - value : value;
}

}  // namespace

_DataProfileTag EveryOptionProfile() {
  _DataProfileTag profile{};
  for (uint32_t& word : profile.word) word = 0xFFFFFFFFu;
  return profile;
}

ProfileText ParseProfileText(std::string_view text) {
  ProfileText profile;
  std::size_t comma = text.find(',');
  profile.name = std::string(text.substr(0, comma));
  for (int word = 0; word < kProfileWords && comma != std::string_view::npos; ++word) {
    const std::size_t start = comma + 1;
    comma = text.find(',', start);
    profile.tag.word[word] = WordValue(text.substr(start, comma == std::string_view::npos ? comma : comma - start));
  }
  return profile;
}

std::string FormatProfileText(std::string_view name, const _DataProfileTag& tag) {
  std::string text(name);
  for (const uint32_t word : tag.word) text += "," + std::to_string(static_cast<int32_t>(word));
  return text;
}

}  // namespace morvane

#include "morvane/TypedProfileText.h"

#include <charconv>
#include <cstdint>
#include <vector>

namespace morvane {
namespace {

// A decimal integer from -2^31 to 2^32 - 1, with nothing before or after it.
std::optional<uint32_t> WordValue(std::string_view word) {
  const bool negative = !word.empty() && word.front() == '-';
  if (negative) word.remove_prefix(1);
  if (word.empty() || word.front() < '0' || word.front() > '9') return std::nullopt;
  uint64_t magnitude = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), magnitude);
  if (error != std::errc() || end != word.data() + word.size()) return std::nullopt;
  if (magnitude > (negative ? uint64_t{0x80000000u} : uint64_t{0xFFFFFFFFu})) return std::nullopt;
  const auto value = static_cast<uint32_t>(magnitude);
  return negative ? 0u - value : value;
}

std::vector<std::string_view> WordsAfterName(std::string_view text) {
  std::vector<std::string_view> words;
  for (std::size_t comma = text.find(','); comma != std::string_view::npos;) {
    const std::size_t start = comma + 1;
    comma = text.find(',', start);
    words.push_back(text.substr(start, comma == std::string_view::npos ? comma : comma - start));
  }
  return words;
}

}  // namespace

std::optional<ProfileText> ParseTypedProfileText(std::string_view text, std::string& problem) {
  const std::vector<std::string_view> words = WordsAfterName(text);
  if (words.size() != kProfileWords) {
    problem = "needs a name and 12 option words; got " + std::to_string(words.size());
    return std::nullopt;
  }
  ProfileText profile{std::string(text.substr(0, text.find(','))), {}};
  for (int i = 0; i < kProfileWords; ++i) {
    const auto value = WordValue(words[i]);
    if (!value) {
      problem = "word " + std::to_string(i) + " \"" + std::string(words[i]) +
                "\" is not a decimal number that fits 32 bits";
      return std::nullopt;
    }
    profile.tag.word[i] = *value;
  }
  return profile;
}

}  // namespace morvane

#include "Arguments.h"

#include <charconv>

namespace simanalyzer {
namespace {

std::optional<int> Number(std::string_view text) {
  text = TrimBlanks(text);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

std::optional<std::string> NameArgument(std::string_view arguments) {
  const auto open = arguments.find('\'');
  if (open == std::string_view::npos) {
    const std::string_view bare = TrimBlanks(arguments);
    if (bare.empty()) return std::nullopt;
    return std::string(bare);
  }
  const auto close = arguments.find('\'', open + 1);
  if (close == std::string_view::npos || close == open + 1) return std::nullopt;
  return std::string(arguments.substr(open + 1, close - open - 1));
}

std::optional<std::pair<int, int>> TwoNumbers(std::string_view arguments) {
  const auto comma = arguments.find(',');
  if (comma == std::string_view::npos) return std::nullopt;
  const auto first = Number(arguments.substr(0, comma));
  const auto second = Number(arguments.substr(comma + 1));
  if (!first || !second) return std::nullopt;
  return std::pair{*first, *second};
}

std::optional<std::vector<int>> Numbers(std::string_view arguments) {
  std::vector<int> numbers;
  while (true) {
    const auto comma = arguments.find(',');
    const auto number = Number(arguments.substr(0, comma));
    if (!number) return std::nullopt;
    numbers.push_back(*number);
    if (comma == std::string_view::npos) return numbers;
    arguments.remove_prefix(comma + 1);
  }
}

std::optional<std::string> QuotedText(std::string_view arguments) {
  const auto open = arguments.find('\'');
  const auto close = arguments.rfind('\'');
  if (open == std::string_view::npos || close == open) return std::nullopt;
  return std::string(arguments.substr(open + 1, close - open - 1));
}

}  // namespace simanalyzer

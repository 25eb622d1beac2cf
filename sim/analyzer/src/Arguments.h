// Parsing of command arguments.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace simanalyzer {

// The text between the first pair of single quotes, or, without quotes, the
// whole argument text. Nothing when that is empty or a quote is unclosed.
std::optional<std::string> NameArgument(std::string_view arguments);

// "a,b" with two decimal numbers, blanks allowed around each.
std::optional<std::pair<int, int>> TwoNumbers(std::string_view arguments);

// Decimal numbers separated by commas, blanks allowed around each; nothing
// unless every one is a number.
std::optional<std::vector<int>> Numbers(std::string_view arguments);

// The text between the first quote and the last, which may be empty;
// nothing without two quotes.
std::optional<std::string> QuotedText(std::string_view arguments);

std::string_view TrimBlanks(std::string_view text);

}  // namespace simanalyzer

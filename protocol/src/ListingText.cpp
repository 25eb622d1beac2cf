#include "ListingText.h"

#include "talvinet/Talvinet.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace talvinet {

std::string_view Column(const char* line, std::size_t from, std::size_t width) {
  const std::string_view whole(line);
  const std::string_view text = whole.substr(0, whole.find_first_of("\r\n"));
  if (from >= text.size()) return {};
  return text.substr(from, width);
}

void CopyText(char* field, std::size_t room, std::string_view text) {
  if (room == 0) return;
  const std::size_t copied = text.copy(field, room - 1);
  field[copied] = '\0';
}

void CopyColumn(char* field, std::size_t room, const char* line, std::size_t from, std::size_t width) {
  CopyText(field, room, Column(line, from, width));
}

std::optional<long> StrictDecimal(std::string_view text) {
  const std::size_t start = std::min(text.find_first_not_of(' '), text.size());
  const std::string digits(text.substr(start, 32));
  if (digits.empty()) return std::nullopt;
  const std::size_t firstDigit = digits[0] == '-' || digits[0] == '+' ? 1 : 0;
  if (firstDigit >= digits.size() || std::isdigit(static_cast<unsigned char>(digits[firstDigit])) == 0) {
    return std::nullopt;
  }
  errno = 0;
  const long value = std::strtol(digits.c_str(), nullptr, 10);
  if (errno == ERANGE) return std::nullopt;
  return value;
}

std::string PadFileName(const char* name) {
  std::string padded(name, ::strnlen(name, kFileNameLength));
  padded.resize(kFileNameLength, ' ');
  return padded;
}

bool IsSendableName(const char* name) {
  for (const char* c = name; *c != '\0'; ++c) {
    const auto byte = static_cast<unsigned char>(*c);
    if (byte < 0x20 || byte == 0x7F || byte == '\'' || byte == ';') return false;
  }
  return true;
}

std::string NameCommand(const char* format, const std::string& name) {
  if (!IsSendableName(name.c_str())) return {};
  char text[kMaxCommandSize];
  const int length = std::snprintf(text, sizeof text, format, name.c_str());
  if (length < 0 || length >= kMaxCommandSize) return {};
  return text;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace talvinet

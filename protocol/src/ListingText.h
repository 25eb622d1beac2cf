// Reading the analyzer's listing and reply lines: fixed columns, numbers
// that must really be numbers, and the 8-character file names.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace talvinet {

constexpr std::size_t kFileNameLength = 8;

// Up to `width` characters of `line` from column `from`; the line end is no
// part of any column.
std::string_view Column(const char* line, std::size_t from, std::size_t width);

// Copies as much of `text` as fits into a field of `room` bytes, NUL-terminated.
void CopyText(char* field, std::size_t room, std::string_view text);

// Copies a column into a field of `room` bytes, NUL-terminated.
void CopyColumn(char* field, std::size_t room, const char* line, std::size_t from, std::size_t width);

// The decimal number at the start of `text` after blanks; nothing when no
// digit is there or the value does not fit a long.
std::optional<long> StrictDecimal(std::string_view text);

// `name` padded with blanks or cut to the analyzer's 8 characters.
std::string PadFileName(const char* name);

// True when `name` can travel inside the quotes of a command: no quote, no
// control character, nothing that would end or chain the command.
bool IsSendableName(const char* name);

// `format` with its one %s filled by `name`; empty when the name cannot be
// sent or the command would not fit.
std::string NameCommand(const char* format, const std::string& name);

bool SameIgnoringCase(std::string_view a, std::string_view b);

}  // namespace talvinet

// Reading the fields of settings replies: comma-separated values, and the
// fixed columns of the macro and setup listings. Every reader stays inside
// the line it is given, whatever the analyzer sent.
#pragma once

#include <string_view>
#include <vector>

#include "talvinet/Talvinet.h"

namespace talvinet {

// The fields of `line` up to its line end, split at commas.
std::vector<std::string_view> CommaFields(const char* line);

// The leading decimal number of a field, as atol reads it; 0 for none.
long FieldValue(std::string_view field);
// The leading decimal fraction of a field, as atof reads it; 0 for none.
double FieldFraction(std::string_view field);
// Field `index`, empty when the line has fewer fields.
std::string_view FieldAt(const std::vector<std::string_view>& fields, std::size_t index);

// Line `index` of the macro reply, `count` bytes long, into `macro`: lines
// 0 to 9 of 9 bytes are macro states, line 10 of 15 bytes the schedule;
// lines of any other length change nothing.
void ReadMacroLine(MacroStruct& macro, int index, const char* line, int count);

// Line `index` (0 to 7) of the setup reply, `count` bytes long, into
// `setups`; a line that is not 13 bytes long changes nothing.
void ReadSetupLine(SetupStruct& setups, int index, const char* line, int count);

}  // namespace talvinet

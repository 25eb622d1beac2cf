// Rearranging a translated file so that frequencies run down the rows: every
// column of the autostore table (the lines after "Data Follows") becomes a row.
// The desktop program's translation dialog and verda both call these, so that
// the two always decide and rearrange alike.
#pragma once

#include <string>

#include "morvane/Morvane.h"

namespace morvane {

// Whether a successful translation is to be rearranged: an A block was decoded
// (`Morvane::ABlockDecoded`) and the chosen profile's A-block word (word 9) has
// bit 1 (value 2) set. A null profile, meaning none was chosen, never asks for it.
bool WantsRearrangedOutput(int aBlockDecoded, const _DataProfileTag* profile);

// Rewrites the file at `outputPath`: the lines up to and including the first one
// that contains "Data Follows" stay; after it, field k of every line (the text
// between its k-th and (k+1)-th comma, k from 0 to the first table line's comma
// count) is joined, each field followed by a comma, into row k. A line with
// fewer than k commas adds nothing to row k. A first table line without a comma
// means there is no table, and the rest of the file stays as it is. Every line
// written ends in CR LF. Without a "Data Follows" line the file is not touched.
// The new text goes to a temporary file beside the output and replaces it only
// when written whole; false means the output could not be read or the copy not
// be written, and the file is then exactly as it was.
bool RearrangeOutput(const std::string& outputPath);

}  // namespace morvane

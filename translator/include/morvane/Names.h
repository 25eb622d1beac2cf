// Display names of record types and data blocks.
#pragma once

namespace morvane {

constexpr int kNamedRecordTypes = 48;

// Name of a record type code (also the store type of a prefix block). Codes
// without a row in the table get "Unknown <code>", which fits 11 characters.
const char* RecordTypeName(unsigned code);

// Name of the block whose mask bit is 2^bit, bit 0..15.
const char* BlockName(int bit);

}  // namespace morvane

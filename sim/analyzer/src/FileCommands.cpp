// Memory files and their records: listing, selection, creation, deletion,
// record sizes and record data.
#include <string>

#include "Arguments.h"
#include "CommandTable.h"
#include "Listings.h"
#include "simanalyzer/ErrorCodes.h"

namespace simanalyzer {
namespace {

int ListMemoryFiles(CommandContext& c) {
  c.reply.CountedListing(FileListing(c.state.store.Memory().Files()));
  return error::kNone;
}

int ListRecords(CommandContext& c) {
  MemoryFile* current = c.state.store.Current();
  c.reply.CountedListing(current == nullptr ? std::vector<std::string>{} : RecordListing(current->records));
  return current == nullptr ? error::kNoSuchFile : error::kNone;
}

// Blanks when there is no current file.
int ReportCurrentFile(CommandContext& c) {
  MemoryFile* current = c.state.store.Current();
  c.reply.Line(current == nullptr ? PadFileName("") : current->name);
  return error::kNone;
}

int SelectFile(CommandContext& c) {
  const auto name = NameArgument(c.arguments);
  if (!name) return error::kBadArgument;
  return c.state.store.Select(*name) ? error::kNone : error::kNoSuchFile;
}

int CreateFile(CommandContext& c) {
  const auto name = NameArgument(c.arguments);
  if (!name || TrimBlanks(*name).empty()) return error::kBadArgument;
  if (c.state.store.Memory().Find(*name) != nullptr) return error::kFileExists;
  if (c.state.store.Memory().Files().size() >= kMaximumMemoryFiles) return error::kMemoryFull;
  c.state.store.Add(NewFile(*name, c.state.clock()));
  return error::kNone;
}

int EraseFile(CommandContext& c) { return c.state.store.EraseCurrent() ? error::kNone : error::kNoSuchFile; }

int StoreMeasurement(CommandContext& c) {
  MemoryFile* current = c.state.store.Current();
  if (current == nullptr) return error::kNoSuchFile;
  current->records.push_back(c.state.measurement);
  return error::kNone;
}

// The record named by "type,number", or the error code that says why not.
struct RecordLookup {
  const StoredRecord* record = nullptr;
  uint8_t type = 0;
  int number = 0;
  int error = error::kNone;
};

RecordLookup LookUpRecord(CommandContext& c) {
  const auto numbers = TwoNumbers(c.arguments);
  if (!numbers || numbers->first < 0 || numbers->first > 255) return {.error = error::kBadArgument};
  if (c.state.store.Current() == nullptr) return {.error = error::kNoSuchFile};
  const auto type = static_cast<uint8_t>(numbers->first);
  const StoredRecord* record = c.state.store.FindRecord(type, numbers->second);
  return {record, type, numbers->second, record == nullptr ? error::kNoSuchRecord : error::kNone};
}

int DeleteRecord(CommandContext& c) {
  const RecordLookup found = LookUpRecord(c);
  if (found.record == nullptr) return found.error;
  c.state.store.DeleteRecord(found.type, found.number);
  return error::kNone;
}

// An unknown record is 0 bytes long.
int ReportRecordSize(CommandContext& c) {
  const RecordLookup found = LookUpRecord(c);
  if (c.faults.nonNumericRecordSize) {
    c.reply.Line("SIZE?");
  } else {
    c.reply.Line(std::to_string(found.record == nullptr ? 0 : found.record->bytes.size()));
  }
  return found.error;
}

// Exactly the record's bytes, with no line end; nothing for an unknown record.
int SendRecordData(CommandContext& c) {
  const RecordLookup found = LookUpRecord(c);
  if (found.record == nullptr) return found.error;
  const std::vector<uint8_t>& bytes = found.record->bytes;
  const std::size_t withheld = std::min(bytes.size(), c.faults.recordDataShortBy);
  c.reply.Data(std::span(bytes.data(), bytes.size() - withheld));
  return error::kNone;
}

}  // namespace

void AddFileCommands(CommandTable& table) {
  table.emplace("QFD", ListMemoryFiles);
  table.emplace("QRD", ListRecords);
  table.emplace("QFS", ReportCurrentFile);
  table.emplace("FS", SelectFile);
  table.emplace("FC", CreateFile);
  table.emplace("FE", EraseFile);
  table.emplace("ST", StoreMeasurement);
  table.emplace("RE", DeleteRecord);
  table.emplace("QRLR", ReportRecordSize);
  table.emplace("QRR", SendRecordData);
}

}  // namespace simanalyzer

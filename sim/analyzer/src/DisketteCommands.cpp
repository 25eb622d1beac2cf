// The diskette drive: open and close, listing, save, recall and delete.
#include "Arguments.h"
#include "CommandTable.h"
#include "Listings.h"
#include "simanalyzer/ErrorCodes.h"

namespace simanalyzer {
namespace {

int OpenDiskette(CommandContext& c) {
  if (!c.state.diskette.inserted) return error::kDisketteClosed;
  c.state.diskette.open = true;
  return error::kNone;
}

// 1 while the diskette is open, else 0.
int ReportDisketteStatus(CommandContext& c) {
  c.reply.Line(c.state.diskette.open ? "1" : "0");
  return error::kNone;
}

int CloseDiskette(CommandContext& c) {
  c.state.diskette.open = false;
  return error::kNone;
}

// Lists the diskette's files whether or not it is open; none without a diskette.
int ListDisketteFiles(CommandContext& c) {
  const Diskette& diskette = c.state.diskette;
  c.reply.CountedListing(diskette.inserted ? FileListing(diskette.files.Files()) : std::vector<std::string>{});
  return diskette.inserted ? error::kNone : error::kDisketteClosed;
}

int SaveToDiskette(CommandContext& c) {
  if (!c.state.diskette.open) return error::kDisketteClosed;
  MemoryFile* current = c.state.store.Current();
  if (current == nullptr) return error::kNoSuchFile;
  c.state.diskette.files.Put(*current);
  return error::kNone;
}

// The recalled file replaces a memory file of the same name and becomes current.
int RecallFromDiskette(CommandContext& c) {
  if (!c.state.diskette.open) return error::kDisketteClosed;
  const auto name = NameArgument(c.arguments);
  if (!name) return error::kBadArgument;
  MemoryFile* saved = c.state.diskette.files.Find(*name);
  if (saved == nullptr) return error::kNoSuchFile;
  if (c.state.store.Memory().Find(*name) == nullptr && c.state.store.Memory().Files().size() >= kMaximumMemoryFiles) {
    return error::kMemoryFull;
  }
  c.state.store.Add(*saved);
  return error::kNone;
}

int DeleteDisketteFile(CommandContext& c) {
  if (!c.state.diskette.open) return error::kDisketteClosed;
  const auto name = NameArgument(c.arguments);
  if (!name) return error::kBadArgument;
  return c.state.diskette.files.Remove(*name) ? error::kNone : error::kNoSuchFile;
}

}  // namespace

void AddDisketteCommands(CommandTable& table) {
  table.emplace("DO", OpenDiskette);
  table.emplace("QDO", ReportDisketteStatus);
  table.emplace("DX", CloseDiskette);
  table.emplace("QDD", ListDisketteFiles);
  table.emplace("DS", SaveToDiskette);
  table.emplace("DR", RecallFromDiskette);
  table.emplace("DE", DeleteDisketteFile);
}

}  // namespace simanalyzer

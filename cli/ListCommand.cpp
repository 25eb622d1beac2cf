#include <iostream>

#include "CommandLine.h"
#include "DataFile.h"

namespace verda {
namespace {

int RunList(std::vector<std::string> arguments) {
  if (arguments.size() != 1) return UsageError(kListCommand, "expects one file");
  const auto file = OpenDataFile(arguments[0]);
  if (!file) return kExitFailure;
  const std::vector<_RecordEntryTag> records = morvane::RecordsOf(*file);
  for (std::size_t i = 0; i < records.size(); ++i) {
    const _RecordEntryTag& record = records[i];
    std::cout << static_cast<int>(record.type) << '\t' << record.number << '\t' << record.name << '\t'
              << 256ul * file->Directory()[i].units << '\n';
    if (!file->RecordIsComplete(i)) {
      std::cerr << "verda: " << arguments[0] << ": record " << static_cast<int>(record.type) << ':' << record.number
                << " is cut short by the end of the file\n";
    }
  }
  return kExitSuccess;
}

}  // namespace

extern const Subcommand kListCommand = {
    "list", "FILE.vqb",
    "Lists the records of a binary data file in directory order, one per line:\n"
    "type code, number among records of that type, type name and size in bytes,\n"
    "separated by tabs. Records that the file does not hold completely are still\n"
    "listed, with a warning on standard error.",
    RunList};

}  // namespace verda

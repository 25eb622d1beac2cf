#include <iostream>
#include <vector>

#include "AnalyzerSession.h"

namespace verda {
namespace {

int RunRecords(std::vector<std::string> arguments) {
  const auto name = MemoryFileArgument(kRecordsCommand, arguments);
  if (!name) return kExitUsage;
  AnalyzerSession session;
  if (!session.Open()) return kExitFailure;
  Talvinet& analyzer = session.Analyzer();
  if (analyzer.SetCurrentFile(name->c_str(), 0) == 0) {
    return Fail(kExitFailure, "the analyzer has no memory file '" + arguments[0] + "'");
  }
  int count = 0;
  if (analyzer.GetRecordCount(&count, 0) == 0) return Fail(kExitFailure, "the analyzer did not list the records");
  if (count == 0) return kExitSuccess;
  std::vector<RecordStruct> records(static_cast<std::size_t>(count));
  if (analyzer.GetRecords(records.data(), count) == 0) {
    return Fail(kExitFailure, "the analyzer's record listing ended early or made no sense");
  }
  for (const RecordStruct& record : records) {
    std::cout << static_cast<int>(record.type) << '\t' << record.number << '\t' << WithoutTrailingBlanks(record.name)
              << '\t' << record.info << '\n';
  }
  return kExitSuccess;
}

}  // namespace

extern const Subcommand kRecordsCommand = {
    "records", "NAME",
    "Lists the records of the analyzer's memory file NAME, one per line: type\n"
    "code, number among records of that type, type name and the analyzer's\n"
    "note on the record, separated by tabs. NAME is matched exactly, capitals\n"
    "included.",
    RunRecords};

}  // namespace verda

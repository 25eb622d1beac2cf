#include <iostream>
#include <vector>

#include "AnalyzerSession.h"

namespace verda {
namespace {

int RunFiles(std::vector<std::string> arguments) {
  if (!arguments.empty()) return UsageError(kFilesCommand, "takes no arguments");
  AnalyzerSession session;
  if (!session.Open()) return kExitFailure;
  Talvinet& analyzer = session.Analyzer();
  int count = 0;
  if (analyzer.GetMemoryFileCount(&count, 0) == 0) {
    return Fail(kExitFailure, "the analyzer did not list its memory files");
  }
  if (count == 0) return kExitSuccess;
  std::vector<FileStruct> files(static_cast<std::size_t>(count));
  if (analyzer.GetFiles(files.data(), count) == 0) {
    return Fail(kExitFailure, "the analyzer's file listing ended before its " + std::to_string(count) + " files");
  }
  for (const FileStruct& file : files) {
    std::cout << WithoutTrailingBlanks(file.name) << '\t' << file.column10Text << '\t' << file.column20Text << '\t'
              << file.column30Value << '\n';
  }
  return kExitSuccess;
}

}  // namespace

extern const Subcommand kFilesCommand = {
    "files", "",
    "Lists the analyzer's memory files, one per line: name, date, time and\n"
    "number of records, separated by tabs.",
    RunFiles};

}  // namespace verda

#include <iostream>
#include <string>
#include <string_view>

#include "AnalyzerSession.h"

namespace verda {
namespace {

constexpr int kTextRoom = 32;

std::string ModelName(Talvinet& analyzer) {
  // A Cedar also answers IsBirch and IsAlder.
  if (analyzer.IsCedar() != 0) return "Cedar";
  if (analyzer.IsBirch() != 0) return "Birch";
  if (analyzer.IsAlder() != 0) return "Alder";
  return "Deodar";
}

std::string Options(Talvinet& analyzer) {
  struct Option {
    int (Talvinet::*present)();
    const char* name;
  };
  static constexpr Option kOptions[] = {
      {&Talvinet::IsOption474849, "option 474849"}, {&Talvinet::IsOption30, "option 30"},
      {&Talvinet::IsOption112, "option 112"},       {&Talvinet::IsOption113, "option 113"},
      {&Talvinet::HasTach, "tachometer input"},
  };
  std::string list;
  for (const Option& option : kOptions) {
    if ((analyzer.*option.present)() == 0) continue;
    if (!list.empty()) list += ", ";
    list += option.name;
  }
  return list.empty() ? "none" : list;
}

// A cached identity text up to its line end.
std::string Copied(Talvinet& analyzer, void (Talvinet::*copy)(char*, int)) {
  char text[kTextRoom] = {};
  (analyzer.*copy)(text, kTextRoom);
  const std::string_view whole(text);
  return std::string(whole.substr(0, whole.find_first_of("\r\n")));
}

int RunInfo(std::vector<std::string> arguments) {
  if (!arguments.empty()) return UsageError(kInfoCommand, "takes no arguments");
  AnalyzerSession session;
  if (!session.Open()) return kExitFailure;
  Talvinet& analyzer = session.Analyzer();
  if (analyzer.InitHardwareInfo(0) == 0) {
    return Fail(kExitFailure, "the analyzer did not tell its hardware setup (status " +
                                  std::to_string(analyzer.GetErrno()) + ")");
  }
  std::cout << "model: " << ModelName(analyzer) << '\n'
            << "options: " << Options(analyzer) << '\n'
            << "firmware: " << Copied(analyzer, &Talvinet::GetFirmwareVersion) << '\n'
            << "serial number: " << Copied(analyzer, &Talvinet::GetSerialNumber) << '\n'
            << "system id: " << Copied(analyzer, &Talvinet::GetSystemID) << '\n';
  return kExitSuccess;
}

}  // namespace

extern const Subcommand kInfoCommand = {
    "info", "",
    "Identifies the connected analyzer: its model, options, firmware version,\n"
    "serial number and system id. The link comes from the global options.",
    RunInfo};

}  // namespace verda

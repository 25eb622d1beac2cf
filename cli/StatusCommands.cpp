// verda status and verda clock: the analyzer's battery, memory and clock.
#include <ctime>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "AnalyzerSession.h"
#include "talvinet/HostTexts.h"

namespace verda {
namespace {

constexpr int kTextRoom = 256;

// "clock: DATE TIME", or false with the failure printed.
bool PrintClock(Talvinet& analyzer) {
  char date[kTextRoom] = {};
  char time[kTextRoom] = {};
  if (analyzer.GetDateAndTime(date, kTextRoom, time, kTextRoom, 0) == 0) {
    Fail(kExitFailure, "the analyzer did not tell its clock");
    return false;
  }
  std::cout << "clock: " << date << ' ' << time << '\n';
  return true;
}

// One fact the analyzer tells as a text; nothing, with the failure printed,
// when it does not.
std::optional<std::string> Reading(Talvinet& analyzer, int (Talvinet::*read)(char*, int, int), const char* what) {
  char text[kTextRoom] = {};
  if ((analyzer.*read)(text, kTextRoom, 0) == 0) {
    Fail(kExitFailure, std::string("the analyzer did not tell its ") + what);
    return std::nullopt;
  }
  return text;
}

int RunStatus(std::vector<std::string> arguments) {
  if (!arguments.empty()) return UsageError(kStatusCommand, "takes no arguments");
  AnalyzerSession session;
  if (!session.Open()) return kExitFailure;
  Talvinet& analyzer = session.Analyzer();
  if (analyzer.InitHardwareInfo(0) == 0) return Fail(kExitFailure, "the analyzer did not tell its hardware setup");
  bool allRead = true;
  if (analyzer.IsDeodar() != 0) {
    std::cout << "battery: N/A\n";
  } else if (const auto volts = Reading(analyzer, &Talvinet::GetBatteryVoltage, "battery voltage")) {
    std::cout << "battery: " << *volts << " volts" << talvinet::BatteryVerdict(volts->c_str()) << '\n';
  } else {
    allRead = false;
  }
  const auto free = Reading(analyzer, &Talvinet::GetMemoryFree, "free memory");
  if (free) std::cout << "memory free: " << *free << " bytes\n";
  const auto used = Reading(analyzer, &Talvinet::GetMemoryUsed, "used memory");
  if (used) std::cout << "memory used: " << *used << " bytes\n";
  allRead = PrintClock(analyzer) && allRead && free && used;
  return allRead ? kExitSuccess : kExitFailure;
}

// The computer's local time as the analyzer's clock command takes it.
std::string LocalTimeForAnalyzer() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%d/%m/%y %H:%M:%S", &local);
  return text;
}

int RunClock(std::vector<std::string> arguments) {
  const bool sync = arguments.size() == 1 && arguments[0] == "--sync";
  if (!arguments.empty() && !sync) return UsageError(kClockCommand, "takes only --sync");
  AnalyzerSession session;
  if (!session.Open()) return kExitFailure;
  Talvinet& analyzer = session.Analyzer();
  if (sync && analyzer.SetDateAndTime(LocalTimeForAnalyzer().c_str(), 0) == 0) {
    return Fail(kExitFailure, "the analyzer did not take the time");
  }
  return PrintClock(analyzer) ? kExitSuccess : kExitFailure;
}

}  // namespace

extern const Subcommand kStatusCommand = {
    "status", "",
    "Prints the analyzer's battery voltage with its verdict (OK above 6.8 volts,\n"
    "LOW above 6.2, else CHARGE; N/A on a Deodar), its free and used memory and\n"
    "its clock, one line each.",
    RunStatus};

extern const Subcommand kClockCommand = {
    "clock", "[--sync]",
    "Prints the analyzer's clock. With --sync it first sets the clock to the\n"
    "computer's local time.",
    RunClock};

}  // namespace verda

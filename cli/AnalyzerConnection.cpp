#include "AnalyzerConnection.h"

#include <iostream>

#include "CommandLine.h"
#include "lintarra/PortAccess.h"

namespace verda {
namespace {

AnalyzerConnectionOptions& Options() {
  static AnalyzerConnectionOptions options;
  return options;
}

constexpr unsigned long kLargestBaudRate = 4000000;
constexpr unsigned long kLargestPortAddress = 0xFFFF;

bool Refuse(const std::string& message) {
  std::cerr << "verda: " << message << '\n';
  return false;
}

}  // namespace

const char* const kConnectionOptionsHelp =
    "global options (before COMMAND):\n"
    "  --port DEVICE      serial device file of the analyzer (default /dev/ttyS0)\n"
    "  --baud N           serial line rate (default 9600)\n"
    "  --stop-bits N      1 or 2 (default 1)\n"
    "  --parallel ADDRESS use the parallel port at this I/O address (such as 0x378)\n";

bool TakeConnectionOptions(std::vector<std::string>& arguments) {
  AnalyzerConnectionOptions& options = Options();
  while (!arguments.empty() && arguments[0].rfind("--", 0) == 0 && arguments[0] != "--help") {
    const std::string name = arguments[0];
    if (name != "--port" && name != "--baud" && name != "--stop-bits" && name != "--parallel") {
      return Refuse("unknown option '" + name + "'");
    }
    if (arguments.size() < 2) return Refuse(name + " needs a value");
    const std::string value = arguments[1];
    arguments.erase(arguments.begin(), arguments.begin() + 2);
    if (name == "--port") {
      options.device = value;
    } else if (name == "--baud") {
      const auto rate = ParseNumber(value, kLargestBaudRate);
      if (!rate || *rate == 0) return Refuse("--baud expects a line rate, not '" + value + "'");
      options.baudRate = static_cast<int>(*rate);
    } else if (name == "--stop-bits") {
      if (value != "1" && value != "2") return Refuse("--stop-bits expects 1 or 2, not '" + value + "'");
      options.stopBits = value == "1" ? 1 : 2;
    } else {
      const auto address = ParseNumber(value, kLargestPortAddress);
      if (!address || *address == 0) return Refuse("--parallel expects an I/O address, not '" + value + "'");
      options.parallelAddress = static_cast<int>(*address);
    }
  }
  return true;
}

const AnalyzerConnectionOptions& ConnectionOptions() { return Options(); }

bool OpenAnalyzer(Talvinet& analyzer) {
  const AnalyzerConnectionOptions& options = Options();
  if (options.parallelAddress) {
    analyzer.InitParallelPort(*options.parallelAddress, 0);
    const std::string problem = lintarra::PortAccessProblem();
    if (!problem.empty()) return Refuse("cannot use the parallel port: " + problem);
    return true;
  }
  if (!options.device.empty()) analyzer.serialDeviceFiles[1] = options.device;
  ConnectionStruct connection{0, 1, options.baudRate, 8, options.stopBits, 'N'};
  if (analyzer.OpenConnection(&connection) == 0) {
    const std::string device = options.device.empty() ? "/dev/ttyS0" : options.device;
    const std::string& reason = analyzer.GetOpenFailure();
    if (analyzer.OpenFoundPortInUse()) return Refuse(reason);
    return Refuse("cannot open serial port " + device + " at " + std::to_string(options.baudRate) + " baud" +
                  (reason.empty() ? "" : ": " + reason));
  }
  return true;
}

}  // namespace verda

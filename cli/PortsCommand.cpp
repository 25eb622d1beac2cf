// verda ports: the serial ports Qt Serial Port finds, the same list the
// desktop program's Connect dialog offers.
#include <iostream>

#include "CommandLine.h"
#include "PortListing.h"

namespace verda {
namespace {

int RunPorts(std::vector<std::string> arguments) {
  if (!arguments.empty()) return UsageError(kPortsCommand, "takes no arguments");
  std::cout << serialports::PortListing(serialports::SystemSerialPorts());
  return kExitSuccess;
}

}  // namespace

extern const Subcommand kPortsCommand = {
    "ports", "",
    "Lists the machine's serial ports, one per line: the device file, a tab, and\n"
    "a description (for a USB adapter its maker and product; empty for a\n"
    "built-in port), sorted by device file. Pass the device file to --port.\n"
    "Pseudo-terminals, such as the one verda-sim serves, are not listed.",
    RunPorts};

}  // namespace verda

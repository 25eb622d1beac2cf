// The analyzer link that subcommands share: global options choose the serial
// device or the parallel port, and OpenAnalyzer() connects with them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "talvinet/Talvinet.h"

namespace verda {

struct AnalyzerConnectionOptions {
  std::string device;  // serial device file, mapped to port 1; empty: /dev/ttyS0
  int baudRate = 9600;
  int stopBits = 1;
  std::optional<int> parallelAddress;
};

// Takes the global options at the front of `arguments`. False, with a
// message printed, when one is malformed.
bool TakeConnectionOptions(std::vector<std::string>& arguments);

const AnalyzerConnectionOptions& ConnectionOptions();

// Connects `analyzer` as the global options say. False, with a message
// printed, when the link cannot be opened.
bool OpenAnalyzer(Talvinet& analyzer);

// Global options for the usage overview.
extern const char* const kConnectionOptionsHelp;

}  // namespace verda

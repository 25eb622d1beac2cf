// Serves a virtual analyzer behind the emulated parallel port: each byte the
// host sends is heard at once, and the replies wait in the port for the host
// to read them. Synchronous, like the port itself.
//
//   ParallelAnalyzer analyzer;
//   lintarra::InstallPortAccess(&analyzer.Port().Access());
//   Init(0x378, 0);
#pragma once

#include "sim/parallel/EmulatedAnalyzerPort.h"
#include "simanalyzer/VirtualAnalyzer.h"

namespace simanalyzer {

class ParallelAnalyzer {
 public:
  explicit ParallelAnalyzer(VirtualAnalyzer analyzer = VirtualAnalyzer());
  ParallelAnalyzer(const ParallelAnalyzer&) = delete;
  ParallelAnalyzer& operator=(const ParallelAnalyzer&) = delete;

  sim::EmulatedAnalyzerPort& Port() { return port_; }
  VirtualAnalyzer& Analyzer() { return analyzer_; }

 private:
  void HearByte(unsigned char byte);

  VirtualAnalyzer analyzer_;
  sim::EmulatedAnalyzerPort port_;
};

}  // namespace simanalyzer

#include "simanalyzer/ParallelAnalyzer.h"

namespace simanalyzer {

ParallelAnalyzer::ParallelAnalyzer(VirtualAnalyzer analyzer) : analyzer_(std::move(analyzer)) {
  port_.SetHostByteHandler([this](unsigned char byte) { HearByte(byte); });
}

void ParallelAnalyzer::HearByte(unsigned char byte) {
  analyzer_.Receive(std::span(&byte, 1));
  const std::string reply = analyzer_.TakeOutputText();
  if (!reply.empty()) port_.QueueForHost(reply);
}

}  // namespace simanalyzer

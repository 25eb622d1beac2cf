// Writes the sample binary data file: make-demo-vqb OUTPUT.vqb
#include <cstdio>

#include "simanalyzer/DemoRecords.h"
#include "simanalyzer/VqbFiles.h"

int main(int argc, char** argv) {
  if (argc != 2 || argv[1][0] == '-') {
    std::fprintf(stderr, "usage: make-demo-vqb OUTPUT.vqb\n");
    return 2;
  }
  const std::vector<uint8_t> bytes = simanalyzer::VqbFileBytes(simanalyzer::kDemoModelNumber, simanalyzer::DemoRecords());
  std::FILE* out = std::fopen(argv[1], "wb");
  if (out == nullptr) {
    std::perror(argv[1]);
    return 1;
  }
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
  if (std::fclose(out) != 0 || !written) {
    std::fprintf(stderr, "%s: could not be written whole\n", argv[1]);
    return 1;
  }
  return 0;
}

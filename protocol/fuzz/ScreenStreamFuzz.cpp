// Feeds arbitrary bytes to the screen stream decoder and checks that it
// writes nothing outside the screen buffer. Without libFuzzer, main()
// replays the files and folders named on the command line, so stored
// hostile inputs run as an ordinary test.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "ScreenStreamDecoder.h"
#include "talvinet/Talvinet.h"

namespace {

constexpr std::size_t kGuardBytes = 64;
constexpr unsigned char kGuard = 0xC3;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  std::vector<unsigned char> buffer(kGuardBytes + talvinet::kScreenBufferSize + kGuardBytes, kGuard);
  talvinet::ScreenStreamDecoder decoder(buffer.data() + kGuardBytes);
  for (std::size_t i = 0; i < size && !decoder.Finished(); ++i) decoder.Take(data[i]);
  for (std::size_t i = 0; i < kGuardBytes; ++i) {
    if (buffer[i] != kGuard || buffer[buffer.size() - 1 - i] != kGuard) std::abort();
  }
  return 0;
}

#ifndef VERDALON_LIBFUZZER
int main(int argc, char** argv) {
  int replayed = 0;
  for (int i = 1; i < argc; ++i) {
    std::vector<std::filesystem::path> files;
    if (std::filesystem::is_directory(argv[i])) {
      for (const auto& item : std::filesystem::directory_iterator(argv[i])) files.push_back(item.path());
    } else {
      files.emplace_back(argv[i]);
    }
    for (const auto& path : files) {
      std::ifstream in(path, std::ios::binary);
      const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
      ++replayed;
    }
  }
  std::printf("replayed %d inputs\n", replayed);
  return 0;
}
#endif

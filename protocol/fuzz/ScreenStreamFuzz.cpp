// Feeds arbitrary bytes to the screen stream decoder and checks that it
// writes nothing outside the screen buffer.
#include <cstdint>
#include <cstdlib>
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

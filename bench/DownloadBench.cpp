// How close a download comes to the serial line's own rate.
//
// A virtual analyzer on a pseudo-terminal paces its replies as a 19200-baud
// 8N1 line (1920 bytes a second at most). Talvinet copies a memory file of
// 64 KB from it to a binary data file over the real serial layer, and the
// program prints the effective rate against the line rate. The same copy
// from an analyzer whose line takes no time at all shows how much of the
// whole is the pauses the protocol itself requires.
//
// Takes about 40 seconds. Not a test: nothing here is checked against a limit.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "simanalyzer/PtyAnalyzer.h"
#include "simanalyzer/VqbFiles.h"
#include "talvinet/Clock.h"
#include "talvinet/Talvinet.h"

namespace {

using Seconds = std::chrono::duration<double>;

constexpr int kBaudRate = 19200;
constexpr double kLineBytesPerSecond = kBaudRate / 10.0;  // 8 data bits, start and stop bit
constexpr int kRecords = 4;
constexpr std::size_t kRecordSize = 16384;

// The steady clock, keeping count of the time Talvinet asks to sleep: its
// command delays, record polls and line pauses.
class SleepTallyClock final : public talvinet::Clock {
 public:
  TimePoint Now() override { return talvinet::SteadyClock().Now(); }
  void SleepUntil(TimePoint when) override {
    const TimePoint now = Now();
    if (when > now) slept += when - now;
    talvinet::SteadyClock().SleepUntil(when);
  }
  Duration slept{};
};

simanalyzer::MemoryFile BenchFile() {
  simanalyzer::MemoryFile file = simanalyzer::NewFile("BENCH", 0);
  for (int r = 0; r < kRecords; ++r) {
    std::vector<uint8_t> bytes(kRecordSize);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 7 + r);
    file.records.push_back({static_cast<uint8_t>(r + 1), std::move(bytes)});
  }
  return file;
}

struct Run {
  bool copied = false;
  bool identical = false;
  Seconds total{};
  Seconds slept{};
  Seconds firstBytes{};  // from the start until record data first arrived
};

Run Download(simanalyzer::Pacing pacing, const std::string& path) {
  simanalyzer::VirtualAnalyzer virtualAnalyzer;
  virtualAnalyzer.State().store.Add(BenchFile());
  simanalyzer::PtyAnalyzer server(std::move(virtualAnalyzer), pacing);
  std::string problem;
  Run run;
  if (!server.Start(problem)) {
    std::fprintf(stderr, "download_bench: %s\n", problem.c_str());
    return run;
  }
  SleepTallyClock clock;
  Talvinet analyzer;
  analyzer.clock = &clock;
  analyzer.serialDeviceFiles[1] = server.DevicePath();
  ConnectionStruct connection{0, 1, kBaudRate, 8, 1, 'N'};
  if (analyzer.OpenConnection(&connection) == 0 || analyzer.InitHardwareInfo(1) == 0) {
    std::fprintf(stderr, "download_bench: the virtual analyzer did not answer\n");
    return run;
  }
  clock.slept = {};
  const auto start = std::chrono::steady_clock::now();
  bool dataSeen = false;
  run.copied = analyzer.CopyFileToHardDrive(
                   "BENCH   ", path.c_str(), 1,
                   [&](unsigned int, long received, long) {
                     if (!dataSeen && received > 0) {
                       dataSeen = true;
                       run.firstBytes = std::chrono::steady_clock::now() - start;
                     }
                     return 0L;
                   },
                   WM_DOWNLOAD_PROGRESS) != 0;
  run.total = std::chrono::steady_clock::now() - start;
  run.slept = clock.slept;
  std::ifstream in(path, std::ios::binary);
  const std::vector<uint8_t> written{std::istreambuf_iterator<char>(in), {}};
  run.identical = written == simanalyzer::VqbFileBytes(2480, BenchFile().records);
  return run;
}

}  // namespace

int main() {
  const std::string path = (std::filesystem::temp_directory_path() / ("download-bench-" + std::to_string(getpid()) +
                                                                      ".vqb"))
                               .string();
  const double bytes = static_cast<double>(kRecords * kRecordSize);
  std::printf("memory file: %d records of %zu bytes (%.0f bytes), serial line %d baud 8N1 (%.0f bytes/s)\n", kRecords,
              kRecordSize, bytes, kBaudRate, kLineBytesPerSecond);

  const Run paced = Download(simanalyzer::Pacing{kBaudRate, 1.0}, path);
  const Run instant = Download(simanalyzer::Pacing{}, path);
  std::filesystem::remove(path);
  if (!paced.copied || !instant.copied || !paced.identical || !instant.identical) {
    std::fprintf(stderr, "download_bench: a download failed or differs from its records\n");
    return 1;
  }
  const double rate = bytes / paced.total.count();
  const double lineTime = bytes / kLineBytesPerSecond;
  std::printf("paced line:   %.2f s in all, first record data after %.2f s, %.2f s asked to sleep\n",
              paced.total.count(), paced.firstBytes.count(), paced.slept.count());
  std::printf("effective rate: %.0f bytes/s = %.1f %% of the line rate (the bytes alone need %.2f s)\n", rate,
              100.0 * rate / kLineBytesPerSecond, lineTime);
  std::printf("instant line: %.2f s in all, %.2f s asked to sleep: the delays the protocol requires\n",
              instant.total.count(), instant.slept.count());
  std::printf("required delays are %.1f %% of the paced download; line time + delays = %.2f s\n",
              100.0 * instant.total.count() / paced.total.count(), lineTime + instant.total.count());
  return 0;
}

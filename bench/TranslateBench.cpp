// Translation throughput and memory.
//
// Input: a generated .VQB file of at least --megabytes MB (default 100) of
// standard-mode spectrum records (prefix, main system variables and spectral
// data blocks) of --bins bands (default 360, a 1/24-octave filter) and
// 2^--channel-exponent channels (default 2); with --autostore-frames N, autostore
// records of N such frames instead; every record is translated under the
// default profile (every option set).
// Output: MB/s of input and of output, and the process's peak resident memory,
// which must stay bounded by the largest record, not by the file.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "VqbBuilder.h"
#include "morvane/Morvane.h"

namespace {

constexpr uint8_t kTwentyFourthOctave = 3;

long PeakResidentKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// Streams the file to disk record by record, so generating it costs no memory.
void WriteBenchFile(const std::string& path, std::size_t megabytes, const vqbtest::Bytes& record) {
  const std::size_t units = (record.size() + 255) / 256;
  const std::size_t count = std::min<std::size_t>(65535, (megabytes * 1000000 + units * 256 - 1) / (units * 256));
  vqbtest::ByteWriter head;
  head.Raw(vqbtest::HeaderBytes(1234)).U16(static_cast<uint32_t>(count));
  for (std::size_t i = 0; i < count; ++i) head.U8(1).U16(static_cast<uint32_t>(units));
  vqbtest::Bytes area = record;
  area.resize(units * 256, 0);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(head.Data().data()), static_cast<std::streamsize>(head.Data().size()));
  for (std::size_t i = 0; i < count; ++i) {
    out.write(reinterpret_cast<const char*>(area.data()), static_cast<std::streamsize>(area.size()));
  }
}

std::size_t ArgumentValue(int argc, char** argv, const char* name, std::size_t fallback) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], name) == 0) return std::strtoul(argv[i + 1], nullptr, 10);
  }
  return fallback;
}

}  // namespace

int main(int argc, char** argv) {
  const std::size_t megabytes = ArgumentValue(argc, argv, "--megabytes", 100);
  const auto bins = static_cast<uint16_t>(ArgumentValue(argc, argv, "--bins", 360));
  const auto channelExponent = static_cast<uint8_t>(ArgumentValue(argc, argv, "--channel-exponent", 2));
  const auto autostoreFrames = static_cast<uint16_t>(ArgumentValue(argc, argv, "--autostore-frames", 0));
  const vqbtest::Bytes record =
      autostoreFrames != 0 ? vqbtest::AutostoreRecord(kTwentyFourthOctave, bins, channelExponent, autostoreFrames)
                           : vqbtest::SpectrumRecord(kTwentyFourthOctave, bins, channelExponent);
  const auto folder = std::filesystem::temp_directory_path();
  const std::string input = (folder / "translate_bench.vqb").string();
  const std::string output = (folder / "translate_bench.csv").string();

  WriteBenchFile(input, megabytes, record);
  std::vector<_RecordEntryTag> records;
  {
    Morvane index(input.c_str());
    records.resize(index.GetRecordCount());
    index.GetRecordsInFile(records.data());
  }
  const long memoryBefore = PeakResidentKilobytes();

  _TranslateInfoTag info{};
  std::snprintf(info.inputPath, sizeof info.inputPath, "%s", input.c_str());
  std::snprintf(info.outputPath, sizeof info.outputPath, "%s", output.c_str());
  info.records = records.data();
  info.recordTotal = static_cast<unsigned short>(records.size());
  info.blockSelect = ALL_PRESENT_BLOCKS;
  Morvane translator;
  const auto start = std::chrono::steady_clock::now();
  const int result = translator.Translate(&info);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  const double inMb = static_cast<double>(std::filesystem::file_size(input)) / 1e6;
  const double outMb = result ? static_cast<double>(std::filesystem::file_size(output)) / 1e6 : 0;
  std::printf("records: %zu of %zu bytes, translate result %d\n", records.size(), record.size(), result);
  std::printf("input:  %.1f MB, %.1f MB/s\n", inMb, inMb / seconds);
  std::printf("output: %.1f MB, %.1f MB/s\n", outMb, outMb / seconds);
  std::printf("time:   %.3f s\n", seconds);
  std::printf("peak resident memory: %ld KB before translating, %ld KB after\n", memoryBefore,
              PeakResidentKilobytes());
  std::filesystem::remove(input);
  std::filesystem::remove(output);
  return result ? 0 : 1;
}

// Translation against its floor, and memory.
//
// Input: a generated .VQB file of at least --megabytes MB (default 100, at
// most 65,535 records) of identical standard-mode records, each of them
// either (--records spectrum, the default) a prefix, a main system variables
// and a spectral data block of --bins bands (default 360, a 1/24-octave
// filter) and 2^--channel-exponent channels (default 2), or (--records main)
// the prefix and main system variables blocks alone, or (--records mls) a
// maximum-length-sequence impulse response of 65,536 sample pairs (each
// record writes some 2.3 MB: try --megabytes 10); every record is
// translated under the default profile (every option set).
// Output: for each of --pairs runs (default 5), the time of the translation
// and of the floor program (TranslationFloor.h) writing the same bytes from
// the same file, measured one after the other (each first in every other
// run) under the same load, and the floor's time as a fraction of the
// translation's: the translator's speed as a fraction of the floor's, by
// wall time and by processor time. Then the medians of these fractions, and
// the process's peak resident memory, which must stay bounded by the largest
// record and the record index, not by the file.
//
// With --whole-process, each run starts both as processes of their own, as
// a user would: `verda translate IN OUT` and this program as the floor
// (--floor-process), so that reading the file, starting and ending count too.
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ProcessRun.h"
#include "TranslationFloor.h"
#include "VqbBuilder.h"
#include "morvane/Morvane.h"

namespace {

constexpr uint8_t kTwentyFourthOctave = 3;
constexpr std::size_t kUnitBytes = 256;
constexpr std::size_t kDirectoryStart = 38;  // header text and record count
constexpr std::size_t kDirectoryEntry = 3;
constexpr std::size_t kImpulseSamples = 65536;
constexpr uint8_t kImpulseRate = 0x81;  // 2 / 64000 s apart

using Clock = std::chrono::steady_clock;

long PeakResidentKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

std::size_t Units(const vqbtest::Bytes& record) { return (record.size() + kUnitBytes - 1) / kUnitBytes; }

// Streams the file to disk entry by entry and record by record, so that
// generating it costs no memory.
void WriteBenchFile(const std::string& path, std::size_t count, const vqbtest::Bytes& record) {
  const auto write = [](std::ofstream& out, const vqbtest::Bytes& bytes) {
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  };
  const std::size_t units = Units(record);
  vqbtest::ByteWriter head, entry;
  head.Raw(vqbtest::HeaderBytes(1234)).U16(static_cast<uint32_t>(count));
  entry.U8(1).U16(static_cast<uint32_t>(units));
  vqbtest::Bytes area = record;
  area.resize(units * kUnitBytes, 0);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  write(out, head.Data());
  for (std::size_t i = 0; i < count; ++i) write(out, entry.Data());
  for (std::size_t i = 0; i < count; ++i) write(out, area);
}

// The prefix and main system variables blocks of a spectrum record, without its data.
vqbtest::Bytes MainOnlyRecord(uint8_t channelExponent) {
  const int channels = 1 << channelExponent;
  vqbtest::PrefixFields prefix;
  prefix.hardwareChannels = static_cast<uint8_t>(channels);
  vqbtest::MainFields main;
  main.filter = kTwentyFourthOctave;
  main.channels = channelExponent;
  main.fftLowPass = 1;
  return vqbtest::RecordBuilder(prefix).Block(0x0004, vqbtest::MainBody(main, vqbtest::PerChannelGroups(channels))).Build();
}

std::size_t ArgumentValue(int argc, char** argv, const char* name, std::size_t fallback) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], name) == 0) return std::strtoul(argv[i + 1], nullptr, 10);
  }
  return fallback;
}

bool ArgumentIs(int argc, char** argv, const char* name, const char* value) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], name) == 0) return std::strcmp(argv[i + 1], value) == 0;
  }
  return false;
}

std::vector<_RecordEntryTag> RecordList(const std::string& input) {
  Morvane index(input.c_str());
  std::vector<_RecordEntryTag> records(index.GetRecordCount());
  index.GetRecordsInFile(records.data());
  return records;
}

bool Translate(const std::string& input, const std::string& output, std::vector<_RecordEntryTag>& records) {
  _TranslateInfoTag info{};
  std::snprintf(info.inputPath, sizeof info.inputPath, "%s", input.c_str());
  std::snprintf(info.outputPath, sizeof info.outputPath, "%s", output.c_str());
  info.records = records.data();
  info.recordTotal = static_cast<unsigned short>(records.size());
  info.blockSelect = ALL_PRESENT_BLOCKS;
  Morvane translator;
  return translator.Translate(&info) != 0;
}

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

class Stopwatch {
 public:
  Times Elapsed() const {
    return {std::chrono::duration<double>(Clock::now() - wall_).count(), CpuSeconds() - cpu_};
  }

 private:
  Clock::time_point wall_ = Clock::now();
  double cpu_ = CpuSeconds();
};

bool SameFiles(const std::string& first, const std::string& second) {
  std::ifstream a(first, std::ios::binary), b(second, std::ios::binary);
  std::vector<char> bufferA(1 << 16), bufferB(1 << 16);
  while (a && b) {
    a.read(bufferA.data(), static_cast<std::streamsize>(bufferA.size()));
    b.read(bufferB.data(), static_cast<std::streamsize>(bufferB.size()));
    if (a.gcount() != b.gcount() || !std::equal(bufferA.begin(), bufferA.begin() + a.gcount(), bufferB.begin())) {
      return false;
    }
  }
  return a.eof() && b.eof();
}

// The floor as a process of its own: the arguments after --floor-process
// are the one-record translation's file, the rows, the channels, whether
// the rows are an impulse response (0 or 1), and Write's arguments.
int RunFloorProcess(char** arguments) {
  const auto number = [&](int i) { return static_cast<std::size_t>(std::strtoull(arguments[i], nullptr, 10)); };
  TranslationFloor floor = TranslationFloor::FromOneRecord(vqbtest::ReadFileText(arguments[0]), number(1), number(2));
  if (number(3) != 0) floor.impulse = TranslationFloor::Impulse{2 / 64000.0, {0.5 / 32768, 4.0 / 32768}};
  return floor.Write(arguments[4], arguments[5], number(6), number(7), number(8), number(9)) ? 0 : 1;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  constexpr int kFloorArguments = 10;
  if (argc == 2 + kFloorArguments && std::strcmp(argv[1], "--floor-process") == 0) return RunFloorProcess(argv + 2);
  const bool wholeProcess = std::find_if(argv + 1, argv + argc, [](const char* a) {
                              return std::strcmp(a, "--whole-process") == 0;
                            }) != argv + argc;
  const std::size_t megabytes = ArgumentValue(argc, argv, "--megabytes", 100);
  const auto bins = static_cast<uint16_t>(ArgumentValue(argc, argv, "--bins", 360));
  const auto channelExponent = static_cast<uint8_t>(ArgumentValue(argc, argv, "--channel-exponent", 2));
  const std::size_t pairs = std::max<std::size_t>(1, ArgumentValue(argc, argv, "--pairs", 5));
  const bool mainOnly = ArgumentIs(argc, argv, "--records", "main");
  const bool impulse = ArgumentIs(argc, argv, "--records", "mls");
  const vqbtest::Bytes record = mainOnly  ? MainOnlyRecord(channelExponent)
                                : impulse ? vqbtest::MlsImpulseRecord(kImpulseRate, kImpulseSamples)
                                          : vqbtest::SpectrumRecord(kTwentyFourthOctave, bins, channelExponent);
  const std::size_t rows = mainOnly ? 0 : impulse ? kImpulseSamples : bins;
  const std::size_t channels = impulse ? 0 : std::size_t{1} << channelExponent;
  const std::size_t valueBytes = impulse ? 4 * rows : 2 * rows * channels;
  const std::size_t units = Units(record);
  const std::size_t count = std::min<std::size_t>(65535, (megabytes * 1000000 + units * kUnitBytes - 1) /
                                                             (units * kUnitBytes));
  const auto folder = std::filesystem::temp_directory_path();
  const std::string input = (folder / "translate_bench.vqb").string();
  const std::string output = (folder / "translate_bench.csv").string();
  const std::string floorOutput = (folder / "translate_bench_floor.csv").string();
  const std::string oneRecordOutput = (folder / "translate_bench_one.csv").string();

  // The floor's fixed text and row labels come from one record's translation.
  WriteBenchFile(input, 1, record);
  std::vector<_RecordEntryTag> one = RecordList(input);
  if (!Translate(input, output, one)) return 1;
  std::filesystem::copy_file(output, oneRecordOutput, std::filesystem::copy_options::overwrite_existing);
  TranslationFloor floor = TranslationFloor::FromOneRecord(vqbtest::ReadFileText(output), rows, channels);
  // The header's channel exponents are -1 and 2.
  if (impulse) floor.impulse = TranslationFloor::Impulse{2 / 64000.0, {0.5 / 32768, 4.0 / 32768}};

  WriteBenchFile(input, count, record);
  std::vector<_RecordEntryTag> records = RecordList(input);
  const long memoryBefore = PeakResidentKilobytes();
  const std::size_t dataStart = kDirectoryStart + kDirectoryEntry * count;
  const std::size_t levelOffset = record.size() - valueBytes;
  const auto text = [](std::size_t value) { return std::to_string(value); };
  const std::vector<std::string> translateProcess = {VERDA_PATH, "translate", input, output};
  const std::vector<std::string> floorProcess = {"/proc/self/exe", "--floor-process", oneRecordOutput, text(rows),
                                                 text(channels), text(impulse ? 1 : 0), input, floorOutput,
                                                 text(dataStart), text(count), text(units), text(levelOffset)};

  std::printf("%s\nrecords: %zu of %zu bytes (%s), input %.1f MB\n",
              wholeProcess ? "whole processes: verda translate against the floor program" : "in this process",
              records.size(), record.size(),
              mainOnly ? "prefix and main system variables" : impulse ? "impulse response" : "spectrum",
              static_cast<double>(std::filesystem::file_size(input)) / 1e6);
  std::vector<double> translationTimes, floorTimes, fractions, cpuFractions;
  bool identical = true;
  for (std::size_t pair = 0; pair < pairs; ++pair) {
    bool translated = false, floorWritten = false;
    Times translation, floorTime;
    const auto translate = [&] {
      if (wholeProcess) {
        translated = RunProcess(translateProcess, translation);
        return;
      }
      const Stopwatch watch;
      translated = Translate(input, output, records);
      translation = watch.Elapsed();
    };
    const auto writeFloor = [&] {
      if (wholeProcess) {
        floorWritten = RunProcess(floorProcess, floorTime);
        return;
      }
      const Stopwatch watch;
      floorWritten = floor.Write(input, floorOutput, dataStart, count, units, levelOffset);
      floorTime = watch.Elapsed();
    };
    // Both write new files: replacing a file makes the file system start
    // writing the new one back at once, which would time the disk.
    std::filesystem::remove(output);
    std::filesystem::remove(floorOutput);
    // Each goes first in every other run, so that neither always pays for
    // the other's text still being written back to the disk.
    if (pair % 2 == 0) {
      translate();
      writeFloor();
    } else {
      writeFloor();
      translate();
    }
    if (!translated || !floorWritten) {
      std::fprintf(stderr, "translate_bench: the translation or the floor failed\n");
      return 1;
    }
    if (pair == 0) identical = SameFiles(output, floorOutput);
    translationTimes.push_back(translation.wall);
    floorTimes.push_back(floorTime.wall);
    fractions.push_back(floorTime.wall / translation.wall);
    cpuFractions.push_back(floorTime.cpu / translation.cpu);
    std::printf("run %zu: translation %.3f s (%.3f s processor), floor %.3f s (%.3f s); speed %.2f of the floor's (%.2f)\n",
                pair + 1, translation.wall, translation.cpu, floorTime.wall, floorTime.cpu, fractions.back(),
                cpuFractions.back());
  }
  const double outMb = static_cast<double>(std::filesystem::file_size(output)) / 1e6;
  std::printf("output: %.1f MB, the floor's %s\n", outMb, identical ? "identical" : "DIFFERENT");
  std::printf("median: translation %.3f s (%.1f MB/s of output), floor %.3f s; speed %.2f of the floor's (%.2f by "
              "processor time)\n",
              Median(translationTimes), outMb / Median(translationTimes), Median(floorTimes), Median(fractions),
              Median(cpuFractions));
  // In whole processes the translation's memory is not this process's.
  if (!wholeProcess) {
    std::printf("peak resident memory: %ld KB before translating, %ld KB after\n", memoryBefore,
                PeakResidentKilobytes());
  }
  std::filesystem::remove(input);
  std::filesystem::remove(output);
  std::filesystem::remove(floorOutput);
  std::filesystem::remove(oneRecordOutput);
  return identical ? 0 : 1;
}

// Feeds arbitrary bytes to the reader and the translator as a .VQB file.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "morvane/Morvane.h"

namespace {

std::string ScratchPath(const char* name) {
  return (std::filesystem::temp_directory_path() / (std::string("translate_fuzz_") + std::to_string(getpid()) + name))
      .string();
}

void CopyPath(char (&field)[kTranslatePathSize], const std::string& path) {
  std::strncpy(field, path.c_str(), sizeof field - 1);
  field[sizeof field - 1] = '\0';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string input = ScratchPath(".vqb");
  const std::string output = ScratchPath(".csv");
  {
    std::ofstream file(input, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  std::vector<_RecordEntryTag> entries;
  {
    Morvane index(input.c_str());
    entries.resize(index.GetRecordCount());
    index.GetRecordsInFile(entries.data());
    for (const _RecordEntryTag& entry : entries) {
      _DataBlocksTag names{};
      index.GetDataBlocksPresent(entry.type, entry.number, &names);
      StandardSpectrum spectrum;
      index.GetStandardSpectrum(entry.type, entry.number, &spectrum);
    }
  }
  if (!entries.empty()) {
    _TranslateInfoTag info{};
    CopyPath(info.inputPath, input);
    CopyPath(info.outputPath, output);
    info.records = entries.data();
    info.recordTotal = static_cast<unsigned short>(entries.size());
    info.blockSelect = ALL_PRESENT_BLOCKS;
    Morvane translator;
    translator.Translate(&info);
    info.blockSelect = 0xFFFF;
    translator.Translate(&info);
  }
  std::remove(input.c_str());
  std::remove(output.c_str());
  return 0;
}

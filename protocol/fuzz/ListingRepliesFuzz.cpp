// Answers the identity, listing, record size and key queries with arbitrary
// bytes; each result lands in a buffer just big enough, so that the
// sanitizers see any write past it.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "FuzzedAnalyzer.h"
#include "talvinet/Talvinet.h"

namespace {

// A listing of `count` entries read into exactly `count` slots.
template <typename Entry, typename Read>
void ReadListing(int count, Read read) {
  if (count < 1) return;
  const auto entries = std::make_unique<Entry[]>(static_cast<std::size_t>(count));
  read(entries.get(), count);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string reply(reinterpret_cast<const char*>(data), size);
  FuzzedAnalyzer fuzzed;
  if (!fuzzed.Open()) return 0;
  Talvinet& analyzer = fuzzed.analyzer;
  const auto answer = [&](const char* query) { fuzzed.Answer(query, reply); };

  answer("QHS\r\n");
  analyzer.InitHardwareInfo(0);
  std::vector<char> serial(4), system(3), firmware(2);
  analyzer.GetSerialNumber(serial.data(), 4);
  analyzer.GetSystemID(system.data(), 3);
  analyzer.GetFirmwareVersion(firmware.data(), 2);
  analyzer.IsOption112();

  int count = 0;
  answer("QRD\r\n");
  if (analyzer.GetRecordCount(&count, 0) != 0) {
    ReadListing<RecordStruct>(count, [&](RecordStruct* r, int n) { analyzer.GetRecords(r, n); });
  }
  answer("QFD\r\n");
  if (analyzer.GetMemoryFileCount(&count, 0) != 0) {
    ReadListing<FileStruct>(count, [&](FileStruct* f, int n) { analyzer.GetFiles(f, n); });
  }
  answer("QDD\r\n");
  if (analyzer.GetDiskFileCount(&count, 0) != 0) {
    ReadListing<FileStruct>(count, [&](FileStruct* f, int n) { analyzer.GetFiles(f, n); });
  }
  answer("QFS\r\n");
  std::vector<char> current(5);
  analyzer.GetCurrentFile(current.data(), 5, 0);
  answer("QRLR 1,1\r\n");
  int recordSize = 0;
  analyzer.GetRecordSize(1, 1, &recordSize, 0);

  answer("QKE 7\r\n");
  std::vector<char> keyName(talvinet::kKeyNameRoom);
  analyzer.GetKeyName(7, keyName.data(), talvinet::kKeyNameRoom, 0);
  answer("QKE START\r\n");
  int key = 0;
  analyzer.GetKeyNumber("START", &key, 0);
  answer("QKE *\r\n");
  const auto keys = std::make_unique<KeyboardStruct>();
  analyzer.GetDefinedKeys(keys.get(), 0);
  return 0;
}

// Memory files and records copied to the computer as binary data files.
//
// The file: 36 header bytes, a 16-bit record count, a 3-byte directory entry
// per record (type code, 16-bit units of 256 bytes), then each record's bytes
// padded with zeros to its units. Every announced area must be present for
// the records after it to be found, so a file is written only when every
// record arrived.
#include <cstdio>
#include <vector>

#include "RemoteBracket.h"
#include "TransferTiming.h"
#include "WholeFileWriter.h"
#include "talvinet/Talvinet.h"

using namespace talvinet;

namespace {

constexpr char kHeaderFormat[] = "Vexlor-Quand %d binary data file.%c";
constexpr char kHeaderEnd = 0x1A;
constexpr std::size_t kHeaderSize = 36;

// Four digits each, so the header is always 36 bytes.
constexpr int kAlderModelNumber = 2260;
constexpr int kBirchModelNumber = 2470;
constexpr int kCedarModelNumber = 2480;
constexpr int kDeodarModelNumber = 2900;

constexpr long kLargestTypeCode = 255;

std::uint16_t UnitsOf(int size) {
  return static_cast<std::uint16_t>((size + timing::kBytesPerUnit - 1) / timing::kBytesPerUnit);
}

bool FitsInDataFile(int size) { return size >= 0 && size <= timing::kMaxRecordSize; }

// A record's bytes padded with zeros to its whole units.
std::vector<unsigned char> ZeroFilledArea(std::uint16_t units) {
  return std::vector<unsigned char>(static_cast<std::size_t>(units) * timing::kBytesPerUnit, 0);
}

}  // namespace

unsigned long Talvinet::WriteWord(std::FILE* file, unsigned short value) {
  if (file == nullptr) return 0;
  unsigned long written = 0;
  if (std::fputc(value & 0xFF, file) != EOF) ++written;
  if (std::fputc(value >> 8, file) != EOF) ++written;
  return written;
}

// A Cedar also answers IsBirch and IsAlder, so it is asked first.
int Talvinet::ModelNumber() {
  if (IsCedar() != 0) return kCedarModelNumber;
  if (IsBirch() != 0) return kBirchModelNumber;
  if (IsAlder() != 0) return kAlderModelNumber;
  return kDeodarModelNumber;
}

bool Talvinet::WriteDataFileStart(WholeFileWriter& writer, std::uint16_t recordCount) {
  char header[kHeaderSize + 1];
  const int length = std::snprintf(header, sizeof header, kHeaderFormat, ModelNumber(), kHeaderEnd);
  return length == static_cast<int>(kHeaderSize) && writer.Write(header, kHeaderSize) &&
         WriteWord(writer.Stream(), recordCount) == 2;
}

bool Talvinet::WriteDirectoryEntry(WholeFileWriter& writer, std::uint8_t type, std::uint16_t units) {
  return writer.Write(&type, 1) && WriteWord(writer.Stream(), units) == 2;
}

int Talvinet::CopyRecordToHardDrive(const char* fileName, const char* path, int remote, int type, int number) {
  if (fileName == nullptr || path == nullptr || type < 0 || type > kLargestTypeCode) return 0;
  RemoteBracket bracket(*this, remote);
  const auto typeCode = static_cast<unsigned char>(type);
  int size = 0;
  if (SetCurrentFile(fileName, 0) == 0 || GetRecordSize(typeCode, number, &size, 0) == 0) return 0;
  if (!FitsInDataFile(size)) return 0;
  WholeFileWriter writer;
  if (!writer.Open(path)) return 0;
  const std::uint16_t units = UnitsOf(size);
  if (!WriteDataFileStart(writer, 1) || !WriteDirectoryEntry(writer, typeCode, units)) return 0;
  std::vector<unsigned char> area = ZeroFilledArea(units);
  if (GetRecordData(typeCode, number, size, area.data(), 0) == 0) return 0;
  return writer.Write(area.data(), area.size()) && writer.Commit() ? 1 : 0;
}

int Talvinet::CopyFileToHardDrive(const char* fileName, const char* path, int remote,
                                  const MessageHandler& progressWindow, int progressMessage) {
  if (fileName == nullptr || path == nullptr) return 0;
  RemoteBracket bracket(*this, remote);
  int count = 0;
  if (SetCurrentFile(fileName, 0) == 0 || GetRecordCount(&count, 0) == 0 || count < 1) return 0;
  std::vector<RecordStruct> records(static_cast<std::size_t>(count));
  if (GetRecords(records.data(), count) == 0) return 0;

  bytesExpected = 0;
  bytesReceived = 0;
  long long expected = 0;
  for (RecordStruct& record : records) {
    if (GetRecordSize(record.type, record.number, &record.size, 0) == 0 || !FitsInDataFile(record.size)) return 0;
    record.units = UnitsOf(record.size);
    expected += record.size;
  }
  // The progress message carries 32-bit counts.
  if (expected > INT32_MAX) return 0;
  bytesExpected = static_cast<std::uint32_t>(expected);

  WholeFileWriter writer;
  if (!writer.Open(path) || !WriteDataFileStart(writer, static_cast<std::uint16_t>(count))) return 0;
  for (const RecordStruct& record : records) {
    if (!WriteDirectoryEntry(writer, record.type, record.units)) return 0;
  }
  // A stop asked for by the progress window ends the whole copy, even when
  // the record in progress happened to be complete.
  bool stopped = false;
  MessageHandler watchedProgress;
  if (progressWindow) {
    watchedProgress = [&](unsigned int message, long received, long total) {
      const long answer = progressWindow(message, received, total);
      stopped = stopped || answer != 0;
      return answer;
    };
  }
  for (const RecordStruct& record : records) {
    std::vector<unsigned char> area = ZeroFilledArea(record.units);
    if (GetRecordData(record.type, record.number, record.size, area.data(), 0, watchedProgress, progressMessage) ==
            0 ||
        stopped || !writer.Write(area.data(), area.size())) {
      return 0;
    }
  }
  return writer.Commit() ? 1 : 0;
}

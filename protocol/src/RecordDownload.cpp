// Memory files and records copied to the computer as binary data files.
//
// The file: 36 header bytes, a 16-bit record count, a 3-byte directory entry
// per record (type code, 16-bit units of 256 bytes), then each record's bytes
// padded with zeros to its units. Every announced area must be present for
// the records after it to be found, so a file is written only when every
// record arrived.
#include <chrono>
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

// Gives up the copy at `step`, for the record at `recordIndex`.
int Talvinet::DownloadFailed(DownloadStep step, int recordIndex) {
  downloadFailure.step = step;
  downloadFailure.recordIndex = recordIndex;
  return 0;
}

int Talvinet::DestinationFailed(const WholeFileWriter& writer) {
  downloadFailure.systemError = writer.Error();
  return DownloadFailed(kDownloadDestination, -1);
}

// The record's bytes into `area`, timed and counted for the failure report.
bool Talvinet::DownloadRecordData(const RecordStruct& record, int index, unsigned char* area,
                                  const MessageHandler& progressWindow, int progressMessage) {
  const auto start = clock->Now();
  const std::uint32_t receivedBefore = bytesReceived;
  // Named before the bytes come, so that a progress window can tell which record they are.
  downloadFailure.recordIndex = index;
  const bool whole =
      GetRecordData(record.type, record.number, record.size, area, 0, progressWindow, progressMessage) != 0;
  downloadFailure.recordIndex = index;
  downloadFailure.recordSize = record.size;
  downloadFailure.receivedBytes = static_cast<std::int32_t>(bytesReceived - receivedBefore);
  downloadFailure.elapsedMilliseconds = static_cast<std::int32_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(clock->Now() - start).count());
  return whole;
}

int Talvinet::CopyRecordToHardDrive(const char* fileName, const char* path, int remote, int type, int number) {
  downloadFailure = DownloadFailureStruct{kDownloadNotFailed, -1, 0, 0, 0, 0, 0};
  if (fileName == nullptr || path == nullptr || type < 0 || type > kLargestTypeCode) return 0;
  RemoteBracket bracket(*this, remote);
  RecordStruct record{};
  record.type = static_cast<unsigned char>(type);
  record.number = number;
  if (SetCurrentFile(fileName, 0) == 0) return DownloadFailed(kDownloadNoSuchFile, -1);
  downloadFailure.recordCount = 1;
  if (GetRecordSize(record.type, number, &record.size, 0) == 0 || !FitsInDataFile(record.size)) {
    return DownloadFailed(kDownloadNoRecordSize, 0);
  }
  WholeFileWriter writer;
  record.units = UnitsOf(record.size);
  if (!writer.Open(path) || !WriteDataFileStart(writer, 1) || !WriteDirectoryEntry(writer, record.type, record.units)) {
    return DestinationFailed(writer);
  }
  std::vector<unsigned char> area = ZeroFilledArea(record.units);
  if (!DownloadRecordData(record, 0, area.data(), {}, 0)) return DownloadFailed(kDownloadRecordIncomplete, 0);
  if (!writer.Write(area.data(), area.size()) || !writer.Commit()) return DestinationFailed(writer);
  return 1;
}

int Talvinet::CopyFileToHardDrive(const char* fileName, const char* path, int remote,
                                  const MessageHandler& progressWindow, int progressMessage) {
  downloadFailure = DownloadFailureStruct{kDownloadNotFailed, -1, 0, 0, 0, 0, 0};
  if (fileName == nullptr || path == nullptr) return 0;
  RemoteBracket bracket(*this, remote);
  int count = 0;
  if (SetCurrentFile(fileName, 0) == 0) return DownloadFailed(kDownloadNoSuchFile, -1);
  if (GetRecordCount(&count, 0) == 0) return DownloadFailed(kDownloadNoRecordList, -1);
  if (count < 1) return DownloadFailed(kDownloadNoRecords, -1);
  downloadFailure.recordCount = count;
  std::vector<RecordStruct> records(static_cast<std::size_t>(count));
  if (GetRecords(records.data(), count) == 0) return DownloadFailed(kDownloadNoRecordList, -1);

  bytesExpected = 0;
  bytesReceived = 0;
  long long expected = 0;
  for (std::size_t i = 0; i < records.size(); ++i) {
    RecordStruct& record = records[i];
    const bool sized = GetRecordSize(record.type, record.number, &record.size, 0) != 0;
    // The progress message carries 32-bit counts.
    if (!sized || !FitsInDataFile(record.size) || expected + record.size > INT32_MAX) {
      return DownloadFailed(kDownloadNoRecordSize, static_cast<int>(i));
    }
    record.units = UnitsOf(record.size);
    expected += record.size;
  }
  bytesExpected = static_cast<std::uint32_t>(expected);

  WholeFileWriter writer;
  if (!writer.Open(path) || !WriteDataFileStart(writer, static_cast<std::uint16_t>(count))) {
    return DestinationFailed(writer);
  }
  for (const RecordStruct& record : records) {
    if (!WriteDirectoryEntry(writer, record.type, record.units)) return DestinationFailed(writer);
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
  for (std::size_t i = 0; i < records.size(); ++i) {
    const int index = static_cast<int>(i);
    std::vector<unsigned char> area = ZeroFilledArea(records[i].units);
    const bool whole = DownloadRecordData(records[i], index, area.data(), watchedProgress, progressMessage);
    if (stopped) return DownloadFailed(kDownloadCancelled, index);
    if (!whole) return DownloadFailed(kDownloadRecordIncomplete, index);
    if (!writer.Write(area.data(), area.size())) return DestinationFailed(writer);
  }
  if (!writer.Commit()) return DestinationFailed(writer);
  downloadFailure = DownloadFailureStruct{kDownloadNotFailed, -1, count, 0, 0, 0, 0};
  return 1;
}

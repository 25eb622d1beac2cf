#include "tests/support/FakeAnalyzerLink.h"

#include <QFile>
#include <algorithm>

#include "talvinet/Talvinet.h"

#include "VqbBuilder.h"

namespace {

vqbtest::Bytes BytesOf(const QByteArray& bytes) {
  const auto* first = reinterpret_cast<const uint8_t*>(bytes.constData());
  return vqbtest::Bytes(first, first + bytes.size());
}

}  // namespace

bool FakeAnalyzerLink::OpenConnection(const SerialLinkRequest& request) {
  log.opened.push_back(request);
  return script.openSucceeds;
}

void FakeAnalyzerLink::InitParallelPort(int address, int useDriver) { log.parallelInits.emplace_back(address, useDriver); }

bool FakeAnalyzerLink::CloseConnection() {
  ++log.closeCalls;
  return script.closeSucceeds;
}

bool FakeAnalyzerLink::InitHardwareInfo() {
  ++log.identityCalls;
  return script.identitySucceeds;
}

QString FakeAnalyzerLink::GetFirmwareVersion() { return script.firmwareVersion; }

bool FakeAnalyzerLink::SendGenericCommand(const QByteArray& text, QByteArray& result) {
  log.sent << text;
  result = script.commandSucceeds ? script.reply : QByteArray();
  return script.commandSucceeds;
}

bool FakeAnalyzerLink::Step(const QString& step) {
  log.steps << step;
  return script.failingStep != step;
}

const FakeMemoryFile* FakeAnalyzerLink::CurrentFile() const {
  for (const FakeMemoryFile& file : script.memoryFiles) {
    if (file.name == log.currentFile) return &file;
  }
  return nullptr;
}

const FakeMemoryRecord* FakeAnalyzerLink::FindRecord(int type, int number) const {
  const FakeMemoryFile* file = CurrentFile();
  if (!file) return nullptr;
  for (const FakeMemoryRecord& record : file->records) {
    if (record.type == type && record.number == number) return &record;
  }
  return nullptr;
}

bool FakeAnalyzerLink::SetRemoteMode() {
  ++log.remoteModeCalls;
  return Step(QStringLiteral("SetRemoteMode"));
}

bool FakeAnalyzerLink::SetLocalMode() {
  ++log.localModeCalls;
  return Step(QStringLiteral("SetLocalMode"));
}

bool FakeAnalyzerLink::GetMemoryFileCount(int& count, int remote) {
  log.calls << QStringLiteral("GetMemoryFileCount %1").arg(remote);
  if (!Step(QStringLiteral("GetMemoryFileCount"))) return false;
  count = static_cast<int>(script.memoryFiles.size());
  return true;
}

bool FakeAnalyzerLink::GetFiles(int count, QStringList& names) {
  if (!Step(QStringLiteral("GetFiles")) || count < 1) return false;
  names.clear();
  for (int i = 0; i < count && i < static_cast<int>(script.memoryFiles.size()); ++i) names << script.memoryFiles[i].name;
  return true;
}

bool FakeAnalyzerLink::SetCurrentFile(const QString& name, int remote) {
  log.calls << QStringLiteral("SetCurrentFile %1 %2").arg(name).arg(remote);
  if (!Step(QStringLiteral("SetCurrentFile"))) return false;
  for (const FakeMemoryFile& file : script.memoryFiles) {
    if (file.name == name) {
      log.currentFile = name;
      return true;
    }
  }
  return false;
}

bool FakeAnalyzerLink::GetRecordCount(int& count, int remote) {
  log.calls << QStringLiteral("GetRecordCount %1").arg(remote);
  const FakeMemoryFile* file = CurrentFile();
  if (!Step(QStringLiteral("GetRecordCount")) || !file) return false;
  count = static_cast<int>(file->records.size());
  return true;
}

bool FakeAnalyzerLink::GetRecords(int count, std::vector<AnalyzerRecordEntry>& records) {
  const FakeMemoryFile* file = CurrentFile();
  if (!Step(QStringLiteral("GetRecords")) || !file || count < 1) return false;
  records.clear();
  for (int i = 0; i < count && i < static_cast<int>(file->records.size()); ++i) {
    const FakeMemoryRecord& record = file->records[i];
    records.push_back({record.type, record.number, record.name});
  }
  return true;
}

bool FakeAnalyzerLink::GetRecordSize(int type, int number, int& size, int remote) {
  log.calls << QStringLiteral("GetRecordSize %1 %2 %3").arg(type).arg(number).arg(remote);
  const FakeMemoryRecord* record = FindRecord(type, number);
  if (!Step(QStringLiteral("GetRecordSize")) || !record) return false;
  size = static_cast<int>(record->bytes.size());
  return true;
}

bool FakeAnalyzerLink::GetRecordData(int type, int number, int size, QByteArray& data, int remote) {
  log.calls << QStringLiteral("GetRecordData %1 %2 %3").arg(type).arg(number).arg(remote);
  const FakeMemoryRecord* record = FindRecord(type, number);
  if (!Step(QStringLiteral("GetRecordData")) || !record || size != record->bytes.size()) return false;
  data = record->bytes;
  return true;
}

bool FakeAnalyzerLink::CopyRecordToHardDrive(const QString& fileName, const QString& path, int remote, int type,
                                             int number) {
  log.calls << QStringLiteral("CopyRecordToHardDrive %1 %2 %3 %4").arg(fileName).arg(remote).arg(type).arg(number);
  if (!Step(QStringLiteral("CopyRecordToHardDrive")) || !SetCurrentFile(fileName, remote)) return false;
  const FakeMemoryRecord* record = FindRecord(type, number);
  if (!record) return false;
  vqbtest::VqbFileBuilder().Add(static_cast<uint8_t>(type), BytesOf(record->bytes))
      .WriteTo(QFile::encodeName(path).toStdString());
  return true;
}

bool FakeAnalyzerLink::CreateMemoryFile(const QString& name, int remote) {
  log.calls << QStringLiteral("CreateMemoryFile %1 %2").arg(name).arg(remote);
  return Step(QStringLiteral("CreateMemoryFile"));
}

bool FakeAnalyzerLink::DeleteMemoryFile(const QString& name, int remote) {
  log.calls << QStringLiteral("DeleteMemoryFile %1 %2").arg(name).arg(remote);
  return Step(QStringLiteral("DeleteMemoryFile"));
}

bool FakeAnalyzerLink::GetCurrentFile(QString& name, int remote) {
  log.calls << QStringLiteral("GetCurrentFile %1").arg(remote);
  name = log.currentFile;
  return Step(QStringLiteral("GetCurrentFile"));
}

bool FakeAnalyzerLink::SaveToDisk(int remote) {
  log.calls << QStringLiteral("SaveToDisk %1").arg(remote);
  return Step(QStringLiteral("SaveToDisk"));
}

bool FakeAnalyzerLink::CopyFileToHardDrive(const QString& fileName, const QString& path, int remote,
                                           const DownloadProgress& progress) {
  log.calls << QStringLiteral("CopyFileToHardDrive %1 %2").arg(fileName).arg(remote);
  if (!Step(QStringLiteral("CopyFileToHardDrive"))) return false;
  for (const auto& [received, total] : script.progress) {
    if (!progress) break;
    log.progressAnswers.push_back(progress(received, total));
    if (log.progressAnswers.back() != 0) return false;
  }
  vqbtest::VqbFileBuilder file;
  for (const FakeMemoryFile& memoryFile : script.memoryFiles) {
    if (memoryFile.name != fileName) continue;
    for (const FakeMemoryRecord& record : memoryFile.records) file.Add(static_cast<uint8_t>(record.type), BytesOf(record.bytes));
  }
  file.WriteTo(QFile::encodeName(path).toStdString());
  return true;
}

// --- Virtual front panel ---

bool FakeAnalyzerLink::GetDefinedKeys(QStringList& names, int) {
  ++log.keyListReads;
  if (!script.keysSucceed) return false;
  names = script.keyNames;
  return true;
}

bool FakeAnalyzerLink::EmulateKeystroke(int key, int) {
  log.keystrokes << QStringLiteral("KE %1").arg(key);
  return script.keystrokeSucceeds;
}

bool FakeAnalyzerLink::EmulateKeystroke(const QByteArray& name, int) {
  log.keystrokes << QStringLiteral("KE '%1'").arg(QString::fromLatin1(name));
  return script.keystrokeSucceeds;
}

bool FakeAnalyzerLink::GetErrorCode(int& code, int) {
  ++log.errorCodeReads;
  code = script.errorCode;
  return true;
}

bool FakeAnalyzerLink::GetDisplayData(unsigned short kind, unsigned char* screen, int) {
  log.captureKinds << kind;
  std::fill_n(screen, talvinet::kScreenBufferSize, script.screenFill);
  return true;
}

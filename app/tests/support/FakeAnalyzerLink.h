// An analyzer link that records what the program asks and answers as scripted.
#pragma once

#include <QList>
#include <QString>
#include <vector>

#include "link/AnalyzerLink.h"

struct FakeMemoryRecord {
  int type = 0;
  int number = 0;
  QString name;
  QByteArray bytes;
};

struct FakeMemoryFile {
  QString name;
  std::vector<FakeMemoryRecord> records;
};

struct FakeAnalyzerScript {
  bool openSucceeds = true;
  bool closeSucceeds = true;
  bool identitySucceeds = true;
  QString firmwareVersion = QStringLiteral("V5.20");
  bool commandSucceeds = true;
  QByteArray reply;
  std::vector<FakeMemoryFile> memoryFiles;
  // The listing or record step that fails, by the link operation's name.
  QString failingStep;
  // Why the device could not be opened.
  QString openFailure;
};

struct FakeAnalyzerLog {
  std::vector<SerialLinkRequest> opened;
  std::vector<std::pair<int, int>> parallelInits;  // address, useDriver
  int closeCalls = 0;
  int identityCalls = 0;
  QList<QByteArray> sent;
  int remoteModeCalls = 0;
  int localModeCalls = 0;
  QString currentFile;
  QStringList steps;  // every listing and record operation, in order
  QStringList calls;  // the listing and record operations that take arguments, with them
};

class FakeAnalyzerLink : public AnalyzerLink {
 public:
  FakeAnalyzerLink(FakeAnalyzerScript& scripted, FakeAnalyzerLog& recorded) : script(scripted), log(recorded) {}

  bool OpenConnection(const SerialLinkRequest& request) override;
  void InitParallelPort(int address, int useDriver) override;
  bool CloseConnection() override;
  bool InitHardwareInfo() override;
  QString GetFirmwareVersion() override;
  bool SendGenericCommand(const QByteArray& text, QByteArray& result) override;
  bool SetRemoteMode() override;
  bool SetLocalMode() override;
  bool GetMemoryFileCount(int& count, int remote) override;
  bool GetFiles(int count, QStringList& names) override;
  bool SetCurrentFile(const QString& name, int remote) override;
  bool GetRecordCount(int& count, int remote) override;
  bool GetRecords(int count, std::vector<AnalyzerRecordEntry>& records) override;
  bool GetRecordSize(int type, int number, int& size, int remote) override;
  bool GetRecordData(int type, int number, int size, QByteArray& data, int remote) override;
  bool CopyRecordToHardDrive(const QString& fileName, const QString& path, int remote, int type,
                             int number) override;
  // Why the device could not be opened.
  QString GetOpenFailure() const override { return script.openFailure; }

 private:
  // Logs `step`; false when the script makes it fail.
  bool Step(const QString& step);
  const FakeMemoryFile* CurrentFile() const;
  const FakeMemoryRecord* FindRecord(int type, int number) const;

  FakeAnalyzerScript& script;
  FakeAnalyzerLog& log;
};

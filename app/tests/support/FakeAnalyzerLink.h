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

// What the Instrument Manager's pages read from the analyzer. A call fails
// when it is the script's failing step.
struct FakeInstrument {
  QString serialNumber, systemId, note;
  QString battery = QStringLiteral("7.20");
  QString memoryFree = QStringLiteral("2031616");
  QString memoryUsed = QStringLiteral("65536");
  QString date = QStringLiteral("07 MAR 26");
  QString time = QStringLiteral("14:05:00");
  int beeper = 1;
  SetupStruct setups{};
  MacroStruct macros{};
  int errorNumber = 0;
  talvinet::SetupFileResult setupFileResult = talvinet::SetupFileResult::kDone;
};

struct FakeAnalyzerScript {
  bool openSucceeds = true;
  bool closeSucceeds = true;
  bool identitySucceeds = true;
  QString firmwareVersion = QStringLiteral("V5.20");
  QString attachedModel;  // empty: the link cannot tell
  bool commandSucceeds = true;
  QByteArray reply;
  std::vector<FakeMemoryFile> memoryFiles;
  // The listing or record step that fails, by the link operation's name.
  QString failingStep;

  // File operations: the progress messages a copy sends (received, total)
  // and what a failed copy reports.
  std::vector<std::pair<long, long>> progress;
  DownloadFailureStruct downloadFailure{};
  // Virtual front panel
  bool deodar = false;
  QStringList keyNames = QStringList(128, QString());  // by key number
  bool keysSucceed = true;
  bool keystrokeSucceeds = true;
  int errorCode = 0;
  unsigned char screenFill = 0;  // every byte of each capture
  bool captureComplete = true;
  // Why the device could not be opened.
  QString openFailure;
  // Instrument Manager
  FakeInstrument instrument;
  // What every command's error-code line says; by default it came with no error.
  CommandOutcomeStruct commandOutcome{1, 0};
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

  // File operations: the answers the progress window gave, in order.
  std::vector<long> progressAnswers;
  // Virtual front panel
  QStringList keystrokes;  // "KE 45" or "KE 'NAME'"
  QList<int> captureKinds;
  int keyListReads = 0;
  int errorCodeReads = 0;
};

class FakeAnalyzerLink : public AnalyzerLink {
 public:
  FakeAnalyzerLink(FakeAnalyzerScript& scripted, FakeAnalyzerLog& recorded) : script(scripted), log(recorded) {}

  bool OpenConnection(const SerialLinkRequest& request) override;
  void InitParallelPort(int address, int useDriver) override;
  bool CloseConnection() override;
  bool InitHardwareInfo() override;
  QString GetFirmwareVersion() override;
  QString AttachedModel() override { return script.attachedModel; }
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

  // File operations and the translation's download.
  bool CreateMemoryFile(const QString& name, int remote) override;
  bool DeleteMemoryFile(const QString& name, int remote) override;
  bool GetCurrentFile(QString& name, int remote) override;
  bool SaveToDisk(int remote) override;
  bool CopyFileToHardDrive(const QString& fileName, const QString& path, int remote,
                           const DownloadProgress& progress) override;
  DownloadFailureStruct GetDownloadFailure() const override { return script.downloadFailure; }
  // Virtual front panel
  bool IsDeodar() override { return script.deodar; }
  bool GetDefinedKeys(QStringList& names, int remote) override;
  bool EmulateKeystroke(int key, int remote) override;
  bool EmulateKeystroke(const QByteArray& name, int remote) override;
  bool GetErrorCode(int& code, int remote) override;
  bool GetDisplayData(unsigned short kind, unsigned char* screen, int remote) override;
  bool LastCaptureComplete() override { return script.captureComplete; }

  // --- Instrument Manager ---
  QString GetSerialNumber() override;
  QString GetSystemID() override;
  bool GetBatteryVoltage(QString& text, int remote) override;
  bool GetMemoryFree(QString& text, int remote) override;
  bool GetMemoryUsed(QString& text, int remote) override;
  bool GetDateAndTime(QString& date, QString& time, int remote) override;
  bool SetDateAndTime(const QString& text, int remote) override;
  bool SetRunState(unsigned short state, int remote) override;
  bool ResetData(unsigned short n, int remote) override;
  bool StoreFile(int remote) override;
  bool GetBeeperSettings(int& bits, int remote) override;
  bool SetBeeperSettings(int bits, int remote) override;
  bool GetNote(QString& text, int remote) override;
  bool SetNote(const QString& text, int remote) override;
  bool GetSetupInfo(SetupStruct& setups, int remote) override;
  bool RecallSetupConfiguration(int id, int remote) override;
  bool StoreSetupConfiguration(int id, int remote) override;
  bool SetBootConfiguration(int id, int remote) override;
  bool SetSetupName(int id, const QString& name, int remote) override;
  talvinet::SetupFileResult SaveSetupFile(int id, const QString& path, int remote) override;
  talvinet::SetupFileResult LoadSetupFile(int id, const QString& path, int remote) override;
  bool GetMacroInfo(MacroStruct& macros, int remote) override;
  bool ExecuteMacro(int id, int remote) override;
  bool AbortMacro(int remote) override;
  bool ScheduleMacro(int id, int day, int hour, int minute, int second, int remote) override;
  bool CancelScheduledMacro(int remote) override;
  int GetErrno() override;
  CommandOutcomeStruct GetLastCommandOutcome() const override { return script.commandOutcome; }

 private:
  // Logs `step`; false when the script makes it fail.
  bool Step(const QString& step);
  const FakeMemoryFile* CurrentFile() const;
  const FakeMemoryRecord* FindRecord(int type, int number) const;

  // Instrument Manager: logs `call` and fails when its first word is the
  // failing step; Answer also hands `answer` to `text` on success.
  bool Obey(const QStringList& call);
  bool Answer(const QStringList& call, QString& text, const QString& answer);
  static QString Word(int value) { return QString::number(value); }

  FakeAnalyzerScript& script;
  FakeAnalyzerLog& log;
};

// The program's analyzer link over the protocol library's one Talvinet object,
// which only the link's worker thread touches.
#pragma once

#include "link/AnalyzerLink.h"
#include "link/LinkHealth.h"
#include "link/LinkWorker.h"
#include "talvinet/Talvinet.h"

class TalvinetLink final : public AnalyzerLink {
 public:
  explicit TalvinetLink(LinkWorker::Placement placement = LinkWorker::Placement::WorkerThread) : worker(placement) {}

  bool OpenConnection(const SerialLinkRequest& request) override;
  void InitParallelPort(int address, int useDriver) override;
  bool CloseConnection() override;
  bool InitHardwareInfo() override;
  QString GetFirmwareVersion() override;
  QString AttachedModel() override;
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

  // File operations and the translation's download.
  bool CreateMemoryFile(const QString& name, int remote) override;
  bool DeleteMemoryFile(const QString& name, int remote) override;
  bool GetCurrentFile(QString& name, int remote) override;
  bool SaveToDisk(int remote) override;
  bool CopyFileToHardDrive(const QString& fileName, const QString& path, int remote,
                           const DownloadProgress& progress) override;
  DownloadFailureStruct GetDownloadFailure() const override;
  // Virtual front panel
  bool IsDeodar() override;
  bool GetDefinedKeys(QStringList& names, int remote) override;
  bool EmulateKeystroke(int key, int remote) override;
  bool EmulateKeystroke(const QByteArray& name, int remote) override;
  bool GetErrorCode(int& code, int remote) override;
  bool GetDisplayData(unsigned short kind, unsigned char* screen, int remote) override;
  bool LastCaptureComplete() override;
  // Why the device could not be opened.
  QString GetOpenFailure() const override;
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
  CommandOutcomeStruct GetLastCommandOutcome() const override;
  LinkWorker* Worker() override { return &worker; }
  LinkHealth* Health() override { return &health; }

 private:
  // Runs `call` on the worker thread, described by `activity`, and learns
  // from the line's reports around it whether the analyzer answered.
  template <typename Call>
  auto OnWorker(const QString& activity, Call call) const {
    LineReportStruct before{};
    LineReportStruct after{};
    auto result = worker.Run(activity, [&] {
      before = m_comm.GetLineReport();
      auto value = call();
      after = m_comm.GetLineReport();
      return value;
    });
    health.Record(before, after);
    return result;
  }

  Talvinet m_comm;
  // Declared after the protocol object, so that the thread has ended before it goes.
  mutable LinkWorker worker;
  mutable LinkHealth health;
};

// The program's view of the protocol object: the operations its windows call.
// The application owns exactly one for the life of the process.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

#include "talvinet/SetupFile.h"
#include "talvinet/Talvinet.h"

class LinkHealth;
class LinkWorker;

struct SerialLinkRequest {
  int port = 1;  // COM port number 1-8
  int baudRate = 19200;
  int dataBits = 8;
  int stopBits = 1;
  char parity = 'N';
  QString deviceFile;  // the Linux device file that stands for the port
};

// One line of the current memory file's record listing.
struct AnalyzerRecordEntry {
  int type = 0;  // record type code
  int number = 0;  // number among records of its type
  QString name;  // record type name
};

class AnalyzerLink {
 public:
  virtual ~AnalyzerLink() = default;

  virtual bool OpenConnection(const SerialLinkRequest& request) = 0;
  virtual void InitParallelPort(int address, int useDriver) = 0;
  virtual bool CloseConnection() = 0;
  // Identity and options of the attached analyzer; handles remote mode itself.
  virtual bool InitHardwareInfo() = 0;
  // At most five characters.
  virtual QString GetFirmwareVersion() = 0;
  // The model the last identity names: "Alder", "Birch", "Cedar" or
  // "Deodar"; empty where the link cannot tell.
  virtual QString AttachedModel() = 0;
  // The reply lines, each followed by a TAB; handles remote mode itself.
  virtual bool SendGenericCommand(const QByteArray& text, QByteArray& result) = 0;

  // Listings. A count leaves its listing waiting on the line: fetch it with
  // the count just obtained before anything else is sent.
  virtual bool SetRemoteMode() = 0;
  virtual bool SetLocalMode() = 0;
  virtual bool GetMemoryFileCount(int& count, int remote) = 0;
  // The names of `count` memory files.
  virtual bool GetFiles(int count, QStringList& names) = 0;
  virtual bool SetCurrentFile(const QString& name, int remote) = 0;
  virtual bool GetRecordCount(int& count, int remote) = 0;
  virtual bool GetRecords(int count, std::vector<AnalyzerRecordEntry>& records) = 0;
  virtual bool GetRecordSize(int type, int number, int& size, int remote) = 0;
  // Reads exactly `size` bytes of the record into `data`.
  virtual bool GetRecordData(int type, int number, int size, QByteArray& data, int remote) = 0;
  // Writes the one record as a binary data file at `path`.
  virtual bool CopyRecordToHardDrive(const QString& fileName, const QString& path, int remote, int type,
                                     int number) = 0;

  // File operations and the translation's download.
  virtual bool CreateMemoryFile(const QString& name, int remote) = 0;
  virtual bool DeleteMemoryFile(const QString& name, int remote) = 0;
  // The analyzer's current memory file.
  virtual bool GetCurrentFile(QString& name, int remote) = 0;
  // Stores the current memory file on the analyzer's diskette.
  virtual bool SaveToDisk(int remote) = 0;
  // Hears the bytes received so far and the total; a nonzero answer stops the download.
  using DownloadProgress = std::function<long(long received, long total)>;
  // Writes every record of memory file `fileName` as a binary data file at `path`,
  // whole or not at all; an empty `progress` hears nothing.
  virtual bool CopyFileToHardDrive(const QString& fileName, const QString& path, int remote,
                                   const DownloadProgress& progress) = 0;
  // What stopped the last copy that failed.
  virtual DownloadFailureStruct GetDownloadFailure() const = 0;
  // --- Virtual front panel ---
  virtual bool IsDeodar() = 0;
  // The analyzer's 128 key names by key number, empty for undefined keys.
  virtual bool GetDefinedKeys(QStringList& names, int remote) = 0;
  virtual bool EmulateKeystroke(int key, int remote) = 0;
  virtual bool EmulateKeystroke(const QByteArray& name, int remote) = 0;
  virtual bool GetErrorCode(int& code, int remote) = 0;
  // Decodes a capture into `screen` (talvinet::kScreenBufferSize bytes, kept
  // between captures); true when the query was sent.
  virtual bool GetDisplayData(unsigned short kind, unsigned char* screen, int remote) = 0;
  // Whether the last capture's stream came whole.
  virtual bool LastCaptureComplete() = 0;
  // Why the device could not be opened.
  // In words to follow the device's name ("no such device", "permission
  // denied; add yourself to the group ..."), after a failed OpenConnection;
  // empty when it opened or the reason is unknown.
  virtual QString GetOpenFailure() const = 0;
  // --- Instrument Manager: identity, condition, control, setups, macros ---
  // `remote` 1 lets each call switch remote mode around itself.
  virtual QString GetSerialNumber() = 0;
  virtual QString GetSystemID() = 0;
  virtual bool GetBatteryVoltage(QString& text, int remote) = 0;
  virtual bool GetMemoryFree(QString& text, int remote) = 0;
  virtual bool GetMemoryUsed(QString& text, int remote) = 0;
  virtual bool GetDateAndTime(QString& date, QString& time, int remote) = 0;
  // `text` as "dd/mm/yy HH:MM:SS".
  virtual bool SetDateAndTime(const QString& text, int remote) = 0;
  virtual bool SetRunState(unsigned short state, int remote) = 0;
  virtual bool ResetData(unsigned short n, int remote) = 0;
  virtual bool StoreFile(int remote) = 0;
  virtual bool GetBeeperSettings(int& bits, int remote) = 0;
  virtual bool SetBeeperSettings(int bits, int remote) = 0;
  virtual bool GetNote(QString& text, int remote) = 0;
  virtual bool SetNote(const QString& text, int remote) = 0;
  virtual bool GetSetupInfo(SetupStruct& setups, int remote) = 0;
  virtual bool RecallSetupConfiguration(int id, int remote) = 0;
  virtual bool StoreSetupConfiguration(int id, int remote) = 0;
  virtual bool SetBootConfiguration(int id, int remote) = 0;
  virtual bool SetSetupName(int id, const QString& name, int remote) = 0;
  virtual talvinet::SetupFileResult SaveSetupFile(int id, const QString& path, int remote) = 0;
  virtual talvinet::SetupFileResult LoadSetupFile(int id, const QString& path, int remote) = 0;
  virtual bool GetMacroInfo(MacroStruct& macros, int remote) = 0;
  virtual bool ExecuteMacro(int id, int remote) = 0;
  virtual bool AbortMacro(int remote) = 0;
  virtual bool ScheduleMacro(int id, int day, int hour, int minute, int second, int remote) = 0;
  virtual bool CancelScheduledMacro(int remote) = 0;
  // The status number of the last call: transport status or macro refusal.
  virtual int GetErrno() = 0;
  // Whether the error-code line of the last command sent came, and its code:
  // a sent command is not yet a done one.
  virtual CommandOutcomeStruct GetLastCommandOutcome() const = 0;

  // The thread the calls run on; null where they run on the caller's.
  virtual LinkWorker* Worker() { return nullptr; }
  // Whether the analyzer answers; null where the link cannot tell.
  virtual LinkHealth* Health() { return nullptr; }
};

// The protocol object the program runs with.
std::unique_ptr<AnalyzerLink> MakeAnalyzerLink();

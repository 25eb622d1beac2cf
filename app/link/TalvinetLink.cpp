#include "link/TalvinetLink.h"

#include <QFile>
#include <array>
#include <atomic>
#include <cstring>
#include <memory>

#include "link/LinkActivities.h"

namespace {
constexpr int kFirmwareRoom = 16;
// Room for the reply of one generic command or query.
constexpr int kGenericResultSize = 4096;
// Room for the current memory file's name.
constexpr int kCurrentFileRoom = 32;

QString NameOf(const char* field, std::size_t room) {
  return QString::fromLatin1(field, static_cast<qsizetype>(strnlen(field, room)));
}

// Carries a download's progress from the worker thread to the window that
// shows it, and that window's answer back. Progress messages come once a
// poll; only the newest waits to be shown, so the window is never flooded.
struct ProgressRelay {
  explicit ProgressRelay(const AnalyzerLink::DownloadProgress& window) : progress(window) {}

  AnalyzerLink::DownloadProgress progress;
  std::atomic<long> received = 0;
  std::atomic<long> total = 0;
  std::atomic<bool> shownPending = false;
  std::atomic<bool> stopAnswered = false;
  bool callRunning = true;  // read and written on the window thread only
};

}  // namespace

std::unique_ptr<AnalyzerLink> MakeAnalyzerLink() { return std::make_unique<TalvinetLink>(); }

bool TalvinetLink::OpenConnection(const SerialLinkRequest& request) {
  return OnWorker(activities::Connecting(), [&] {
    if (!request.deviceFile.isEmpty()) m_comm.serialDeviceFiles[request.port] = request.deviceFile.toStdString();
    ConnectionStruct connection{};
    connection.type = 0;
    connection.port = request.port;
    connection.baudRate = request.baudRate;
    connection.dataBits = request.dataBits;
    connection.stopBits = request.stopBits;
    connection.parity = request.parity;
    return m_comm.OpenConnection(&connection) != 0;
  });
}

void TalvinetLink::InitParallelPort(int address, int useDriver) {
  OnWorker(activities::Connecting(), [&] {
    m_comm.InitParallelPort(address, useDriver);
    return true;
  });
}

bool TalvinetLink::CloseConnection() {
  const bool closed = OnWorker(activities::Disconnecting(), [&] { return m_comm.CloseConnection() != 0; });
  if (closed) health.Closed();
  return closed;
}

bool TalvinetLink::InitHardwareInfo() {
  return OnWorker(activities::Identifying(), [&] { return m_comm.InitHardwareInfo(1) != 0; });
}

QString TalvinetLink::AttachedModel() {
  return OnWorker(activities::Identifying(), [&] {
    // A Cedar also carries the Alder's and the Birch's model bit.
    if (m_comm.IsCedar() != 0) return QStringLiteral("Cedar");
    if (m_comm.IsAlder() != 0) return QStringLiteral("Alder");
    if (m_comm.IsBirch() != 0) return QStringLiteral("Birch");
    return QStringLiteral("Deodar");
  });
}

QString TalvinetLink::GetFirmwareVersion() {
  return OnWorker(activities::Identifying(), [&] {
    std::array<char, kFirmwareRoom> version{};
    m_comm.GetFirmwareVersion(version.data(), kFirmwareRoom);
    version.back() = '\0';
    return QString::fromLatin1(version.data());
  });
}

bool TalvinetLink::SendGenericCommand(const QByteArray& text, QByteArray& result) {
  return OnWorker(activities::Talking(), [&] {
    std::array<char, kGenericResultSize> reply{};
    const int sent = m_comm.SendGenericCommand(text.constData(), reply.data(), kGenericResultSize, 1);
    reply.back() = '\0';
    result = QByteArray(reply.data());
    return sent != 0;
  });
}

bool TalvinetLink::SetRemoteMode() {
  return OnWorker(activities::Talking(), [&] { return m_comm.SetRemoteMode() != 0; });
}

bool TalvinetLink::SetLocalMode() {
  return OnWorker(activities::Talking(), [&] { return m_comm.SetLocalMode() != 0; });
}

bool TalvinetLink::GetMemoryFileCount(int& count, int remote) {
  return OnWorker(activities::Listing(), [&] { return m_comm.GetMemoryFileCount(&count, remote) != 0; });
}

bool TalvinetLink::GetFiles(int count, QStringList& names) {
  names.clear();
  if (count < 1) return false;
  return OnWorker(activities::Listing(), [&] {
    std::vector<FileStruct> files(static_cast<std::size_t>(count), FileStruct{});
    if (m_comm.GetFiles(files.data(), count) == 0) return false;
    for (const FileStruct& file : files) names << NameOf(file.name, sizeof file.name);
    return true;
  });
}

bool TalvinetLink::SetCurrentFile(const QString& name, int remote) {
  return OnWorker(activities::Listing(),
                  [&] { return m_comm.SetCurrentFile(name.toLatin1().constData(), remote) != 0; });
}

bool TalvinetLink::GetRecordCount(int& count, int remote) {
  return OnWorker(activities::Listing(), [&] { return m_comm.GetRecordCount(&count, remote) != 0; });
}

bool TalvinetLink::GetRecords(int count, std::vector<AnalyzerRecordEntry>& records) {
  records.clear();
  if (count < 1) return false;
  return OnWorker(activities::Listing(), [&] {
    std::vector<RecordStruct> listing(static_cast<std::size_t>(count), RecordStruct{});
    if (m_comm.GetRecords(listing.data(), count) == 0) return false;
    for (const RecordStruct& entry : listing)
      records.push_back({entry.type, entry.number, NameOf(entry.name, sizeof entry.name)});
    return true;
  });
}

bool TalvinetLink::GetRecordSize(int type, int number, int& size, int remote) {
  return OnWorker(activities::ReadingRecord(),
                  [&] { return m_comm.GetRecordSize(static_cast<unsigned char>(type), number, &size, remote) != 0; });
}

bool TalvinetLink::GetRecordData(int type, int number, int size, QByteArray& data, int remote) {
  if (size < 0) return false;
  data = QByteArray(size, '\0');
  return OnWorker(activities::ReadingRecord(), [&] {
    return m_comm.GetRecordData(static_cast<unsigned char>(type), number, size,
                                reinterpret_cast<unsigned char*>(data.data()), remote) != 0;
  });
}

bool TalvinetLink::CopyRecordToHardDrive(const QString& fileName, const QString& path, int remote, int type,
                                         int number) {
  return OnWorker(activities::ReadingRecord(), [&] {
    return m_comm.CopyRecordToHardDrive(fileName.toLatin1().constData(), QFile::encodeName(path).constData(), remote,
                                        type, number) != 0;
  });
}

bool TalvinetLink::CreateMemoryFile(const QString& name, int remote) {
  return OnWorker(activities::Talking(),
                  [&] { return m_comm.CreateMemoryFile(name.toLatin1().constData(), remote) != 0; });
}

bool TalvinetLink::DeleteMemoryFile(const QString& name, int remote) {
  return OnWorker(activities::Talking(),
                  [&] { return m_comm.DeleteMemoryFile(name.toLatin1().constData(), remote) != 0; });
}

bool TalvinetLink::GetCurrentFile(QString& name, int remote) {
  return OnWorker(activities::Talking(), [&] {
    std::array<char, kCurrentFileRoom> current{};
    const int read = m_comm.GetCurrentFile(current.data(), kCurrentFileRoom, remote);
    current.back() = '\0';
    name = QString::fromLatin1(current.data());
    return read != 0;
  });
}

bool TalvinetLink::SaveToDisk(int remote) {
  return OnWorker(activities::Talking(), [&] { return m_comm.SaveToDisk(remote) != 0; });
}

bool TalvinetLink::CopyFileToHardDrive(const QString& fileName, const QString& path, int remote,
                                       const DownloadProgress& progress) {
  auto relay = std::make_shared<ProgressRelay>(progress);
  talvinet::MessageHandler window;
  if (progress) {
    window = [this, relay, &fileName](unsigned int, long received, long total) -> long {
      const DownloadFailureStruct& position = m_comm.GetDownloadFailure();
      worker.ReportActivity(activities::Downloading(fileName, position.recordIndex + 1, position.recordCount));
      relay->received = received;
      relay->total = total;
      if (!relay->shownPending.exchange(true)) {
        QMetaObject::invokeMethod(
            &worker,
            [relay] {
              relay->shownPending = false;
              if (relay->callRunning && relay->progress(relay->received, relay->total) != 0) relay->stopAnswered = true;
            },
            Qt::QueuedConnection);
      }
      return relay->stopAnswered || worker.StopRequested() ? 1 : 0;
    };
    // The progress window is modal and takes the user's Cancel.
    worker.AllowInputDuringNextCall();
  }
  const bool copied = OnWorker(activities::Downloading(fileName, 0, 0), [&] {
    return m_comm.CopyFileToHardDrive(fileName.toLatin1().constData(), QFile::encodeName(path).constData(), remote,
                                      window, progress ? static_cast<int>(WM_DOWNLOAD_PROGRESS) : 0) != 0;
  });
  relay->callRunning = false;
  return copied;
}

DownloadFailureStruct TalvinetLink::GetDownloadFailure() const {
  return OnWorker(activities::Talking(), [&] { return m_comm.GetDownloadFailure(); });
}

// --- Virtual front panel ---

bool TalvinetLink::IsDeodar() {
  return OnWorker(activities::Identifying(), [&] { return m_comm.IsDeodar() != 0; });
}

bool TalvinetLink::GetDefinedKeys(QStringList& names, int remote) {
  return OnWorker(activities::ReadingKeys(), [&] {
    KeyboardStruct keys{};
    if (m_comm.GetDefinedKeys(&keys, remote) == 0) return false;
    names.clear();
    for (const auto& name : keys.keyName) names << NameOf(name, sizeof name);
    return true;
  });
}

bool TalvinetLink::EmulateKeystroke(int key, int remote) {
  return OnWorker(activities::PressingKey(), [&] { return m_comm.EmulateKeystroke(key, remote) != 0; });
}

bool TalvinetLink::EmulateKeystroke(const QByteArray& name, int remote) {
  return OnWorker(activities::PressingKey(), [&] { return m_comm.EmulateKeystroke(name.constData(), remote) != 0; });
}

bool TalvinetLink::GetErrorCode(int& code, int remote) {
  return OnWorker(activities::Talking(), [&] { return m_comm.GetErrorCode(&code, remote) != 0; });
}

bool TalvinetLink::GetDisplayData(unsigned short kind, unsigned char* screen, int remote) {
  return OnWorker(activities::CapturingScreen(), [&] { return m_comm.GetDisplayData(kind, screen, 0, remote) != 0; });
}

bool TalvinetLink::LastCaptureComplete() {
  return OnWorker(activities::CapturingScreen(), [&] { return m_comm.LastCaptureComplete() != 0; });
}

// Why the device could not be opened.
QString TalvinetLink::GetOpenFailure() const {
  return OnWorker(activities::Connecting(), [&] { return QString::fromStdString(m_comm.GetOpenFailure()); });
}

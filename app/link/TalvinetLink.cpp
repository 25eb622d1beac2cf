#include "link/TalvinetLink.h"

#include <QFile>
#include <array>
#include <cstring>

namespace {
constexpr int kFirmwareRoom = 16;
// Room for the reply of one generic command or query.
constexpr int kGenericResultSize = 4096;
// Room for the current memory file's name.
constexpr int kCurrentFileRoom = 32;
}  // namespace

std::unique_ptr<AnalyzerLink> MakeAnalyzerLink() { return std::make_unique<TalvinetLink>(); }

bool TalvinetLink::OpenConnection(const SerialLinkRequest& request) {
  if (!request.deviceFile.isEmpty()) m_comm.serialDeviceFiles[request.port] = request.deviceFile.toStdString();
  ConnectionStruct connection{};
  connection.type = 0;
  connection.port = request.port;
  connection.baudRate = request.baudRate;
  connection.dataBits = request.dataBits;
  connection.stopBits = request.stopBits;
  connection.parity = request.parity;
  return m_comm.OpenConnection(&connection) != 0;
}

void TalvinetLink::InitParallelPort(int address, int useDriver) { m_comm.InitParallelPort(address, useDriver); }

bool TalvinetLink::CloseConnection() { return m_comm.CloseConnection() != 0; }

bool TalvinetLink::InitHardwareInfo() { return m_comm.InitHardwareInfo(1) != 0; }

QString TalvinetLink::GetFirmwareVersion() {
  std::array<char, kFirmwareRoom> version{};
  m_comm.GetFirmwareVersion(version.data(), kFirmwareRoom);
  version.back() = '\0';
  return QString::fromLatin1(version.data());
}

bool TalvinetLink::SendGenericCommand(const QByteArray& text, QByteArray& result) {
  std::array<char, kGenericResultSize> reply{};
  const int sent = m_comm.SendGenericCommand(text.constData(), reply.data(), kGenericResultSize, 1);
  reply.back() = '\0';
  result = QByteArray(reply.data());
  return sent != 0;
}

bool TalvinetLink::SetRemoteMode() { return m_comm.SetRemoteMode() != 0; }

bool TalvinetLink::SetLocalMode() { return m_comm.SetLocalMode() != 0; }

bool TalvinetLink::GetMemoryFileCount(int& count, int remote) { return m_comm.GetMemoryFileCount(&count, remote) != 0; }

bool TalvinetLink::GetFiles(int count, QStringList& names) {
  names.clear();
  if (count < 1) return false;
  std::vector<FileStruct> files(static_cast<std::size_t>(count), FileStruct{});
  if (m_comm.GetFiles(files.data(), count) == 0) return false;
  for (const FileStruct& file : files) names << QString::fromLatin1(file.name, static_cast<qsizetype>(strnlen(file.name, sizeof file.name)));
  return true;
}

bool TalvinetLink::SetCurrentFile(const QString& name, int remote) {
  return m_comm.SetCurrentFile(name.toLatin1().constData(), remote) != 0;
}

bool TalvinetLink::GetRecordCount(int& count, int remote) { return m_comm.GetRecordCount(&count, remote) != 0; }

bool TalvinetLink::GetRecords(int count, std::vector<AnalyzerRecordEntry>& records) {
  records.clear();
  if (count < 1) return false;
  std::vector<RecordStruct> listing(static_cast<std::size_t>(count), RecordStruct{});
  if (m_comm.GetRecords(listing.data(), count) == 0) return false;
  for (const RecordStruct& entry : listing) {
    records.push_back({entry.type, entry.number,
                       QString::fromLatin1(entry.name, static_cast<qsizetype>(strnlen(entry.name, sizeof entry.name)))});
  }
  return true;
}

bool TalvinetLink::GetRecordSize(int type, int number, int& size, int remote) {
  return m_comm.GetRecordSize(static_cast<unsigned char>(type), number, &size, remote) != 0;
}

bool TalvinetLink::GetRecordData(int type, int number, int size, QByteArray& data, int remote) {
  if (size < 0) return false;
  data = QByteArray(size, '\0');
  return m_comm.GetRecordData(static_cast<unsigned char>(type), number, size,
                              reinterpret_cast<unsigned char*>(data.data()), remote) != 0;
}

bool TalvinetLink::CopyRecordToHardDrive(const QString& fileName, const QString& path, int remote, int type,
                                         int number) {
  return m_comm.CopyRecordToHardDrive(fileName.toLatin1().constData(), QFile::encodeName(path).constData(), remote, type,
                                      number) != 0;
}

bool TalvinetLink::CreateMemoryFile(const QString& name, int remote) {
  return m_comm.CreateMemoryFile(name.toLatin1().constData(), remote) != 0;
}

bool TalvinetLink::DeleteMemoryFile(const QString& name, int remote) {
  return m_comm.DeleteMemoryFile(name.toLatin1().constData(), remote) != 0;
}

bool TalvinetLink::GetCurrentFile(QString& name, int remote) {
  std::array<char, kCurrentFileRoom> current{};
  const int read = m_comm.GetCurrentFile(current.data(), kCurrentFileRoom, remote);
  current.back() = '\0';
  name = QString::fromLatin1(current.data());
  return read != 0;
}

bool TalvinetLink::SaveToDisk(int remote) { return m_comm.SaveToDisk(remote) != 0; }

bool TalvinetLink::CopyFileToHardDrive(const QString& fileName, const QString& path, int remote,
                                       const DownloadProgress& progress) {
  talvinet::MessageHandler window;
  if (progress) window = [&progress](unsigned int, long received, long total) { return progress(received, total); };
  return m_comm.CopyFileToHardDrive(fileName.toLatin1().constData(), QFile::encodeName(path).constData(), remote, window,
                                    progress ? static_cast<int>(WM_DOWNLOAD_PROGRESS) : 0) != 0;
}
// --- Virtual front panel ---

bool TalvinetLink::IsDeodar() { return m_comm.IsDeodar() != 0; }

bool TalvinetLink::GetDefinedKeys(QStringList& names, int remote) {
  KeyboardStruct keys{};
  if (m_comm.GetDefinedKeys(&keys, remote) == 0) return false;
  names.clear();
  for (const auto& name : keys.keyName)
    names << QString::fromLatin1(name, static_cast<qsizetype>(strnlen(name, sizeof name)));
  return true;
}

bool TalvinetLink::EmulateKeystroke(int key, int remote) { return m_comm.EmulateKeystroke(key, remote) != 0; }

bool TalvinetLink::EmulateKeystroke(const QByteArray& name, int remote) {
  return m_comm.EmulateKeystroke(name.constData(), remote) != 0;
}

bool TalvinetLink::GetErrorCode(int& code, int remote) { return m_comm.GetErrorCode(&code, remote) != 0; }

bool TalvinetLink::GetDisplayData(unsigned short kind, unsigned char* screen, int remote) {
  return m_comm.GetDisplayData(kind, screen, 0, remote) != 0;
}

bool TalvinetLink::LastCaptureComplete() { return m_comm.LastCaptureComplete() != 0; }

// Why the device could not be opened.
QString TalvinetLink::GetOpenFailure() const { return QString::fromStdString(m_comm.GetOpenFailure()); }

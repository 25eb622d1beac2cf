#include "TalvinetLink.h"

#include <array>

#include "SendCommandRules.h"

namespace {
constexpr int kFirmwareRoom = 16;
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

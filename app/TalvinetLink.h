// The program's analyzer link over the protocol library's one Talvinet object.
#pragma once

#include "AnalyzerLink.h"
#include "talvinet/Talvinet.h"

class TalvinetLink final : public AnalyzerLink {
 public:
  bool OpenConnection(const SerialLinkRequest& request) override;
  void InitParallelPort(int address, int useDriver) override;
  bool CloseConnection() override;
  bool InitHardwareInfo() override;
  QString GetFirmwareVersion() override;
  bool SendGenericCommand(const QByteArray& text, QByteArray& result) override;

  Talvinet& Protocol() { return m_comm; }

 private:
  Talvinet m_comm;
};

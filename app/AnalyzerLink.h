// The program's view of the protocol object: the operations its windows call.
// The application owns exactly one for the life of the process.
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

struct SerialLinkRequest {
  int port = 1;  // COM port number 1-8
  int baudRate = 19200;
  int dataBits = 8;
  int stopBits = 1;
  char parity = 'N';
  QString deviceFile;  // the Linux device file that stands for the port
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
  // The reply lines, each followed by a TAB; handles remote mode itself.
  virtual bool SendGenericCommand(const QByteArray& text, QByteArray& result) = 0;
};

// The protocol object the program runs with.
std::unique_ptr<AnalyzerLink> MakeAnalyzerLink();

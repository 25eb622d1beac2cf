// An analyzer link that records what the program asks and answers as scripted.
#pragma once

#include <QList>
#include <QString>
#include <vector>

#include "AnalyzerLink.h"

struct FakeAnalyzerScript {
  bool openSucceeds = true;
  bool closeSucceeds = true;
  bool identitySucceeds = true;
  QString firmwareVersion = QStringLiteral("V5.20");
  bool commandSucceeds = true;
  QByteArray reply;
};

struct FakeAnalyzerLog {
  std::vector<SerialLinkRequest> opened;
  std::vector<std::pair<int, int>> parallelInits;  // address, useDriver
  int closeCalls = 0;
  int identityCalls = 0;
  QList<QByteArray> sent;
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

 private:
  FakeAnalyzerScript& script;
  FakeAnalyzerLog& log;
};

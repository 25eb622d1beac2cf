#include "FakeAnalyzerLink.h"

bool FakeAnalyzerLink::OpenConnection(const SerialLinkRequest& request) {
  log.opened.push_back(request);
  return script.openSucceeds;
}

void FakeAnalyzerLink::InitParallelPort(int address, int useDriver) { log.parallelInits.emplace_back(address, useDriver); }

bool FakeAnalyzerLink::CloseConnection() {
  ++log.closeCalls;
  return script.closeSucceeds;
}

bool FakeAnalyzerLink::InitHardwareInfo() {
  ++log.identityCalls;
  return script.identitySucceeds;
}

QString FakeAnalyzerLink::GetFirmwareVersion() { return script.firmwareVersion; }

bool FakeAnalyzerLink::SendGenericCommand(const QByteArray& text, QByteArray& result) {
  log.sent << text;
  result = script.commandSucceeds ? script.reply : QByteArray();
  return script.commandSucceeds;
}

// The Instrument Manager's calls of the scripted analyzer link: each is
// logged in `calls` with its arguments and answers from script.instrument.
#include "tests/support/FakeAnalyzerLink.h"

QString FakeAnalyzerLink::GetSerialNumber() { return script.instrument.serialNumber; }

QString FakeAnalyzerLink::GetSystemID() { return script.instrument.systemId; }

bool FakeAnalyzerLink::IsDeodar() { return script.instrument.deodar; }

bool FakeAnalyzerLink::Answer(const QString& call, QString& text, const QString& answer) {
  log.calls << call;
  if (!Step(call.section(QLatin1Char(' '), 0, 0))) return false;
  text = answer;
  return true;
}

bool FakeAnalyzerLink::Obey(const QString& call) {
  log.calls << call;
  return Step(call.section(QLatin1Char(' '), 0, 0));
}

bool FakeAnalyzerLink::GetBatteryVoltage(QString& text, int remote) {
  return Answer(QStringLiteral("GetBatteryVoltage %1").arg(remote), text, script.instrument.battery);
}

bool FakeAnalyzerLink::GetMemoryFree(QString& text, int remote) {
  return Answer(QStringLiteral("GetMemoryFree %1").arg(remote), text, script.instrument.memoryFree);
}

bool FakeAnalyzerLink::GetMemoryUsed(QString& text, int remote) {
  return Answer(QStringLiteral("GetMemoryUsed %1").arg(remote), text, script.instrument.memoryUsed);
}

bool FakeAnalyzerLink::GetDateAndTime(QString& date, QString& time, int remote) {
  time = script.instrument.time;
  return Answer(QStringLiteral("GetDateAndTime %1").arg(remote), date, script.instrument.date);
}

bool FakeAnalyzerLink::SetDateAndTime(const QString& text, int remote) {
  return Obey(QStringLiteral("SetDateAndTime %1 %2").arg(remote).arg(text));
}

bool FakeAnalyzerLink::SetRunState(unsigned short state, int remote) {
  return Obey(QStringLiteral("SetRunState %1 %2").arg(state).arg(remote));
}

bool FakeAnalyzerLink::ResetData(unsigned short n, int remote) {
  return Obey(QStringLiteral("ResetData %1 %2").arg(n).arg(remote));
}

bool FakeAnalyzerLink::StoreFile(int remote) { return Obey(QStringLiteral("StoreFile %1").arg(remote)); }

bool FakeAnalyzerLink::GetBeeperSettings(int& bits, int remote) {
  if (!Obey(QStringLiteral("GetBeeperSettings %1").arg(remote))) return false;
  bits = script.instrument.beeper;
  return true;
}

bool FakeAnalyzerLink::SetBeeperSettings(int bits, int remote) {
  if (!Obey(QStringLiteral("SetBeeperSettings %1 %2").arg(bits).arg(remote))) return false;
  script.instrument.beeper = bits;
  return true;
}

bool FakeAnalyzerLink::GetNote(QString& text, int remote) {
  return Answer(QStringLiteral("GetNote %1").arg(remote), text, script.instrument.note);
}

bool FakeAnalyzerLink::SetNote(const QString& text, int remote) {
  if (!Obey(QStringLiteral("SetNote %1 %2").arg(remote).arg(text))) return false;
  script.instrument.note = text;
  return true;
}

bool FakeAnalyzerLink::GetSetupInfo(SetupStruct& setups, int remote) {
  if (!Obey(QStringLiteral("GetSetupInfo %1").arg(remote))) return false;
  setups = script.instrument.setups;
  return true;
}

bool FakeAnalyzerLink::RecallSetupConfiguration(int id, int remote) {
  return Obey(QStringLiteral("RecallSetupConfiguration %1 %2").arg(id).arg(remote));
}

bool FakeAnalyzerLink::StoreSetupConfiguration(int id, int remote) {
  return Obey(QStringLiteral("StoreSetupConfiguration %1 %2").arg(id).arg(remote));
}

bool FakeAnalyzerLink::SetBootConfiguration(int id, int remote) {
  return Obey(QStringLiteral("SetBootConfiguration %1 %2").arg(id).arg(remote));
}

bool FakeAnalyzerLink::SetSetupName(int id, const QString& name, int remote) {
  return Obey(QStringLiteral("SetSetupName %1 %2 %3").arg(id).arg(remote).arg(name));
}

talvinet::SetupFileResult FakeAnalyzerLink::SaveSetupFile(int id, const QString& path, int remote) {
  log.calls << QStringLiteral("SaveSetupFile %1 %2 %3").arg(id).arg(remote).arg(path);
  return script.instrument.setupFileResult;
}

talvinet::SetupFileResult FakeAnalyzerLink::LoadSetupFile(int id, const QString& path, int remote) {
  log.calls << QStringLiteral("LoadSetupFile %1 %2 %3").arg(id).arg(remote).arg(path);
  return script.instrument.setupFileResult;
}

bool FakeAnalyzerLink::GetMacroInfo(MacroStruct& macros, int remote) {
  if (!Obey(QStringLiteral("GetMacroInfo %1").arg(remote))) return false;
  macros = script.instrument.macros;
  return true;
}

bool FakeAnalyzerLink::ExecuteMacro(int id, int remote) {
  return Obey(QStringLiteral("ExecuteMacro %1 %2").arg(id).arg(remote));
}

bool FakeAnalyzerLink::AbortMacro(int remote) { return Obey(QStringLiteral("AbortMacro %1").arg(remote)); }

bool FakeAnalyzerLink::ScheduleMacro(int id, int day, int hour, int minute, int second, int remote) {
  return Obey(QStringLiteral("ScheduleMacro %1 %2 %3 %4 %5 %6").arg(id).arg(day).arg(hour).arg(minute).arg(second).arg(remote));
}

bool FakeAnalyzerLink::CancelScheduledMacro(int remote) {
  return Obey(QStringLiteral("CancelScheduledMacro %1").arg(remote));
}

int FakeAnalyzerLink::GetErrno() { return script.instrument.errorNumber; }

// The Instrument Manager's calls of the scripted analyzer link: each is
// logged in `calls` with its arguments and answers from script.instrument.
#include "tests/support/FakeAnalyzerLink.h"

bool FakeAnalyzerLink::Obey(const QStringList& call) {
  log.calls << call.join(QLatin1Char(' '));
  return Step(call.first());
}

bool FakeAnalyzerLink::Answer(const QStringList& call, QString& text, const QString& answer) {
  if (!Obey(call)) return false;
  text = answer;
  return true;
}

using Call = QStringList;
QString FakeAnalyzerLink::GetSerialNumber() { return script.instrument.serialNumber; }
QString FakeAnalyzerLink::GetSystemID() { return script.instrument.systemId; }
bool FakeAnalyzerLink::GetBatteryVoltage(QString& text, int remote) {
  return Answer(Call{"GetBatteryVoltage", Word(remote)}, text, script.instrument.battery);
}
bool FakeAnalyzerLink::GetMemoryFree(QString& text, int remote) {
  return Answer(Call{"GetMemoryFree", Word(remote)}, text, script.instrument.memoryFree);
}
bool FakeAnalyzerLink::GetMemoryUsed(QString& text, int remote) {
  return Answer(Call{"GetMemoryUsed", Word(remote)}, text, script.instrument.memoryUsed);
}
bool FakeAnalyzerLink::GetDateAndTime(QString& date, QString& time, int remote) {
  time = script.instrument.time;
  return Answer(Call{"GetDateAndTime", Word(remote)}, date, script.instrument.date);
}
bool FakeAnalyzerLink::SetDateAndTime(const QString& text, int remote) {
  return Obey({"SetDateAndTime", Word(remote), text});
}
bool FakeAnalyzerLink::SetRunState(unsigned short state, int remote) {
  return Obey({"SetRunState", Word(state), Word(remote)});
}
bool FakeAnalyzerLink::ResetData(unsigned short n, int remote) { return Obey({"ResetData", Word(n), Word(remote)}); }
bool FakeAnalyzerLink::StoreFile(int remote) { return Obey({"StoreFile", Word(remote)}); }
bool FakeAnalyzerLink::GetBeeperSettings(int& bits, int remote) {
  bits = script.instrument.beeper;
  return Obey({"GetBeeperSettings", Word(remote)});
}
bool FakeAnalyzerLink::SetBeeperSettings(int bits, int remote) {
  return Obey({"SetBeeperSettings", Word(bits), Word(remote)});
}
bool FakeAnalyzerLink::GetNote(QString& text, int remote) {
  return Answer(Call{"GetNote", Word(remote)}, text, script.instrument.note);
}
bool FakeAnalyzerLink::SetNote(const QString& text, int remote) { return Obey({"SetNote", Word(remote), text}); }
bool FakeAnalyzerLink::GetSetupInfo(SetupStruct& setups, int remote) {
  setups = script.instrument.setups;
  return Obey({"GetSetupInfo", Word(remote)});
}
bool FakeAnalyzerLink::RecallSetupConfiguration(int id, int remote) {
  return Obey({"RecallSetupConfiguration", Word(id), Word(remote)});
}
bool FakeAnalyzerLink::StoreSetupConfiguration(int id, int remote) {
  return Obey({"StoreSetupConfiguration", Word(id), Word(remote)});
}
bool FakeAnalyzerLink::SetBootConfiguration(int id, int remote) {
  return Obey({"SetBootConfiguration", Word(id), Word(remote)});
}
bool FakeAnalyzerLink::SetSetupName(int id, const QString& name, int remote) {
  return Obey({"SetSetupName", Word(id), Word(remote), name});
}
talvinet::SetupFileResult FakeAnalyzerLink::SaveSetupFile(int id, const QString& path, int remote) {
  Obey({"SaveSetupFile", Word(id), Word(remote), path});
  return script.instrument.setupFileResult;
}
talvinet::SetupFileResult FakeAnalyzerLink::LoadSetupFile(int id, const QString& path, int remote) {
  Obey({"LoadSetupFile", Word(id), Word(remote), path});
  return script.instrument.setupFileResult;
}
bool FakeAnalyzerLink::GetMacroInfo(MacroStruct& macros, int remote) {
  macros = script.instrument.macros;
  return Obey({"GetMacroInfo", Word(remote)});
}
bool FakeAnalyzerLink::ExecuteMacro(int id, int remote) { return Obey({"ExecuteMacro", Word(id), Word(remote)}); }
bool FakeAnalyzerLink::AbortMacro(int remote) { return Obey({"AbortMacro", Word(remote)}); }
bool FakeAnalyzerLink::ScheduleMacro(int id, int day, int hour, int minute, int second, int remote) {
  return Obey({"ScheduleMacro", Word(id), Word(day), Word(hour), Word(minute), Word(second), Word(remote)});
}
bool FakeAnalyzerLink::CancelScheduledMacro(int remote) { return Obey({"CancelScheduledMacro", Word(remote)}); }
int FakeAnalyzerLink::GetErrno() { return script.instrument.errorNumber; }

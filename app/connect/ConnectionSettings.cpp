#include "connect/ConnectionSettings.h"

const std::vector<ListEntry>& InstrumentModels() {
  static const std::vector<ListEntry> models{
      {"Alder", 1},           {"Birch Serial", 2},    {"Birch Parallel", 7},  {"Cedar+ Serial", 3},
      {"Cedar+ Parallel", 4}, {"Deodar Opt. 113", 5}, {"Deodar Opt. 112", 6},
  };
  return models;
}

QString ModelText(int modelCode) {
  for (const ListEntry& model : InstrumentModels()) {
    if (model.value == modelCode) return QString::fromLatin1(model.text);
  }
  return QString();
}

QString ModelName(int modelCode) { return ModelText(modelCode).section(QLatin1Char(' '), 0, 0); }

QString ModelFamily(int modelCode) {
  QString name = ModelName(modelCode);
  if (name.endsWith(QLatin1Char('+'))) name.chop(1);
  return name;
}

const std::vector<ListEntry>& ComPorts() {
  static const std::vector<ListEntry> ports{
      {"Com1", 1}, {"Com2", 2}, {"Com3", 3}, {"Com4", 4}, {"Com5", 5}, {"Com6", 6}, {"Com7", 7}, {"Com8", 8},
  };
  return ports;
}

const std::vector<ListEntry>& BaudRates() {
  static const std::vector<ListEntry> rates{{"9600", 9600}, {"19200", 19200}};
  return rates;
}

const std::vector<ListEntry>& ParallelPortAddresses() {
  static const std::vector<ListEntry> addresses{{"0x278", 632}, {"0x378", 888}, {"0x3bc", 956}};
  return addresses;
}

bool IsParallelModel(int modelCode) { return modelCode == 4 || modelCode == 7; }

int StopBitsFor(int modelCode) { return modelCode == 6 ? 2 : 1; }

QString DefaultComDevice(int comPort) { return QString::fromLatin1(settings::kComDeviceDefaultFormat).arg(comPort - 1); }

namespace {
QString ComDeviceKey(int comPort) { return QString::fromLatin1(settings::kComDeviceKeyFormat).arg(comPort); }
}  // namespace

QString ReadComDevice(settings::Store& store, int comPort) {
  const QString device = store.ReadText(settings::kComPort.section, ComDeviceKey(comPort), QString());
  return device.isEmpty() ? DefaultComDevice(comPort) : device;
}

ConnectionChoice ReadConnectionChoice(settings::Store& store) {
  ConnectionChoice choice;
  choice.instrument = store.Read(settings::kInstrument);
  choice.comPort = store.Read(settings::kComPort);
  choice.baudRate = store.Read(settings::kBaudRate);
  choice.parallelPortAddress = store.Read(settings::kParallelPortAddress);
  choice.comDevice = ReadComDevice(store, choice.comPort);
  return choice;
}

void WriteConnectionChoice(settings::Store& store, const ConnectionChoice& choice) {
  store.Write(settings::kInstrument, choice.instrument);
  store.Write(settings::kComPort, choice.comPort);
  store.Write(settings::kBaudRate, choice.baudRate);
  store.Write(settings::kParallelPortAddress, choice.parallelPortAddress);
  if (!choice.comDevice.isEmpty())
    store.WriteText(settings::kComPort.section, ComDeviceKey(choice.comPort), choice.comDevice);
}

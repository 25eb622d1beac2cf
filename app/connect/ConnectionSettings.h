// The Connect dialog's fixed lists and the four stored connection values.
#pragma once

#include <QString>
#include <vector>

#include "common/SettingsKeys.h"

struct ListEntry {
  const char* text;
  int value;
};

const std::vector<ListEntry>& InstrumentModels();
const std::vector<ListEntry>& ComPorts();
const std::vector<ListEntry>& BaudRates();
const std::vector<ListEntry>& ParallelPortAddresses();

// The entry of the Instrument list: "Birch Serial".
QString ModelText(int modelCode);
// The model alone, without its link or option: "Birch" for "Birch Serial".
QString ModelName(int modelCode);
// The model as the analyzer names itself: "Cedar" for "Cedar+ Parallel".
QString ModelFamily(int modelCode);
// Models 4 and 7 talk over the parallel port, every other over a serial line.
bool IsParallelModel(int modelCode);
// "Deodar Opt. 112" carries its option on two stop bits.
int StopBitsFor(int modelCode);

struct ConnectionChoice {
  int instrument = settings::kInstrument.fallback;
  int comPort = settings::kComPort.fallback;
  int baudRate = settings::kBaudRate.fallback;
  int parallelPortAddress = settings::kParallelPortAddress.fallback;
  QString comDevice;  // device file of `comPort`
};

QString DefaultComDevice(int comPort);
QString ReadComDevice(settings::Store& store, int comPort);
ConnectionChoice ReadConnectionChoice(settings::Store& store);
void WriteConnectionChoice(settings::Store& store, const ConnectionChoice& choice);

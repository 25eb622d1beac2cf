// The "Connect" dialog: the analyzer model and the link's parameters.
#pragma once

#include <QDialog>
#include <QStringList>

#include "connect/ConnectionSettings.h"

class QComboBox;
class QLineEdit;

class CConnectDlg : public QDialog {
  Q_OBJECT

 public:
  // Loads the four stored values and each COM port's device file from `store`.
  explicit CConnectDlg(settings::Store& store, QWidget* parent = nullptr);

  // The values of the selected entries; valid after the dialog was confirmed.
  ConnectionChoice Choice() const;

 private:
  QComboBox* AddList(const char* objectName, const std::vector<ListEntry>& entries, int loadedValue);
  void ApplyEnablingRule();
  void ShowDeviceOfSelectedPort();

  ConnectionChoice loaded;
  QStringList comDevices;  // index: port - 1
  int shownDevicePort = 0;
  QComboBox* instrument;
  QComboBox* comPort;
  QComboBox* baudRate;
  QComboBox* parallelPortAddress;
  QLineEdit* comDevice;
};

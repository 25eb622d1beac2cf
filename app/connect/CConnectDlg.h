// The "Connect" dialog: the analyzer model and the link's parameters.
#pragma once

#include <QDialog>
#include <QStringList>

#include "PortListing.h"
#include "connect/ConnectionSettings.h"

class QComboBox;
class QLineEdit;
class QTreeWidget;

class CConnectDlg : public QDialog {
  Q_OBJECT

 public:
  // Loads the four stored values and each COM port's device file from
  // `store`, and lists `ports` beside the device field, marking those that
  // another program holds.
  explicit CConnectDlg(settings::Store& store, QWidget* parent = nullptr,
                       const std::vector<serialports::SerialPortEntry>& ports = serialports::SystemSerialPorts());

  // The values of the selected entries; valid after the dialog was confirmed.
  ConnectionChoice Choice() const;

 private:
  QComboBox* AddList(const char* objectName, const std::vector<ListEntry>& entries, int loadedValue);
  void ApplyEnablingRule();
  void ShowDeviceOfSelectedPort();
  QTreeWidget* AddPortList(const std::vector<serialports::SerialPortEntry>& ports);

  ConnectionChoice loaded;
  QStringList comDevices;  // index: port - 1
  int shownDevicePort = 0;
  QComboBox* instrument;
  QComboBox* comPort;
  QComboBox* baudRate;
  QComboBox* parallelPortAddress;
  QLineEdit* comDevice;
  QTreeWidget* serialPorts;
};

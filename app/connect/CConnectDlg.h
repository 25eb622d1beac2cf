// The "Connect" dialog: the analyzer model and the link's parameters.
#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>

#include "PortListing.h"
#include "connect/ConnectionSettings.h"

class QComboBox;
class QLabel;
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

  // Tries to connect with a choice: empty when it worked, otherwise why not.
  using ConnectAttempt = std::function<QString(const ConnectionChoice&)>;
  // "&Connect" runs `attempt` and closes the dialog only when it worked;
  // otherwise the dialog stays open, saying why, for another try. Without
  // one, "&Connect" just closes it.
  void SetConnectAttempt(ConnectAttempt attempt) { connectAttempt = std::move(attempt); }
  // Why the last attempt failed; empty before one did.
  QString FailureText() const;

 private:
  QComboBox* AddList(const char* objectName, const std::vector<ListEntry>& entries, int loadedValue);
  void ApplyEnablingRule();
  void ShowDeviceOfSelectedPort();
  QTreeWidget* AddPortList(const std::vector<serialports::SerialPortEntry>& ports);
  void OnConnectClicked();

  ConnectionChoice loaded;
  QStringList comDevices;  // index: port - 1
  int shownDevicePort = 0;
  QComboBox* instrument;
  QComboBox* comPort;
  QComboBox* baudRate;
  QComboBox* parallelPortAddress;
  QLineEdit* comDevice;
  QTreeWidget* serialPorts;
  QLabel* failure;
  ConnectAttempt connectAttempt;
};

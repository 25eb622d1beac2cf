#include "connect/ConnectSequence.h"

#include <optional>

#include "common/StringTable.h"
#include "common/UserPrompts.h"
#include "common/WaitCursor.h"
#include "connect/FirmwareVersion.h"
#include "link/AnalyzerLink.h"
#include "link/LinkHealth.h"
#include "shell/CVerdalonApp.h"

namespace {

// On Linux the parallel port is reached through the kernel's port driver.
constexpr int kParallelUseDriver = 1;

void OpenLink(CVerdalonApp& app, const ConnectionChoice& choice) {
  if (IsParallelModel(choice.instrument)) {
    app.m_comm->InitParallelPort(choice.parallelPortAddress, kParallelUseDriver);
    app.m_connected = 1;
    return;
  }
  SerialLinkRequest request;
  request.port = choice.comPort;
  request.baudRate = choice.baudRate;
  request.dataBits = 8;
  request.stopBits = StopBitsFor(choice.instrument);
  request.parity = 'N';
  request.deviceFile = choice.comDevice;
  if (app.m_comm->OpenConnection(request)) app.m_connected = 1;
}

void CheckFirmware(CVerdalonApp& app, QWidget* parent) {
  const QString version = app.m_comm->GetFirmwareVersion();
  if (!IsFirmwareTooOld(version)) return;
  const QString text = strings::LoadString(strings::kIncompatibleFirmware).replace(QLatin1String("%s"), version);
  prompts::Show(parent, text, prompts::Icon::Warning);
}

// Where the status bar says the analyzer is connected.
QString PlaceOf(const ConnectionChoice& choice) {
  if (IsParallelModel(choice.instrument))
    return QStringLiteral("parallel port 0x%1").arg(QString::number(choice.parallelPortAddress, 16).toUpper());
  return choice.comDevice.isEmpty() ? DefaultComDevice(choice.comPort) : choice.comDevice;
}

// The message of a serial link that will not open, with the device's reason
// on a line of its own when the protocol object knows it.
void ReportOpenFailure(CVerdalonApp& app, const ConnectionChoice& choice, QWidget* parent) {
  QString text = strings::LoadString(strings::kConnectFailed);
  const QString reason = app.m_comm->GetOpenFailure();
  // A reason that names the device itself ("the serial port X is in use...") is not prefixed with it again.
  if (!reason.isEmpty() && !choice.comDevice.isEmpty() && reason.contains(choice.comDevice)) {
    text += QLatin1Char('\n') + reason.at(0).toUpper() + reason.mid(1) + QLatin1Char('.');
  } else if (!reason.isEmpty()) {
    text += QLatin1Char('\n') + choice.comDevice + QLatin1String(": ") + reason;
  }
  prompts::Show(parent, text, prompts::Icon::Warning);
}

}  // namespace

bool RunConnect(CVerdalonApp& app, settings::Store& store, const ConnectionChoice& choice, ConnectionHost& host) {
  // The Instrument Manager is worked by hand, so the wait cursor ends before it opens.
  std::optional<WaitCursor> wait(std::in_place);
  WriteConnectionChoice(store, choice);
  OpenLink(app, choice);
  if (app.m_connected == 1) {
    host.ShowAnalyzerRoot();
    if (!app.m_comm->InitHardwareInfo()) {
      prompts::ShowMessage(host.DialogParent(), strings::kIdentityFailed);
      app.m_comm->CloseConnection();
      app.m_connected = 0;
      host.HideAnalyzerRoot();
    } else {
      if (LinkHealth* health = HealthOf(*app.m_comm)) health->Opened(ModelName(choice.instrument), PlaceOf(choice));
      CheckFirmware(app, host.DialogParent());
    }
    if (app.m_connected == 1) {
      wait.reset();
      host.OpenInstrumentManager();
    }
  } else {
    ReportOpenFailure(app, choice, host.DialogParent());
  }
  return app.m_connected == 1;
}

bool RunDisconnect(CVerdalonApp& app, ConnectionHost& host) {
  WaitCursor wait;
  if (app.m_comm->CloseConnection()) {
    app.m_connected = 0;
    host.HideAnalyzerRoot();
  } else {
    prompts::ShowMessage(host.DialogParent(), strings::kCloseFailed);
  }
  return app.m_connected == 1;
}

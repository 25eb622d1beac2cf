#include "connect/ConnectSequence.h"

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
QString OpenFailure(CVerdalonApp& app, const ConnectionChoice& choice) {
  QString text = strings::LoadString(strings::kConnectFailed);
  const QString reason = app.m_comm->GetOpenFailure();
  // A reason that names the device itself ("the serial port X is in use...") is not prefixed with it again.
  if (!reason.isEmpty() && !choice.comDevice.isEmpty() && reason.contains(choice.comDevice)) {
    text += QLatin1Char('\n') + reason.at(0).toUpper() + reason.mid(1) + QLatin1Char('.');
  } else if (!reason.isEmpty()) {
    text += QLatin1Char('\n') + choice.comDevice + QLatin1String(": ") + reason;
  }
  return text;
}

// The model the analyzer names when it is not the one chosen; empty when it
// is, or when the link cannot tell.
QString OtherModel(CVerdalonApp& app, const ConnectionChoice& choice) {
  const QString attached = app.m_comm->AttachedModel();
  return attached.isEmpty() || attached == ModelFamily(choice.instrument) ? QString() : attached;
}

void CheckModel(CVerdalonApp& app, const ConnectionChoice& choice, QWidget* parent) {
  const QString attached = OtherModel(app, choice);
  if (attached.isEmpty()) return;
  const QString text = QStringLiteral(
                           "The analyzer says it is a %1, but \"%2\" was chosen in Connect.\nThe program goes on "
                           "with the %1; to change the choice, Disconnect and Connect again.")
                           .arg(attached, ModelText(choice.instrument));
  prompts::Show(parent, text, prompts::Icon::Warning);
}

}  // namespace

QString OpenAndIdentify(CVerdalonApp& app, settings::Store& store, const ConnectionChoice& choice,
                        ConnectionHost& host) {
  WaitCursor wait;
  WriteConnectionChoice(store, choice);
  OpenLink(app, choice);
  if (app.m_connected != 1) return OpenFailure(app, choice);
  host.ShowAnalyzerRoot();
  if (!app.m_comm->InitHardwareInfo()) {
    app.m_comm->CloseConnection();
    app.m_connected = 0;
    host.HideAnalyzerRoot();
    return strings::LoadString(strings::kIdentityFailed);
  }
  // The status bar names the analyzer that answered.
  const QString other = OtherModel(app, choice);
  if (LinkHealth* health = HealthOf(*app.m_comm))
    health->Opened(other.isEmpty() ? ModelName(choice.instrument) : other, PlaceOf(choice));
  return QString();
}

void FinishConnect(CVerdalonApp& app, const ConnectionChoice& choice, ConnectionHost& host) {
  {
    WaitCursor wait;
    CheckModel(app, choice, host.DialogParent());
    CheckFirmware(app, host.DialogParent());
  }
  // The Instrument Manager is worked by hand, so the wait cursor ends before it opens.
  if (app.m_connected == 1) host.OpenInstrumentManager();
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

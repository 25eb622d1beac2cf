// Connect and Disconnect: from a confirmed Connect dialog to an identified
// analyzer with the Instrument Manager open, and back.
#pragma once

#include "connect/ConnectionSettings.h"

class CVerdalonApp;
class QWidget;

// What the sequence needs from the main window.
class ConnectionHost {
 public:
  virtual ~ConnectionHost() = default;
  virtual void ShowAnalyzerRoot() = 0;
  virtual void HideAnalyzerRoot() = 0;
  virtual void OpenInstrumentManager() = 0;
  virtual QWidget* DialogParent() = 0;
};

// Stores the choice, opens the link and identifies the analyzer. Empty when
// the program is connected afterwards, otherwise the failure's message, for
// the Connect dialog to show while the user corrects the choice.
QString OpenAndIdentify(CVerdalonApp& app, settings::Store& store, const ConnectionChoice& choice,
                        ConnectionHost& host);
// The connected program's last steps: a warning when the analyzer is not the
// model chosen or its firmware is too old, then the Instrument Manager.
void FinishConnect(CVerdalonApp& app, const ConnectionChoice& choice, ConnectionHost& host);
// Closes the link; a link that will not close leaves the program connected.
bool RunDisconnect(CVerdalonApp& app, ConnectionHost& host);

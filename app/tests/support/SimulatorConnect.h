// Connects the running program to a virtual analyzer over its pseudo-terminal.
#pragma once

#include <QString>

class CMainFrame;

// Runs Connect for a Cedar on the serial port `device`; true when the
// Instrument Manager opened (it is closed again at once).
bool ConnectToSimulator(CMainFrame& frame, const QString& device);

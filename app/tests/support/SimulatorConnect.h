// Connects the running program to a virtual analyzer over its pseudo-terminal.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include <utility>

#include "shell/CVerdalonApp.h"
#include "simanalyzer/MemoryStore.h"
#include "simanalyzer/PtyAnalyzer.h"

class AnalyzerLink;
class CFileTree;
class CMainFrame;
class QDialog;

// Chooses a Cedar on the serial port `device` in the Connect dialog.
void ChooseSimulatorPort(QDialog& connect, const QString& device);

// Runs Connect for a Cedar on the serial port `device`; true when the
// Instrument Manager opened (it is closed again at once).
bool ConnectToSimulator(CMainFrame& frame, const QString& device);

// Starts `app` without its start-up picture, connects it to `device` and
// expands "Analyzer Files"; the file tree, or null when any step failed.
CFileTree* StartConnected(CVerdalonApp& app, const std::string& device);

// Puts memory file `name` holding `records` into what `analyzer` serves.
void PutMemoryFile(simanalyzer::PtyAnalyzer& analyzer, const char* name,
                   std::vector<simanalyzer::StoredRecord> records);
// StartConnected, then selects memory file `name` in the tree; null when any step failed.
CFileTree* StartWithFileSelected(CVerdalonApp& app, const std::string& device, const QString& name);

// Clears the test environment, serves memory file `name` holding `records` on
// `analyzer` and starts `app` connected to it with that file selected. The
// frame, or null once the running test has been skipped (the system has no
// pseudo-terminal) or failed: the caller then returns.
CMainFrame* ServeAndSelect(simanalyzer::PtyAnalyzer& analyzer, CVerdalonApp& app, const char* name,
                           std::vector<simanalyzer::StoredRecord> records);

// Opens `link` on the serial port `device` as a 19200-baud COM2 and reads the
// analyzer's identity, as Connect does, so that the link's health follows the
// line from then on; false when either fails.
bool OpenSimulatorLink(AnalyzerLink& link, const std::string& device);

// A virtual analyzer serving `files` (name and records each) and the program
// connected to it over the real link, "Analyzer Files" expanded; it
// disconnects and ends when it goes. `tree` is null when a step failed, and
// `problem` says why when the analyzer would not start.
struct SimulatorSession {
  using File = std::pair<const char*, std::vector<simanalyzer::StoredRecord>>;
  explicit SimulatorSession(const std::vector<File>& files);
  ~SimulatorSession();
  SimulatorSession(const SimulatorSession&) = delete;
  SimulatorSession& operator=(const SimulatorSession&) = delete;

  simanalyzer::PtyAnalyzer analyzer{simanalyzer::VirtualAnalyzer()};
  std::string problem;
  CVerdalonApp app;
  CFileTree* tree = nullptr;
};

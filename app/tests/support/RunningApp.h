// The program started over a scripted analyzer link, for tests that drive its
// main window.
#pragma once

#include <memory>

#include "shell/CVerdalonApp.h"
#include "tests/support/FakeAnalyzerLink.h"

class CMainFrame;

class RunningApp {
 protected:
  // Empties the settings store, the script and the log, then starts the
  // program without its start-up picture. False when it will not start.
  bool Start();
  // Runs the exit steps and ends the program; false when a dialog the test
  // waited for never opened.
  bool Stop();
  CMainFrame& Frame() const { return *app->MainFrame(); }

  FakeAnalyzerScript script;
  FakeAnalyzerLog log;
  std::unique_ptr<CVerdalonApp> app;
};

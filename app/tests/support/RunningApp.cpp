#include "tests/support/RunningApp.h"

#include "shell/CMainFrame.h"
#include "tests/support/AppTestEnvironment.h"
#include "tests/support/ModalDriver.h"

bool RunningApp::Start() {
  ResetAppTestEnvironment();
  script = FakeAnalyzerScript{};
  log = FakeAnalyzerLog{};
  app = std::make_unique<CVerdalonApp>(std::make_unique<FakeAnalyzerLink>(script, log));
  return app->InitInstance(false);
}

bool RunningApp::Stop() {
  app->ExitInstance();
  app.reset();
  return !ModalDriverTimedOut();
}

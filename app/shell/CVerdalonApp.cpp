#include "shell/CVerdalonApp.h"

#include <QPointer>

#include "common/UserPrompts.h"
#include "link/LinkHealth.h"
#include "profiles/DataProfileStore.h"
#include "shell/ApplicationIdentity.h"
#include "shell/CMainFrame.h"
#include "shell/CSplashWnd.h"

namespace {
CVerdalonApp* runningApp = nullptr;
constexpr int kStartupPictureMilliseconds = 1500;
}  // namespace

CVerdalonApp::CVerdalonApp(std::unique_ptr<AnalyzerLink> link) : m_comm(std::move(link)) {
  runningApp = this;
  // A failure that silence caused says so, whichever window shows it.
  prompts::SetFailureCause([this] {
    const LinkHealth* health = m_comm ? HealthOf(*m_comm) : nullptr;
    return health && health->SilenceIsTheCause() ? NotAnsweringCause() : QString();
  });
}

CVerdalonApp::~CVerdalonApp() {
  prompts::SetFailureCause({});
  frame.reset();
  if (runningApp == this) runningApp = nullptr;
}

CVerdalonApp* CVerdalonApp::Instance() { return runningApp; }

bool CVerdalonApp::InitInstance(bool showStartupPicture) {
  ApplyDesktopIdentity();
  if (showStartupPicture) splash = CSplashWnd::ShowSplashScreen(kStartupPictureMilliseconds);
  frame = std::make_unique<CMainFrame>(*this);
  frame->show();
  frame->repaint();
  settings::Store store;
  LoadDataProfiles(store, m_profiles);
  return true;
}

int CVerdalonApp::ExitInstance() {
  m_comm->CloseConnection();
  m_connected = 0;
  frame.reset();
  settings::Store store;
  StoreDataProfiles(store, m_profiles);
  m_profiles.Reset();
  return 0;
}

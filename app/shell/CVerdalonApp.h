// The application object: owns the protocol object, the connection flag and
// the data profiles, and runs start-up and exit.
#pragma once

#include <memory>

#include "link/AnalyzerLink.h"
#include "profiles/DataProfileList.h"

class CMainFrame;
class CSplashWnd;

class CVerdalonApp {
 public:
  explicit CVerdalonApp(std::unique_ptr<AnalyzerLink> link = MakeAnalyzerLink());
  ~CVerdalonApp();
  CVerdalonApp(const CVerdalonApp&) = delete;
  CVerdalonApp& operator=(const CVerdalonApp&) = delete;

  // The running application object, or null outside its lifetime.
  static CVerdalonApp* Instance();

  // Shows the start-up picture (unless told not to), builds and shows the main
  // window and loads the data profiles. False when the window cannot be built.
  bool InitInstance(bool showStartupPicture = true);
  // Closes the link, destroys the main window and stores the data profiles.
  int ExitInstance();

  _DataProfileTag* GetCurrentProfile() const { return m_profiles.GetCurrentProfile(); }
  CMainFrame* MainFrame() const { return frame.get(); }
  CSplashWnd* StartupPicture() const { return splash; }

  std::unique_ptr<AnalyzerLink> m_comm;
  int m_connected = 0;
  // Holds the current profile's id as well (m_currentProfileId).
  DataProfileList m_profiles;

 private:
  std::unique_ptr<CMainFrame> frame;
  CSplashWnd* splash = nullptr;  // deletes itself when dismissed
};

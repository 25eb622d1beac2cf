// The progress window of a download: the bytes received, a bar and a
// percentage, and Cancel. The main frame's object lives as long as the frame;
// its window is made for one download and destroyed after it. While the
// window exists its owner is disabled and the window is modal, so Cancel is
// the one thing the user can do.
#pragma once

#include <QPointer>
#include <QString>

class QDialog;
class QLabel;
class QProgressBar;
class QWidget;

class CDownloadProgressDlg {
 public:
  CDownloadProgressDlg() = default;
  ~CDownloadProgressDlg();
  CDownloadProgressDlg(const CDownloadProgressDlg&) = delete;
  CDownloadProgressDlg& operator=(const CDownloadProgressDlg&) = delete;

  // Disables the owner's window and opens this one; false when it could not be made.
  bool Create(QWidget* owner);
  // Closes the window and re-enables the owner if Create disabled it.
  void DestroyWindow();
  QDialog* Window() const { return window; }

  void SetStatus(const QString& text);
  void SetRange(int lower, int upper);
  // Returns the previous position. The window thread keeps dispatching
  // events while the download runs on the link's thread, so these need not.
  int SetPos(int position);
  // True once for every press of Cancel.
  bool CheckCancelButton();

  int m_rangePending = 1;
  int m_captionId = 116;
  int m_lower = 0;
  int m_upper = 100;
  int m_step = 10;
  int m_cancelRequested = 0;
  int m_ownerDisabled = 0;

 private:
  void ShowPercent(int position);

  QPointer<QDialog> window;
  QPointer<QWidget> ownerWindow;
  QLabel* status = nullptr;
  QProgressBar* bar = nullptr;
  QLabel* percent = nullptr;
};

// The main frame's answer to a progress message: status text, bar and
// percentage set; 1 when the user asked to stop, else 0.
long OnDownloadProgress(CDownloadProgressDlg& dialog, long bytesReceived, long totalBytes);

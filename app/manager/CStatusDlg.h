// The Instrument Manager's "Status" page: the analyzer's identity and
// condition, and its clock beside the computer's, refreshed every two
// seconds while the page is the active one.
#pragma once

#include <QDateTime>
#include <functional>

#include "common/PropertySheet.h"

class AnalyzerLink;
class QLabel;
class QTimer;

class CStatusDlg : public PropertyPage {
  Q_OBJECT

 public:
  static constexpr int kClockPeriodMilliseconds = 2000;

  explicit CStatusDlg(AnalyzerLink& link, QWidget* parent = nullptr);

  void OnSetActive() override;
  void RefreshIdentity();
  void RefreshClocks();
  void OnSynchronize();
  // The computer's local time; tests substitute a fixed one.
  void SetClock(std::function<QDateTime()> now) { computerClock = std::move(now); }

 protected:
  // Leaving the page, or closing the sheet, hides it: the clocks stop.
  void hideEvent(QHideEvent* event) override;

 private:
  QLabel* AddField(const QString& name);
  // Shows a field read now, or empties it when the read failed.
  static void ShowRead(QLabel* field, bool read, const QString& text);
  // Polls at the clock's pace while the analyzer answers, else seldom.
  void FollowSilence();

  AnalyzerLink& link;
  std::function<QDateTime()> computerClock = [] { return QDateTime::currentDateTime(); };
  QTimer* clockTimer;
  QLabel* systemId;
  QLabel* serialNumber;
  QLabel* instrumentDate;
  QLabel* memoryUsed;
  QLabel* memoryFree;
  QLabel* firmwareVersion;
  QLabel* computerDate;
  QLabel* battery;
  // Says once, in the page, that the analyzer is not answering.
  QLabel* silenceNotice;
};

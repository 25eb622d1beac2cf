// The Instrument Manager's "Control" page: run state, data reset, storing
// the current measurement, the beeper and the note.
#pragma once

#include <functional>

#include "common/PropertySheet.h"

class AnalyzerLink;
class QCheckBox;
class QLineEdit;

class CMgrControlDlg : public PropertyPage {
  Q_OBJECT

 public:
  // Beeper bits of the "Beep on..." boxes.
  static constexpr int kBeepOnKeypresses = 1;
  static constexpr int kBeepOnOverload = 2;
  static constexpr int kBeepOnErrors = 4;
  static constexpr int kLongestNote = 255;

  explicit CMgrControlDlg(AnalyzerLink& link, QWidget* parent = nullptr);

  void OnSetActive() override;
  void Refresh();

 signals:
  // What an action did or why it failed, for the main window's status bar.
  void ActionReported(const QString& text);

 private:
  // Runs the command operation `call` and reports `done` or `failed`.
  void RunAction(const std::function<bool()>& call, const QString& done, const QString& failed);
  QCheckBox* AddBeeperBox(const QString& label, const QString& name, int bit);
  void OnBeeperBox(int bit, bool checked);
  void OnSetNote();

  AnalyzerLink& link;
  int beeperBits = 0;
  QCheckBox* keypresses;
  QCheckBox* overload;
  QCheckBox* errors;
  QLineEdit* note;
};

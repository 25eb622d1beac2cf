// Whether the analyzer answers, learnt from what the line did during each
// call: shown in the status bar, named as the cause of a failure, and the
// reason a lost device ends the connection.
#pragma once

#include <QObject>
#include <QString>

#include "talvinet/Talvinet.h"

class AnalyzerLink;

// How often a window that polls the analyzer tries again while it is silent.
constexpr int kSilentRetryMilliseconds = 10000;

class LinkHealth final : public QObject {
  Q_OBJECT

 public:
  enum class State { Disconnected, Connected, NotAnswering };

  State Current() const { return state; }
  // "Connected: Birch on /dev/ttyUSB0", "Not answering" or "Disconnected".
  QString Description() const;

  // The connection is open to `model` on `place` (a device file or a port).
  void Opened(const QString& model, const QString& place);
  void Closed();
  // What the line did over one call, from its reports before and after.
  void Record(const LineReportStruct& before, const LineReportStruct& after);
  // True when the analyzer fell silent or the line went away in the last
  // exchange and the user has not started anything since.
  bool SilenceIsTheCause() const { return silenceCause; }
  // The device hung up or went away and the connection is not closed yet.
  bool DeviceLost() const { return lost; }

 signals:
  void Changed();
  // The device hung up or went away; said once per connection.
  void Lost();

 protected:
  // A key or a click starts a new piece of work: an earlier silence is not
  // the cause of what fails in it.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Enter(State next);

  State state = State::Disconnected;
  QString connectedTo;
  bool silenceCause = false;
  bool lost = false;
  bool lostSaid = false;
  bool watchingInput = false;
};

// The health behind `link`, or null where the link keeps none (test fakes).
LinkHealth* HealthOf(AnalyzerLink& link);
// True while `link` is open but the analyzer does not answer, or its device is gone.
bool AnalyzerSilent(AnalyzerLink& link);
// The line under a failure message when silence was its cause.
QString NotAnsweringCause();
// "The analyzer is not answering.", said once in a window that polls it.
QString NotAnsweringNotice();

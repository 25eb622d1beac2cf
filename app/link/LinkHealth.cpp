#include "link/LinkHealth.h"

#include <QApplication>
#include <QEvent>
#include <utility>

#include "link/AnalyzerLink.h"

QString LinkHealth::Description() const {
  switch (state) {
    case State::Connected:
      return QStringLiteral("Connected: %1").arg(connectedTo);
    case State::NotAnswering:
      return QStringLiteral("Not answering");
    case State::Disconnected:
      break;
  }
  return QStringLiteral("Disconnected");
}

void LinkHealth::Opened(const QString& model, const QString& place) {
  if (!watchingInput && qApp) {
    qApp->installEventFilter(this);
    watchingInput = true;
  }
  connectedTo = QStringLiteral("%1 on %2").arg(model, place);
  lostSaid = false;
  lost = false;
  silenceCause = false;
  Enter(State::Connected);
  emit Changed();
}

// Nothing that fails after the connection ended is the closed line's silence.
void LinkHealth::Closed() {
  lost = false;
  silenceCause = false;
  Enter(State::Disconnected);
}

void LinkHealth::Record(const LineReportStruct& before, const LineReportStruct& after) {
  if (state == State::Disconnected) return;
  if (after.lineGone != 0) {
    silenceCause = true;
    lost = true;
    Enter(State::Disconnected);
    if (!std::exchange(lostSaid, true)) emit Lost();
    return;
  }
  // A report that went back to zero belongs to a line opened or closed during the call.
  if (after.bytesHeard < before.bytesHeard || after.silentReads < before.silentReads) return;
  // What counts is how the call ended: an analyzer that answered its first
  // questions and then fell silent is not answering now.
  if (after.silentReads > before.silentReads && after.heardAtLastSilence == after.bytesHeard) {
    silenceCause = true;
    Enter(State::NotAnswering);
  } else if (after.bytesHeard > before.bytesHeard) {
    silenceCause = false;
    Enter(State::Connected);
  }
}

void LinkHealth::Enter(State next) {
  if (state == next) return;
  state = next;
  emit Changed();
}

bool LinkHealth::eventFilter(QObject*, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::KeyPress:
      silenceCause = false;
      break;
    default:
      break;
  }
  return false;
}

LinkHealth* HealthOf(AnalyzerLink& link) { return link.Health(); }

bool AnalyzerSilent(AnalyzerLink& link) {
  const LinkHealth* health = link.Health();
  return health != nullptr && (health->Current() == LinkHealth::State::NotAnswering || health->DeviceLost());
}

QString NotAnsweringCause() {
  return QStringLiteral(
      "The analyzer is not answering. Check that it is switched on, its cable, and the port and baud rate in Connect.");
}

QString NotAnsweringNotice() { return QStringLiteral("The analyzer is not answering."); }

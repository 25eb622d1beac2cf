#include "tests/support/ModalDriver.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

namespace {
bool timedOut = false;
constexpr int kGiveUpMilliseconds = 5000;
}  // namespace

void OnNextModal(std::function<void(QDialog*)> action) {
  QPointer<QWidget> before = QApplication::activeModalWidget();
  auto* timer = new QTimer;
  auto* clock = new QElapsedTimer;
  clock->start();
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, clock, before, action] {
    QWidget* modal = QApplication::activeModalWidget();
    auto* dialog = qobject_cast<QDialog*>(modal);
    if (dialog && modal != before.data() && dialog->isVisible()) {
      timer->stop();
      timer->deleteLater();
      delete clock;
      action(dialog);
    } else if (clock->elapsed() > kGiveUpMilliseconds) {
      timer->stop();
      timer->deleteLater();
      delete clock;
      timedOut = true;
      if (dialog) dialog->reject();
    }
  });
  timer->start();
}

bool ModalDriverTimedOut() {
  const bool result = timedOut;
  timedOut = false;
  return result;
}

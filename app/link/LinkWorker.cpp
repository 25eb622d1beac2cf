#include "link/LinkWorker.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QSemaphore>
#include <QTimer>
#include <QWidget>
#include <utility>

#include "link/AnalyzerLink.h"

LinkWorker::LinkWorker(Placement where) : placement(where), context(new QObject) {
  if (placement == Placement::CallerThread) return;
  thread.setObjectName(QStringLiteral("analyzer link"));
  context->moveToThread(&thread);
  thread.start();
}

LinkWorker::~LinkWorker() {
  thread.quit();
  thread.wait();
  delete context;
}

void LinkWorker::ReportActivity(const QString& text) {
  if (description.isEmpty()) emit ActivityChanged(text);
}

void LinkWorker::Perform(const QString& activity, const std::function<void()>& job) {
  if (OnWorkerThread()) {
    job();
    return;
  }
  if (busy) return;
  if (placement == Placement::CallerThread) {
    inputAllowed = false;
    busy = true;
    emit ActivityChanged(description.isEmpty() ? activity : description);
    job();
    busy = false;
    emit ActivityChanged(QString());
    return;
  }
  busy = true;
  stopRequested = false;
  const bool allowInput = std::exchange(inputAllowed, false);
  emit ActivityChanged(description.isEmpty() ? activity : description);
  qApp->installEventFilter(this);

  QEventLoop loop;
  std::atomic<bool> done = false;
  QSemaphore finished;
  QMetaObject::invokeMethod(
      context,
      [&] {
        job();
        done = true;
        // The quit is posted before the release, so that the loop still
        // exists when it is posted; nothing here is touched after it.
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        finished.release();
      },
      Qt::QueuedConnection);
  loop.exec(allowInput ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
  // The loop ends early when the application quits; the call still writes
  // into its caller's buffers until it returns, and is asked to hurry.
  if (!done) stopRequested = true;
  finished.acquire();

  qApp->removeEventFilter(this);
  busy = false;
  emit ActivityChanged(QString());
  CloseHeldWindows();
}

// A window that closed in the middle of a call would return into code of a
// window that is gone: its close waits for the call, which is asked to stop.
// The call's own modal window (the download progress) may close: that is its
// Cancel.
bool LinkWorker::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Close || !watched->isWidgetType()) return false;
  auto* window = static_cast<QWidget*>(watched);
  if (!window->isWindow() || window == QApplication::activeModalWidget()) return false;
  heldCloses.emplace_back(window);
  stopRequested = true;
  event->ignore();
  return true;
}

void LinkWorker::CloseHeldWindows() {
  for (const QPointer<QWidget>& window : std::exchange(heldCloses, {})) {
    if (window) QTimer::singleShot(0, window, &QWidget::close);
  }
}

LinkWorker* WorkerOf(AnalyzerLink& link) { return link.Worker(); }

bool LinkBusy(AnalyzerLink& link) {
  const LinkWorker* worker = link.Worker();
  return worker != nullptr && worker->CallInProgress();
}

DescribedCalls::DescribedCalls(AnalyzerLink& link, const QString& text) : worker(link.Worker()) {
  if (worker) worker->DescribeCalls(text);
}

DescribedCalls::~DescribedCalls() {
  if (worker) worker->DescribeCalls(QString());
}

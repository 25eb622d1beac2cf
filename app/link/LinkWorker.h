// The one thread that talks to the analyzer. Every call of the program's
// link is handed to it and waited for here, one at a time, in the order
// made; while a call runs the window thread keeps painting and running its
// timers, but holds back user input, so the flows stay as modal as they were.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QThread>
#include <atomic>
#include <functional>
#include <vector>

class AnalyzerLink;
class QWidget;

class LinkWorker final : public QObject {
  Q_OBJECT

 public:
  // Where the calls run. On the caller's thread they block it, as the
  // protocol library's own callers do: the floor the benchmark compares with.
  enum class Placement { WorkerThread, CallerThread };

  explicit LinkWorker(Placement placement = Placement::WorkerThread);
  ~LinkWorker() override;
  LinkWorker(const LinkWorker&) = delete;
  LinkWorker& operator=(const LinkWorker&) = delete;

  // Runs `call` on the worker thread and returns its result. `activity` says
  // what the analyzer is doing, unless a window has described its calls.
  // A call made while another runs (a timer that fired during it) is not
  // run: it would land in the middle of the other's exchange. It returns
  // the empty result; the timers check CallInProgress and skip the tick.
  template <typename Call>
  auto Run(const QString& activity, Call call) -> decltype(call()) {
    decltype(call()) result{};
    Perform(activity, [&] { result = call(); });
    return result;
  }

  bool CallInProgress() const { return busy; }
  bool OnWorkerThread() const { return QThread::currentThread() == &thread; }
  const QThread* Thread() const { return &thread; }

  // Asks the running call to end at its next chance (a download at its next
  // progress message); cleared when the next call starts.
  void RequestStop() { stopRequested = true; }
  bool StopRequested() const { return stopRequested; }

  // While set, the calls that follow are described by `text`.
  void DescribeCalls(const QString& text) { description = text; }
  // Tells what a running call is doing now; callable from the worker thread.
  void ReportActivity(const QString& text);

  // Lets user input reach the window thread while the next call runs: the
  // call's own window (the download progress window) is modal and keeps
  // input from the others.
  void AllowInputDuringNextCall() { inputAllowed = true; }

 signals:
  // What the analyzer is doing; empty when the link is idle.
  void ActivityChanged(const QString& text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Perform(const QString& activity, const std::function<void()>& job);
  void CloseHeldWindows();

  const Placement placement;
  QThread thread;
  QObject* context = nullptr;  // lives on the worker thread
  bool busy = false;
  bool inputAllowed = false;
  std::atomic<bool> stopRequested = false;
  QString description;
  // Windows asked to close while a call ran, closed once it has ended.
  std::vector<QPointer<QWidget>> heldCloses;
};

// The worker behind `link`, or null where the link has none (test fakes).
LinkWorker* WorkerOf(AnalyzerLink& link);
// True while a call of `link` runs: a timer tick then skips its work.
bool LinkBusy(AnalyzerLink& link);

// Describes the calls a window makes through `link` for as long as it lives
// ("Reading record Leq 1 from the analyzer…").
class DescribedCalls {
 public:
  DescribedCalls(AnalyzerLink& link, const QString& text);
  ~DescribedCalls();
  DescribedCalls(const DescribedCalls&) = delete;
  DescribedCalls& operator=(const DescribedCalls&) = delete;

 private:
  LinkWorker* worker;
};

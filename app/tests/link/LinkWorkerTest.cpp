// The link's worker thread: where calls run, what the window thread does
// meanwhile, and what becomes of a tick or a close that comes during a call.
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <qpa/qwindowsysteminterface.h>
#include <thread>

#include "link/LinkWorker.h"

namespace {

// A job that keeps the worker busy for `span`, or until asked to stop.
bool Busy(const LinkWorker& worker, std::chrono::milliseconds span) {
  const auto end = std::chrono::steady_clock::now() + span;
  while (std::chrono::steady_clock::now() < end) {
    if (worker.StopRequested()) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

class EventCounter : public QWidget {
 public:
  int paints = 0;
  int keys = 0;

 protected:
  void paintEvent(QPaintEvent*) override { ++paints; }
  void keyPressEvent(QKeyEvent*) override { ++keys; }
};

}  // namespace

class LinkWorkerTest : public QObject {
  Q_OBJECT

 private slots:
  void callsRunOnTheWorkerInTheOrderMade() {
    LinkWorker worker;
    QSignalSpy activity(&worker, &LinkWorker::ActivityChanged);
    std::vector<int> order;
    const QThread* ranOn = nullptr;
    QCOMPARE(worker.Run(QStringLiteral("first"), [&] {
      ranOn = QThread::currentThread();
      order.push_back(1);
      return 7;
    }), 7);
    worker.Run(QStringLiteral("second"), [&] { return (order.push_back(2), true); });
    QCOMPARE(ranOn, worker.Thread());
    QVERIFY(ranOn != QThread::currentThread());
    QCOMPARE(order, (std::vector<int>{1, 2}));
    QCOMPARE(activity.size(), 4);
    QCOMPARE(activity.at(0).at(0).toString(), QStringLiteral("first"));
    QCOMPARE(activity.at(1).at(0).toString(), QString());
  }

  // While a call runs, paint events and timers go on, typed keys wait for
  // its end, and a tick's own call is not run in the middle of it.
  void paintGoesOnInputWaitsTicksDoNotNest() {
    LinkWorker worker;
    EventCounter window;
    window.resize(200, 50);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const int paintsBefore = window.paints;

    bool nestedRan = false;
    bool nestedResult = true;
    QTimer tick;
    tick.setInterval(20);
    connect(&tick, &QTimer::timeout, [&] {
      window.update();
      QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::AsynchronousDelivery>(
          window.windowHandle(), QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
      nestedResult = worker.Run(QStringLiteral("tick"), [&] { return nestedRan = true; });
    });
    tick.start();
    worker.Run(QStringLiteral("long call"), [&] {
      Busy(worker, std::chrono::milliseconds(400));
      return true;
    });
    tick.stop();
    const int paintsDuring = window.paints - paintsBefore;
    QVERIFY2(paintsDuring > 2, qPrintable(QString::number(paintsDuring)));
    QCOMPARE(window.keys, 0);
    QVERIFY(!nestedRan);
    QVERIFY(!nestedResult);
    QTRY_VERIFY(window.keys > 2);
  }

  // A window asked to close during a call stays until the call has ended,
  // and the call is asked to stop.
  void closeWaitsForTheCallAndStopsIt() {
    LinkWorker worker;
    QWidget window;
    window.show();
    QTimer::singleShot(30, &window, &QWidget::close);
    const bool ranToTheEnd = worker.Run(QStringLiteral("download"), [&] {
      return Busy(worker, std::chrono::seconds(5));
    });
    QVERIFY(!ranToTheEnd);
    QVERIFY(worker.StopRequested());
    QVERIFY(window.isVisible());
    QTRY_VERIFY(!window.isVisible());
  }
};

QTEST_MAIN(LinkWorkerTest)
#include "LinkWorkerTest.moc"

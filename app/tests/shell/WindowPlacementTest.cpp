#include <QTest>

#include "shell/WindowPlacement.h"
#include "tests/support/AppTestEnvironment.h"

class WindowPlacementTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { ResetAppTestEnvironment(); }

  void placement_data() {
    QTest::addColumn<QRect>("saved");
    QTest::addColumn<QRect>("placed");
    const QRect screen(0, 0, 1280, 1024);
    QTest::newRow("empty: 640 x 480 centred") << QRect() << QRect(320, 272, 640, 480);
    QTest::newRow("saved rectangle") << QRect(10, 20, 800, 600) << QRect(10, 20, 800, 600);
    QTest::newRow("wholly off the screen") << QRect(-5000, -5000, 300, 200) << QRect(320, 272, 640, 480);
  }

  void placement() {
    QFETCH(QRect, saved);
    QFETCH(QRect, placed);
    QCOMPARE(InitialWindowRect(saved, QRect(0, 0, 1280, 1024)), placed);
  }

  void storedRectangleRoundTrips() {
    settings::Store store;
    WriteWindowRect(store, QRect(15, 25, 700, 500));
    QCOMPARE(store.Read(settings::kWindowRight), 715);
    QCOMPARE(store.Read(settings::kWindowBottom), 525);
    QCOMPARE(ReadWindowRect(store), QRect(15, 25, 700, 500));
  }

  void negativeOrMissingRectangleReadsEmpty_data() {
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("bottom");
    QTest::newRow("all zero") << 0 << 0 << 0 << 0;
    QTest::newRow("negative width") << 500 << 0 << 100 << 400;
    QTest::newRow("negative height") << 0 << 400 << 300 << -100;
    QTest::newRow("overflowing width") << -2147483647 << 0 << 2147483647 << 100;
  }

  void negativeOrMissingRectangleReadsEmpty() {
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(int, right);
    QFETCH(int, bottom);
    settings::Store store;
    store.Write(settings::kWindowLeft, left);
    store.Write(settings::kWindowTop, top);
    store.Write(settings::kWindowRight, right);
    store.Write(settings::kWindowBottom, bottom);
    QVERIFY(ReadWindowRect(store).isEmpty());
  }
};

QTEST_GUILESS_MAIN(WindowPlacementTest)
#include "WindowPlacementTest.moc"

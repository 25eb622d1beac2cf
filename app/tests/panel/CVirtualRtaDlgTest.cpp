// The virtual panel over a scripted analyzer link, driven through its buttons.
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include "common/UserPrompts.h"
#include "panel/CPanelButton.h"
#include "panel/CVirtualRtaDlg.h"
#include "panel/ScreenPrinting.h"
#include "talvinet/ScreenBitmapFile.h"
#include "tests/support/AppTestEnvironment.h"
#include "tests/support/FakeAnalyzerLink.h"

class CVirtualRtaDlgTest : public QObject {
  Q_OBJECT

  FakeAnalyzerScript script;
  FakeAnalyzerLog log;

 private slots:
  void init() {
    ResetAppTestEnvironment();
    script = FakeAnalyzerScript{};
    log = FakeAnalyzerLog{};
    script.keyNames[65] = QStringLiteral("File");
    script.keyNames[81] = QStringLiteral("Q");
  }

  void keyPresses_data() {
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QStringList>("sent");
    QTest::addColumn<bool>("shiftedAfter");
    QTest::addColumn<int>("errorCode");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("soft key") << QList<int>{1107} << QStringList{"KE 'File'"} << false << 0 << QStringList{};
    QTest::newRow("shift, then soft key") << QList<int>{1116, 1107} << QStringList{"KE 'Q'"} << false << 0 << QStringList{};
    QTest::newRow("unnamed soft key") << QList<int>{1108} << QStringList{} << false << 8 << QStringList{};
    QTest::newRow("minus by number") << QList<int>{1121} << QStringList{"KE 45"} << false << 0 << QStringList{};
    QTest::newRow("shift alone") << QList<int>{1117} << QStringList{} << true << 0 << QStringList{};
    // The GPIB bit means something on a Deodar only.
    QTest::newRow("error bits") << QList<int>{1107} << QStringList{"KE 'File'"} << false << (8 | 16 | 64)
                                << QStringList{"Stop Required", "I/O Entry error"};
  }
  void keyPresses() {
    QFETCH(QList<int>, clicks);
    FakeAnalyzerLink link(script, log);
    CVirtualRtaDlg panel(link);
    QFETCH(int, errorCode);
    script.errorCode = errorCode;
    for (int id : clicks) panel.Button(id)->click();
    QTEST(log.keystrokes, "sent");
    QTEST(panel.Shifted(), "shiftedAfter");
    QTEST(prompts::ShownTexts(), "shown");
  }

  void labelsAndLayout() {
    script.deodar = true;
    FakeAnalyzerLink link(script, log);
    CVirtualRtaDlg panel(link);
    QCOMPARE(panel.Button(1107)->Label(), QStringLiteral("q\nfile"));
    for (int hidden : {1115, 1118, 1120, 1122, 1124, 1126, 1153, 1154, 1158, 1157}) QVERIFY(panel.Button(hidden)->isHidden());
    for (int shown : {1171, 1172, 1173, 1174, 1175}) QVERIFY(!panel.Button(shown)->isHidden());
    // Next keeps the labels; a soft key reads the names again.
    const int reads = log.keyListReads;
    script.keyNames[28] = QStringLiteral("Next");
    panel.Button(1174)->click();
    QCOMPARE(log.keyListReads, reads);
    panel.Button(1107)->click();
    QCOMPARE(log.keyListReads, reads + 1);
  }

  void fullCaptureAfterOpeningSyncAndACutStream() {
    settings::Store store;
    store.Write(panel::kDisplayChanges, 1);
    FakeAnalyzerLink link(script, log);
    CVirtualRtaDlg panel(link);
    panel.findChild<CPanelButton*>(QStringLiteral("updateButton"))->click();
    panel.findChild<CPanelButton*>(QStringLiteral("syncButton"))->click();
    panel.findChild<CPanelButton*>(QStringLiteral("updateButton"))->click();
    // A capture cut short is not shown and makes the next one full.
    script.captureComplete = false;
    script.screenFill = 0xFF;
    panel.findChild<CPanelButton*>(QStringLiteral("updateButton"))->click();
    QCOMPARE(panel.Picture().pixelIndex(0, 0), 1);
    script.captureComplete = true;
    panel.findChild<CPanelButton*>(QStringLiteral("updateButton"))->click();
    QCOMPARE(log.captureKinds, (QList<int>{1, 2, 1, 2, 2, 1}));
  }

  // Lit pixels are black; before the first whole capture the file is as white as the screen on show.
  void savedBitmapShowsTheScreen_data() {
    QTest::addColumn<bool>("complete");
    QTest::addColumn<char>("pixelByte");
    QTest::newRow("all lit") << true << '\0';
    QTest::newRow("no whole capture yet") << false << '\xFF';
  }
  void savedBitmapShowsTheScreen() {
    QFETCH(bool, complete);
    QFETCH(char, pixelByte);
    script.screenFill = 0xFF;
    script.captureComplete = complete;
    settings::Store store;
    store.Write(panel::kCaptureMode, panel::kCaptureToBitmapFile);
    QTemporaryDir folder;
    prompts::QueueFileName(folder.filePath(QStringLiteral("screen")));
    FakeAnalyzerLink link(script, log);
    CVirtualRtaDlg panel(link);
    panel.findChild<CPanelButton*>(QStringLiteral("captureButton"))->click();
    QFile file(folder.filePath(QStringLiteral("screen.bmp")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.size(), static_cast<qsizetype>(talvinet::kScreenBitmapFileSize));
    QCOMPARE(bytes.mid(62), QByteArray(7680, pixelByte));
  }

  void timerOffForNoPeriod() {
    settings::Store store;
    store.Write(panel::kTimedUpdate, 1);
    store.Write(panel::kUpdateTime, 0);
    FakeAnalyzerLink link(script, log);
    CVirtualRtaDlg panel(link);
    QVERIFY(!panel.UpdateTimer().isActive());
  }

  void printSizeTenFillsThePage() {
    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(QStringLiteral("screen.pdf")));
    QImage picture(480, 128, QImage::Format_Mono);
    picture.fill(0);
    QVERIFY(panel::PrintScreenPicture(printer, picture, 10));
    QVERIFY(QFile(printer.outputFileName()).size() > 0);
    const QRect page(QPoint(), printer.pageLayout().paintRectPixels(printer.resolution()).size());
    QCOMPARE(panel::PrintedRect(page, picture.size(), 10).width(), page.width());
    // A page wider than the picture's proportions is limited by its height.
    QCOMPARE(panel::PrintedRect(QRect(0, 0, 4000, 500), picture.size(), 10), QRect(0, 0, 1875, 500));
    QCOMPARE(panel::PrintedRect(QRect(0, 0, 4800, 5000), picture.size(), 5), QRect(0, 0, 2400, 640));
  }
};

QTEST_MAIN(CVirtualRtaDlgTest)
#include "CVirtualRtaDlgTest.moc"

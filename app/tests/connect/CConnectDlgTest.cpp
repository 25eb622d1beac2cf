#include <fcntl.h>
#include <unistd.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>
#include <cstdlib>

#include "connect/CConnectDlg.h"
#include "talvinet/ByteChannel.h"
#include "tests/support/AppTestEnvironment.h"

namespace {
QComboBox* List(CConnectDlg& dialog, const char* name) { return dialog.findChild<QComboBox*>(QLatin1String(name)); }
}  // namespace

class CConnectDlgTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { ResetAppTestEnvironment(); }

  void firstStartShowsTheDefaults() {
    settings::Store store;
    CConnectDlg dialog(store);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Connect"));
    QCOMPARE(List(dialog, "Instrument")->currentText(), QStringLiteral("Birch Serial"));
    QCOMPARE(List(dialog, "ComPort")->currentText(), QStringLiteral("Com1"));
    QCOMPARE(List(dialog, "BaudRate")->currentText(), QStringLiteral("19200"));
    QCOMPARE(List(dialog, "ParallelPortAddress")->currentText(), QStringLiteral("0x378"));
    QVERIFY(List(dialog, "ComPort")->isEnabled());
    QVERIFY(List(dialog, "BaudRate")->isEnabled());
    QVERIFY(!List(dialog, "ParallelPortAddress")->isEnabled());
    QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("ComDevice"))->text(), QStringLiteral("/dev/ttyS0"));
  }

  void listsHoldTheirEntriesInOrder() {
    settings::Store store;
    CConnectDlg dialog(store);
    QStringList models;
    for (int i = 0; i < List(dialog, "Instrument")->count(); ++i) models << List(dialog, "Instrument")->itemText(i);
    QCOMPARE(models, (QStringList{"Alder", "Birch Serial", "Birch Parallel", "Cedar+ Serial", "Cedar+ Parallel",
                                  "Deodar Opt. 113", "Deodar Opt. 112"}));
    QCOMPARE(List(dialog, "Instrument")->itemData(2).toInt(), 7);
    QCOMPARE(List(dialog, "ComPort")->count(), 8);
    QCOMPARE(List(dialog, "ParallelPortAddress")->itemText(2), QStringLiteral("0x3bc"));
    QCOMPARE(List(dialog, "ParallelPortAddress")->itemData(2).toInt(), 956);
  }

  void modelChoosesWhichListsAreEnabled_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("parallel");
    QTest::newRow("Alder") << "Alder" << false;
    QTest::newRow("Birch Parallel") << "Birch Parallel" << true;
    QTest::newRow("Cedar+ Serial") << "Cedar+ Serial" << false;
    QTest::newRow("Cedar+ Parallel") << "Cedar+ Parallel" << true;
    QTest::newRow("Deodar Opt. 112") << "Deodar Opt. 112" << false;
  }

  void modelChoosesWhichListsAreEnabled() {
    QFETCH(QString, model);
    QFETCH(bool, parallel);
    settings::Store store;
    CConnectDlg dialog(store);
    List(dialog, "Instrument")->setCurrentText(model);
    QCOMPARE(List(dialog, "ParallelPortAddress")->isEnabled(), parallel);
    QCOMPARE(List(dialog, "ComPort")->isEnabled(), !parallel);
    QCOMPARE(List(dialog, "BaudRate")->isEnabled(), !parallel);
  }

  void storedValuesAreSelected() {
    settings::Store store;
    store.Write(settings::kInstrument, 6);
    store.Write(settings::kComPort, 3);
    store.Write(settings::kBaudRate, 9600);
    store.Write(settings::kParallelPortAddress, 956);
    store.WriteText("Connection", QStringLiteral("Com3Device"), QStringLiteral("/dev/ttyUSB0"));
    CConnectDlg dialog(store);
    const ConnectionChoice choice = dialog.Choice();
    QCOMPARE(choice.instrument, 6);
    QCOMPARE(choice.comPort, 3);
    QCOMPARE(choice.baudRate, 9600);
    QCOMPARE(choice.parallelPortAddress, 956);
    QCOMPARE(choice.comDevice, QStringLiteral("/dev/ttyUSB0"));
  }

  void valuesOutsideTheListsShowTheFirstEntry() {
    settings::Store store;
    store.Write(settings::kInstrument, 99);
    store.Write(settings::kComPort, -2);
    store.Write(settings::kBaudRate, 4800);
    store.Write(settings::kParallelPortAddress, 1);
    CConnectDlg dialog(store);
    QCOMPARE(List(dialog, "Instrument")->currentText(), QStringLiteral("Alder"));
    const ConnectionChoice choice = dialog.Choice();
    QCOMPARE(choice.instrument, 1);
    QCOMPARE(choice.comPort, 1);
    QCOMPARE(choice.baudRate, 9600);
    QCOMPARE(choice.parallelPortAddress, 632);
  }

  void deviceFileFollowsThePortAndKeepsEdits() {
    settings::Store store;
    CConnectDlg dialog(store);
    auto* device = dialog.findChild<QLineEdit*>(QStringLiteral("ComDevice"));
    List(dialog, "ComPort")->setCurrentIndex(1);
    QCOMPARE(device->text(), QStringLiteral("/dev/ttyS1"));
    device->setText(QStringLiteral("/dev/pts/9"));
    List(dialog, "ComPort")->setCurrentIndex(4);
    QCOMPARE(device->text(), QStringLiteral("/dev/ttyS4"));
    List(dialog, "ComPort")->setCurrentIndex(1);
    QCOMPARE(device->text(), QStringLiteral("/dev/pts/9"));
    QCOMPARE(dialog.Choice().comDevice, QStringLiteral("/dev/pts/9"));
  }

  void portListShowsEachPortAndFillsTheDeviceField() {
    settings::Store store;
    CConnectDlg dialog(store, nullptr, {{"/dev/ttyS0", "", ""}, {"/dev/ttyUSB0", "FTDI", "FT232R USB UART"}});
    auto* ports = dialog.findChild<QTreeWidget*>(QStringLiteral("SerialPorts"));
    QCOMPARE(ports->topLevelItemCount(), 2);
    QCOMPARE(ports->topLevelItem(1)->text(1), QStringLiteral("FTDI FT232R USB UART"));
    const QRect row = ports->visualItemRect(ports->topLevelItem(1));
    QTest::mouseClick(ports->viewport(), Qt::LeftButton, {}, row.center());
    QCOMPARE(dialog.Choice().comDevice, QStringLiteral("/dev/ttyUSB0"));
    List(dialog, "Instrument")->setCurrentText(QStringLiteral("Birch Parallel"));
    QVERIFY(!ports->isEnabled());
  }

  // A pseudo-terminal stands in for the serial port that another program holds.
  void portListMarksAPortAnotherProgramHolds() {
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    QVERIFY(master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0);
    const std::string held = ptsname(master);
    auto claim = talvinet::OpenTermiosChannel(held, talvinet::SteadyClock());
    QVERIFY(claim != nullptr);
    settings::Store store;
    CConnectDlg dialog(store, nullptr, {{held, "", "USB UART"}, {"/dev/null", "", "USB UART"}});
    auto* ports = dialog.findChild<QTreeWidget*>(QStringLiteral("SerialPorts"));
    QCOMPARE(ports->topLevelItem(0)->text(1), QStringLiteral("USB UART (in use by another program)"));
    QCOMPARE(ports->topLevelItem(1)->text(1), QStringLiteral("USB UART"));
    claim.reset();
    close(master);
  }
};

QTEST_MAIN(CConnectDlgTest)
#include "CConnectDlgTest.moc"

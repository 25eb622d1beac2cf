#include <unistd.h>

#include <QComboBox>
#include <QDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryFile>
#include <QTest>

#include "browser/CFileTree.h"
#include "commands/CommandIds.h"
#include "common/StringTable.h"
#include "common/UserPrompts.h"
#include "connect/CConnectDlg.h"
#include "connect/FirmwareVersion.h"
#include "shell/CMainFrame.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/RunningApp.h"

namespace {

// Confirms the Connect dialog with `model` chosen, then closes the Instrument
// Manager when it opens. With `failure` the dialog is to stay open: what it
// says goes there, and it is cancelled.
void ConfirmConnect(const QString& model, int comPortIndex = 0, QString* failure = nullptr) {
  OnNextModal([=](QDialog* dialog) {
    dialog->findChild<QComboBox*>(QStringLiteral("Instrument"))->setCurrentText(model);
    dialog->findChild<QComboBox*>(QStringLiteral("ComPort"))->setCurrentIndex(comPortIndex);
    if (!failure) OnNextModal([](QDialog* manager) { manager->accept(); });
    dialog->findChild<QPushButton*>(QStringLiteral("connectButton"))->click();
    if (!failure) return;
    *failure = dialog->isVisible() ? static_cast<CConnectDlg*>(dialog)->FailureText() : QStringLiteral("closed");
    dialog->reject();
  });
}

}  // namespace

class ConnectSequenceTest : public QObject, private RunningApp {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(Start()); }
  void cleanup() { QVERIFY(Stop()); }

  void serialModelsOpenWithTheirStopBits_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("stopBits");
    QTest::newRow("Alder") << "Alder" << 1;
    QTest::newRow("Birch Serial") << "Birch Serial" << 1;
    QTest::newRow("Deodar Opt. 113") << "Deodar Opt. 113" << 1;
    QTest::newRow("Deodar Opt. 112") << "Deodar Opt. 112" << 2;
  }

  void serialModelsOpenWithTheirStopBits() {
    QFETCH(QString, model);
    QFETCH(int, stopBits);
    ConfirmConnect(model, 2);
    Frame().OnCommand(cmd::kConnect);
    QCOMPARE(log.opened.size(), size_t(1));
    const SerialLinkRequest& opened = log.opened.front();
    QCOMPARE(opened.port, 3);
    QCOMPARE(opened.baudRate, 19200);
    QCOMPARE(opened.dataBits, 8);
    QCOMPARE(opened.stopBits, stopBits);
    QCOMPARE(opened.parity, 'N');
    QCOMPARE(opened.deviceFile, QStringLiteral("/dev/ttyS2"));
    QCOMPARE(app->m_connected, 1);
    QVERIFY(Frame().FileTree()->AnalyzerRoot() != nullptr);
    QCOMPARE(Frame().FileTree()->topLevelItem(0)->text(0), QStringLiteral("Analyzer Files"));
    QVERIFY(prompts::ShownTexts().isEmpty());
    settings::Store store;
    QCOMPARE(store.Read(settings::kComPort), 3);
  }

  void parallelModelNeedsNoOpening() {
    ConfirmConnect(QStringLiteral("Cedar+ Parallel"));
    Frame().OnCommand(cmd::kConnect);
    QVERIFY(log.opened.empty());
    QCOMPARE(log.parallelInits.size(), size_t(1));
    QCOMPARE(log.parallelInits.front().first, 888);
    QCOMPARE(app->m_connected, 1);
  }

  void linkThatWillNotOpenReportsAndStaysDisconnected() {
    script.openSucceeds = false;
    QString failure;
    ConfirmConnect(QStringLiteral("Alder"), 5, &failure);
    Frame().OnCommand(cmd::kConnect);
    QCOMPARE(failure, QStringLiteral("An error occured while connecting to the analyzer."));
    QCOMPARE(prompts::ShownTexts(), QStringList{failure});
    QCOMPARE(app->m_connected, 0);
    QVERIFY(Frame().FileTree()->AnalyzerRoot() == nullptr);
    settings::Store store;
    QCOMPARE(store.Read(settings::kComPort), 6);
  }

  void linkThatWillNotOpenSaysWhy() {
    script.openSucceeds = false;
    script.openFailure = QStringLiteral("device busy; another program is using it");
    QString failure;
    ConfirmConnect(QStringLiteral("Alder"), 0, &failure);
    Frame().OnCommand(cmd::kConnect);
    QCOMPARE(failure, QStringLiteral("An error occured while connecting to the analyzer.\n"
                                     "/dev/ttyS0: device busy; another program is using it"));
  }

  void failedConnectKeepsTheDialogForAnotherTry() {
    script.openSucceeds = false;
    QString failure;
    OnNextModal([&](QDialog* dialog) {
      auto* connectButton = dialog->findChild<QPushButton*>(QStringLiteral("connectButton"));
      connectButton->click();
      failure = static_cast<CConnectDlg*>(dialog)->FailureText();
      // The user corrects the port and tries again.
      script.openSucceeds = true;
      dialog->findChild<QComboBox*>(QStringLiteral("ComPort"))->setCurrentIndex(1);
      OnNextModal([](QDialog* manager) { manager->accept(); });
      connectButton->click();
    });
    Frame().OnCommand(cmd::kConnect);
    QCOMPARE(failure, QStringLiteral("An error occured while connecting to the analyzer."));
    QCOMPARE(log.opened.size(), size_t(2));
    QCOMPARE(log.opened.back().port, 2);
    QCOMPARE(app->m_connected, 1);
    QVERIFY(!ModalDriverTimedOut());
  }

  void anotherModelThanChosenIsSaid_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("attached");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("Birch chosen, Deodar attached")
        << "Birch Serial" << "Deodar"
        << QStringList{"The analyzer says it is a Deodar, but \"Birch Serial\" was chosen in Connect.\nThe program "
                       "goes on with the Deodar; to change the choice, Disconnect and Connect again."};
    QTest::newRow("Cedar+ is a Cedar") << "Cedar+ Parallel" << "Cedar" << QStringList{};
    QTest::newRow("either Deodar option") << "Deodar Opt. 112" << "Deodar" << QStringList{};
  }
  void anotherModelThanChosenIsSaid() {
    QFETCH(QString, chosen);
    QFETCH(QString, attached);
    QFETCH(QStringList, shown);
    script.attachedModel = attached;
    ConfirmConnect(chosen);
    Frame().OnCommand(cmd::kConnect);
    QCOMPARE(prompts::ShownTexts(), shown);
    QCOMPARE(app->m_connected, 1);
  }

  void deviceTheUserMayNotOpenNamesTheGroup() {
    if (geteuid() == 0) QSKIP("root may open any device file, so no permission is refused");
    QTemporaryFile device;
    QVERIFY(device.open());
    // Only the group may use it; its owner, the test user, may not.
    QVERIFY(device.setPermissions(QFileDevice::ReadGroup | QFileDevice::WriteGroup));
    const QString group = QFileInfo(device.fileName()).group();
    app.reset();
    app = std::make_unique<CVerdalonApp>(MakeAnalyzerLink());
    QVERIFY(app->InitInstance(false));
    QString failure;
    OnNextModal([&](QDialog* dialog) {
      dialog->findChild<QLineEdit*>(QStringLiteral("ComDevice"))->setText(device.fileName());
      dialog->findChild<QPushButton*>(QStringLiteral("connectButton"))->click();
      failure = static_cast<CConnectDlg*>(dialog)->FailureText();
      dialog->reject();
    });
    Frame().OnCommand(cmd::kConnect);
    QCOMPARE(failure, QStringLiteral("An error occured while connecting to the analyzer.\n%1: permission denied; add "
                                     "yourself to the group %2 (sudo usermod -aG %2 $USER) and log in again")
                          .arg(device.fileName(), group));
  }

  void failedIdentityClosesTheLink() {
    script.identitySucceeds = false;
    QString failure;
    ConfirmConnect(QStringLiteral("Birch Serial"), 0, &failure);
    Frame().OnCommand(cmd::kConnect);
    QCOMPARE(failure, QStringLiteral("An error occured while determining what type of analyzer is connected to the "
                                     "system.\nThe connection will be closed."));
    QCOMPARE(log.closeCalls, 1);
    QCOMPARE(app->m_connected, 0);
    QVERIFY(Frame().FileTree()->AnalyzerRoot() == nullptr);
    QVERIFY(Frame().Action(cmd::kConnect)->isEnabled());
  }

  void oldFirmwareWarnsButStaysConnected() {
    script.firmwareVersion = QStringLiteral("V5.10");
    ConfirmConnect(QStringLiteral("Birch Serial"));
    Frame().OnCommand(cmd::kConnect);
    QCOMPARE(prompts::ShownTexts(),
             QStringList{QStringLiteral("Incompatible Code Version: V5.10 -- Code 5.11 or higher is Required.\nVerdal "
                                        "will still work, but the results may not be accurate.")});
    QCOMPARE(app->m_connected, 1);
  }

  void cancelWritesNothing() {
    OnNextModal([](QDialog* dialog) {
      dialog->findChild<QComboBox*>(QStringLiteral("Instrument"))->setCurrentIndex(4);
      dialog->reject();
    });
    Frame().OnCommand(cmd::kConnect);
    QVERIFY(log.opened.empty() && log.parallelInits.empty());
    settings::Store store;
    QCOMPARE(store.Read(settings::kInstrument), 2);
    QCOMPARE(store.ReadText("Connection", QStringLiteral("Instrument"), QStringLiteral("absent")), QStringLiteral("absent"));
  }

  void disconnectRemovesTheAnalyzerRoot() {
    ConfirmConnect(QStringLiteral("Birch Serial"));
    Frame().OnCommand(cmd::kConnect);
    QVERIFY(!Frame().Action(cmd::kConnect)->isEnabled());
    QVERIFY(Frame().Action(cmd::kDisconnect)->isEnabled());
    Frame().OnCommand(cmd::kDisconnect);
    QCOMPARE(app->m_connected, 0);
    QVERIFY(Frame().FileTree()->AnalyzerRoot() == nullptr);
    QVERIFY(Frame().Action(cmd::kConnect)->isEnabled());
  }

  void failedCloseKeepsTheConnection() {
    ConfirmConnect(QStringLiteral("Birch Serial"));
    Frame().OnCommand(cmd::kConnect);
    script.closeSucceeds = false;
    Frame().OnCommand(cmd::kDisconnect);
    QCOMPARE(prompts::ShownTexts(), QStringList{QStringLiteral("An error occured while closing the connection.")});
    QCOMPARE(app->m_connected, 1);
    QVERIFY(Frame().FileTree()->AnalyzerRoot() != nullptr);
  }

  void exitClosesTheLinkEvenWhenDisconnected() {
    app->ExitInstance();
    QCOMPARE(log.closeCalls, 1);
    QVERIFY(app->InitInstance(false));
  }

  void firmwareNumbers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("number");
    QTest::addColumn<bool>("tooOld");
    QTest::newRow("5.10") << "V5.10" << 5.10 << true;
    QTest::newRow("5.11") << "V5.11" << 5.11 << false;
    QTest::newRow("6.0") << "V6.00" << 6.0 << false;
    QTest::newRow("no number") << "Vabc" << 0.0 << true;
    QTest::newRow("empty") << "" << 0.0 << true;
    QTest::newRow("second point ends") << "V5.1.9" << 5.1 << true;
    QTest::newRow("digits stop at a letter") << "X12a" << 12.0 << false;
  }

  void firmwareNumbers() {
    QFETCH(QString, text);
    QFETCH(double, number);
    QFETCH(bool, tooOld);
    QCOMPARE(FirmwareNumber(text), number);
    QCOMPARE(IsFirmwareTooOld(text), tooOld);
  }
};

QTEST_MAIN(ConnectSequenceTest)
#include "ConnectSequenceTest.moc"

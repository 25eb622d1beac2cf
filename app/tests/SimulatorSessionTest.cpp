// A whole session against the virtual analyzer over a pseudo-terminal, with
// the real protocol library and the real clock.
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "AppTestEnvironment.h"
#include "CFileTree.h"
#include "CMainFrame.h"
#include "CVerdalonApp.h"
#include "CommandIds.h"
#include "ModalDriver.h"
#include "TalvinetLink.h"
#include "UserPrompts.h"
#include "simanalyzer/PtyAnalyzer.h"

class SimulatorSessionTest : public QObject {
  Q_OBJECT

 private slots:
  void connectQueryAndDisconnect() {
    ResetAppTestEnvironment();
    simanalyzer::PtyAnalyzer analyzer{simanalyzer::VirtualAnalyzer()};
    std::string problem;
    if (!analyzer.Start(problem)) QSKIP(problem.c_str());
    const QString device = QString::fromStdString(analyzer.DevicePath());

    CVerdalonApp app(std::make_unique<TalvinetLink>());
    QVERIFY(app.InitInstance(false));
    CMainFrame& frame = *app.MainFrame();

    bool managerOpened = false;
    OnNextModal([&](QDialog* connect) {
      connect->findChild<QComboBox*>(QStringLiteral("Instrument"))->setCurrentText(QStringLiteral("Cedar+ Serial"));
      connect->findChild<QComboBox*>(QStringLiteral("ComPort"))->setCurrentIndex(1);
      connect->findChild<QLineEdit*>(QStringLiteral("ComDevice"))->setText(device);
      OnNextModal([&](QDialog* manager) {
        managerOpened = true;
        manager->accept();
      });
      connect->findChild<QPushButton*>(QStringLiteral("connectButton"))->click();
    });
    frame.OnCommand(cmd::kConnect);
    QCOMPARE(prompts::ShownTexts(), QStringList());
    QCOMPARE(app.m_connected, 1);
    QVERIFY(managerOpened);
    QVERIFY(frame.FileTree()->AnalyzerRoot() != nullptr);

    QString commandCell;
    QString resultCell;
    OnNextModal([&](QDialog* send) {
      send->findChild<QLineEdit*>(QStringLiteral("commandText"))->setText(QStringLiteral("qhs"));
      send->findChild<QPushButton*>(QStringLiteral("sendButton"))->click();
      auto* rows = send->findChild<QTreeWidget*>(QStringLiteral("resultList"));
      if (rows->topLevelItemCount() > 0) {
        commandCell = rows->topLevelItem(0)->text(0);
        resultCell = rows->topLevelItem(0)->text(1);
      }
      send->accept();
    });
    frame.OnCommand(cmd::kSendCommand);
    QCOMPARE(commandCell, QStringLiteral("QHS"));
    QVERIFY(!resultCell.isEmpty());
    QVERIFY(resultCell != QLatin1String("Error"));

    frame.OnCommand(cmd::kDisconnect);
    QCOMPARE(app.m_connected, 0);
    settings::Store store;
    QCOMPARE(store.ReadText("Connection", QStringLiteral("Com2Device"), QString()), device);
    app.ExitInstance();
    analyzer.Stop();
    QVERIFY(!ModalDriverTimedOut());
  }
};

QTEST_MAIN(SimulatorSessionTest)
#include "SimulatorSessionTest.moc"

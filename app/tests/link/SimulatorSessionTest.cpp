// A whole session against the virtual analyzer over a pseudo-terminal, with
// the real protocol library and the real clock.
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "browser/CFileTree.h"
#include "browser/CVQBDataView.h"
#include "commands/CommandIds.h"
#include "common/UserPrompts.h"
#include "connect/CConnectDlg.h"
#include "link/LinkHealth.h"
#include "link/TalvinetLink.h"
#include "morvane/Morvane.h"
#include "shell/CMainFrame.h"
#include "shell/CVerdalonApp.h"
#include "simanalyzer/PtyAnalyzer.h"
#include "talvinet/ByteChannel.h"
#include "tests/support/AppTestEnvironment.h"
#include "tests/support/LineFaults.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/SimulatorConnect.h"
#include "tests/support/TreeTestData.h"
#include "VqbBuilder.h"

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

    const bool managerOpened = ConnectToSimulator(frame, device);
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

  void browseAndPreviewAnalyzerFiles() {
    ResetAppTestEnvironment();
    simanalyzer::PtyAnalyzer analyzer{simanalyzer::VirtualAnalyzer()};
    const QByteArray recordBytes = treetest::SpectrumRecordBytes();
    const vqbtest::Bytes bytes(recordBytes.begin(), recordBytes.end());
    analyzer.WithAnalyzer([&bytes](simanalyzer::VirtualAnalyzer& virtualAnalyzer) {
      simanalyzer::MemoryFile file = simanalyzer::NewFile("TREETEST", 0);
      file.records.push_back({1, bytes});
      virtualAnalyzer.State().store.Memory().Put(file);
    });
    std::string problem;
    if (!analyzer.Start(problem)) QSKIP(problem.c_str());

    CVerdalonApp app(std::make_unique<TalvinetLink>());
    CFileTree* connectedTree = StartConnected(app, analyzer.DevicePath());
    QVERIFY(connectedTree);
    CFileTree& tree = *connectedTree;
    CMainFrame& frame = *app.MainFrame();

    QTreeWidgetItem* file = treetest::Child(tree.AnalyzerRoot(), QStringLiteral("TREETEST"));
    QVERIFY(file);
    treetest::Expand(file);
    // The analyzer's listing pads the type name to its 11 columns.
    QCOMPARE(treetest::ChildTexts(file), QStringList{QStringLiteral("Normal      1")});
    QTreeWidgetItem* record = file->child(0);
    QCOMPARE(CFileTree::DataWord(record), 0x00010115u);
    treetest::Expand(record);
    QCOMPARE(treetest::ChildTexts(record), (QStringList{QStringLiteral("Prefix Block"), QStringLiteral("Main System Variables"),
                                                        QStringLiteral("Spectral Data")}));
    QCOMPARE(tree.currentItem(), record);

    // Expanding selected the record, which previewed its copy.
    QTemporaryDir local;
    const QString path = local.filePath(QStringLiteral("LOCAL.VQB"));
    vqbtest::VqbFileBuilder().Add(1, bytes).WriteTo(QFile::encodeName(path).toStdString());
    QCOMPARE(frame.DataView()->Text(), treetest::ExpectedPreview(path, 1, 1, ALL_PRESENT_BLOCKS));
    QVERIFY(QDir(tree.PreviewFolder()).entryList(QDir::Files).isEmpty());

    frame.OnCommand(cmd::kDisconnect);
    QCOMPARE(tree.AnalyzerRoot(), nullptr);
    app.ExitInstance();
    analyzer.Stop();
    QVERIFY(!ModalDriverTimedOut());
  }

  // Another program holds the port: the Connect dialog says so and stays open.
  void connectToAHeldPortSaysItIsInUse() {
    ResetAppTestEnvironment();
    simanalyzer::PtyAnalyzer analyzer{simanalyzer::VirtualAnalyzer()};
    std::string problem;
    if (!analyzer.Start(problem)) QSKIP(problem.c_str());
    const QString device = QString::fromStdString(analyzer.DevicePath());
    auto otherProgram = talvinet::OpenTermiosChannel(analyzer.DevicePath(), talvinet::SteadyClock());
    QVERIFY(otherProgram != nullptr);

    CVerdalonApp app(std::make_unique<TalvinetLink>());
    QVERIFY(app.InitInstance(false));
    QString failure;
    OnNextModal([&](QDialog* connect) {
      ChooseSimulatorPort(*connect, device);
      connect->findChild<QPushButton*>(QStringLiteral("connectButton"))->click();
      failure = static_cast<CConnectDlg*>(connect)->FailureText();
      connect->reject();
    });
    app.MainFrame()->OnCommand(cmd::kConnect);
    QCOMPARE(failure, QStringLiteral("An error occured while connecting to the analyzer.\nThe serial port ") + device +
                          QStringLiteral(" is in use by another program."));
    QCOMPARE(app.m_connected, 0);
    app.ExitInstance();
    analyzer.Stop();
    QVERIFY(!ModalDriverTimedOut());
  }

  // The status bar's indicator: not answering while the analyzer is silent,
  // connected again by itself once it answers. A device that hangs up or goes
  // away ends the connection without a word to it, said once however many
  // calls meet it. Connect works again after either.
  void indicatorAndLostDevice_data() { AddLineFaultRows(); }
  void indicatorAndLostDevice() {
    QFETCH(LineFault, fault);
    ResetAppTestEnvironment();
    simanalyzer::PtyAnalyzer analyzer{simanalyzer::VirtualAnalyzer()};
    simanalyzer::PtyAnalyzer back{simanalyzer::VirtualAnalyzer()};
    std::string problem;
    if (!analyzer.Start(problem) || !back.Start(problem)) QSKIP(problem.c_str());
    CVerdalonApp app(std::make_unique<TalvinetLink>());
    QVERIFY(StartConnected(app, analyzer.DevicePath()));
    CMainFrame& frame = *app.MainFrame();
    const auto indicator = [&] {
      return frame.findChild<QLabel*>(QStringLiteral("linkIndicator"))->text()
          .replace(QString::fromStdString(analyzer.DevicePath()), QStringLiteral("DEVICE"))
          .replace(QString::fromStdString(back.DevicePath()), QStringLiteral("DEVICE"));
    };
    QStringList seen;
    QByteArray reply;
    Strike(analyzer, fault, "QMF");
    app.m_comm->SendGenericCommand("QMF\r\n", reply);
    seen << indicator();
    if (fault == LineFault::kSilenceThatEnds) EndSilence(analyzer);
    app.m_comm->SendGenericCommand("QMF\r\n", reply);
    seen << indicator();
    if (!LosesTheDevice(fault)) frame.OnCommand(cmd::kDisconnect);
    QTRY_COMPARE(app.m_connected, 0);
    QTest::qWait(200);  // time for a second word about the loss, which must not come
    seen << indicator();
    QVERIFY(ConnectToSimulator(frame, QString::fromStdString(back.DevicePath())));
    seen << indicator();

    const QString connected = QStringLiteral("Connected: Cedar+ on DEVICE");
    const QString first = LosesTheDevice(fault) ? QStringLiteral("Disconnected") : QStringLiteral("Not answering");
    QCOMPARE(seen, (QStringList{first, fault == LineFault::kSilenceThatEnds ? connected : first, "Disconnected", connected}));
    QCOMPARE(prompts::ShownTexts(), LosesTheDevice(fault) ? QStringList{"The connection to the analyzer was lost: its "
                                                                        "device hung up or went away."}
                                                          : QStringList());
    QCOMPARE(frame.FileTree()->AnalyzerRoot() != nullptr, true);
    app.ExitInstance();
    back.Stop();
    analyzer.Stop();
    QVERIFY(!ModalDriverTimedOut());
  }
};

QTEST_MAIN(SimulatorSessionTest)
#include "SimulatorSessionTest.moc"

// The file tree after Create, Delete and Copy to Computer against the virtual
// analyzer: what the command changed shows at once, and the items that still
// exist keep their expansion and the selection.
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "browser/CFileTree.h"
#include "browser/TreeImages.h"
#include "commands/CommandIds.h"
#include "common/UserPrompts.h"
#include "shell/CMainFrame.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/SimulatorConnect.h"
#include "tests/support/TreeTestData.h"
#include "VqbBuilder.h"

using treetest::Child;
using treetest::ChildTexts;

class CFileTreeRefreshTest : public QObject {
  Q_OBJECT

 private slots:
  void treeFollowsTheFileCommands_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("chosen");  // the item the command acts on
    QTest::addColumn<QStringList>("memoryFiles");
    QTest::addColumn<QStringList>("folder");  // sorted
    QTest::addColumn<QString>("selected");
    QTest::newRow("create") << int(cmd::kCreate) << "Analyzer Files" << QStringList{"KEEPFILE", "DOOMEDFL", "NEWFILE1"}
                            << QStringList{"OLD.VQB"} << "Analyzer Files";
    QTest::newRow("delete memory file") << int(cmd::kDelete) << "DOOMEDFL" << QStringList{"KEEPFILE"}
                                        << QStringList{"OLD.VQB"} << "Analyzer Files";
    QTest::newRow("copy") << int(cmd::kCopyToComputer) << "KEEPFILE" << QStringList{"KEEPFILE", "DOOMEDFL"}
                          << QStringList{"COPY.VQB", "OLD.VQB"} << "KEEPFILE";
    QTest::newRow("delete computer file") << int(cmd::kDelete) << "OLD.VQB" << QStringList{"KEEPFILE", "DOOMEDFL"}
                                          << QStringList{} << "drive";
  }
  void treeFollowsTheFileCommands() {
    QFETCH(int, command);
    QFETCH(QString, chosen);
    QFETCH(QStringList, memoryFiles);
    QFETCH(QStringList, folder);
    QFETCH(QString, selected);
    SimulatorSession session({{"KEEPFILE", {{1, vqbtest::SpectrumRecord(1, 400)}}},
                              {"DOOMEDFL", {{1, vqbtest::SpectrumRecord(2, 400)}}}});
    if (!session.problem.empty()) QSKIP(session.problem.c_str());
    CFileTree* tree = session.tree;
    QVERIFY(tree);
    QTemporaryDir computer;
    treetest::WriteTwelveRecordFile(computer.filePath(QStringLiteral("OLD.VQB")));
    const QString path = computer.path();
    tree->SetDriveLister([path] { return std::vector<ComputerDrive>{{path, TreeImage::kFixedDrive}}; });
    treetest::Expand(tree->ComputerRoot());
    QTreeWidgetItem* drive = tree->ComputerRoot()->child(0);
    treetest::Expand(drive);
    QTreeWidgetItem* kept = Child(tree->AnalyzerRoot(), QStringLiteral("KEEPFILE"));
    treetest::Expand(kept);
    QTreeWidgetItem* item = chosen == QLatin1String("Analyzer Files") ? tree->AnalyzerRoot()
                                                                       : Child(tree->AnalyzerRoot(), chosen);
    tree->setCurrentItem(item ? item : Child(drive, chosen));

    if (command == cmd::kCreate) {
      OnNextModal([](QDialog* create) {
        QTest::keyClicks(create->findChild<QLineEdit*>(QStringLiteral("fileName")), QStringLiteral("newfile1"));
        create->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
      });
    }
    if (command == cmd::kDelete) prompts::QueueAnswer(prompts::Answer::Yes);
    prompts::QueueFileName(computer.filePath(QStringLiteral("COPY.VQB")));
    session.app.MainFrame()->OnCommand(command);
    QCOMPARE(ChildTexts(tree->AnalyzerRoot()), memoryFiles);
    // Data files come in the file system's order.
    QStringList listed = ChildTexts(drive);
    listed.sort();
    QCOMPARE(listed, folder);
    QCOMPARE(Child(tree->AnalyzerRoot(), QStringLiteral("KEEPFILE")), kept);
    QVERIFY(kept->isExpanded() && kept->childCount() == 1);
    QCOMPARE(tree->SelectedItem() == drive ? QStringLiteral("drive") : tree->SelectedText(), selected);
    QCOMPARE(tree->currentItem(), tree->SelectedItem());
  }
};

QTEST_MAIN(CFileTreeRefreshTest)
#include "CFileTreeRefreshTest.moc"

// The file tree over a temporary folder of binary data files and over a
// scripted analyzer: listings, data words, paths, previews and the context menu.
#include <QAction>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

#include "browser/CFileTree.h"
#include "browser/CVQBDataView.h"
#include "browser/RecordPreview.h"
#include "browser/TreeImages.h"
#include "commands/CommandIds.h"
#include "morvane/Morvane.h"
#include "morvane/Names.h"
#include "shell/CMainFrame.h"
#include "shell/CVerdalonApp.h"
#include "tests/support/AppTestEnvironment.h"
#include "tests/support/FakeAnalyzerLink.h"
#include "tests/support/TreeTestData.h"

using namespace treetest;

class CFileTreeTest : public QObject {
  Q_OBJECT

 private:
  FakeAnalyzerScript script;
  FakeAnalyzerLog log;
  std::unique_ptr<CVerdalonApp> app;
  QTemporaryDir folder;
  CFileTree* tree = nullptr;

  CVQBDataView* View() const { return app->MainFrame()->DataView(); }

  // Folders b and A, files X.VQB, y.vqb and z.txt, and an empty data file inside A.
  void MakeFolder() {
    QDir root(folder.path());
    QVERIFY(root.mkdir(QStringLiteral("b")));
    QVERIFY(root.mkdir(QStringLiteral("A")));
    WriteTwelveRecordFile(root.filePath(QStringLiteral("X.VQB")));
    WriteTwelveRecordFile(root.filePath(QStringLiteral("y.vqb")));
    QFile text(root.filePath(QStringLiteral("z.txt")));
    QVERIFY(text.open(QIODevice::WriteOnly));
    QFile empty(root.filePath(QStringLiteral("A/EMPTY.VQB")));
    QVERIFY(empty.open(QIODevice::WriteOnly));
  }

  QTreeWidgetItem* ExpandedDrive() {
    Expand(tree->ComputerRoot());
    QTreeWidgetItem* drive = tree->ComputerRoot()->child(0);
    Expand(drive);
    return drive;
  }

  QTreeWidgetItem* ExpandedFile() {
    QTreeWidgetItem* file = Child(ExpandedDrive(), QStringLiteral("X.VQB"));
    Expand(file);
    return file;
  }

  QTreeWidgetItem* ExpandedMemoryFile() {
    tree->ShowAnalyzerRoot();
    Expand(tree->AnalyzerRoot());
    QTreeWidgetItem* file = tree->AnalyzerRoot()->child(0);
    Expand(file);
    return file;
  }

  // Right-clicks `item`, or empty space below every item when null.
  void RightClick(QTreeWidgetItem* item) {
    const QPoint point = item ? tree->visualItemRect(item).center() : QPoint(5, tree->viewport()->height() - 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, point, tree->viewport()->mapToGlobal(point));
    QApplication::sendEvent(tree->viewport(), &event);
  }

  QList<int> EnabledFileCommands() {
    QList<int> enabled;
    for (QAction* action : tree->ContextMenu()->actions()) {
      if (!action->isSeparator() && action->isEnabled()) enabled << action->data().toInt();
    }
    return enabled;
  }

 private slots:
  void init() {
    ResetAppTestEnvironment();
    script = FakeAnalyzerScript{};
    script.memoryFiles = {TwoRecordMemoryFile(), {QStringLiteral("EMPTY   "), {}}};
    log = FakeAnalyzerLog{};
    app = std::make_unique<CVerdalonApp>(std::make_unique<FakeAnalyzerLink>(script, log));
    QVERIFY(app->InitInstance(false));
    app->m_connected = 1;
    tree = app->MainFrame()->FileTree();
    const QString drive = folder.path();
    tree->SetDriveLister([drive] { return std::vector<ComputerDrive>{{drive, TreeImage::kFixedDrive}}; });
  }

  void cleanup() {
    app->ExitInstance();
    app.reset();
  }

  void initTestCase() { MakeFolder(); }

  void startsWithTheComputerRootAndAPlaceholder() {
    QCOMPARE(tree->topLevelItemCount(), 1);
    QTreeWidgetItem* root = tree->ComputerRoot();
    QCOMPARE(root->text(0), QStringLiteral("Computer Files"));
    QCOMPARE(CFileTree::DataWord(root), 3u);
    QCOMPARE(root->data(0, CFileTree::kImageRole).toInt(), TreeImage::kComputer);
    QCOMPARE(root->childCount(), 1);
    QCOMPARE(root->child(0)->text(0), QString());
    QCOMPARE(root->child(0)->data(0, CFileTree::kImageRole).toInt(), TreeImage::kPlaceholder);
    QCOMPARE(tree->GetSelectedKind(), 0);
  }

  void analyzerRootComesFirstAndGoesWithItsChildren() {
    QTreeWidgetItem* file = ExpandedMemoryFile();
    QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("Analyzer Files"));
    QCOMPARE(CFileTree::DataWord(tree->topLevelItem(0)), 1u);
    QCOMPARE(tree->topLevelItem(1), tree->ComputerRoot());
    tree->setCurrentItem(file->child(1));
    tree->HideAnalyzerRoot();
    QCOMPARE(tree->topLevelItemCount(), 1);
    QCOMPARE(tree->AnalyzerRoot(), nullptr);
    QCOMPARE(tree->GetSelectedKind(), 0);
  }

  void drivesAreFoldersWithTheirImage() {
    tree->SetDriveLister([] {
      return std::vector<ComputerDrive>{{QStringLiteral("/"), TreeImage::kFixedDrive},
                                        {QStringLiteral("/media/stick"), TreeImage::kRemovableDrive}};
    });
    Expand(tree->ComputerRoot());
    QCOMPARE(ChildTexts(tree->ComputerRoot()), (QStringList{QStringLiteral("/"), QStringLiteral("/media/stick")}));
    QTreeWidgetItem* stick = tree->ComputerRoot()->child(1);
    QCOMPARE(CFileTree::DataWord(stick), 41u);
    QCOMPARE(stick->data(0, CFileTree::kImageRole).toInt(), TreeImage::kRemovableDrive);
    QCOMPARE(stick->data(0, CFileTree::kSelectedImageRole).toInt(), TreeImage::kRemovableDrive);
    QCOMPARE(stick->childCount(), 1);
    QCOMPARE(tree->GetItemPath(stick), QStringLiteral("/media/stick"));
    // The root's own separator is not doubled.
    Expand(tree->ComputerRoot()->child(0));
    QTreeWidgetItem* tmp = Child(tree->ComputerRoot()->child(0), QStringLiteral("tmp"));
    QVERIFY(tmp);
    QCOMPARE(tree->GetItemPath(tmp), QStringLiteral("/tmp"));
  }

  void mountPointImagesFollowTheStorageKind_data() {
    QTest::addColumn<QString>("mountPoint");
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("image");
    QTest::newRow("root") << "/" << "ext4" << TreeImage::kFixedDrive;
    QTest::newRow("stick") << "/media/user/STICK" << "vfat" << TreeImage::kRemovableDrive;
    QTest::newRow("run media") << "/run/media/user/CARD" << "exfat" << TreeImage::kRemovableDrive;
    QTest::newRow("network") << "/mnt/share" << "cifs" << TreeImage::kNetworkDrive;
    QTest::newRow("nfs") << "/home" << "nfs4" << TreeImage::kNetworkDrive;
    QTest::newRow("disc") << "/media/user/DISC" << "iso9660" << TreeImage::kCdRomDrive;
  }

  void mountPointImagesFollowTheStorageKind() {
    QFETCH(QString, mountPoint);
    QFETCH(QString, type);
    QFETCH(int, image);
    QCOMPARE(DriveImage(mountPoint, type), image);
  }

  void folderListsSortedFoldersThenDataFiles() {
    QTreeWidgetItem* drive = ExpandedDrive();
    const QStringList texts = ChildTexts(drive);
    QCOMPARE(texts.size(), 4);
    QCOMPARE(texts.mid(0, 2), (QStringList{QStringLiteral("A"), QStringLiteral("b")}));
    QVERIFY(texts.contains(QStringLiteral("X.VQB")));
    QVERIFY(texts.contains(QStringLiteral("y.vqb")));
    QTreeWidgetItem* a = drive->child(0);
    QCOMPARE(CFileTree::DataWord(a), 41u);
    QCOMPARE(a->data(0, CFileTree::kImageRole).toInt(), TreeImage::kClosedFolder);
    QCOMPARE(a->data(0, CFileTree::kSelectedImageRole).toInt(), TreeImage::kOpenFolder);
    QTreeWidgetItem* file = Child(drive, QStringLiteral("y.vqb"));
    QCOMPARE(CFileTree::DataWord(file), 13u);
    QCOMPARE(file->data(0, CFileTree::kImageRole).toInt(), TreeImage::kFile);
    QCOMPARE(file->childCount(), 1);
    QCOMPARE(tree->GetItemPath(file), folder.filePath(QStringLiteral("y.vqb")));
    // Expanding selects the item; expanding again lists afresh.
    QCOMPARE(tree->SelectedItem(), drive);
    Expand(drive);
    QCOMPARE(drive->childCount(), 4);
  }

  void specialFilesAreNeitherFoldersNorDataFiles() {
    QTemporaryDir special;
    QDir root(special.path());
    QVERIFY(root.mkdir(QStringLiteral("S")));
    QCOMPARE(mkfifo(QFile::encodeName(root.filePath(QStringLiteral("pipe"))).constData(), 0600), 0);
    QCOMPARE(mkfifo(QFile::encodeName(root.filePath(QStringLiteral("PIPE.VQB"))).constData(), 0600), 0);
    QVERIFY(QFile::link(root.filePath(QStringLiteral("nowhere")), root.filePath(QStringLiteral("dangling"))));
    WriteTwelveRecordFile(root.filePath(QStringLiteral("DATA.VQB")));
    const QString path = special.path();
    tree->SetDriveLister([path] { return std::vector<ComputerDrive>{{path, TreeImage::kFixedDrive}}; });
    QTreeWidgetItem* drive = ExpandedDrive();
    QCOMPARE(ChildTexts(drive), (QStringList{QStringLiteral("S"), QStringLiteral("DATA.VQB")}));
  }

  void drivesAreListedWithoutTheWaitCursor() {
    bool waitCursorShown = true;
    tree->SetDriveLister([&waitCursorShown] {
      waitCursorShown = QApplication::overrideCursor() != nullptr;
      return std::vector<ComputerDrive>{};
    });
    Expand(tree->ComputerRoot());
    QVERIFY(!waitCursorShown);
  }

  void emptyDataFileLosesItsExpandButton() {
    QTreeWidgetItem* a = ExpandedDrive()->child(0);
    Expand(a);
    QTreeWidgetItem* empty = Child(a, QStringLiteral("EMPTY.VQB"));
    QVERIFY(empty);
    Expand(empty);
    QCOMPARE(empty->childCount(), 0);
  }

  void computerFileListsRecordsWithTheirWords() {
    QTreeWidgetItem* file = ExpandedFile();
    QCOMPARE(file->childCount(), 13);
    const QString sel = QString::fromLatin1(morvane::RecordTypeName(5));
    QCOMPARE(file->child(12)->text(0), sel + QStringLiteral(" 12"));
    QCOMPARE(CFileTree::DataWord(file->child(12)), 0x000C0517u);
    QCOMPARE(CFileTree::DataWord(file->child(0)), 0x00010117u);
    QCOMPARE(file->child(12)->data(0, CFileTree::kImageRole).toInt(), TreeImage::kRecord);
    QCOMPARE(tree->GetFilePathOfItem(file->child(12)), folder.filePath(QStringLiteral("X.VQB")));
  }

  void computerRecordListsItsBlocks() {
    QTreeWidgetItem* file = ExpandedFile();
    QTreeWidgetItem* first = file->child(0);
    Expand(first);
    QCOMPARE(ChildTexts(first), (QStringList{QStringLiteral("Prefix Block"), QStringLiteral("Setup vsRPM Trace Variables")}));
    QCOMPARE(CFileTree::DataWord(first->child(0)), 0x00010020u);
    QCOMPARE(CFileTree::DataWord(first->child(1)), 0x00080020u);
    QCOMPARE(first->child(1)->childCount(), 0);
    QCOMPARE(first->child(1)->data(0, CFileTree::kImageRole).toInt(), TreeImage::kBlock);
    QCOMPARE(tree->GetFilePathOfItem(first->child(1)), folder.filePath(QStringLiteral("X.VQB")));
  }

  void selectingAComputerRecordPreviewsAllItsBlocks() {
    QTreeWidgetItem* record = ExpandedFile()->child(12);
    const QString path = folder.filePath(QStringLiteral("X.VQB"));
    tree->setCurrentItem(record);
    QCOMPARE(tree->PreviewPath(), path);
    const QByteArray whole = ExpectedPreview(path, 5, 12, ALL_PRESENT_BLOCKS);
    QVERIFY(!whole.isEmpty());
    QCOMPARE(View()->Text(), whole);
    QCOMPARE(View()->TextLength(), whole.size());
    Expand(record);
    tree->setCurrentItem(Child(record, QStringLiteral("Main System Variables")));
    const QByteArray block = ExpectedPreview(path, 5, 12, 0x0004);
    QCOMPARE(View()->Text(), block);
    QVERIFY(block.size() < whole.size());
  }

  void selectingOtherItemsEmptiesThePane() {
    QTreeWidgetItem* file = ExpandedFile();
    for (QTreeWidgetItem* other : {file, file->parent(), tree->ComputerRoot()}) {
      tree->setCurrentItem(file->child(3));
      QVERIFY(!View()->Text().isEmpty());
      QCOMPARE(View()->Title(), file->child(3)->text(0) + QStringLiteral(" in X.VQB"));
      tree->setCurrentItem(other);
      QVERIFY(View()->Text().isEmpty());
      QCOMPARE(View()->Title(), QStringLiteral("No record or block chosen"));
    }
  }

  void analyzerRootListsMemoryFilesInRemoteMode() {
    tree->ShowAnalyzerRoot();
    QTreeWidgetItem* root = tree->AnalyzerRoot();
    Expand(root);
    QCOMPARE(ChildTexts(root), (QStringList{QStringLiteral("FILE0001"), QStringLiteral("EMPTY   ")}));
    QCOMPARE(CFileTree::DataWord(root->child(0)), 11u);
    QCOMPARE(root->child(0)->data(0, CFileTree::kImageRole).toInt(), TreeImage::kFile);
    QCOMPARE(log.remoteModeCalls, 1);
    QCOMPARE(log.localModeCalls, 1);
    QCOMPARE(tree->GetItemPath(root->child(0)), QStringLiteral("FILE0001"));
  }

  void failedListingsStillReturnToLocalMode_data() {
    QTest::addColumn<QString>("failingStep");
    QTest::addColumn<int>("memoryFiles");
    QTest::addColumn<int>("records");
    QTest::newRow("count") << "GetMemoryFileCount" << 0 << -1;
    QTest::newRow("files") << "GetFiles" << 0 << -1;
    QTest::newRow("select") << "SetCurrentFile" << 2 << 0;
    QTest::newRow("record count") << "GetRecordCount" << 2 << 0;
    QTest::newRow("records") << "GetRecords" << 2 << 0;
    QTest::newRow("none") << "" << 2 << 2;
  }

  void failedListingsStillReturnToLocalMode() {
    QFETCH(QString, failingStep);
    QFETCH(int, memoryFiles);
    QFETCH(int, records);
    script.failingStep = failingStep;
    tree->ShowAnalyzerRoot();
    Expand(tree->AnalyzerRoot());
    QCOMPARE(tree->AnalyzerRoot()->childCount(), memoryFiles);
    if (records >= 0) {
      QTreeWidgetItem* file = tree->AnalyzerRoot()->child(0);
      Expand(file);
      QCOMPARE(file->childCount(), records);
    }
    QCOMPARE(log.localModeCalls, log.remoteModeCalls);
  }

  void memoryFileListsRecordsAndBecomesCurrent() {
    QTreeWidgetItem* file = ExpandedMemoryFile();
    QCOMPARE(log.currentFile, QStringLiteral("FILE0001"));
    QCOMPARE(ChildTexts(file), (QStringList{QStringLiteral("Normal 1"), QStringLiteral("SEL 12")}));
    QCOMPARE(CFileTree::DataWord(file->child(1)), 0x000C0515u);
    QCOMPARE(tree->GetFilePathOfItem(file->child(1)), QStringLiteral("FILE0001"));
  }

  void memoryRecordListsBlocksFromItsBytes() {
    QTreeWidgetItem* record = ExpandedMemoryFile()->child(1);
    Expand(record);
    QCOMPARE(ChildTexts(record), (QStringList{QStringLiteral("Prefix Block"), QStringLiteral("Setup vsRPM Trace Variables")}));
    QCOMPARE(CFileTree::DataWord(record->child(1)), 0x0008001Fu);
    QCOMPARE(tree->GetFilePathOfItem(record->child(1)), QStringLiteral("FILE0001"));
  }

  void memoryRecordWithUnreadableBytesListsNothing() {
    QTreeWidgetItem* record = ExpandedMemoryFile()->child(1);
    script.failingStep = QStringLiteral("GetRecordData");
    Expand(record);
    QCOMPARE(record->childCount(), 0);
  }

  void selectingAMemoryRecordPreviewsItsCopy() {
    QTreeWidgetItem* record = ExpandedMemoryFile()->child(0);
    tree->setCurrentItem(record);
    QCOMPARE(tree->PreviewPath(), QStringLiteral("FILE0001"));
    QVERIFY(log.steps.contains(QStringLiteral("CopyRecordToHardDrive")));
    // The same bytes as a computer file give the same text.
    QTemporaryDir copy;
    const QString path = copy.filePath(QStringLiteral("COPY.VQB"));
    app->m_comm->CopyRecordToHardDrive(QStringLiteral("FILE0001"), path, 1, 1, 1);
    QCOMPARE(View()->Text(), ExpectedPreview(path, 1, 1, ALL_PRESENT_BLOCKS));
    QVERIFY(!View()->Text().isEmpty());
    // Neither temporary file stays behind.
    QVERIFY(!tree->PreviewFolder().isEmpty());
    QVERIFY(QDir(tree->PreviewFolder()).entryList(QDir::Files).isEmpty());
    QVERIFY(!QFile::exists(QStringLiteral("VerdalTempOut.xxx")));
    QVERIFY(!QFile::exists(QStringLiteral("VerdalBlockData.xxx")));
  }

  void analyzerListingsAndPreviewsPassTheirArguments() {
    QTreeWidgetItem* record = ExpandedMemoryFile()->child(1);
    QCOMPARE(log.calls, (QStringList{"GetMemoryFileCount 0", "SetCurrentFile FILE0001 0", "GetRecordCount 0"}));
    log.calls.clear();
    Expand(record);
    QCOMPARE(log.calls, (QStringList{"SetCurrentFile FILE0001 1", "GetRecordSize 5 12 1", "GetRecordData 5 12 1",
                                     "CopyRecordToHardDrive FILE0001 1 5 12", "SetCurrentFile FILE0001 1"}));
  }

  void memoryPreviewTranslatesTheCopyAsTheFirstOfItsType() {
    QTreeWidgetItem* record = ExpandedMemoryFile()->child(1);
    QTemporaryDir copy;
    const QString path = copy.filePath(QStringLiteral("COPY.VQB"));
    QVERIFY(app->m_comm->CopyRecordToHardDrive(QStringLiteral("FILE0001"), path, 1, 5, 12));
    tree->setCurrentItem(record);
    const QByteArray whole = ExpectedPreview(path, 5, 1, ALL_PRESENT_BLOCKS);
    QVERIFY(!whole.isEmpty());
    QCOMPARE(View()->Text(), whole);
    Expand(record);
    tree->setCurrentItem(record->child(1));
    const QByteArray block = ExpectedPreview(path, 5, 1, 0x0008);
    QCOMPARE(View()->Text(), block);
    QCOMPARE(View()->Title(), QStringLiteral("Setup vsRPM Trace Variables of SEL 12 in FILE0001"));
    QVERIFY(block != whole);
  }

  void failedCopyEmptiesThePaneAndSaysWhy() {
    QTreeWidgetItem* file = ExpandedMemoryFile();
    tree->setCurrentItem(file->child(0));
    QVERIFY(!View()->Text().isEmpty());
    script.failingStep = QStringLiteral("CopyRecordToHardDrive");
    tree->setCurrentItem(file->child(1));
    QVERIFY(View()->Text().isEmpty());
    QCOMPARE(View()->Title(), QStringLiteral("SEL 12 in FILE0001"));
    QCOMPARE(View()->Reason(), QStringLiteral("The record could not be read from the analyzer."));
  }

  void collapsingReselectsWithoutListing() {
    QTreeWidgetItem* file = ExpandedMemoryFile();
    const int steps = static_cast<int>(log.steps.size());
    file->setExpanded(false);
    QCOMPARE(tree->SelectedItem(), file);
    QCOMPARE(tree->currentItem(), file);
    QCOMPARE(static_cast<int>(log.steps.size()), steps);
  }

  void contextMenuFollowsTheFrameRules_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<QList<int>>("enabled");
    QTest::newRow("analyzer root") << 0 << QList<int>{cmd::kCreate, cmd::kDataProfiles};
    QTest::newRow("memory file") << 1
                                 << QList<int>{cmd::kTranslate, cmd::kDelete, cmd::kCopyToComputer, cmd::kCopyToDiskette,
                                               cmd::kDataProfiles};
    QTest::newRow("computer file") << 2 << QList<int>{cmd::kTranslate, cmd::kDelete, cmd::kDataProfiles};
    QTest::newRow("record") << 3 << QList<int>{cmd::kDataProfiles};
    QTest::newRow("computer root") << 4 << QList<int>{cmd::kDataProfiles};
  }

  void contextMenuFollowsTheFrameRules() {
    QFETCH(int, which);
    QFETCH(QList<int>, enabled);
    QTreeWidgetItem* memoryFile = ExpandedMemoryFile();
    QTreeWidgetItem* computerFile = ExpandedFile();
    QTreeWidgetItem* items[] = {tree->AnalyzerRoot(), memoryFile, computerFile, computerFile->child(0),
                                tree->ComputerRoot()};
    tree->scrollToItem(items[which]);
    RightClick(items[which]);
    QCOMPARE(tree->SelectedItem(), items[which]);
    QVERIFY(tree->ContextMenu()->isVisible());
    QCOMPARE(EnabledFileCommands(), enabled);
    tree->ContextMenu()->hide();
  }

  void contextMenuHoldsTheFileCommandsInOrder() {
    QStringList texts;
    for (QAction* action : tree->ContextMenu()->actions()) texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    QCOMPARE(texts, (QStringList{"&Translate...", "-", "&Create...", "&Delete", "-", "C&opy to Computer...",
                                 "Copy to Dis&kette", "-", "Data &Profiles..."}));
  }

  void rightClickOnEmptySpaceSelectsNothing() {
    tree->setCurrentItem(tree->ComputerRoot());
    RightClick(nullptr);
    QCOMPARE(tree->GetSelectedKind(), 0);
    QVERIFY(!tree->ContextMenu()->isVisible());
    QVERIFY(!app->MainFrame()->Action(cmd::kTranslate)->isEnabled());
    QVERIFY(app->MainFrame()->Action(cmd::kDataProfiles)->isEnabled());
  }

};

QTEST_MAIN(CFileTreeTest)
#include "CFileTreeTest.moc"

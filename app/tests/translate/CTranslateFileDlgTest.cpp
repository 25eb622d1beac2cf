// The Translate File dialog over real binary data files and a scripted analyzer.
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "common/LastFolders.h"
#include "common/SettingsKeys.h"
#include "common/UserPrompts.h"
#include "profiles/DataProfileList.h"
#include "tests/support/AppTestEnvironment.h"
#include "tests/support/FakeAnalyzerLink.h"
#include "translate/CTranslateFileDlg.h"
#include "translate/TranslationPaths.h"
#include "translate/ViewerLaunch.h"
#include "VqbBuilder.h"

namespace {

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}


}  // namespace

class CTranslateFileDlgTest : public QObject {
  Q_OBJECT

  FakeAnalyzerScript script;
  FakeAnalyzerLog log;
  DataProfileList profiles;
  QTemporaryDir folder;

 private slots:
  void init() { ResetAppTestEnvironment(); }

  void defaultOutputPathKeepsThePath_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
    QTest::newRow("upper") << "/data/RUN1.VQB" << "/data/RUN1.CSV";
    QTest::newRow("lower, trailing blanks") << "/Data/run1.vqb  " << "/Data/run1.csv";
    QTest::newRow("no extension") << "/data/run1" << "/data/run1.csv";
    QTest::newRow("mixed name") << "/data/Run1" << "/data/Run1.CSV";
    QTest::newRow(".vqb inside") << "/x.vqb/run" << "/x.vqb/run.csv";
  }
  void defaultOutputPathKeepsThePath() {
    QFETCH(QString, input);
    QFETCH(QString, output);
    QCOMPARE(DefaultOutputPath(input), output);
  }

  // The note leads the output with CR LF; word 3 of the A block turns the table, word 1 does not.
  void translatesWithNoteAndRearrangesOnlyWhenAsked_data() {
    QTest::addColumn<QString>("aWord");
    QTest::newRow("A word 1") << "1";
    QTest::newRow("A word 3") << "3";
  }
  void translatesWithNoteAndRearrangesOnlyWhenAsked() {
    QFETCH(QString, aWord);
    const QString input = folder.filePath(QStringLiteral("AUTO.VQB"));
    vqbtest::VqbFileBuilder().Add(1, vqbtest::AutostoreRecord(1, 3, 0, 2)).WriteTo(QFile::encodeName(input).toStdString());
    profiles.Append(2, "Mine,3,1,1,1,1,1,1,1,1," + aWord + ",1,1");
    profiles.SetCurrentId(2);
    FakeAnalyzerLink link(script, log);
    CTranslateFileDlg dialog(profiles, link);
    dialog.SetInput(13, input);
    QCOMPARE(dialog.findChild<QLineEdit*>("outputPath")->text(), folder.filePath("AUTO.CSV"));
    auto* translate = dialog.findChild<QPushButton*>("translateButton");
    QVERIFY(!translate->isEnabled());
    dialog.findChild<QPushButton*>("selectAllButton")->click();
    dialog.findChild<QLineEdit*>("fileNote")->setText(QStringLiteral("abc"));
    translate->click();
    const QStringList shown = prompts::ShownTexts();
    QCOMPARE(shown.last(), QStringLiteral("Finished translating."));
    QCOMPARE(shown.size(), aWord == "3" ? 2 : 1);
    const QByteArray text = Contents(folder.filePath("AUTO.CSV"));
    QVERIFY(text.startsWith("abc\r\n"));
    const QByteArray table = text.mid(text.indexOf("Data Follows\r\n") + 14);
    // Three bands and two frames: turned, a row per column; as written, a row per frame.
    QCOMPARE(table.count("\r\n") < 5, aWord == "1");
  }

  // A memory file's name has no folder: the proposal lies in the last output folder, else documents or home.
  void memoryFileOutputIsAbsolute() {
    FakeAnalyzerLink link(script, log);
    CTranslateFileDlg dialog(profiles, link);
    dialog.SetInput(11, QStringLiteral("SURVEY  "));
    const QString proposed = dialog.findChild<QLineEdit*>("outputPath")->text();
    QVERIFY(QDir::isAbsolutePath(proposed));
    QCOMPARE(QFileInfo(proposed).fileName(), QStringLiteral("SURVEY.CSV"));
    settings::Store().WriteText(settings::kFoldersSection, settings::kLastOutputKey, folder.path());
    dialog.SetInput(11, QStringLiteral("run1"));
    QCOMPARE(dialog.findChild<QLineEdit*>("outputPath")->text(), folder.filePath(QStringLiteral("run1.csv")));
  }

  // The measurement file is never replaced by its own translation, not even through a link.
  void outputThatIsTheInputIsRefused() {
    const QString input = folder.filePath(QStringLiteral("SELF.VQB"));
    vqbtest::VqbFileBuilder().Add(1, vqbtest::AutostoreRecord(1, 3, 0, 2)).WriteTo(QFile::encodeName(input).toStdString());
    const QByteArray before = Contents(input);
    QVERIFY(QFile::link(input, folder.filePath(QStringLiteral("link.vqb"))));
    FakeAnalyzerLink link(script, log);
    CTranslateFileDlg dialog(profiles, link);
    dialog.SetInput(13, input);
    dialog.findChild<QPushButton*>("selectAllButton")->click();
    for (const QString& output : {input, folder.filePath(QStringLiteral("link.vqb"))}) {
      dialog.findChild<QLineEdit*>("outputPath")->setText(output);
      dialog.findChild<QPushButton*>("translateButton")->click();
      QCOMPARE(prompts::ShownTexts().last(), QString::fromLatin1(kOutputIsInput));
    }
    QCOMPARE(Contents(input), before);
  }

  // A name with room for the translation's temporary file but not for the
  // rearrangement's longer one: the rearrangement fails, the output stays.
  void aFailedRearrangementWarns() {
    const QString input = folder.filePath(QStringLiteral("AUTO.VQB"));
    vqbtest::VqbFileBuilder().Add(1, vqbtest::AutostoreRecord(1, 3, 0, 2)).WriteTo(QFile::encodeName(input).toStdString());
    profiles.Append(2, "Turn,3,1,1,1,1,1,1,1,1,3,1,1");
    profiles.SetCurrentId(2);
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder.path()));
    const QString output = QString(240, QLatin1Char('a')) + QStringLiteral(".csv");
    FakeAnalyzerLink link(script, log);
    CTranslateFileDlg dialog(profiles, link);
    dialog.SetInput(13, input);
    dialog.findChild<QLineEdit*>("outputPath")->setText(output);
    dialog.findChild<QPushButton*>("selectAllButton")->click();
    dialog.findChild<QPushButton*>("translateButton")->click();
    QDir::setCurrent(previous);
    QCOMPARE(prompts::ShownTexts().last(), RearrangementFailure(output));
    QVERIFY(Contents(folder.filePath(output)).contains("Data Follows"));
  }

  void noProfileMatchesUntilOneIsPicked() {
    profiles.SetCurrentId(99);
    FakeAnalyzerLink link(script, log);
    CTranslateFileDlg dialog(profiles, link);
    auto* combo = dialog.findChild<QComboBox*>("profileCombo");
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(dialog.Profile(), nullptr);
    emit combo->activated(0);
    QCOMPARE(dialog.Profile(), &profiles.Find(kDefaultProfileId)->tag);
    QCOMPARE(profiles.CurrentId(), kDefaultProfileId);
  }

  void viewerGetsTheOutputPathAsOneArgument() {
    const QString viewer = folder.filePath(QStringLiteral("my viewer.sh"));
    QFile program(viewer);
    QVERIFY(program.open(QIODevice::WriteOnly));
    program.write("#!/bin/sh\nprintf '%s|%s' \"$#\" \"$1\" > \"$(dirname \"$0\")/args\"\n");
    program.close();
    program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString output = folder.filePath(QStringLiteral("out file.csv"));
    QVERIFY(LaunchViewer(viewer, output));
    QTRY_COMPARE(Contents(folder.filePath(QStringLiteral("args"))), ("1|" + output).toUtf8());
  }
};

QTEST_MAIN(CTranslateFileDlgTest)
#include "CTranslateFileDlgTest.moc"

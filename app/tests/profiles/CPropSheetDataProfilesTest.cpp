#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "common/UserPrompts.h"
#include "profiles/CPropPageCustomOptionsDlg.h"
#include "profiles/CPropPageDataProfileManagerDlg.h"
#include "profiles/CPropSheetDataProfiles.h"
#include "profiles/ProfileExchangeFile.h"
#include "profiles/ProfileOptionPanel.h"
#include "tests/support/AppTestEnvironment.h"
#include "tests/support/ModalDriver.h"

namespace {

void Click(QWidget* parent, const char* name) { parent->findChild<QPushButton*>(QLatin1String(name))->click(); }

// Types `name` into the next name dialog and presses OK; a refused name
// leaves the dialog open, so it is cancelled after the refusal was logged.
void EnterNameInNextDialog(const QString& name) {
  OnNextModal([name](QDialog* dialog) {
    dialog->findChild<QLineEdit*>(QStringLiteral("profileName"))->setText(name);
    Click(dialog, "okButton");
    if (dialog->isVisible()) dialog->reject();
  });
}

QStringList Names(QListWidget* list) {
  QStringList names;
  for (int i = 0; i < list->count(); ++i) names << list->item(i)->text();
  return names;
}

}  // namespace

class CPropSheetDataProfilesTest : public QObject {
  Q_OBJECT

 private:
  DataProfileList profiles;
  std::unique_ptr<CPropSheetDataProfiles> sheet;

  CPropPageDataProfileManagerDlg* Manager() { return sheet->findChild<CPropPageDataProfileManagerDlg*>(); }
  CPropPageCustomOptionsDlg* Options() { return sheet->findChild<CPropPageCustomOptionsDlg*>(); }
  QListWidget* ManagerList() { return Manager()->findChild<QListWidget*>(QStringLiteral("profileList")); }

 private slots:
  void init() {
    ResetAppTestEnvironment();
    profiles.Reset();
    sheet = std::make_unique<CPropSheetDataProfiles>(profiles);
    sheet->show();
  }

  void cleanup() {
    sheet.reset();
    QVERIFY(!ModalDriverTimedOut());
  }

  void sheetHasItsTwoPages() {
    QCOMPARE(sheet->windowTitle(), QStringLiteral("Data Profiles"));
    QCOMPARE(sheet->Tabs()->tabText(0), QStringLiteral("Data Profile Manager"));
    QCOMPARE(sheet->Tabs()->tabText(1), QStringLiteral("Custom Options"));
    QCOMPARE(Names(ManagerList()), QStringList{"<default>"});
    // Changes apply at once: the sheet closes, nothing is cancelled.
    QCOMPARE(sheet->findChild<QPushButton*>(QStringLiteral("okButton"))->text(), QStringLiteral("&Close"));
    QVERIFY(!sheet->findChild<QPushButton*>(QStringLiteral("cancelButton"))->isVisible());
    QVERIFY(!sheet->findChild<QPushButton*>(QStringLiteral("applyButton"))->isVisible());
  }

  // A typed export name gets the extension the import browser lists; a typed
  // import path lists its profiles on Enter, as browsing does.
  void typedPathsExportAndImportLikeBrowsedOnes() {
    QTemporaryDir dir;
    OnNextModal([&](QDialog* dialog) {
      dialog->findChild<QLineEdit*>(QStringLiteral("fileName"))->setText(dir.filePath(QStringLiteral("typed")));
      dialog->findChild<QListWidget*>(QStringLiteral("profileList"))->item(0)->setSelected(true);
      Click(dialog, "okButton");
    });
    Manager()->OnExport();
    QCOMPARE(ReadProfileExchangeFile(dir.filePath(QStringLiteral("typed.vqf"))).size(), size_t(1));
    int listed = 0;
    OnNextModal([&](QDialog* dialog) {
      dialog->findChild<QLineEdit*>(QStringLiteral("fileName"))->setText(dir.filePath(QStringLiteral("typed.vqf")));
      Click(dialog, "okButton");
      listed = dialog->findChild<QListWidget*>(QStringLiteral("profileList"))->count();
      dialog->reject();
    });
    Manager()->OnImport();
    QCOMPARE(listed, 1);
    QVERIFY(prompts::ShownTexts().isEmpty());
  }

  void createAddsAndSelectsTheNewProfile() {
    EnterNameInNextDialog(QStringLiteral("Test"));
    Manager()->OnCreate();
    QCOMPARE(Names(ManagerList()), (QStringList{"<default>", "Test"}));
    QCOMPARE(ManagerList()->currentRow(), 1);
    QCOMPARE(profiles.CurrentId(), 2);
  }

  void createRefusesBadNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << "" << "Please enter a profile name.";
    QTest::newRow("thirteen") << "abcdefghijklm"
                              << "The name you entered is too long.  Please limit you profile name to 12 characters or less.";
    QTest::newRow("taken") << "<default>" << "A profile with that name already exists.  Please enter a new name.";
  }

  void createRefusesBadNames() {
    QFETCH(QString, name);
    QFETCH(QString, message);
    EnterNameInNextDialog(name);
    Manager()->OnCreate();
    QCOMPARE(prompts::ShownTexts(), QStringList{message});
    QCOMPARE(profiles.Count(), 1);
  }

  void deleteAsksAndRenumbers() {
    for (const char* name : {"A", "B", "C"}) profiles.Create(QString::fromLatin1(name));
    Manager()->OnSetActive();
    ManagerList()->setCurrentRow(2);
    prompts::QueueAnswer(prompts::Answer::No);
    Manager()->OnDelete();
    QCOMPARE(profiles.Count(), 4);
    prompts::QueueAnswer(prompts::Answer::Yes);
    Manager()->OnDelete();
    QCOMPARE(prompts::ShownTexts(), (QStringList{"Are you sure you want to delete this profile?",
                                                 "Are you sure you want to delete this profile?"}));
    QCOMPARE(Names(ManagerList()), (QStringList{"<default>", "A", "C"}));
    QCOMPARE(ManagerList()->item(2)->data(Qt::UserRole).toInt(), 3);
    QCOMPARE(ManagerList()->currentRow(), 0);
    QCOMPARE(profiles.CurrentId(), 1);
  }

  void deleteRefusesTheDefaultAndNoSelection() {
    ManagerList()->setCurrentRow(0);
    Manager()->OnDelete();
    ManagerList()->setCurrentItem(nullptr);
    Manager()->OnDelete();
    profiles.Create(QStringLiteral("Kept"));
    Manager()->OnSetActive();
    ManagerList()->setCurrentRow(1);
    ManagerList()->currentItem()->setSelected(false);
    prompts::QueueAnswer(prompts::Answer::Yes);
    Manager()->OnDelete();
    QCOMPARE(prompts::ShownTexts(), (QStringList{"The default profile cannot be deleted.", "Please select a profile name.",
                                                 "Please select a profile name."}));
    QCOMPARE(profiles.Count(), 2);
  }

  void exportWritesTheSelectedProfiles() {
    profiles.Create(QStringLiteral("Mine"));
    Manager()->OnSetActive();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out"));
    prompts::QueueFileName(path);
    OnNextModal([](QDialog* dialog) {
      Click(dialog, "okButton");  // no file yet
      Click(dialog, "browseButton");
      Click(dialog, "okButton");  // no profile yet
      auto* list = dialog->findChild<QListWidget*>(QStringLiteral("profileList"));
      list->item(0)->setSelected(true);
      list->item(1)->setSelected(true);
      Click(dialog, "okButton");
    });
    Manager()->OnExport();
    QCOMPARE(prompts::ShownTexts(),
             (QStringList{"Please select an output file.", "Please select at least one profile to export."}));
    const std::vector<DataProfile> written = ReadProfileExchangeFile(path + QStringLiteral(".vqf"));
    QCOMPARE(written.size(), size_t(2));
    QCOMPARE(written[1].name, QStringLiteral("Mine"));
  }

  void importAsksForNewNamesOfTakenOnes() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("in.vqf"));
    QVERIFY(WriteProfileExchangeFile(path, {QStringLiteral("<default>,3,1,1,1,1,1,1,1,1,1,1,1"),
                                            QStringLiteral("Fresh,1,0,0,0,0,0,0,0,0,0,0,7")}));
    prompts::QueueFileName(path);
    OnNextModal([](QDialog* dialog) {
      Click(dialog, "okButton");  // nothing selected
      Click(dialog, "browseButton");
      auto* list = dialog->findChild<QListWidget*>(QStringLiteral("profileList"));
      QCOMPARE(list->count(), 2);
      list->item(0)->setSelected(true);
      list->item(1)->setSelected(true);
      EnterNameInNextDialog(QStringLiteral("Copy"));
      Click(dialog, "okButton");
    });
    Manager()->OnImport();
    QCOMPARE(prompts::ShownTexts(), QStringList{"Please select at least one profile to import."});
    QCOMPARE(Names(ManagerList()), (QStringList{"<default>", "Copy", "Fresh"}));
    QCOMPARE(profiles.Profiles()[2]->id, 3);
    QCOMPARE(profiles.Profiles()[2]->tag.word[11], 7u);
  }

  void defaultProfilePanelsAreReadOnly() {
    sheet->Tabs()->setCurrentIndex(1);
    auto* blocks = Options()->findChild<QListWidget*>(QStringLiteral("recordBlocks"));
    QCOMPARE(blocks->count(), 12);
    QCOMPARE(blocks->item(9)->text(), QStringLiteral("Autostore Block"));
    blocks->setCurrentRow(1);
    auto* translate = Options()->Panel()->findChild<QCheckBox*>(QStringLiteral("option0"));
    QCOMPARE(translate->text(), QStringLiteral("&Translate this block (if present)"));
    QVERIFY(translate->isChecked());
    QVERIFY(!translate->isEnabled());
    blocks->setCurrentRow(11);
    auto* hz = Options()->Panel()->findChild<QCheckBox*>(QStringLiteral("option2"));
    QCOMPARE(hz->text(), QStringLiteral("&Include Hz Label on Frequencies"));
    QVERIFY(hz->isEnabled());
    hz->setChecked(true);
    QCOMPARE(profiles.Profiles()[0]->tag.word[11], 5u);
  }

  void tickingChangesOnlyItsBit() {
    profiles.Append(2, QStringLiteral("Seven,3,1,1,1,1,1,1,1,1,1,1,7"));
    profiles.Append(3, QStringLiteral("Full,3,1,1,1,1,1,1,1,1,-1,1,-1"));
    profiles.SetCurrentId(2);
    sheet->Tabs()->setCurrentIndex(1);
    auto* blocks = Options()->findChild<QListWidget*>(QStringLiteral("recordBlocks"));
    blocks->setCurrentRow(11);
    auto* columnNames = Options()->Panel()->findChild<QCheckBox*>(QStringLiteral("option1"));
    QCOMPARE(columnNames->text(), QStringLiteral("&Display Column Names"));
    columnNames->setChecked(false);
    QCOMPARE(profiles.Find(2)->tag.word[11], 5u);
    auto* combo = Options()->findChild<QComboBox*>(QStringLiteral("currentProfile"));
    combo->setCurrentIndex(2);
    QCOMPARE(profiles.CurrentId(), 3);
    Options()->Panel()->findChild<QCheckBox*>(QStringLiteral("option1"))->setChecked(false);
    QCOMPARE(profiles.Find(3)->tag.word[11], 4294967293u);
    blocks->setCurrentRow(9);
    QVERIFY(Options()->Panel()->findChild<QCheckBox*>(QStringLiteral("option1"))->isChecked());
    QVERIFY(Options()->Panel()->findChild<QCheckBox*>(QStringLiteral("option0"))->isEnabled());
  }
};

QTEST_MAIN(CPropSheetDataProfilesTest)
#include "CPropSheetDataProfilesTest.moc"

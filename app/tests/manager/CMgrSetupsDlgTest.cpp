#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <cstring>

#include "common/UserPrompts.h"
#include "manager/CMgrSetupsDlg.h"
#include "tests/support/AppTestEnvironment.h"
#include "tests/support/FakeAnalyzerLink.h"
#include "tests/support/ModalDriver.h"

using talvinet::SetupFileResult;

class CMgrSetupsDlgTest : public QObject {
  Q_OBJECT

  FakeAnalyzerScript script;
  FakeAnalyzerLog log;

  static QPushButton* Button(CMgrSetupsDlg& page, const char* name) {
    return page.findChild<QPushButton*>(QLatin1String(name));
  }
  static void Select(CMgrSetupsDlg& page, int setup) {
    auto* list = page.findChild<QTreeWidget*>(QStringLiteral("setupList"));
    list->topLevelItem(setup)->setSelected(true);
  }

 private slots:
  void init() {
    ResetAppTestEnvironment();
    prompts::ClearLog();
    script = FakeAnalyzerScript{};
    log = FakeAnalyzerLog{};
    for (int setup : {0, 1, 2}) script.instrument.setups.setupUsed[setup] = 1;
    script.instrument.setups.setupBoot[0] = 1;
    std::strcpy(script.instrument.setups.setupName[2], "NOISE  ");
  }

  void selectionSetsTheButtons_data() {
    QTest::addColumn<int>("setup");
    QTest::addColumn<QString>("enabled");
    QTest::newRow("factory setup") << 0 << "activate setBoot";
    QTest::newRow("in use") << 2 << "activate setBoot saveFile store loadFile editName";
    QTest::newRow("unused") << 3 << "store loadFile editName";
  }
  void selectionSetsTheButtons() {
    QFETCH(int, setup);
    FakeAnalyzerLink link(script, log);
    CMgrSetupsDlg page(link);
    page.OnSetActive();
    Select(page, setup);
    QStringList enabled;
    for (const char* name : {"activate", "setBoot", "saveFile", "store", "loadFile", "editName"})
      if (Button(page, (std::string(name) + "Button").c_str())->isEnabled()) enabled << QLatin1String(name);
    QTEST(enabled.join(QLatin1Char(' ')), "enabled");
  }

  void aNewNameIsCutToSevenCharacters() {
    FakeAnalyzerLink link(script, log);
    CMgrSetupsDlg page(link);
    page.OnSetActive();
    Select(page, 2);
    QString offered;
    OnNextModal([&](QDialog* dialog) {
      auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("setupName"));
      offered = name->text();
      name->setText(QStringLiteral("ABCDEFGHI"));
      dialog->accept();
    });
    Button(page, "editNameButton")->click();
    QCOMPARE(offered, QStringLiteral("NOISE"));
    QVERIFY(log.calls.contains(QStringLiteral("SetSetupName 2 1 ABCDEFG")));
    QVERIFY(!Button(page, "editNameButton")->isEnabled());
  }

  void loadingReportsTheFilesFate_data() {
    QTest::addColumn<SetupFileResult>("result");
    QTest::addColumn<QString>("message");
    QTest::newRow("done") << SetupFileResult::kDone << "The setup file was successfully uploaded.";
    QTest::newRow("incompatible") << SetupFileResult::kIncompatible << "The setup file is incompatible with your analyzer.";
    QTest::newRow("damaged") << SetupFileResult::kDamaged << "Couldn't upload the setup file to the analyzer.";
  }
  void loadingReportsTheFilesFate() {
    QFETCH(SetupFileResult, result);
    script.instrument.setupFileResult = result;
    FakeAnalyzerLink link(script, log);
    CMgrSetupsDlg page(link);
    page.OnSetActive();
    Select(page, 3);
    prompts::QueueFileName(QStringLiteral("/tmp/noise.set"));
    Button(page, "loadFileButton")->click();
    QTEST(prompts::ShownTexts().value(0), "message");
    QVERIFY(log.calls.contains(QStringLiteral("LoadSetupFile 3 1 /tmp/noise.set")));
    QCOMPARE(log.calls.count(QStringLiteral("GetSetupInfo 1")), result == SetupFileResult::kDone ? 2 : 1);
  }
};

QTEST_MAIN(CMgrSetupsDlgTest)
#include "CMgrSetupsDlgTest.moc"

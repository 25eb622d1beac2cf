#include <QFile>
#include <QGuiApplication>
#include <QTest>

#include "shell/CMainFrame.h"
#include "shell/CSplashWnd.h"
#include "shell/CVerdalonApp.h"
#include "tests/support/AppTestEnvironment.h"
#include "tests/support/FakeAnalyzerLink.h"
#include "tests/support/ModalDriver.h"

class CVerdalonAppTest : public QObject {
  Q_OBJECT

 private:
  FakeAnalyzerScript script;
  FakeAnalyzerLog log;

  std::unique_ptr<CVerdalonApp> Start() {
    auto app = std::make_unique<CVerdalonApp>(std::make_unique<FakeAnalyzerLink>(script, log));
    if (!app->InitInstance(false)) return nullptr;
    return app;
  }

 private slots:
  void init() { ResetAppTestEnvironment(); }

  void profilesAndWindowPositionSurviveARestart() {
    {
      auto app = Start();
      QVERIFY(CVerdalonApp::Instance() == app.get());
      app->m_profiles.Create(QStringLiteral("Kept"));
      app->m_profiles.Find(2)->tag.word[3] = 0;
      app->MainFrame()->setGeometry(50, 60, 700, 500);
      app->MainFrame()->close();
      app->ExitInstance();
    }
    QVERIFY(CVerdalonApp::Instance() == nullptr);
    auto app = Start();
    QCOMPARE(app->m_profiles.Count(), 2);
    QCOMPARE(app->m_profiles.Find(2)->Format(), QStringLiteral("Kept,3,1,1,0,1,1,1,1,1,1,1,1"));
    QCOMPARE(app->m_profiles.CurrentId(), 2);
    QCOMPARE(app->GetCurrentProfile(), &app->m_profiles.Find(2)->tag);
    QCOMPARE(app->MainFrame()->geometry(), QRect(50, 60, 700, 500));
    app->ExitInstance();
  }

  void damagedSettingsStartWithDefaults() {
    QFile file(SettingsFilePath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[Window%20Pos]\nLeft=300\nTop=-20\nRight=-400\nBottom=x\n"
               "[Data%20Profiles]\nNumProfiles=5\nProfile1=\"abc\"\nCurrentProfile=77\n"
               "[Connection]\nInstrument=42\n");
    file.close();
    auto app = Start();
    QCOMPARE(app->MainFrame()->geometry().size(), QSize(640, 480));
    QCOMPARE(app->m_profiles.Count(), 6);
    QCOMPARE(app->m_profiles.Find(2)->name, QStringLiteral("abc"));
    QCOMPARE(app->m_profiles.Find(3)->name, QStringLiteral("Unknown"));
    QCOMPARE(app->m_profiles.CurrentId(), 1);
    app->ExitInstance();
  }

  // Two readable profiles among damage of every kind: random bytes, huge
  // numbers and values of the wrong type, the count among them.
  void damagedSettingsKeepEveryReadableProfile_data() {
    QTest::addColumn<QByteArray>("damage");
    QByteArray noise;
    for (int i = 0; i < 400; ++i) noise.append(static_cast<char>(0x80 + (i * 37) % 128));
    QTest::newRow("random bytes") << QByteArray("NumProfiles=" + noise + "\n" + noise + "\nCurrentProfile=\xff\xfe\n");
    QTest::newRow("huge numbers") << QByteArray("NumProfiles=99999999999999999999\nCurrentProfile=-2147483649\n"
                                                "[Window%20Pos]\nLeft=2147483647\nRight=-2147483648\n");
    QTest::newRow("wrong types") << QByteArray("NumProfiles=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x6QPoint)\n"
                                               "CurrentProfile=@Invalid()\n[Window%20Pos]\nTop=1, 2, 3\n");
  }
  void damagedSettingsKeepEveryReadableProfile() {
    QFETCH(QByteArray, damage);
    QFile file(SettingsFilePath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[Data%20Profiles]\nProfile1=\"First,3,1,1,1,1,1,1,1,1,1,1,1\"\nProfile2=Second,0,0\n" + damage);
    file.close();
    auto app = Start();
    QCOMPARE(app->MainFrame()->geometry().size(), QSize(640, 480));
    QCOMPARE(app->m_profiles.Count(), 3);
    QCOMPARE(app->m_profiles.Find(2)->name, QStringLiteral("First"));
    QCOMPARE(app->m_profiles.Find(3)->name, QStringLiteral("Second"));
    QCOMPARE(app->m_profiles.CurrentId(), 1);
    app->ExitInstance();
  }

  void startupPictureGoesOnAClick() {
    auto app = std::make_unique<CVerdalonApp>(std::make_unique<FakeAnalyzerLink>(script, log));
    QVERIFY(app->InitInstance(true));
    QPointer<CSplashWnd> splash = app->StartupPicture();
    QVERIFY(splash);
    QCOMPARE(splash->size(), QSize(398, 225));
    QVERIFY(app->MainFrame()->isVisible());
    QTest::mouseClick(splash.data(), Qt::LeftButton);
    QTRY_VERIFY(splash.isNull());
    app->ExitInstance();
  }

  void startupPictureGoesByItself() {
    auto app = std::make_unique<CVerdalonApp>(std::make_unique<FakeAnalyzerLink>(script, log));
    QVERIFY(app->InitInstance(true));
    QPointer<CSplashWnd> splash = app->StartupPicture();
    QVERIFY(splash);
    QTRY_VERIFY_WITH_TIMEOUT(splash.isNull(), 3000);
    app->ExitInstance();
  }

  void windowsCarryTheProgramsIconAndDesktopEntry() {
    auto app = Start();
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.verdalon.Verdalon"));
    for (int size : {16, 48, 256}) QCOMPARE(app->MainFrame()->windowIcon().pixmap(size).width(), size);
    app->ExitInstance();
  }
};

QTEST_MAIN(CVerdalonAppTest)
#include "CVerdalonAppTest.moc"

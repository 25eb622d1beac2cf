#include <QFile>
#include <QSettings>
#include <QTest>

#include "profiles/DataProfileStore.h"
#include "tests/support/AppTestEnvironment.h"

namespace {

void WriteRawSettings(const QByteArray& ini) {
  QFile file(SettingsFilePath());
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(ini);
}

QSettings RawStore() {
  return QSettings(QString::fromLatin1(settings::kOrganisation), QString::fromLatin1(settings::kApplication));
}

}  // namespace

class DataProfileStoreTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { ResetAppTestEnvironment(); }

  void emptyStoreGivesTheDefaultProfileOnly() {
    settings::Store store;
    DataProfileList list;
    LoadDataProfiles(store, list);
    QCOMPARE(list.Count(), 1);
    QCOMPARE(list.CurrentId(), 1);
  }

  void storedProfilesComeBackInOrderWithTheirIds() {
    {
      settings::Store store;
      DataProfileList list;
      list.Create(QStringLiteral("One"));
      list.Append(3, QStringLiteral("Two,-1,0,0,0,0,0,0,0,0,0,0,0"));
      list.SetCurrentId(3);
      StoreDataProfiles(store, list);
    }
    settings::Store store;
    DataProfileList list;
    LoadDataProfiles(store, list);
    QCOMPARE(list.Count(), 3);
    QCOMPARE(list.Profiles()[1]->name, QStringLiteral("One"));
    QCOMPARE(list.Profiles()[2]->id, 3);
    QCOMPARE(list.Profiles()[2]->Format(), QStringLiteral("Two,-1,0,0,0,0,0,0,0,0,0,0,0"));
    QCOMPARE(list.CurrentId(), 3);
  }

  void deletingRenumbersTheKeysAndRemovesTheLast() {
    settings::Store store;
    DataProfileList list;
    for (const char* name : {"A", "B", "C"}) list.Create(QString::fromLatin1(name));
    StoreDataProfiles(store, list);
    LoadDataProfiles(store, list);
    QVERIFY(list.Remove(3));
    StoreDataProfiles(store, list);
    QSettings raw = RawStore();
    QCOMPARE(raw.value(QStringLiteral("Data Profiles/NumProfiles")).toInt(), 2);
    QCOMPARE(raw.value(QStringLiteral("Data Profiles/Profile1")).toString(), QStringLiteral("A,3,1,1,1,1,1,1,1,1,1,1,1"));
    QCOMPARE(raw.value(QStringLiteral("Data Profiles/Profile2")).toString(), QStringLiteral("C,3,1,1,1,1,1,1,1,1,1,1,1"));
    QVERIFY(!raw.contains(QStringLiteral("Data Profiles/Profile3")));
    QCOMPARE(raw.value(QStringLiteral("Data Profiles/CurrentProfile")).toInt(), 1);
  }

  void damagedStoresStartWithDefaults_data() {
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("secondText");
    QTest::addColumn<int>("current");
    QTest::newRow("count not a number keeps the profiles there")
        << QByteArray("[Data%20Profiles]\nNumProfiles=lots\nProfile1=\"A,1\"\n") << 2
        << QStringLiteral("A,1,0,0,0,0,0,0,0,0,0,0,0") << 1;
    QTest::newRow("count beyond the values") << QByteArray("[Data%20Profiles]\nNumProfiles=2\nProfile1=\"A,1,1,1,1,1,1,1,1,1,1,1,1\"\n")
                                             << 3 << QStringLiteral("A,1,1,1,1,1,1,1,1,1,1,1,1") << 1;
    QTest::newRow("negative count") << QByteArray("[Data%20Profiles]\nNumProfiles=-4\n") << 1 << QString() << 1;
    QTest::newRow("huge count makes no profiles") << QByteArray("[Data%20Profiles]\nNumProfiles=2147483647\n") << 1
                                                  << QString() << 1;
    QTest::newRow("profile text of no numbers") << QByteArray("[Data%20Profiles]\nNumProfiles=1\nProfile1=\"Junk,x,y\"\nCurrentProfile=2\n")
                                                << 2 << QStringLiteral("Junk,0,0,0,0,0,0,0,0,0,0,0,0") << 2;
    QTest::newRow("unquoted text reads as a list") << QByteArray("[Data%20Profiles]\nNumProfiles=1\nProfile1=Raw,1,2,3\n")
                                                   << 2 << QStringLiteral("Raw,1,2,3,0,0,0,0,0,0,0,0,0") << 1;
    QTest::newRow("current profile that does not exist") << QByteArray("[Data%20Profiles]\nCurrentProfile=9\n") << 1
                                                          << QString() << 1;
    QTest::newRow("current profile not a number") << QByteArray("[Data%20Profiles]\nCurrentProfile=abc\n") << 1
                                                   << QString() << 1;
  }

  void damagedStoresStartWithDefaults() {
    QFETCH(QByteArray, ini);
    QFETCH(int, count);
    QFETCH(QString, secondText);
    QFETCH(int, current);
    WriteRawSettings(ini);
    settings::Store store;
    DataProfileList list;
    LoadDataProfiles(store, list);
    QCOMPARE(list.Count(), count);
    if (!secondText.isEmpty()) QCOMPARE(list.Profiles()[1]->Format(), secondText);
    QCOMPARE(list.CurrentId(), current);
  }
};

QTEST_GUILESS_MAIN(DataProfileStoreTest)
#include "DataProfileStoreTest.moc"

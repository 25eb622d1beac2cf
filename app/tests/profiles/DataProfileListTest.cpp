#include <QTest>

#include "common/StringTable.h"
#include "profiles/DataProfileList.h"

class DataProfileListTest : public QObject {
  Q_OBJECT

 private slots:
  void startsWithTheDefaultProfileCurrent() {
    DataProfileList list;
    QCOMPARE(list.Count(), 1);
    QCOMPARE(list.Profiles()[0]->name, QStringLiteral("<default>"));
    QCOMPARE(list.Profiles()[0]->id, 1);
    QCOMPARE(list.Profiles()[0]->Format(), QStringLiteral("<default>,3,1,1,1,1,1,1,1,1,1,1,1"));
    QCOMPARE(list.GetCurrentProfile(), &list.Profiles()[0]->tag);
  }

  void parseAndFormatKeepLargeWords() {
    const DataProfile profile = DataProfile::Parse(4, QStringLiteral("Big,-1,1,0,1,0,1,0,1,0,7,1,-3"));
    QCOMPARE(profile.name, QStringLiteral("Big"));
    QCOMPARE(profile.tag.word[0], 4294967295u);
    QCOMPARE(profile.tag.word[11], 4294967293u);
    QCOMPARE(profile.Format(), QStringLiteral("Big,-1,1,0,1,0,1,0,1,0,7,1,-3"));
  }

  void shortOrGarbledTextGivesZeroWords() {
    const DataProfile profile = DataProfile::Parse(2, QStringLiteral("Odd,abc,5"));
    QCOMPARE(profile.name, QStringLiteral("Odd"));
    QCOMPARE(profile.tag.word[0], 0u);
    QCOMPARE(profile.tag.word[2], 0u);
  }

  void createGivesNextIdAndMakesItCurrent() {
    DataProfileList list;
    const DataProfile& created = list.Create(QStringLiteral("Test"));
    QCOMPARE(created.id, 2);
    QCOMPARE(created.Format(), QStringLiteral("Test,3,1,1,1,1,1,1,1,1,1,1,1"));
    QCOMPARE(list.CurrentId(), 2);
  }

  void removeRenumbersByPositionAndResetsCurrent() {
    DataProfileList list;
    list.Append(2, QStringLiteral("A,1,1,1,1,1,1,1,1,1,1,1,1"));
    list.Append(5, QStringLiteral("B,1,1,1,1,1,1,1,1,1,1,1,1"));
    list.Append(7, QStringLiteral("C,1,1,1,1,1,1,1,1,1,1,1,1"));
    list.SetCurrentId(7);
    QVERIFY(list.Remove(5));
    QCOMPARE(list.Count(), 3);
    QCOMPARE(list.Profiles()[1]->name, QStringLiteral("A"));
    QCOMPARE(list.Profiles()[1]->id, 2);
    QCOMPARE(list.Profiles()[2]->name, QStringLiteral("C"));
    QCOMPARE(list.Profiles()[2]->id, 3);
    QCOMPARE(list.CurrentId(), 1);
  }

  void defaultAndUnknownProfilesAreNotRemoved() {
    DataProfileList list;
    QVERIFY(!list.Remove(1));
    QVERIFY(!list.Remove(9));
    QCOMPARE(list.Count(), 1);
  }

  void currentIdWithoutProfileGivesNull() {
    DataProfileList list;
    list.SetCurrentId(42);
    QVERIFY(list.GetCurrentProfile() == nullptr);
  }

  void nameRules_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("problem");
    QTest::newRow("empty") << QString() << strings::kEnterProfileName;
    QTest::newRow("twelve characters") << QStringLiteral("abcdefghijkl") << 0;
    QTest::newRow("thirteen characters") << QStringLiteral("abcdefghijklm") << strings::kProfileNameTooLong;
    QTest::newRow("existing") << QStringLiteral("Test") << strings::kProfileNameExists;
    QTest::newRow("other case") << QStringLiteral("test") << 0;
    QTest::newRow("default name") << QStringLiteral("<default>") << strings::kProfileNameExists;
    QTest::newRow("comma") << QStringLiteral("a,b") << strings::kProfileNameHasComma;
  }

  void nameRules() {
    QFETCH(QString, name);
    QFETCH(int, problem);
    DataProfileList list;
    list.Create(QStringLiteral("Test"));
    QCOMPARE(ProfileNameProblem(name, &list), problem);
  }

  void messagesReadAsGiven() {
    QCOMPARE(strings::LoadString(strings::kProfileNameTooLong),
             QStringLiteral("The name you entered is too long.  Please limit you profile name to 12 characters or less."));
    QCOMPARE(strings::LoadString(strings::kProfileNameExists),
             QStringLiteral("A profile with that name already exists.  Please enter a new name."));
  }
};

QTEST_GUILESS_MAIN(DataProfileListTest)
#include "DataProfileListTest.moc"

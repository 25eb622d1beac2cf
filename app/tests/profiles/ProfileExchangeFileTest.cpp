#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "profiles/ProfileExchangeFile.h"

namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

}  // namespace

class ProfileExchangeFileTest : public QObject {
  Q_OBJECT

 private slots:
  void writesCountThenLengthAndTextPairs() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("two.vqf"));
    QVERIFY(WriteProfileExchangeFile(path, {QStringLiteral("<default>,3,1,1,1,1,1,1,1,1,1,1,1"), QStringLiteral("A,1")}));
    const QByteArray expected = QByteArray("\x02") + char(33) + "<default>,3,1,1,1,1,1,1,1,1,1,1,1" + char(3) + "A,1";
    QCOMPARE(ReadAll(path), expected);
    const std::vector<DataProfile> read = ReadProfileExchangeFile(path);
    QCOMPARE(read.size(), size_t(2));
    QCOMPARE(read[0].name, QStringLiteral("<default>"));
    QCOMPARE(read[0].id, 1);
    QCOMPARE(read[1].id, 2);
    QCOMPARE(read[1].tag.word[0], 1u);
  }

  void damagedFilesGiveWhatWasReadCompletely_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("count only") << QByteArray("\x03") << QStringList();
    QTest::newRow("second text cut short") << QByteArray("\x02\x03" "A,1" "\x09" "B,1") << QStringList{"A"};
    QTest::newRow("length byte missing") << QByteArray("\x02\x03" "A,1") << QStringList{"A"};
    QTest::newRow("count smaller than the pairs") << QByteArray("\x01\x03" "A,1\x03" "B,1") << QStringList{"A"};
    QTest::newRow("zero-length text") << QByteArray("\x01\x00", 2) << QStringList{""};
  }

  void damagedFilesGiveWhatWasReadCompletely() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, names);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bad.vqf"));
    WriteAll(path, bytes);
    const std::vector<DataProfile> read = ReadProfileExchangeFile(path);
    QStringList readNames;
    for (const DataProfile& profile : read) readNames << profile.name;
    QCOMPARE(readNames, names);
  }

  void missingFileGivesNothing() {
    QVERIFY(ReadProfileExchangeFile(QStringLiteral("/nonexistent/dir/x.vqf")).empty());
  }

  void unwritableFileIsRefusedWithoutTrace() {
    QVERIFY(!WriteProfileExchangeFile(QStringLiteral("/nonexistent/dir/x.vqf"), {QStringLiteral("A,1")}));
  }

  void textTooLongForItsLengthByteIsLeftOut() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.vqf"));
    const QString longText = QString(300, QLatin1Char('x')) + QStringLiteral(",1");
    QVERIFY(WriteProfileExchangeFile(path, {longText, QStringLiteral("B,2")}));
    QCOMPARE(ReadAll(path), QByteArray("\x01\x03" "B,2"));
  }
};

QTEST_GUILESS_MAIN(ProfileExchangeFileTest)
#include "ProfileExchangeFileTest.moc"

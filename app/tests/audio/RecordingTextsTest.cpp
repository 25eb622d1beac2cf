#include <QTest>

#include "audio/RecordingTexts.h"

class RecordingTextsTest : public QObject {
  Q_OBJECT

 private slots:
  void sizeText_data() {
    QTest::addColumn<int>("bytesPerSecond");
    QTest::addColumn<float>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("megabytes") << 88200 << 12.34f << "1.09 MB";
    QTest::newRow("bytes") << 88200 << 0.01f << "882 Bytes";
    QTest::newRow("kilobytes") << 88200 << 0.5f << "44.1 KB";
    QTest::newRow("last bytes") << 999 << 1.0f << "999 Bytes";
    QTest::newRow("first megabyte") << 1000000 << 1.0f << "1.00 MB";
    QTest::newRow("unknown rate") << 0 << 3.0f << "0 Bytes";
  }
  void sizeText() {
    QFETCH(int, bytesPerSecond);
    QFETCH(float, seconds);
    QTEST(recording::SizeText(bytesPerSecond, seconds), "text");
  }
};

QTEST_MAIN(RecordingTextsTest)
#include "RecordingTextsTest.moc"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sndfile.h>

#include "audio/WaveFile.h"

class WaveFileTest : public QObject {
  Q_OBJECT

 private slots:
  void writesWholeFrames_data() {
    QTest::addColumn<int>("bits");
    QTest::addColumn<bool>("floating");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("subtype");
    QTest::newRow("8-bit") << 8 << false << 1 << int(SF_FORMAT_PCM_U8);
    QTest::newRow("16-bit stereo") << 16 << false << 2 << int(SF_FORMAT_PCM_16);
    QTest::newRow("32-bit") << 32 << false << 1 << int(SF_FORMAT_PCM_32);
    QTest::newRow("float") << 32 << true << 1 << int(SF_FORMAT_FLOAT);
  }
  void writesWholeFrames() {
    QFETCH(int, bits);
    QFETCH(bool, floating);
    QFETCH(int, channels);
    const WaveFormat format{44100, channels, bits, floating};
    // 100,000 whole frames, more than one copy block, and half a frame more.
    QByteArray bytes(100000 * format.BytesPerFrame() + format.BytesPerFrame() / 2, '\0');
    QBuffer samples(&bytes);
    QVERIFY(samples.open(QIODevice::ReadOnly));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("take.wav"));
    QVERIFY(WriteWaveFile(path, format, samples));
    SF_INFO info{};
    SNDFILE* wave = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    QVERIFY(wave);
    sf_close(wave);
    QCOMPARE(info.frames, sf_count_t{100000});
    QCOMPARE(info.samplerate, 44100);
    QCOMPARE(info.channels, channels);
    QTEST(info.format & SF_FORMAT_SUBMASK, "subtype");
  }

  void refusesWhatAWaveFileCannotHold() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("take.wav"));
    QByteArray bytes(64, '\0');
    QBuffer samples(&bytes);
    QVERIFY(samples.open(QIODevice::ReadOnly));
    QVERIFY(!WriteWaveFile(path, WaveFormat{44100, 1, 12, false}, samples));
    QVERIFY(!WriteWaveFile(path, WaveFormat{44100, 0, 16, false}, samples));
    QVERIFY(!WriteWaveFile(folder.filePath(QStringLiteral("missing/take.wav")), WaveFormat{44100, 1, 16, false}, samples));
    QVERIFY(!QFile::exists(path));
  }
};

QTEST_MAIN(WaveFileTest)
#include "WaveFileTest.moc"

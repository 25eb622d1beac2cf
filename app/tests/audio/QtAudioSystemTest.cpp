// The audio layer's real Qt Multimedia devices, where the machine has them.
#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QTemporaryDir>
#include <QTest>

#include "audio/QtAudioSystem.h"

class QtAudioSystemTest : public QObject {
  Q_OBJECT

 private slots:
  void recordsAndSavesAWaveFile() {
    if (QMediaDevices::audioInputs().isEmpty()) QSKIP("this machine has no sound input to record from");
    QtAudioSystem audio;
    std::unique_ptr<WaveAudioDevice> device = audio.NewDevice();
    QVERIFY(device->Open());
    QVERIFY(device->Status(WaveStatusItem::SamplesPerSecond) > 0);
    QVERIFY(device->Record());
    QTest::qWait(300);
    QVERIFY(device->Stop());
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("take.wav"));
    QVERIFY(device->Save(path));
    QVERIFY(QFile(path).size() >= 44);
    device->Close();
  }

  void playRefusesWhatIsNoWaveFile() {
    QtWaveAudioDevice device;
    QVERIFY(!device.Play(QString(), PlayMode::Synchronous));
    QVERIFY(!device.Play(QStringLiteral(__FILE__), PlayMode::Synchronous));
  }
};

QTEST_MAIN(QtAudioSystemTest)
#include "QtAudioSystemTest.moc"

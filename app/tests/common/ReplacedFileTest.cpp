#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "audio/WaveFile.h"
#include "common/ReplacedFile.h"
#include "profiles/ProfileExchangeFile.h"

namespace {

// A group the file can be given only where the system allows it; the
// replacement must then keep it.
constexpr gid_t kOtherGroup = 1;

struct stat StatusOf(const QString& path) {
  struct stat status{};
  ::stat(QFile::encodeName(path).constData(), &status);
  return status;
}

}  // namespace

class ReplacedFileTest : public QObject {
  Q_OBJECT

 private slots:
  void theLinkedFileIsReplacedWithItsModeAndGroup_data() {
    QTest::addColumn<int>("writer");
    QTest::newRow("profile export") << 0;
    QTest::newRow("wave file") << 1;
  }
  void theLinkedFileIsReplacedWithItsModeAndGroup() {
    QFETCH(int, writer);
    const std::function<bool(const QString&)> writers[] = {
        [](const QString& path) { return WriteProfileExchangeFile(path, {QStringLiteral("A,1")}); },
        [](const QString& path) {
          QByteArray bytes(400, '\0');
          QBuffer samples(&bytes);
          samples.open(QIODevice::ReadOnly);
          return WriteWaveFile(path, WaveFormat{8000, 1, 16, false}, samples);
        }};
    QTemporaryDir folder;
    const QString linked = folder.filePath(QStringLiteral("linked"));
    const QString link = folder.filePath(QStringLiteral("link"));
    QFile old(linked);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    QVERIFY(::chmod(QFile::encodeName(linked).constData(), 0640) == 0);
    const bool regrouped = ::chown(QFile::encodeName(linked).constData(), uid_t(-1), kOtherGroup) == 0;
    QVERIFY(QFile::link(QStringLiteral("linked"), link));
    QVERIFY(writers[writer](link));
    QVERIFY(QFileInfo(link).isSymLink());
    QVERIFY(QFileInfo(linked).size() > 3);
    QCOMPARE(StatusOf(linked).st_mode & 07777, mode_t(0640));
    if (regrouped) QCOMPARE(StatusOf(linked).st_gid, kOtherGroup);
  }

  void aFolderThatTakesNoNewFileIsNamed() {
    QTemporaryDir folder;
    const QString missing = folder.filePath(QStringLiteral("missing"));
    QCOMPARE(files::WithNewFileRefusal(QStringLiteral("Not saved."), missing + QStringLiteral("/x.wav")),
             QStringLiteral("Not saved.\nThe folder %1 cannot take a new file: No such file or directory.").arg(missing));
    QCOMPARE(files::WithNewFileRefusal(QStringLiteral("Not saved."), folder.filePath(QStringLiteral("x.wav"))),
             QStringLiteral("Not saved."));
  }
};

QTEST_GUILESS_MAIN(ReplacedFileTest)
#include "ReplacedFileTest.moc"

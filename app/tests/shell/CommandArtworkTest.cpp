#include <QTest>

#include "commands/CommandIds.h"
#include "commands/MenuLayout.h"
#include "shell/CommandArtwork.h"

class CommandArtworkTest : public QObject {
  Q_OBJECT

 private slots:
  // Every toolbar button has a drawing of its own at both sizes, not blank.
  void toolbarButtonsHaveTheirOwnDrawings() {
    QList<QImage> seen;
    for (int id : cmd::ToolbarButtons()) {
      if (id == cmd::kSeparator) continue;
      const QIcon icon = artwork::DrawnCommandIcon(id);
      for (int size : {artwork::kMenuIconSize, artwork::kToolbarIconSize}) {
        const QImage image = icon.pixmap(size).toImage();
        QCOMPARE(image.size(), QSize(size, size));
        int opaque = 0;
        for (int y = 0; y < size; ++y) {
          for (int x = 0; x < size; ++x) opaque += qAlpha(image.pixel(x, y)) > 128;
        }
        QVERIFY2(opaque > size * size / 8, qPrintable(QString::number(id)));
        if (size == artwork::kMenuIconSize) {
          QVERIFY2(!seen.contains(image), qPrintable(QString::number(id)));
          seen << image;
        }
      }
    }
  }
};

QTEST_MAIN(CommandArtworkTest)
#include "CommandArtworkTest.moc"

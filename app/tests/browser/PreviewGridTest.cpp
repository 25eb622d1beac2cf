// The preview grid's rows, fields, shading and scroll extent.
#include <QTest>

#include "browser/PreviewGrid.h"

using namespace previewgrid;

class PreviewGridTest : public QObject {
  Q_OBJECT

 private slots:
  void rowsRunToEachCarriageReturn_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QList<QByteArray>>("rows");
    QTest::newRow("empty") << QByteArray() << QList<QByteArray>{};
    QTest::newRow("one line") << QByteArray(",a,b\r\n") << QList<QByteArray>{",a,b"};
    QTest::newRow("no final line end") << QByteArray("x\r\ny") << QList<QByteArray>{"x", "y"};
    QTest::newRow("empty line keeps its row") << QByteArray("x\r\n\r\ny\r\n") << QList<QByteArray>{"x", "", "y"};
    QTest::newRow("three lines") << QByteArray("a\r\nb\r\nc\r\n") << QList<QByteArray>{"a", "b", "c"};
    // A bare carriage return ends its line without eating the next character.
    QTest::newRow("bare carriage return") << QByteArray("a\rbc\r\n") << QList<QByteArray>{"a", "bc"};
    QTest::newRow("line feed alone is text") << QByteArray("a\nb") << QList<QByteArray>{"a\nb"};
  }

  void rowsRunToEachCarriageReturn() {
    QFETCH(QByteArray, text);
    QFETCH(QList<QByteArray>, rows);
    QList<QByteArray> found;
    for (const Row& row : SplitRows(text)) found << text.mid(row.start, row.length);
    QCOMPARE(found, rows);
  }

  void fieldsSplitLikeATokenizer_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QList<QByteArray>>("fields");
    QTest::newRow("leading empty column") << QByteArray(",Label,1,2") << QList<QByteArray>{"Label", "1", "2"};
    QTest::newRow("empty middle field moves left") << QByteArray("a,,c") << QList<QByteArray>{"a", "c"};
    QTest::newRow("only commas") << QByteArray(",,,") << QList<QByteArray>{};
    QTest::newRow("trailing comma") << QByteArray("a,b,") << QList<QByteArray>{"a", "b"};
    QTest::newRow("blanks are kept") << QByteArray(" a , b") << QList<QByteArray>{" a ", " b"};
    QTest::newRow("empty") << QByteArray() << QList<QByteArray>{};
  }

  void fieldsSplitLikeATokenizer() {
    QFETCH(QByteArray, line);
    QFETCH(QList<QByteArray>, fields);
    QList<QByteArray> found;
    int expectedColumn = 0;
    for (const Field& field : SplitFields(line)) {
      QCOMPARE(field.column, expectedColumn++);
      found << field.text.toByteArray();
    }
    QCOMPARE(found, fields);
    QCOMPARE(CountFields(line), fields.size());
  }

  void blockHeadingsAreShaded_data() {
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<bool>("shaded");
    QTest::newRow("heading") << QByteArray("A Block") << true;
    QTest::newRow("prefix heading") << QByteArray("Prefix Block") << true;
    QTest::newRow("block mask") << QByteArray("Block Mask") << false;
    QTest::newRow("mask first") << QByteArray("Mask of Block") << false;
    QTest::newRow("lower case") << QByteArray("a block") << false;
    QTest::newRow("value") << QByteArray("42.5") << false;
  }

  void blockHeadingsAreShaded() {
    QFETCH(QByteArray, field);
    QFETCH(bool, shaded);
    QCOMPARE(IsShaded(field), shaded);
    QCOMPARE(SplitFields(field).front().shaded, shaded);
  }

  void scrollExtentCountsTwoSpareColumns() {
    // Three lines, the longest with four fields.
    const QByteArray text(",a,b,c,d\r\n,x\r\n,y,z\r\n");
    int widest = 0;
    const std::vector<Row> rows = SplitRows(text);
    for (const Row& row : rows) widest = std::max(widest, CountFields(QByteArrayView(text).sliced(row.start, row.length)));
    QCOMPARE(widest, 4);
    QCOMPARE(ScrollExtent(widest, static_cast<int>(rows.size()), 17, 14), QSize(6 * 150 + 14 + 20, 3 * 17));
  }
};

QTEST_APPLESS_MAIN(PreviewGridTest)
#include "PreviewGridTest.moc"

// The preview pane draws its text as a grid with shaded block headings and
// sizes its scroll area from the text.
#include <QScrollBar>
#include <QStyle>
#include <QTest>

#include "browser/CVQBDataView.h"

class CVQBDataViewTest : public QObject {
  Q_OBJECT

 private:
  static QColor PixelAt(CVQBDataView& view, int x, int y) { return view.viewport()->grab().toImage().pixelColor(x, y); }

 private slots:
  void startsEmptyWithTheDefaultScrollSize() {
    CVQBDataView view;
    QCOMPARE(view.ScrollSize(), QSize(100, 100));
    QCOMPARE(view.TextLength(), 0);
  }

  void scrollSizeFollowsTheWidestLineAndTheRows() {
    CVQBDataView view;
    view.resize(300, 100);
    view.SetText(QByteArray(",a,b\r\n,1,2,3,4\r\n,x\r\n"));
    const int scrollBar = view.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &view);
    QCOMPARE(view.ScrollSize(), QSize(6 * 150 + scrollBar + 20, 3 * view.RowHeight()));
    QCOMPARE(view.TextLength(), 20);
    QVERIFY(view.horizontalScrollBar()->maximum() > 0);
  }

  void blockHeadingsAreShadedButNotTheBlockMask() {
    CVQBDataView view;
    view.resize(700, 200);
    view.show();
    view.SetText(QByteArray(",A Block,Block Mask,0x0801\r\n,Value,,3\r\n"));
    const int y = view.RowHeight() / 2;
    // The right end of each cell holds no text, only its background.
    QCOMPARE(PixelAt(view, 5 + 145, y), CVQBDataView::ShadingColour());
    QVERIFY(PixelAt(view, 155 + 145, y) != CVQBDataView::ShadingColour());
    QVERIFY(PixelAt(view, 5 + 145, y + view.RowHeight()) != CVQBDataView::ShadingColour());
  }

  void scrollingShowsLaterRows() {
    CVQBDataView view;
    view.resize(400, 120);
    view.show();
    QByteArray text;
    for (int row = 0; row < 200; ++row) text += row == 150 ? ",C Block\r\n" : ",plain\r\n";
    view.SetText(text);
    QVERIFY(view.verticalScrollBar()->maximum() > 0);
    view.verticalScrollBar()->setValue(150 * view.RowHeight());
    QCOMPARE(PixelAt(view, 5 + 145, view.RowHeight() / 2), CVQBDataView::ShadingColour());
  }
};

QTEST_MAIN(CVQBDataViewTest)
#include "CVQBDataViewTest.moc"

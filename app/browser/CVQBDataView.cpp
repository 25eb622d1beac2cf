#include "browser/CVQBDataView.h"

#include <QFontDatabase>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

CVQBDataView::CVQBDataView(QWidget* parent) : QAbstractScrollArea(parent) {
  setObjectName(QStringLiteral("dataView"));
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setAutoFillBackground(true);
  // A proportional system font; the rows follow its height.
  viewport()->setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
  OnInitialUpdate();
}

void CVQBDataView::OnInitialUpdate() {
  m_scrollSize = QSize(previewgrid::kEmptyScrollSize, previewgrid::kEmptyScrollSize);
  UpdateScrollBars();
}

int CVQBDataView::RowHeight() const { return viewport()->fontMetrics().height() + 1; }

QString CVQBDataView::Title() const {
  return m_title.isEmpty() ? QStringLiteral("No record or block chosen") : m_title;
}

void CVQBDataView::SetText(QByteArray text, const QString& title) {
  m_text = std::move(text);
  m_title = title;
  m_reason.clear();
  emit TitleChanged(Title());
  m_textLength = static_cast<int>(std::min<qsizetype>(m_text.size(), INT_MAX));
  m_rows = previewgrid::SplitRows(m_text);
  int widest = 0;
  for (const previewgrid::Row& row : m_rows) {
    widest = std::max(widest, previewgrid::CountFields(QByteArrayView(m_text).sliced(row.start, row.length)));
  }
  m_scrollSize = previewgrid::ScrollExtent(widest, static_cast<int>(m_rows.size()), RowHeight(),
                                           style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this));
  UpdateScrollBars();
  viewport()->repaint();
}

void CVQBDataView::Clear(const QString& title, const QString& reason) {
  m_text.clear();
  m_textLength = 0;
  m_rows.clear();
  m_title = title;
  m_reason = reason;
  OnInitialUpdate();
  viewport()->update();
  emit TitleChanged(Title());
  emit Cleared();
}

void CVQBDataView::UpdateScrollBars() {
  const QSize page = viewport()->size();
  horizontalScrollBar()->setRange(0, std::max(0, m_scrollSize.width() - page.width()));
  horizontalScrollBar()->setPageStep(page.width());
  horizontalScrollBar()->setSingleStep(COLUMN_WIDTH / 10);
  verticalScrollBar()->setRange(0, std::max(0, m_scrollSize.height() - page.height()));
  verticalScrollBar()->setPageStep(page.height());
  verticalScrollBar()->setSingleStep(RowHeight());
}

void CVQBDataView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
}

void CVQBDataView::PaintReason(QPainter& painter) {
  const int margin = previewgrid::kLeftMargin * 2;
  const QRect room = viewport()->rect().adjusted(margin, margin, -margin, -margin);
  painter.drawText(room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, m_reason);
}

void CVQBDataView::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  if (m_rows.empty()) {
    if (!m_reason.isEmpty()) PaintReason(painter);
    return;
  }
  const int rowHeight = RowHeight();
  const int left = horizontalScrollBar()->value();
  const int top = verticalScrollBar()->value();
  const QRect dirty = event->rect().translated(left, top);
  painter.translate(-left, -top);
  const auto firstRow = static_cast<std::size_t>(std::max(0, dirty.top() / rowHeight));
  const auto lastRow = std::min(m_rows.size(), static_cast<std::size_t>(dirty.bottom() / rowHeight + 1));
  const QByteArrayView text(m_text);
  for (std::size_t r = firstRow; r < lastRow; ++r) {
    const int y = static_cast<int>(r) * rowHeight;
    for (const previewgrid::Field& field : previewgrid::SplitFields(text.sliced(m_rows[r].start, m_rows[r].length))) {
      const int x = field.column * COLUMN_WIDTH + previewgrid::kLeftMargin;
      // A long field runs on into the next columns, so only fields past the right edge are skipped.
      if (x > dirty.right()) break;
      const QRect cell(x, y, COLUMN_WIDTH, rowHeight);
      if (field.shaded) painter.fillRect(cell, ShadingColour());
      painter.drawText(cell, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
                       QString::fromLatin1(field.text.data(), field.text.size()));
    }
  }
}

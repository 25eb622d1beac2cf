// The right pane: the translated text of the previewed record or block, as
// a grid of fixed-width columns with the block headings shaded, under a
// title that names it. A preview that failed leaves its reason in place of
// the text, so that nothing older stays on screen.
#pragma once

#include <QAbstractScrollArea>
#include <QByteArray>
#include <QColor>
#include <QString>
#include <vector>

#include "browser/PreviewGrid.h"

class CVQBDataView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  static constexpr int COLUMN_WIDTH = previewgrid::COLUMN_WIDTH;
  static QColor ShadingColour() { return QColor(0xC0, 0xC0, 0xC0); }

  explicit CVQBDataView(QWidget* parent = nullptr);

  // Back to the empty pane's scroll size.
  void OnInitialUpdate();
  // Shows `text`, the preview of what `title` names, in place of the old one
  // and repaints at once.
  void SetText(QByteArray text, const QString& title = QString());
  // Empties the pane; a `reason` says in its place why `title` is not shown.
  void Clear(const QString& title = QString(), const QString& reason = QString());
  const QByteArray& Text() const { return m_text; }
  // What the pane shows; "No record or block chosen" while it shows nothing.
  QString Title() const;
  const QString& Reason() const { return m_reason; }
  int TextLength() const { return m_textLength; }
  QSize ScrollSize() const { return m_scrollSize; }
  int RowHeight() const;

 signals:
  void TitleChanged(const QString& title);
  // The pane was emptied.
  void Cleared();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void UpdateScrollBars();
  void PaintReason(QPainter& painter);

  QByteArray m_text;
  QString m_title;
  QString m_reason;
  int m_textLength = 0;
  // Where each row starts, so that a paint walks only the visible rows.
  std::vector<previewgrid::Row> m_rows;
  QSize m_scrollSize{previewgrid::kEmptyScrollSize, previewgrid::kEmptyScrollSize};
};

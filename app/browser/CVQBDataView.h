// The right pane: the translated text of the previewed record or block, as
// a grid of fixed-width columns with the block headings shaded.
#pragma once

#include <QAbstractScrollArea>
#include <QByteArray>
#include <QColor>
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
  // Shows `text` in place of the old one and repaints at once.
  void SetText(QByteArray text);
  const QByteArray& Text() const { return m_text; }
  int TextLength() const { return m_textLength; }
  QSize ScrollSize() const { return m_scrollSize; }
  int RowHeight() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void UpdateScrollBars();

  QByteArray m_text;
  int m_textLength = 0;
  // Where each row starts, so that a paint walks only the visible rows.
  std::vector<previewgrid::Row> m_rows;
  QSize m_scrollSize{previewgrid::kEmptyScrollSize, previewgrid::kEmptyScrollSize};
};

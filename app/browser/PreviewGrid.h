// How the preview pane lays translated text out: one row per line, one
// column per comma-separated field.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QSize>
#include <vector>

namespace previewgrid {

inline constexpr int COLUMN_WIDTH = 150;
inline constexpr int kLeftMargin = 5;
inline constexpr int kEmptyScrollSize = 100;
inline constexpr int kExtraWidth = 20;

struct Row {
  qsizetype start = 0;
  qsizetype length = 0;
};

// The rows of `text`: each runs up to the next carriage return; the line
// feed after it is skipped too. An empty line still takes a row.
std::vector<Row> SplitRows(QByteArrayView text);

struct Field {
  int column = 0;
  QByteArrayView text;
  bool shaded = false;
};

// The fields of a line, split at commas the way a tokenizer does: runs of
// commas are one separator, so empty fields take no column.
std::vector<Field> SplitFields(QByteArrayView line);
int CountFields(QByteArrayView line);

// Block headings are shaded; the "Block Mask" field is not a heading.
bool IsShaded(QByteArrayView field);

// The scroll extent of `rows` rows whose widest holds `widestFields` fields.
QSize ScrollExtent(int widestFields, int rows, int rowHeight, int scrollBarWidth);

}  // namespace previewgrid

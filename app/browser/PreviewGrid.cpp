#include "browser/PreviewGrid.h"

namespace previewgrid {

std::vector<Row> SplitRows(QByteArrayView text) {
  std::vector<Row> rows;
  qsizetype position = 0;
  while (position < text.size()) {
    qsizetype end = text.indexOf('\r', position);
    if (end < 0) end = text.size();
    rows.push_back({position, end - position});
    position = end + 1;
    if (position < text.size() && text[position] == '\n') ++position;
  }
  return rows;
}

namespace {

// Calls `use(column, field)` for each non-empty field of `line`.
template <typename Use>
void ForEachField(QByteArrayView line, Use use) {
  int column = 0;
  qsizetype position = 0;
  while (position < line.size()) {
    qsizetype end = line.indexOf(',', position);
    if (end < 0) end = line.size();
    if (end > position) use(column++, line.sliced(position, end - position));
    position = end + 1;
  }
}

}  // namespace

std::vector<Field> SplitFields(QByteArrayView line) {
  std::vector<Field> fields;
  ForEachField(line, [&fields](int column, QByteArrayView text) { fields.push_back({column, text, IsShaded(text)}); });
  return fields;
}

int CountFields(QByteArrayView line) {
  int count = 0;
  ForEachField(line, [&count](int, QByteArrayView) { ++count; });
  return count;
}

bool IsShaded(QByteArrayView field) { return field.contains("Block") && !field.contains("Mask"); }

QSize ScrollExtent(int widestFields, int rows, int rowHeight, int scrollBarWidth) {
  return {(widestFields + 2) * COLUMN_WIDTH + scrollBarWidth + kExtraWidth, rows * rowHeight};
}

}  // namespace previewgrid

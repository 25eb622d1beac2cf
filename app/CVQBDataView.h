// The right pane, where a selected record or block is previewed.
#pragma once

#include <QAbstractScrollArea>

class CVQBDataView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit CVQBDataView(QWidget* parent = nullptr);
};

#include "CVQBDataView.h"

CVQBDataView::CVQBDataView(QWidget* parent) : QAbstractScrollArea(parent) {
  setObjectName(QStringLiteral("dataView"));
  viewport()->setBackgroundRole(QPalette::Base);
}

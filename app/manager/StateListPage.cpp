#include "manager/StateListPage.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

StateListPage::StateListPage(const QString& listName, const QStringList& headers, const QList<int>& widths,
                             QSize imageSize, QWidget* parent)
    : PropertyPage(parent), list(new QTreeWidget(this)) {
  list->setObjectName(listName);
  list->setColumnCount(static_cast<int>(headers.size()));
  list->setHeaderLabels(headers);
  for (int column = 0; column < widths.size(); ++column) list->setColumnWidth(column, widths[column]);
  list->setRootIsDecorated(false);
  list->setIconSize(imageSize);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->header()->setSectionsClickable(false);
  connect(list, &QTreeWidget::itemSelectionChanged, this, [this] { OnSelectionChanged(); });
}

QPushButton* StateListPage::AddButton(const QString& label, const QString& name) {
  auto* button = new QPushButton(label, this);
  button->setObjectName(name);
  return button;
}

void StateListPage::LayOutButtons(const QList<QPushButton*>& buttons) {
  auto* column = new QVBoxLayout;
  for (QPushButton* button : buttons) column->addWidget(button);
  column->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(list, 1);
  layout->addLayout(column);
}

QTreeWidgetItem* StateListPage::NewItem(const QString& text, const QPixmap& image, int number) {
  auto* item = new QTreeWidgetItem;
  item->setText(0, text);
  item->setIcon(0, image);
  item->setData(0, Qt::UserRole, number);
  return item;
}

int StateListPage::SelectedNumber(int none) const {
  const QList<QTreeWidgetItem*> chosen = list->selectedItems();
  return chosen.isEmpty() ? none : chosen.first()->data(0, Qt::UserRole).toInt();
}

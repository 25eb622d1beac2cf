// What the setups and macros pages share: a list of numbered items, each with
// a state picture, and a column of buttons beside it.
#pragma once

#include <QPushButton>
#include <QSize>
#include <QTreeWidget>

#include "common/PropertySheet.h"

class StateListPage : public PropertyPage {
  Q_OBJECT

 public:
  StateListPage(const QString& listName, const QStringList& headers, const QList<int>& widths, QSize imageSize,
                QWidget* parent);
  // The list goes after the derived page: it must no longer call it.
  ~StateListPage() override { list->disconnect(this); }

 protected:
  // A button for the column; call LayOutButtons once all are made.
  QPushButton* AddButton(const QString& label, const QString& name);
  void LayOutButtons(const QList<QPushButton*>& buttons);
  // An item showing `number` in its data.
  QTreeWidgetItem* NewItem(const QString& text, const QPixmap& image, int number);
  // The selected item's number, or `none`.
  int SelectedNumber(int none) const;
  virtual void OnSelectionChanged() = 0;

  QTreeWidget* list;
};

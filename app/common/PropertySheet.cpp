#include "common/PropertySheet.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

PropertySheet::PropertySheet(const QString& caption, QWidget* parent)
    : QDialog(parent), tabs(new QTabWidget(this)), buttons(new QDialogButtonBox(this)) {
  setWindowTitle(caption);
  tabs->setObjectName(QStringLiteral("pages"));
  buttons->setObjectName(QStringLiteral("sheetButtons"));
  buttons->addButton(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
  buttons->addButton(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
  buttons->addButton(QDialogButtonBox::Apply)->setObjectName(QStringLiteral("applyButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(tabs, &QTabWidget::currentChanged, this, &PropertySheet::ActivatePage);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs);
  layout->addWidget(buttons);
}

void PropertySheet::ShowOnlyCloseButton() {
  buttons->button(QDialogButtonBox::Cancel)->hide();
  buttons->button(QDialogButtonBox::Apply)->hide();
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Close"));
}

void PropertySheet::AddPage(PropertyPage* page, const QString& title) { tabs->addTab(page, title); }

void PropertySheet::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  ActivatePage(tabs->currentIndex());
}

void PropertySheet::ActivatePage(int index) {
  if (auto* page = qobject_cast<PropertyPage*>(tabs->widget(index)); page && isVisible()) page->OnSetActive();
}

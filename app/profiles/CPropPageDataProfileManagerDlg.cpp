#include "profiles/CPropPageDataProfileManagerDlg.h"

#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>

#include "common/StringTable.h"
#include "common/UserPrompts.h"
#include "profiles/DataProfileList.h"
#include "profiles/ProfileNameDialogs.h"
#include "profiles/ProfileTransferDialogs.h"

CPropPageDataProfileManagerDlg::CPropPageDataProfileManagerDlg(DataProfileList& list_, QWidget* parent)
    : PropertyPage(parent), profiles(list_), list(new QListWidget(this)) {
  setObjectName(QStringLiteral("dataProfileManagerPage"));
  list->setObjectName(QStringLiteral("profileList"));
  auto* layout = new QGridLayout(this);
  layout->addWidget(list, 0, 0, 5, 1);
  int row = 0;
  auto addButton = [&](const char* text, const char* name, void (CPropPageDataProfileManagerDlg::*handler)()) {
    auto* button = new QPushButton(QString::fromLatin1(text), this);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, handler);
    layout->addWidget(button, row++, 1);
  };
  addButton("&Create", "createButton", &CPropPageDataProfileManagerDlg::OnCreate);
  addButton("&Delete", "deleteButton", &CPropPageDataProfileManagerDlg::OnDelete);
  addButton("&Export", "exportButton", &CPropPageDataProfileManagerDlg::OnExport);
  addButton("&Import", "importButton", &CPropPageDataProfileManagerDlg::OnImport);
  layout->setRowStretch(row, 1);
  connect(list, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* current) {
    if (current) profiles.SetCurrentId(current->data(Qt::UserRole).toInt());
  });
}

void CPropPageDataProfileManagerDlg::OnSetActive() { FillList(); }

void CPropPageDataProfileManagerDlg::FillList() {
  const int current = profiles.CurrentId();
  const QSignalBlocker blocker(list);
  list->clear();
  for (const auto& profile : profiles.Profiles()) {
    auto* item = new QListWidgetItem(profile->name, list);
    item->setData(Qt::UserRole, profile->id);
  }
  SelectId(current);
}

void CPropPageDataProfileManagerDlg::SelectId(int id) {
  for (int row = 0; row < list->count(); ++row) {
    if (list->item(row)->data(Qt::UserRole).toInt() == id) {
      list->setCurrentRow(row);
      return;
    }
  }
}

void CPropPageDataProfileManagerDlg::OnCreate() {
  CCreateProfileDlg dialog(profiles, this);
  if (dialog.exec() != QDialog::Accepted) return;
  const DataProfile& created = profiles.Create(dialog.Name());
  FillList();
  SelectId(created.id);
}

void CPropPageDataProfileManagerDlg::OnDelete() {
  QListWidgetItem* selected = list->currentItem();
  // A Ctrl+click can clear the selection and leave the current item behind.
  if (!selected || !selected->isSelected()) {
    prompts::ShowMessage(this, strings::kSelectProfileName);
    return;
  }
  if (list->row(selected) == 0) {
    prompts::ShowMessage(this, strings::kDefaultProfileUndeletable);
    return;
  }
  if (prompts::ShowMessage(this, strings::kConfirmProfileDelete, prompts::Icon::Question) != prompts::Answer::Yes)
    return;
  profiles.Remove(selected->data(Qt::UserRole).toInt());
  FillList();
  list->setCurrentRow(0);
  profiles.SetCurrentId(kDefaultProfileId);
}

void CPropPageDataProfileManagerDlg::OnExport() {
  CExportProfilesDlg dialog(profiles, this);
  dialog.exec();
}

void CPropPageDataProfileManagerDlg::OnImport() {
  CImportProfilesDlg dialog(profiles, this);
  dialog.exec();
  FillList();
}

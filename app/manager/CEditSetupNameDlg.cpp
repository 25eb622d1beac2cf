#include "manager/CEditSetupNameDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

CEditSetupNameDlg::CEditSetupNameDlg(const QString& name, QWidget* parent)
    : QDialog(parent), nameEdit(new QLineEdit(name, this)) {
  setObjectName(QStringLiteral("editSetupNameDialog"));
  setWindowTitle(QStringLiteral("Edit Setup Name"));
  nameEdit->setObjectName(QStringLiteral("setupName"));
  nameEdit->selectAll();
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QFormLayout(this);
  layout->addRow(QStringLiteral("Setup Name:"), nameEdit);
  layout->addRow(buttons);
}

QString CEditSetupNameDlg::Name() const { return nameEdit->text(); }

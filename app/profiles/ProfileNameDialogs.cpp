#include "profiles/ProfileNameDialogs.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/StringTable.h"
#include "common/UserPrompts.h"
#include "profiles/DataProfileList.h"

ProfileNameDialog::ProfileNameDialog(const QString& caption, const QString& prompt, bool cancellable,
                                     const DataProfileList* existingNames, QWidget* parent)
    : QDialog(parent), existing(existingNames), nameEdit(new QLineEdit(this)) {
  setWindowTitle(caption);
  nameEdit->setObjectName(QStringLiteral("profileName"));
  auto* label = new QLabel(prompt, this);
  label->setObjectName(QStringLiteral("prompt"));
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
  if (cancellable) buttons->addButton(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &ProfileNameDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(nameEdit);
  layout->addWidget(buttons);
  nameEdit->setFocus();
}

QString ProfileNameDialog::Name() const { return nameEdit->text(); }

void ProfileNameDialog::accept() {
  if (const int problem = ProfileNameProblem(Name(), existing)) {
    prompts::ShowMessage(this, problem);
    return;
  }
  QDialog::accept();
}

CCreateProfileDlg::CCreateProfileDlg(const DataProfileList& existingNames, QWidget* parent)
    : ProfileNameDialog(QStringLiteral("Create Profile"), QStringLiteral("Enter the new profile name:"), true,
                        &existingNames, parent) {
  setObjectName(QStringLiteral("createProfileDialog"));
}

CChangeProfileNameDlg::CChangeProfileNameDlg(const QString& name, QWidget* parent)
    : ProfileNameDialog(QStringLiteral("Change Profile Name"), strings::LoadString(strings::kProfileRenamePrompt),
                        false, nullptr, parent) {
  setObjectName(QStringLiteral("changeProfileNameDialog"));
  NameEdit()->setText(name);
  NameEdit()->selectAll();
}

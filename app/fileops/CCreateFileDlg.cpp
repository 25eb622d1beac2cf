#include "fileops/CCreateFileDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "common/StringTable.h"
#include "common/UpperCaseValidator.h"
#include "common/UserPrompts.h"

namespace {
constexpr int kMaxMemoryFileName = 8;
}  // namespace

QString MemoryFileName(const QString& typed) {
  QString name = typed;
  for (QChar& c : name) {
    const char16_t code = c.unicode();
    const bool letterOrDigit = (code >= u'A' && code <= u'Z') || (code >= u'a' && code <= u'z') ||
                               (code >= u'0' && code <= u'9');
    if (!letterOrDigit) c = QLatin1Char('_');
  }
  return name;
}

CCreateFileDlg::CCreateFileDlg(QWidget* parent) : QDialog(parent), nameEdit(new QLineEdit(this)) {
  setObjectName(QStringLiteral("createFileDialog"));
  setWindowTitle(QStringLiteral("Create File"));
  nameEdit->setObjectName(QStringLiteral("fileName"));
  nameEdit->setValidator(new UpperCaseValidator(nameEdit));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->setObjectName(QStringLiteral("buttons"));
  connect(buttons, &QDialogButtonBox::accepted, this, &CCreateFileDlg::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CCreateFileDlg::reject);

  auto* fields = new QFormLayout;
  fields->addRow(new QLabel(QStringLiteral("Filename:"), this), nameEdit);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(buttons);
  nameEdit->setFocus();
}

void CCreateFileDlg::accept() {
  const QString typed = nameEdit->text();
  if (typed.size() > kMaxMemoryFileName) {
    prompts::ShowMessage(this, strings::kCreateNameTooLong, prompts::Icon::Warning);
    return;
  }
  fileName = MemoryFileName(typed);
  QDialog::accept();
}

#include "profiles/ProfileTransferDialogs.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "common/ReplacedFile.h"
#include "common/StringTable.h"
#include "common/UserPrompts.h"
#include "profiles/ProfileExchangeFile.h"
#include "profiles/ProfileNameDialogs.h"

namespace {

prompts::FileDialogRequest ExchangeFileRequest(const QString& caption) {
  return {caption, QStringLiteral("Data Profile Files (*.vqf)|*.vqf|All Files (*)|*||"), QStringLiteral("*.vqf"),
          QString()};
}

}  // namespace

ProfileTransferDialog::ProfileTransferDialog(const QString& caption, const QString& fileLabel,
                                             const QString& listLabel, QWidget* parent)
    : QDialog(parent), fileName(new QLineEdit(this)), list(new QListWidget(this)) {
  setWindowTitle(caption);
  fileName->setObjectName(QStringLiteral("fileName"));
  list->setObjectName(QStringLiteral("profileList"));
  list->setSelectionMode(QAbstractItemView::MultiSelection);
  auto* browse = new QPushButton(QStringLiteral("..."), this);
  browse->setObjectName(QStringLiteral("browseButton"));
  browse->setAutoDefault(false);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
  buttons->addButton(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(browse, &QPushButton::clicked, this, [this] { Browse(); });

  auto* layout = new QGridLayout(this);
  layout->addWidget(new QLabel(fileLabel, this), 0, 0, 1, 2);
  layout->addWidget(fileName, 1, 0);
  layout->addWidget(browse, 1, 1);
  layout->addWidget(new QLabel(listLabel, this), 2, 0, 1, 2);
  layout->addWidget(list, 3, 0, 1, 2);
  layout->addWidget(buttons, 4, 0, 1, 2);
}

QString ProfileTransferDialog::FileName() const { return fileName->text(); }

void ProfileTransferDialog::SetFileName(const QString& name) { fileName->setText(name); }

std::vector<int> ProfileTransferDialog::SelectedIds() const {
  std::vector<int> ids;
  for (int row = 0; row < list->count(); ++row) {
    if (list->item(row)->isSelected()) ids.push_back(list->item(row)->data(Qt::UserRole).toInt());
  }
  return ids;
}

namespace {
void AddEntry(QListWidget* list, const DataProfile& profile) {
  auto* item = new QListWidgetItem(profile.name, list);
  item->setData(Qt::UserRole, profile.id);
}
}  // namespace

CExportProfilesDlg::CExportProfilesDlg(const DataProfileList& profileList, QWidget* parent)
    : ProfileTransferDialog(QStringLiteral("Export Profiles"), QStringLiteral("Output Filename"),
                            QStringLiteral("Profiles to Export"), parent),
      profiles(profileList) {
  setObjectName(QStringLiteral("exportProfilesDialog"));
  for (const auto& profile : profiles.Profiles()) AddEntry(List(), *profile);
}

void CExportProfilesDlg::Browse() {
  const QString chosen = prompts::SaveFileName(this, ExchangeFileRequest(QStringLiteral("Export Profiles")));
  if (!chosen.isEmpty()) SetFileName(chosen);
}

void CExportProfilesDlg::accept() {
  if (FileName().isEmpty()) {
    prompts::ShowMessage(this, strings::kSelectOutputFile);
    return;
  }
  // The import browser lists only .vqf files.
  if (QFileInfo(FileName()).suffix().isEmpty()) SetFileName(FileName() + QStringLiteral(".vqf"));
  const std::vector<int> ids = SelectedIds();
  if (ids.empty()) {
    prompts::ShowMessage(this, strings::kSelectProfileToExport);
    return;
  }
  std::vector<QString> texts;
  for (int id : ids) {
    if (const DataProfile* profile = profiles.Find(id)) texts.push_back(profile->Format());
  }
  // The dialog stays open for another file name.
  if (!WriteProfileExchangeFile(FileName(), texts)) {
    const QString failure = QStringLiteral("The profiles could not be written to %1.").arg(FileName());
    prompts::Show(this, files::WithNewFileRefusal(failure, FileName()), prompts::Icon::Warning);
    return;
  }
  QDialog::accept();
}

CImportProfilesDlg::CImportProfilesDlg(DataProfileList& profileList, QWidget* parent)
    : ProfileTransferDialog(QStringLiteral("Import Profiles"), QStringLiteral("Input Filename"),
                            QStringLiteral("Profiles to Import"), parent),
      profiles(profileList) {
  setObjectName(QStringLiteral("importProfilesDialog"));
  connect(FileNameEdit(), &QLineEdit::editingFinished, this, &CImportProfilesDlg::LoadTypedFile);
}

// A typed path lists its profiles as a browsed one does.
bool CImportProfilesDlg::LoadTypedFile() {
  if (FileName() == loadedPath) return false;
  LoadFile(FileName());
  return true;
}

void CImportProfilesDlg::Browse() {
  const QString chosen = prompts::OpenFileName(this, ExchangeFileRequest(QStringLiteral("Import Profiles")));
  if (!chosen.isEmpty()) LoadFile(chosen);
}

void CImportProfilesDlg::LoadFile(const QString& path) {
  SetFileName(path);
  loadedPath = path;
  fileProfiles = ReadProfileExchangeFile(path);
  List()->clear();
  for (const DataProfile& profile : fileProfiles) AddEntry(List(), profile);
}

void CImportProfilesDlg::accept() {
  // Enter after typing a path lists the file's profiles first.
  if (LoadTypedFile()) return;
  const std::vector<int> ids = SelectedIds();
  if (ids.empty()) {
    prompts::ShowMessage(this, strings::kSelectProfileToImport);
    return;
  }
  for (int id : ids) {
    DataProfile imported = fileProfiles.at(static_cast<size_t>(id - 1));
    bool renamed = true;
    while (renamed && profiles.ContainsName(imported.name)) {
      CChangeProfileNameDlg rename(imported.name, this);
      // Closing the rename window without a name leaves this profile out.
      renamed = rename.exec() == QDialog::Accepted;
      if (renamed) imported.name = rename.Name();
    }
    if (renamed) profiles.Append(profiles.NextId(), imported.Format());
  }
  fileProfiles.clear();
  QDialog::accept();
}

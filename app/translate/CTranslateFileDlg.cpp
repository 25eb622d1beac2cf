#include "translate/CTranslateFileDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include "browser/FileTreeItemKind.h"
#include "common/LastFolders.h"
#include "common/ReplacedFile.h"
#include "common/StringTable.h"
#include "common/UserPrompts.h"
#include "common/WaitCursor.h"
#include "fileops/CDownloadProgressDlg.h"
#include "fileops/FileCommands.h"
#include "link/AnalyzerLink.h"
#include "profiles/CPropSheetDataProfiles.h"
#include "profiles/DataProfileList.h"
#include "translate/TranslationJob.h"
#include "translate/TranslationPaths.h"
#include "translate/TranslatorSettings.h"
#include "translate/ViewerLaunch.h"

namespace {

constexpr int kRecordWordRole = Qt::UserRole;

prompts::FileDialogRequest FileRequest(const char* caption, const char* suffix, const char* filter,
                                       const QString& start = {}) {
  return {QString::fromLatin1(caption), QString::fromLatin1(filter), QString::fromLatin1(suffix), start};
}

QLineEdit* NewEdit(QWidget* parent, const QString& name) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  return edit;
}

}  // namespace

CTranslateFileDlg::CTranslateFileDlg(DataProfileList& profileList, AnalyzerLink& analyzer, QWidget* parent)
    : QDialog(parent),
      profiles(profileList),
      link(analyzer),
      inputEdit(NewEdit(this, QStringLiteral("inputPath"))),
      outputEdit(NewEdit(this, QStringLiteral("outputPath"))),
      profileCombo(new QComboBox(this)),
      noteEdit(NewEdit(this, QStringLiteral("fileNote"))),
      autoLaunch(new QCheckBox(QStringLiteral("&Automatically launch viewer application"), this)),
      viewerEdit(NewEdit(this, QStringLiteral("viewerPath"))),
      recordList(new QListWidget(this)) {
  setObjectName(QStringLiteral("translateFileDialog"));
  setWindowTitle(QStringLiteral("Translate File"));
  profileCombo->setObjectName(QStringLiteral("profileCombo"));
  autoLaunch->setObjectName(QStringLiteral("autoLaunch"));
  recordList->setObjectName(QStringLiteral("recordList"));
  recordList->setSelectionMode(QAbstractItemView::MultiSelection);

  auto* files = new QGridLayout;
  files->addWidget(new QLabel(QStringLiteral("Input Filename"), this), 0, 0);
  files->addWidget(inputEdit, 0, 1);
  files->addWidget(AddButton(QStringLiteral("..."), QStringLiteral("inputBrowse")), 0, 2);
  files->addWidget(new QLabel(QStringLiteral("Output Filename"), this), 1, 0);
  files->addWidget(outputEdit, 1, 1);
  files->addWidget(AddButton(QStringLiteral("..."), QStringLiteral("outputBrowse")), 1, 2);
  files->addWidget(new QLabel(QStringLiteral("Translation Profile"), this), 2, 0);
  auto* profileRow = new QHBoxLayout;
  profileRow->addWidget(profileCombo, 1);
  profileRow->addWidget(AddButton(QStringLiteral("&Profile Manager"), QStringLiteral("profileManager")));
  files->addLayout(profileRow, 2, 1, 1, 2);
  files->addWidget(new QLabel(QStringLiteral("File Note (optional)"), this), 3, 0);
  files->addWidget(noteEdit, 3, 1, 1, 2);

  auto* viewer = new QGroupBox(QStringLiteral("Viewer"), this);
  auto* viewerRows = new QGridLayout(viewer);
  viewerRows->addWidget(autoLaunch, 0, 0, 1, 2);
  viewerRows->addWidget(viewerEdit, 1, 0);
  viewerRows->addWidget(AddButton(QStringLiteral("..."), QStringLiteral("viewerBrowse")), 1, 1);

  auto* records = new QGroupBox(QStringLiteral("Records to Translate"), this);
  auto* recordRows = new QVBoxLayout(records);
  recordRows->addWidget(recordList);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  translateButton = AddButton(QStringLiteral("&Translate"), QStringLiteral("translateButton"));
  buttons->addWidget(translateButton);
  buttons->addWidget(AddButton(QStringLiteral("&Select All"), QStringLiteral("selectAllButton")));
  buttons->addWidget(AddButton(QStringLiteral("Close"), QStringLiteral("closeButton")));

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(files);
  layout->addWidget(viewer);
  layout->addWidget(records, 1);
  layout->addLayout(buttons);
  resize(520, 480);

  connect(findChild<QPushButton*>(QStringLiteral("inputBrowse")), &QPushButton::clicked, this,
          &CTranslateFileDlg::OnBrowseInput);
  connect(findChild<QPushButton*>(QStringLiteral("outputBrowse")), &QPushButton::clicked, this,
          &CTranslateFileDlg::OnBrowseOutput);
  connect(findChild<QPushButton*>(QStringLiteral("viewerBrowse")), &QPushButton::clicked, this,
          &CTranslateFileDlg::OnBrowseViewer);
  connect(findChild<QPushButton*>(QStringLiteral("profileManager")), &QPushButton::clicked, this,
          &CTranslateFileDlg::OnProfileManager);
  connect(translateButton, &QPushButton::clicked, this, &CTranslateFileDlg::OnTranslate);
  connect(findChild<QPushButton*>(QStringLiteral("selectAllButton")), &QPushButton::clicked, this, [this] {
    recordList->selectAll();
    translateButton->setEnabled(true);
  });
  connect(findChild<QPushButton*>(QStringLiteral("closeButton")), &QPushButton::clicked, this, &QDialog::accept);
  connect(recordList, &QListWidget::itemSelectionChanged, this, [this] { translateButton->setEnabled(true); });
  connect(profileCombo, &QComboBox::activated, this, &CTranslateFileDlg::OnProfileChosen);

  FillProfiles();
  translateButton->setEnabled(false);
  settings::Store store;
  const TranslatorSettings stored = TranslatorSettings::Read(store);
  autoLaunch->setChecked(stored.autoLaunch);
  viewerEdit->setText(stored.viewerPath);
}

CTranslateFileDlg::~CTranslateFileDlg() {
  settings::Store store;
  TranslatorSettings{autoLaunch->isChecked(), viewerEdit->text()}.Write(store);
}

QPushButton* CTranslateFileDlg::AddButton(const QString& text, const QString& name) {
  auto* button = new QPushButton(text, this);
  button->setObjectName(name);
  button->setAutoDefault(false);
  // A browse button is as wide as its three dots need.
  if (text == QLatin1String("...")) button->setFixedWidth(button->fontMetrics().horizontalAdvance(text) + 24);
  return button;
}

void CTranslateFileDlg::SetInput(int kind, const QString& path) {
  inputKind = kind;
  inputEdit->setText(path);
  ShowInput();
}

void CTranslateFileDlg::ShowInput() {
  outputEdit->setText(ProposedOutputPath(inputKind, inputEdit->text()));
  FillRecordList();
  translateButton->setEnabled(false);
}

void CTranslateFileDlg::FillRecordList() {
  WaitCursor wait;
  recordList->clear();
  if (inputKind == FileTreeItemKind::kMemoryFile) {
    AddMemoryFileRecords(inputEdit->text());
  } else {
    AddComputerFileRecords(inputEdit->text());
  }
}

void CTranslateFileDlg::AddComputerFileRecords(const QString& path) {
  Morvane file(QFile::encodeName(path).constData());
  const unsigned short count = file.GetRecordCount();
  if (count == 0) return;
  std::vector<_RecordEntryTag> entries(count, _RecordEntryTag{});
  if (file.GetRecordsInFile(entries.data()) == 0) return;
  for (const _RecordEntryTag& entry : entries) {
    AddRecord(QString::fromLatin1(entry.name, static_cast<qsizetype>(qstrnlen(entry.name, sizeof entry.name))),
              entry.type, entry.number);
  }
}

void CTranslateFileDlg::AddMemoryFileRecords(const QString& name) {
  std::vector<AnalyzerRecordEntry> entries;
  int count = 0;
  if (link.SetRemoteMode() && link.SetCurrentFile(name, 0) && link.GetRecordCount(count, 0) && count >= 1 &&
      link.GetRecords(count, entries)) {
    // The analyzer pads each name to its column.
    for (const AnalyzerRecordEntry& entry : entries)
      AddRecord(QString(entry.name).remove(QRegularExpression(QStringLiteral(" +$"))), entry.type, entry.number);
  }
  link.SetLocalMode();
}

void CTranslateFileDlg::AddRecord(const QString& name, int type, int number) {
  auto* item = new QListWidgetItem(QStringLiteral("%1 %2").arg(name).arg(number), recordList);
  const uint word = (static_cast<uint>(type) & 0xFFFFu) | ((static_cast<uint>(number) & 0xFFFFu) << 16);
  item->setData(kRecordWordRole, word);
}

void CTranslateFileDlg::FillProfiles() {
  profileCombo->clear();
  profile = nullptr;
  for (const auto& entry : profiles.Profiles()) {
    profileCombo->addItem(entry->name, entry->id);
    if (entry->id == profiles.CurrentId()) {
      profileCombo->setCurrentIndex(profileCombo->count() - 1);
      profile = &entry->tag;
    }
  }
  if (!profile && profileCombo->count() > 0) profileCombo->setCurrentIndex(0);
}

void CTranslateFileDlg::OnProfileChosen(int index) {
  const int id = profileCombo->itemData(index).toInt();
  DataProfile* chosen = profiles.Find(id);
  if (!chosen) return;
  profiles.SetCurrentId(id);
  profile = &chosen->tag;
}

void CTranslateFileDlg::OnProfileManager() {
  CPropSheetDataProfiles sheet(profiles, this);
  sheet.exec();
  FillProfiles();
}

void CTranslateFileDlg::OnBrowseInput() {
  const QString path = prompts::OpenFileName(
      this, FileRequest("Select Input File", "*.vqb", "VQB Binary Files (*.vqb)|*.vqb|All Files (*)|*||"));
  if (path.isEmpty()) return;
  inputKind = FileTreeItemKind::kComputerFile;
  inputEdit->setText(path);
  ShowInput();
}

void CTranslateFileDlg::OnBrowseOutput() {
  const QString path =
      prompts::SaveFileName(this, FileRequest("Select Output File", "*.csv",
                                              "Translated Files (*.csv)|*.csv|All Files (*)|*||", outputEdit->text()));
  if (!path.isEmpty()) outputEdit->setText(path);
}

void CTranslateFileDlg::OnBrowseViewer() {
  // Programs here have no extension: every file is offered first.
  const QString path = prompts::OpenFileName(
      this, FileRequest("Select Viewer Application", "", "All Files (*)|*|Executable Files(*.exe)|*.exe||"));
  if (!path.isEmpty()) viewerEdit->setText(path);
}

std::vector<_RecordEntryTag> CTranslateFileDlg::SelectedRecords() const {
  std::vector<_RecordEntryTag> records;
  for (int row = 0; row < recordList->count(); ++row) {
    const QListWidgetItem* item = recordList->item(row);
    if (!item->isSelected()) continue;
    const uint word = item->data(kRecordWordRole).toUInt();
    _RecordEntryTag entry{};
    entry.type = static_cast<unsigned char>(word & 0xFFu);
    entry.number = static_cast<unsigned short>(word >> 16);
    records.push_back(entry);
  }
  return records;
}

void CTranslateFileDlg::OnTranslate() {
  const QString outputPath = outputEdit->text();
  if (outputPath.isEmpty()) {
    prompts::ShowMessage(this, strings::kSelectOutputFile, prompts::Icon::Warning);
    return;
  }
  if (recordList->selectedItems().isEmpty()) {
    prompts::ShowMessage(this, strings::kSelectRecords, prompts::Icon::Warning);
    return;
  }
  if (inputKind != FileTreeItemKind::kMemoryFile && IsInputFile(inputEdit->text(), outputPath)) {
    prompts::Show(this, QString::fromLatin1(kOutputIsInput), prompts::Icon::Warning);
    return;
  }
  bool translated = false;
  QString copyFailure;
  {
    WaitCursor wait;
    if (inputKind == FileTreeItemKind::kMemoryFile) {
      // The copy lives in a private folder that goes, with it, in every case.
      QTemporaryDir folder;
      const QString copy = folder.filePath(QStringLiteral("VerdalTempOut.xxx"));
      if (!folder.isValid())
        copyFailure = strings::LoadString(strings::kCopyFailed) + QLatin1Char('\n') + folder.errorString();
      else if (const fileops::CopyOutcome copied = CopyInput(copy); copied == fileops::CopyOutcome::Copied)
        translated = Translate(copy, outputPath);
      else if (copied == fileops::CopyOutcome::Failed)
        copyFailure = fileops::CopyFailureMessage(link, inputEdit->text(), copy);
    } else {
      translated = Translate(inputEdit->text(), outputPath);
    }
  }
  // A copy that failed says which step of the download went wrong, so that
  // the user knows no translation was made.
  if (!copyFailure.isEmpty()) prompts::Show(this, copyFailure, prompts::Icon::Warning);
  if (!translated) return;
  folders::Remember(folders::Use::Output, outputPath);
  prompts::ShowMessage(this, strings::kFinishedTranslating, prompts::Icon::Information);
  if (autoLaunch->isChecked() && !LaunchViewer(viewerEdit->text(), QFileInfo(outputPath).absoluteFilePath()))
    prompts::ShowMessage(this, strings::kViewerLaunchFailed, prompts::Icon::Warning);
}

// The download of a memory file can take minutes: it shows the progress
// window, and its Cancel, over this dialog.
fileops::CopyOutcome CTranslateFileDlg::CopyInput(const QString& copy) {
  CDownloadProgressDlg progress;
  return fileops::CopyWithProgress(this, link, progress, inputEdit->text(), copy);
}

bool CTranslateFileDlg::Translate(const QString& inputPath, const QString& outputPath) {
  const TranslationJob job{inputPath, outputPath, profile, SelectedRecords(), Preamble(noteEdit->text())};
  const TranslationOutcome outcome = RunTranslation(job);
  if (outcome == TranslationOutcome::Failed) {
    prompts::Show(this, files::WithNewFileRefusal(strings::LoadString(strings::kTranslationFailed), outputPath),
                  prompts::Icon::Warning);
    return false;
  }
  if (outcome == TranslationOutcome::NeedsRearranging) {
    prompts::ShowMessage(this, strings::kFormattingData, prompts::Icon::Information);
    if (!RearrangeTranslatedFile(outputPath)) {
      prompts::Show(this, RearrangementFailure(outputPath), prompts::Icon::Warning);
      return false;
    }
  }
  return true;
}

#include "manager/CMgrSetupsDlg.h"

#include <cstring>

#include "common/ReplacedFile.h"
#include "common/StringTable.h"
#include "common/UserPrompts.h"
#include "common/WaitCursor.h"
#include "link/AnalyzerLink.h"
#include "link/CommandConfirmation.h"
#include "manager/CEditSetupNameDlg.h"
#include "manager/ManagerImages.h"

namespace {

constexpr int kNameColumnWidth = 100;
constexpr int kBootColumnWidth = 136;

prompts::FileDialogRequest SetupFileRequest() {
  return {QString(), QStringLiteral("Setup Files (*.set)|*.set|All Files (*)|*||"), QStringLiteral("set"),
          QString()};
}

}  // namespace

SetupButtonStates SetupButtonsFor(std::uint8_t selected, bool inUse) {
  if (selected == kNoSetup) return {};
  if (selected == 0) return {true, true, false, false, false, false};
  return {inUse, inUse, inUse, true, true, true};
}

CMgrSetupsDlg::CMgrSetupsDlg(AnalyzerLink& analyzer, QWidget* parent)
    : StateListPage(QStringLiteral("setupList"), {QStringLiteral("Setup Name"), QStringLiteral("Boot")},
                    {kNameColumnWidth, kBootColumnWidth}, QSize(ManagerImage::kSetupWidth, ManagerImage::kSetupHeight),
                    parent),
      link(analyzer) {
  setObjectName(QStringLiteral("setupsPage"));
  editName = AddButton(QStringLiteral("Edit Name"), QStringLiteral("editNameButton"));
  store = AddButton(QStringLiteral("Store"), QStringLiteral("storeButton"));
  activate = AddButton(QStringLiteral("Activate"), QStringLiteral("activateButton"));
  setBoot = AddButton(QStringLiteral("Set Boot"), QStringLiteral("setBootButton"));
  loadFile = AddButton(QStringLiteral("Load File"), QStringLiteral("loadFileButton"));
  saveFile = AddButton(QStringLiteral("Save File"), QStringLiteral("saveFileButton"));
  connect(editName, &QPushButton::clicked, this, &CMgrSetupsDlg::OnEditName);
  connect(store, &QPushButton::clicked, this, &CMgrSetupsDlg::OnStore);
  connect(activate, &QPushButton::clicked, this, &CMgrSetupsDlg::OnActivate);
  connect(setBoot, &QPushButton::clicked, this, &CMgrSetupsDlg::OnSetBoot);
  connect(loadFile, &QPushButton::clicked, this, &CMgrSetupsDlg::OnLoadFile);
  connect(saveFile, &QPushButton::clicked, this, &CMgrSetupsDlg::OnSaveFile);
  LayOutButtons({editName, store, activate, setBoot, loadFile, saveFile});
  ShowButtons({});
}

void CMgrSetupsDlg::ShowButtons(const SetupButtonStates& states) {
  activate->setEnabled(states.activate);
  setBoot->setEnabled(states.setBoot);
  saveFile->setEnabled(states.saveFile);
  store->setEnabled(states.store);
  loadFile->setEnabled(states.loadFile);
  editName->setEnabled(states.editName);
}

void CMgrSetupsDlg::OnSetActive() { Refresh(); }

QString CMgrSetupsDlg::SetupName(int setup) const {
  const char* name = setups.setupName[setup];
  QString text = QString::fromLatin1(name, static_cast<qsizetype>(strnlen(name, sizeof setups.setupName[setup])));
  while (text.endsWith(QLatin1Char(' '))) text.chop(1);
  return text;
}

void CMgrSetupsDlg::Refresh() {
  ShowButtons({});
  selectedSetup = kNoSetup;
  setups = SetupStruct{};
  list->clear();
  if (!WhileWaiting([this] { return link.GetSetupInfo(setups, 1); })) {
    prompts::ShowMessage(this, strings::kSetupsUnreadable);
    return;
  }
  for (int setup = 0; setup < talvinet::kSetupCount; ++setup) {
    QTreeWidgetItem* item = NewItem(
        SetupName(setup), ManagerImage::SetupImage(InUse(setup) ? ManagerImage::kSetupInUse : ManagerImage::kSetupUnused),
        setup);
    if (setups.setupBoot[setup] != 0) item->setText(1, QStringLiteral("Boot Configuration"));
    list->addTopLevelItem(item);
  }
}

void CMgrSetupsDlg::OnSelectionChanged() {
  selectedSetup = static_cast<std::uint8_t>(SelectedNumber(kNoSetup));
  ShowButtons(SetupButtonsFor(selectedSetup, selectedSetup != kNoSetup && InUse(selectedSetup)));
}

void CMgrSetupsDlg::ClearSelection() {
  list->clearSelection();
  list->setCurrentItem(nullptr);
}

// Success shows `done` as information, failure `failed` as a warning.
void CMgrSetupsDlg::Report(bool succeeded, int done, int failed) {
  prompts::ShowMessage(this, succeeded ? done : failed,
                       succeeded ? prompts::Icon::Information : prompts::Icon::Warning);
}

void CMgrSetupsDlg::ReportCommand(const CommandConfirmation& result, int done, int failed) {
  if (!result.done) {
    prompts::Show(this, WithAnalyzerError(strings::LoadString(failed), result), prompts::Icon::Warning);
  } else if (done != 0) {
    prompts::ShowMessage(this, done, prompts::Icon::Information);
  }
}

void CMgrSetupsDlg::OnActivate() {
  ReportCommand(RunCommand(link, [this] { return link.RecallSetupConfiguration(selectedSetup, 1); }),
                strings::kSetupActivated, strings::kSetupNotActivated);
  ClearSelection();
}

void CMgrSetupsDlg::OnSetBoot() {
  ReportCommand(RunCommand(link, [this] { return link.SetBootConfiguration(selectedSetup, 1); }), strings::kBootSet,
                strings::kBootNotSet);
  Refresh();
}

void CMgrSetupsDlg::OnStore() {
  ReportCommand(RunCommand(link, [this] { return link.StoreSetupConfiguration(selectedSetup, 1); }),
                strings::kSetupStored, strings::kSetupNotStored);
  Refresh();
}

void CMgrSetupsDlg::OnEditName() {
  CEditSetupNameDlg dialog(SetupName(selectedSetup), this);
  if (dialog.exec() == QDialog::Accepted) {
    const QString name = dialog.Name().left(kLongestName);
    ReportCommand(RunCommand(link, [&] { return link.SetSetupName(selectedSetup, name, 1); }), 0,
                  strings::kSetupNotRenamed);
  }
  Refresh();
}

void CMgrSetupsDlg::OnSaveFile() {
  const std::uint8_t setup = selectedSetup;
  const QString path = prompts::SaveFileName(this, SetupFileRequest());
  if (!path.isEmpty()) {
    const auto result = WhileWaiting([&] { return link.SaveSetupFile(setup, path, 1); });
    if (result == talvinet::SetupFileResult::kNotWritten) {
      prompts::Show(this, files::WithNewFileRefusal(strings::LoadString(strings::kSetupNotDownloaded), path),
                    prompts::Icon::Warning);
    } else {
      Report(result == talvinet::SetupFileResult::kDone, strings::kSetupDownloaded, strings::kSetupNotDownloaded);
    }
  }
  ClearSelection();
}

void CMgrSetupsDlg::OnLoadFile() {
  using talvinet::SetupFileResult;
  const std::uint8_t setup = selectedSetup;
  const QString path = prompts::OpenFileName(this, SetupFileRequest());
  if (!path.isEmpty()) {
    const SetupFileResult result = WhileWaiting([&] { return link.LoadSetupFile(setup, path, 1); });
    // Only bytes that were sent can have changed the analyzer's setups.
    if (result == SetupFileResult::kDone || result == SetupFileResult::kAnalyzerSilent) Refresh();
    if (result == SetupFileResult::kIncompatible) {
      prompts::ShowMessage(this, strings::kSetupFileIncompatible);
    } else {
      Report(result == SetupFileResult::kDone, strings::kSetupFileUploaded, strings::kSetupFileNotUploaded);
    }
  }
  ClearSelection();
}

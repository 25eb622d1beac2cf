#include "manager/CMgrSetupsDlg.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cstring>

#include "common/StringTable.h"
#include "common/UserPrompts.h"
#include "common/WaitCursor.h"
#include "link/AnalyzerLink.h"
#include "manager/CEditSetupNameDlg.h"
#include "manager/ManagerImages.h"

namespace {

constexpr int kNameColumnWidth = 100;
constexpr int kBootColumnWidth = 136;

prompts::FileDialogRequest SetupFileRequest() {
  return {QString(), QStringLiteral("Setup Files (*.set)|*.set|All Files (*.*)|*.*||"), QStringLiteral("set"),
          QString()};
}

}  // namespace

SetupButtonStates SetupButtonsFor(std::uint8_t selected, bool inUse) {
  if (selected == kNoSetup) return {};
  if (selected == 0) return {true, true, false, false, false, false};
  return {inUse, inUse, inUse, true, true, true};
}

CMgrSetupsDlg::CMgrSetupsDlg(AnalyzerLink& analyzer, QWidget* parent)
    : PropertyPage(parent), link(analyzer), list(new QTreeWidget(this)) {
  setObjectName(QStringLiteral("setupsPage"));
  list->setObjectName(QStringLiteral("setupList"));
  list->setColumnCount(2);
  list->setHeaderLabels({QStringLiteral("Setup Name"), QStringLiteral("Boot")});
  list->setColumnWidth(0, kNameColumnWidth);
  list->setColumnWidth(1, kBootColumnWidth);
  list->setRootIsDecorated(false);
  list->setIconSize(QSize(ManagerImage::kSetupWidth, ManagerImage::kSetupHeight));
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->header()->setSectionsClickable(false);
  connect(list, &QTreeWidget::itemSelectionChanged, this, &CMgrSetupsDlg::OnSelectionChanged);

  editName = AddButton(QStringLiteral("Edit Name"), QStringLiteral("editNameButton"), &CMgrSetupsDlg::OnEditName);
  store = AddButton(QStringLiteral("Store"), QStringLiteral("storeButton"), &CMgrSetupsDlg::OnStore);
  activate = AddButton(QStringLiteral("Activate"), QStringLiteral("activateButton"), &CMgrSetupsDlg::OnActivate);
  setBoot = AddButton(QStringLiteral("Set Boot"), QStringLiteral("setBootButton"), &CMgrSetupsDlg::OnSetBoot);
  loadFile = AddButton(QStringLiteral("Load File"), QStringLiteral("loadFileButton"), &CMgrSetupsDlg::OnLoadFile);
  saveFile = AddButton(QStringLiteral("Save File"), QStringLiteral("saveFileButton"), &CMgrSetupsDlg::OnSaveFile);

  auto* buttons = new QVBoxLayout;
  for (QPushButton* button : {editName, store, activate, setBoot, loadFile, saveFile}) buttons->addWidget(button);
  buttons->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(list, 1);
  layout->addLayout(buttons);
  ShowButtons({});
}

QPushButton* CMgrSetupsDlg::AddButton(const QString& label, const QString& name, void (CMgrSetupsDlg::*action)()) {
  auto* button = new QPushButton(label, this);
  button->setObjectName(name);
  connect(button, &QPushButton::clicked, this, action);
  return button;
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
    auto* item = new QTreeWidgetItem(list);
    item->setText(0, SetupName(setup));
    item->setIcon(0, ManagerImage::SetupImage(InUse(setup) ? ManagerImage::kSetupInUse : ManagerImage::kSetupUnused));
    item->setData(0, Qt::UserRole, setup);
    if (setups.setupBoot[setup] != 0) item->setText(1, QStringLiteral("Boot Configuration"));
  }
}

void CMgrSetupsDlg::OnSelectionChanged() {
  const QList<QTreeWidgetItem*> chosen = list->selectedItems();
  selectedSetup = chosen.isEmpty() ? kNoSetup : static_cast<std::uint8_t>(chosen.first()->data(0, Qt::UserRole).toInt());
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

void CMgrSetupsDlg::OnActivate() {
  Report(WhileWaiting([this] { return link.RecallSetupConfiguration(selectedSetup, 1); }), strings::kSetupActivated,
         strings::kSetupNotActivated);
  ClearSelection();
}

void CMgrSetupsDlg::OnSetBoot() {
  if (!WhileWaiting([this] { return link.SetBootConfiguration(selectedSetup, 1); }))
    prompts::ShowMessage(this, strings::kBootNotSet);
  Refresh();
}

void CMgrSetupsDlg::OnStore() {
  Report(WhileWaiting([this] { return link.StoreSetupConfiguration(selectedSetup, 1); }), strings::kSetupStored,
         strings::kSetupNotStored);
  Refresh();
}

void CMgrSetupsDlg::OnEditName() {
  CEditSetupNameDlg dialog(SetupName(selectedSetup), this);
  if (dialog.exec() == QDialog::Accepted) {
    const QString name = dialog.Name().left(kLongestName);
    if (!WhileWaiting([&] { return link.SetSetupName(selectedSetup, name, 1); }))
      prompts::ShowMessage(this, strings::kSetupNotRenamed);
  }
  Refresh();
}

void CMgrSetupsDlg::OnSaveFile() {
  const std::uint8_t setup = selectedSetup;
  const QString path = prompts::SaveFileName(this, SetupFileRequest());
  if (!path.isEmpty()) {
    const auto result = WhileWaiting([&] { return link.SaveSetupFile(setup, path, 1); });
    Report(result == talvinet::SetupFileResult::kDone, strings::kSetupDownloaded, strings::kSetupNotDownloaded);
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

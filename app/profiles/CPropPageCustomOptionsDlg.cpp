#include "profiles/CPropPageCustomOptionsDlg.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>

#include "common/WaitCursor.h"
#include "profiles/DataProfileList.h"
#include "profiles/ProfileOptionPanel.h"

namespace {
const QRect kPanelPlace(160, 64, 600, 400);
}  // namespace

CPropPageCustomOptionsDlg::CPropPageCustomOptionsDlg(DataProfileList& list, QWidget* parent)
    : PropertyPage(parent), profiles(list), profileCombo(new QComboBox(this)), blockList(new QListWidget(this)) {
  setObjectName(QStringLiteral("customOptionsPage"));
  profileCombo->setObjectName(QStringLiteral("currentProfile"));
  blockList->setObjectName(QStringLiteral("recordBlocks"));
  auto* profileLabel = new QLabel(QStringLiteral("Current Profile:"), this);
  auto* blocksLabel = new QLabel(QStringLiteral("Record Blocks:"), this);
  profileLabel->setGeometry(8, 2, 140, 18);
  profileCombo->setGeometry(8, 20, 300, 22);
  blocksLabel->setGeometry(8, 45, 140, 18);
  blockList->setGeometry(8, 64, 150, 260);
  setMinimumSize(kPanelPlace.left() + 320, 340);

  connect(profileCombo, &QComboBox::currentIndexChanged, this, &CPropPageCustomOptionsDlg::SelectProfile);
  connect(blockList, &QListWidget::currentRowChanged, this, &CPropPageCustomOptionsDlg::ShowPanel);
}

void CPropPageCustomOptionsDlg::OnSetActive() {
  WaitCursor wait;
  {
    const QSignalBlocker blocker(profileCombo);
    profileCombo->clear();
    for (const auto& profile : profiles.Profiles()) profileCombo->addItem(profile->name, profile->id);
    profileCombo->setCurrentIndex(std::max(0, profileCombo->findData(profiles.CurrentId())));
  }
  {
    const QSignalBlocker blocker(blockList);
    blockList->clear();
    int entryData = 1;
    for (const BlockEntry& entry : RecordBlockEntries()) {
      auto* item = new QListWidgetItem(QString::fromLatin1(entry.name), blockList);
      item->setData(Qt::UserRole, entryData++);
    }
    blockList->setCurrentRow(0);
  }
  SelectProfile(profileCombo->currentIndex());
}

void CPropPageCustomOptionsDlg::SelectProfile(int index) {
  DataProfile* profile = profiles.Find(profileCombo->itemData(index).toInt());
  if (!profile) return;
  profiles.SetCurrentId(profile->id);
  current_words = &profile->tag;
  readOnly = profile->id == kDefaultProfileId;
  ShowPanel();
}

void CPropPageCustomOptionsDlg::ShowPanel() {
  delete panel;
  panel = nullptr;
  const int row = blockList->currentRow();
  if (!current_words || row < 0) return;
  panel = new ProfileOptionPanel(RecordBlockEntries()[static_cast<size_t>(row)], &current_words->word[row], readOnly,
                                 this);
  panel->setGeometry(kPanelPlace);
  panel->show();
}

#include "profiles/ProfileOptionPanel.h"

#include <QCheckBox>
#include <QVBoxLayout>

namespace {
constexpr OptionBox kTranslate{"&Translate this block (if present)", 1u, true};
}  // namespace

const std::vector<BlockEntry>& RecordBlockEntries() {
  static const std::vector<BlockEntry> entries{
      {"General Options",
       {{"&Header Before Each Record", 1u, true}, {"Header Before Each Record &Block", 2u, true}}},
      {"Prefix", {kTranslate}},
      {"Note", {kTranslate}},
      {"Main System Variables", {kTranslate}},
      {"Setup vsRPM Variables", {kTranslate}},
      {"Data vsRPM Variables", {kTranslate}},
      {"Setup Statistics Variables", {kTranslate}},
      {"Statistics Variables", {kTranslate}},
      {"Intensity Variables", {kTranslate}},
      {"Autostore Block",
       {kTranslate, {"&Display Frequencies along Y-axis", 2u, false}, {"&Include Hz Label on Frequencies", 4u, false}}},
      {"Spectral Store Information", {kTranslate}},
      {"Spectral Data",
       {kTranslate, {"&Display Column Names", 2u, false}, {"&Include Hz Label on Frequencies", 4u, false}}},
  };
  return entries;
}

ProfileOptionPanel::ProfileOptionPanel(const BlockEntry& entry, uint32_t* word, bool readOnly, QWidget* parent)
    : QWidget(parent) {
  setObjectName(QStringLiteral("optionPanel"));
  auto* layout = new QVBoxLayout(this);
  int index = 0;
  for (const OptionBox& option : entry.boxes) {
    auto* box = new QCheckBox(QString::fromLatin1(option.label), this);
    box->setObjectName(QStringLiteral("option%1").arg(index++));
    box->setChecked((*word & option.bit) != 0);
    box->setEnabled(!(readOnly && option.lockedWhenReadOnly));
    const uint32_t bit = option.bit;
    connect(box, &QCheckBox::toggled, this, [word, bit](bool checked) {
      if (checked) {
        *word |= bit;
      } else {
        *word &= ~bit;
      }
    });
    layout->addWidget(box);
  }
  layout->addStretch();
}

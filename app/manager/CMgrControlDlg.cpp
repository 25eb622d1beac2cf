#include "manager/CMgrControlDlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>

#include "common/WaitCursor.h"
#include "link/AnalyzerLink.h"

CMgrControlDlg::CMgrControlDlg(AnalyzerLink& analyzer, QWidget* parent)
    : PropertyPage(parent), link(analyzer), note(new QLineEdit(this)) {
  setObjectName(QStringLiteral("controlPage"));
  auto* actions = new QVBoxLayout;
  const struct {
    const char* label;
    const char* name;
    std::function<bool()> call;
  } buttons[] = {
      {"Run", "runButton", [this] { return link.SetRunState(talvinet::kRunStateRun, 1); }},
      {"Stop", "stopButton", [this] { return link.SetRunState(talvinet::kRunStateStop, 1); }},
      {"Reset", "resetButton", [this] { return link.ResetData(0, 1); }},
      {"Store", "storeButton", [this] { return link.StoreFile(1); }},
  };
  for (const auto& entry : buttons) {
    auto* button = new QPushButton(QLatin1String(entry.label), this);
    button->setObjectName(QLatin1String(entry.name));
    connect(button, &QPushButton::clicked, this, [call = entry.call] {
      WaitCursor wait;
      call();
    });
    actions->addWidget(button);
  }
  actions->addStretch();

  auto* beep = new QGroupBox(QStringLiteral("Beep on..."), this);
  auto* beepLayout = new QVBoxLayout(beep);
  keypresses = AddBeeperBox(QStringLiteral("Keypresses"), QStringLiteral("beepKeypresses"), kBeepOnKeypresses);
  overload = AddBeeperBox(QStringLiteral("Overload"), QStringLiteral("beepOverload"), kBeepOnOverload);
  errors = AddBeeperBox(QStringLiteral("Errors"), QStringLiteral("beepErrors"), kBeepOnErrors);
  for (QCheckBox* box : {keypresses, overload, errors}) {
    box->setParent(beep);
    beepLayout->addWidget(box);
  }

  auto* noteGroup = new QGroupBox(QStringLiteral("Note"), this);
  note->setObjectName(QStringLiteral("noteText"));
  note->setParent(noteGroup);
  auto* set = new QPushButton(QStringLiteral("Set"), noteGroup);
  set->setObjectName(QStringLiteral("setNoteButton"));
  connect(set, &QPushButton::clicked, this, &CMgrControlDlg::OnSetNote);
  auto* noteLayout = new QHBoxLayout(noteGroup);
  noteLayout->addWidget(note);
  noteLayout->addWidget(set);

  auto* right = new QVBoxLayout;
  right->addWidget(beep);
  right->addWidget(noteGroup);
  right->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(actions);
  layout->addLayout(right, 1);
}

QCheckBox* CMgrControlDlg::AddBeeperBox(const QString& label, const QString& name, int bit) {
  auto* box = new QCheckBox(label, this);
  box->setObjectName(name);
  // `clicked` and not `toggled`: a refresh that sets the box sends nothing.
  connect(box, &QCheckBox::clicked, this, [this, bit](bool checked) { OnBeeperBox(bit, checked); });
  return box;
}

void CMgrControlDlg::OnSetActive() { Refresh(); }

void CMgrControlDlg::Refresh() {
  WaitCursor wait;
  if (link.GetBeeperSettings(beeperBits, 1)) {
    keypresses->setChecked((beeperBits & kBeepOnKeypresses) != 0);
    overload->setChecked((beeperBits & kBeepOnOverload) != 0);
    errors->setChecked((beeperBits & kBeepOnErrors) != 0);
  }
  QString text;
  if (link.GetNote(text, 1)) note->setText(text);
}

void CMgrControlDlg::OnBeeperBox(int bit, bool checked) {
  WaitCursor wait;
  beeperBits = checked ? (beeperBits | bit) : (beeperBits & ~bit);
  link.SetBeeperSettings(beeperBits, 1);
  Refresh();
}

void CMgrControlDlg::OnSetNote() {
  WaitCursor wait;
  link.SetNote(note->text().left(kLongestNote), 1);
  Refresh();
}

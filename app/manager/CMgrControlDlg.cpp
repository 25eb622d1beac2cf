#include "manager/CMgrControlDlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/StringTable.h"
#include "common/UserPrompts.h"
#include "common/WaitCursor.h"
#include "link/AnalyzerLink.h"
#include "link/CommandConfirmation.h"
#include "link/LinkHealth.h"

CMgrControlDlg::CMgrControlDlg(AnalyzerLink& analyzer, QWidget* parent)
    : PropertyPage(parent), link(analyzer), note(new QLineEdit(this)) {
  setObjectName(QStringLiteral("controlPage"));
  auto* actions = new QVBoxLayout;
  const struct {
    const char* label;
    const char* name;
    std::function<bool()> call;
    const char* done;
    const char* failed;
    bool clearsData = false;  // asks first, since it cannot be undone
  } buttons[] = {
      {"Run", "runButton", [this] { return link.SetRunState(talvinet::kRunStateRun, 1); }, "Measurement started.",
       "Couldn't start the measurement."},
      {"Stop", "stopButton", [this] { return link.SetRunState(talvinet::kRunStateStop, 1); }, "Measurement stopped.",
       "Couldn't stop the measurement."},
      {"Reset", "resetButton", [this] { return link.ResetData(0, 1); }, "The measured data was reset.",
       "Couldn't reset the measured data.", true},
      {"Store", "storeButton", [this] { return link.StoreFile(1); }, "The measurement was stored.",
       "Couldn't store the measurement."},
  };
  for (const auto& entry : buttons) {
    auto* button = new QPushButton(QLatin1String(entry.label), this);
    button->setObjectName(QLatin1String(entry.name));
    connect(button, &QPushButton::clicked, this, [this, entry] {
      if (entry.clearsData &&
          prompts::AskDefaultNo(this, strings::LoadString(strings::kConfirmReset)) != prompts::Answer::Yes)
        return;
      RunAction(entry.call, QLatin1String(entry.done), QLatin1String(entry.failed));
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

void CMgrControlDlg::RunAction(const std::function<bool()>& call, const QString& done, const QString& failed) {
  const CommandConfirmation result = RunCommand(link, call);
  QString text = result.done ? done : failed;
  if (!result.done) {
    QString cause = AnalyzerErrorLine(result);
    const LinkHealth* health = HealthOf(link);
    if (cause.isEmpty() && health && health->SilenceIsTheCause()) cause = NotAnsweringNotice();
    if (!cause.isEmpty()) text += QLatin1Char(' ') + cause;
  }
  emit ActionReported(text);
}

void CMgrControlDlg::OnSetNote() {
  RunAction([this] { return link.SetNote(note->text().left(kLongestNote), 1); }, QStringLiteral("The note was set."),
            QStringLiteral("Couldn't set the note."));
  Refresh();
}

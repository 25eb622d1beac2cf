#include "manager/CSendCommandDlg.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "common/StringTable.h"
#include "common/UpperCaseValidator.h"
#include "common/UserPrompts.h"
#include "common/WaitCursor.h"
#include "link/AnalyzerLink.h"
#include "manager/SendCommandRules.h"

namespace {

constexpr int kCommandColumnWidth = 120;
constexpr int kResultColumnWidth = 3000;
constexpr int kMaxCopiedCommand = 255;

}  // namespace

CSendCommandDlg::CSendCommandDlg(AnalyzerLink& analyzer, QWidget* parent)
    : QDialog(parent), link(analyzer), commandEdit(new QLineEdit(this)), results(new QTreeWidget(this)) {
  setObjectName(QStringLiteral("sendCommandDialog"));
  setWindowTitle(QStringLiteral("Send Command"));

  commandEdit->setObjectName(QStringLiteral("commandText"));
  commandEdit->setValidator(new UpperCaseValidator(commandEdit));
  auto* send = new QPushButton(QStringLiteral("&Send"), this);
  send->setObjectName(QStringLiteral("sendButton"));
  send->setDefault(true);
  auto* close = new QPushButton(QStringLiteral("&Close"), this);
  close->setObjectName(QStringLiteral("closeButton"));
  close->setAutoDefault(false);

  results->setObjectName(QStringLiteral("resultList"));
  results->setColumnCount(2);
  results->setHeaderLabels({QStringLiteral("Command"), QStringLiteral("Result")});
  results->setRootIsDecorated(false);
  results->setSortingEnabled(false);
  results->header()->setSectionsClickable(false);
  results->header()->setStretchLastSection(false);
  results->setColumnWidth(0, kCommandColumnWidth);
  results->setColumnWidth(1, kResultColumnWidth);
  results->setSelectionMode(QAbstractItemView::SingleSelection);

  auto* group = new QGroupBox(QStringLiteral("Command Text"), this);
  auto* groupLayout = new QHBoxLayout(group);
  groupLayout->addWidget(commandEdit);
  groupLayout->addWidget(send);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addWidget(results);
  layout->addLayout(buttons);
  resize(520, 360);

  connect(send, &QPushButton::clicked, this, &CSendCommandDlg::OnSend);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(results, &QTreeWidget::itemDoubleClicked, this, &CSendCommandDlg::CopyRowToEdit);
  commandEdit->setFocus();
}

void CSendCommandDlg::OnSend() {
  WaitCursor wait;
  const QString text = CommandTextFromInput(commandEdit->text());
  if (IsBlockedCommand(text)) {
    prompts::ShowMessage(this, strings::kUnsupportedGenericCommand);
  } else {
    auto* row = new QTreeWidgetItem(results, QStringList{text, QString()});
    QByteArray reply;
    if (!link.SendGenericCommand(text.toLatin1() + "\r\n", reply)) {
      row->setText(1, QStringLiteral("Error"));
    } else if (IsQuery(text)) {
      AddResultRows(row, reply);
    }
    results->scrollToItem(row);
  }
  commandEdit->selectAll();
  commandEdit->setFocus();
}

void CSendCommandDlg::AddResultRows(QTreeWidgetItem* commandRow, const QByteArray& reply) {
  const QStringList rows = ResultRows(reply);
  commandRow->setText(1, rows.value(0));
  for (qsizetype i = 1; i < rows.size(); ++i) new QTreeWidgetItem(results, QStringList{QString(), rows[i]});
}

void CSendCommandDlg::CopyRowToEdit(QTreeWidgetItem* row) {
  commandEdit->setText(row->text(0).left(kMaxCopiedCommand));
  commandEdit->selectAll();
  commandEdit->setFocus();
}

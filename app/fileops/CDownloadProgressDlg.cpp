#include "fileops/CDownloadProgressDlg.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/StringTable.h"

CDownloadProgressDlg::~CDownloadProgressDlg() { DestroyWindow(); }

bool CDownloadProgressDlg::Create(QWidget* owner) {
  DestroyWindow();
  ownerWindow = owner ? owner->window() : nullptr;
  m_ownerDisabled = 0;
  if (ownerWindow && ownerWindow->isEnabled()) {
    ownerWindow->setEnabled(false);
    m_ownerDisabled = 1;
  }
  // The owner's own window, enabled again below while the owner is not, and
  // modal, so that the program's other windows wait for the download too.
  window = new QDialog(ownerWindow, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint);
  window->setObjectName(QStringLiteral("downloadProgress"));
  window->setWindowModality(Qt::ApplicationModal);
  window->setEnabled(true);
  window->setAttribute(Qt::WA_DeleteOnClose, false);
  status = new QLabel(window);
  status->setObjectName(QStringLiteral("statusText"));
  status->setMinimumWidth(280);
  bar = new QProgressBar(window);
  bar->setObjectName(QStringLiteral("progressBar"));
  bar->setTextVisible(false);
  percent = new QLabel(QStringLiteral(" 0 %"), window);
  percent->setObjectName(QStringLiteral("percentText"));
  percent->setMinimumWidth(percent->fontMetrics().horizontalAdvance(QStringLiteral("100%")) + 4);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), window);
  cancel->setObjectName(QStringLiteral("cancelButton"));
  QObject::connect(cancel, &QPushButton::clicked, window, [this] { m_cancelRequested = 1; });
  // Escape and the close box ask to stop as Cancel does; the window stays until the copy ends.
  QObject::connect(window, &QDialog::rejected, window, [this] {
    m_cancelRequested = 1;
    window->show();
  });

  auto* barRow = new QHBoxLayout;
  barRow->addWidget(bar, 1);
  barRow->addWidget(percent);
  auto* buttonRow = new QHBoxLayout;
  buttonRow->addStretch(1);
  buttonRow->addWidget(cancel);
  auto* layout = new QVBoxLayout(window);
  layout->addWidget(status);
  layout->addLayout(barRow);
  layout->addLayout(buttonRow);

  bar->setRange(m_lower, m_upper);
  bar->setValue(m_lower);
  window->setWindowTitle(strings::LoadString(m_captionId));
  window->adjustSize();
  if (ownerWindow) window->move(ownerWindow->geometry().center() - window->rect().center());
  window->show();
  if (window->isVisible()) return true;
  DestroyWindow();
  return false;
}

void CDownloadProgressDlg::DestroyWindow() {
  delete window.data();
  status = nullptr;
  bar = nullptr;
  percent = nullptr;
  if (m_ownerDisabled && ownerWindow) ownerWindow->setEnabled(true);
  m_ownerDisabled = 0;
}

void CDownloadProgressDlg::SetStatus(const QString& text) {
  if (status) status->setText(text);
}

void CDownloadProgressDlg::SetRange(int lower, int upper) {
  m_lower = lower;
  m_upper = upper;
  if (bar) bar->setRange(lower, upper);
}

int CDownloadProgressDlg::SetPos(int position) {
  if (!bar) return 0;
  const int previous = bar->value();
  bar->setValue(position);
  ShowPercent(position);
  return previous;
}

void CDownloadProgressDlg::ShowPercent(int position) {
  // An empty range shows 0 % rather than dividing by zero.
  int shown = m_upper != m_lower ? (position - m_lower) * 100 / (m_upper - m_lower) : 0;
  if (shown != 100) shown %= 100;
  const QString text = QString::asprintf("%d%c", shown, '%');
  if (percent && percent->text() != text) percent->setText(text);
}

bool CDownloadProgressDlg::CheckCancelButton() {
  const bool requested = m_cancelRequested != 0;
  m_cancelRequested = 0;
  return requested;
}

long OnDownloadProgress(CDownloadProgressDlg& dialog, long bytesReceived, long totalBytes) {
  if (dialog.m_rangePending) {
    dialog.SetRange(0, 100);
    dialog.m_rangePending = 0;
  }
  dialog.SetStatus(QString::asprintf("Bytes received: %ld of %ld total", bytesReceived, totalBytes));
  const int percent =
      totalBytes != 0 ? static_cast<int>(static_cast<double>(bytesReceived) / static_cast<double>(totalBytes) * 100.0) : 0;
  dialog.SetPos(percent);
  return dialog.CheckCancelButton() ? 1 : 0;
}

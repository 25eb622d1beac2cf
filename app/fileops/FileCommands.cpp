#include "fileops/FileCommands.h"

#include <QFile>

#include "browser/FileTreeItemKind.h"
#include "common/LastFolders.h"
#include "common/StringTable.h"
#include "common/UserPrompts.h"
#include "common/WaitCursor.h"
#include "fileops/CCreateFileDlg.h"
#include "fileops/CDownloadProgressDlg.h"
#include "link/AnalyzerLink.h"
#include "link/CommandConfirmation.h"
#include "link/LinkHealth.h"
#include "link/LinkWorker.h"
#include "talvinet/HostTexts.h"

namespace fileops {

bool RunCreate(QWidget* parent, AnalyzerLink& link) {
  CCreateFileDlg dialog(parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  bool created = false;
  {
    WaitCursor wait;
    created = link.CreateMemoryFile(dialog.FileName(), 1);
  }
  if (created) {
    prompts::ShowMessage(parent, strings::kCreateSucceeded, prompts::Icon::Information);
  } else {
    prompts::ShowMessage(parent, strings::kCreateFailed, prompts::Icon::Warning);
  }
  return created;
}

bool RunDelete(QWidget* parent, AnalyzerLink& link, int kind, const QString& target) {
  if (kind != FileTreeItemKind::kMemoryFile && kind != FileTreeItemKind::kComputerFile) return false;
  const QString question = strings::LoadString(strings::kConfirmDelete).replace(QLatin1String("%s"), target);
  if (prompts::Show(parent, question, prompts::Icon::Question) != prompts::Answer::Yes) return false;
  if (kind == FileTreeItemKind::kMemoryFile) {
    bool deleted = false;
    {
      WaitCursor wait;
      deleted = link.DeleteMemoryFile(target, 1);
    }
    if (!deleted) prompts::ShowMessage(parent, strings::kDeleteFailed, prompts::Icon::Warning);
    return deleted;
  }
  QFile file(target);
  if (file.remove()) return true;
  prompts::Show(parent, QStringLiteral("%1 could not be deleted: %2.").arg(target, file.errorString()),
                prompts::Icon::Warning);
  return false;
}

QString CopyFailureMessage(AnalyzerLink& link, const QString& source, const QString& destination) {
  const DownloadFailureStruct failure = link.GetDownloadFailure();
  // Silence makes the file look missing or empty: the message then stands
  // alone, and the line that names the silence goes under it.
  const LinkHealth* health = HealthOf(link);
  if (health && health->SilenceIsTheCause() &&
      (failure.step == talvinet::kDownloadNoSuchFile || failure.step == talvinet::kDownloadNoRecords))
    return strings::LoadString(strings::kCopyFailed);
  // The analyzer pads names to eight characters; the message quotes the name alone.
  QString name = source;
  while (name.endsWith(QLatin1Char(' '))) name.chop(1);
  QString step = QString::fromLocal8Bit(talvinet::DownloadFailureText(
      failure, name.toStdString(), QFile::encodeName(destination).toStdString()));
  if (!step.isEmpty()) step[0] = step[0].toUpper();
  return strings::LoadString(strings::kCopyFailed) + QLatin1Char('\n') + step + QLatin1Char('.');
}

CopyOutcome CopyWithProgress(QWidget* owner, AnalyzerLink& link, CDownloadProgressDlg& progress, const QString& source,
                             const QString& destination) {
  WaitCursor wait;
  if (!progress.Create(owner)) return CopyOutcome::NoWindow;
  progress.m_rangePending = 1;
  const bool copied = link.CopyFileToHardDrive(source, destination, 1, [&progress](long received, long total) {
    return OnDownloadProgress(progress, received, total);
  });
  progress.DestroyWindow();
  if (copied) return CopyOutcome::Copied;
  // A window closed during the copy stopped it: the program is on its way out.
  const LinkWorker* worker = WorkerOf(link);
  return worker && worker->StopRequested() ? CopyOutcome::Abandoned : CopyOutcome::Failed;
}

QString RunCopyToComputer(QWidget* parent, AnalyzerLink& link, CDownloadProgressDlg& progress,
                          const QString& source) {
  prompts::FileDialogRequest request;
  request.filter = strings::LoadString(strings::kVqbFilter);
  request.defaultSuffix = QStringLiteral("vqb");
  request.startPath = folders::ProposedDownloadPath(source);
  const QString destination = prompts::SaveFileName(parent, request);
  if (destination.isEmpty()) return QString();
  // The window goes first, so that the message has an enabled frame to sit on.
  const CopyOutcome outcome = CopyWithProgress(parent, link, progress, source, destination);
  if (outcome == CopyOutcome::Copied) folders::Remember(folders::Use::Download, destination);
  if (outcome == CopyOutcome::Failed)
    prompts::Show(parent, CopyFailureMessage(link, source, destination), prompts::Icon::Warning);
  return outcome == CopyOutcome::Copied ? destination : QString();
}

void RunCopyToDiskette(QWidget* parent, AnalyzerLink& link, const QString& source) {
  const QString name = source.toUpper();
  CommandConfirmation saved;
  {
    WaitCursor wait;
    QString previous;
    if (link.GetCurrentFile(previous, 1) && link.SetCurrentFile(name, 1)) {
      saved = ConfirmCommand(link, link.SaveToDisk(1));
      if (saved.done) link.SetCurrentFile(previous, 1);
    }
  }
  if (saved.done) {
    prompts::ShowMessage(parent, strings::kCopiedToDiskette, prompts::Icon::Information);
  } else {
    prompts::Show(parent, WithAnalyzerError(strings::LoadString(strings::kCopyFailed), saved), prompts::Icon::Warning);
  }
}

}  // namespace fileops

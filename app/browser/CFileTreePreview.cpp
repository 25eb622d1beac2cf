// The record preview: the selected record or block, translated under the
// current data profile, shown as text in the right pane under a title that
// names it. A preview that fails empties the pane and says why in its place;
// any other selection empties it, so no record's text outlives its choice.
#include <QFile>

#include "browser/CFileTree.h"
#include "browser/CVQBDataView.h"
#include "browser/FileTreeItemKind.h"
#include "browser/RecordPreview.h"
#include "common/UserPrompts.h"
#include "common/WaitCursor.h"
#include "link/LinkActivities.h"
#include "link/LinkWorker.h"
#include "morvane/Morvane.h"
#include "shell/CVerdalonApp.h"

namespace {

QString NoFilesReason() { return QStringLiteral("The preview's temporary files could not be made."); }
QString NotReadReason() { return QStringLiteral("The record could not be read from the analyzer."); }
QString NotTranslatedReason() { return QStringLiteral("The record could not be translated."); }

// "SEL 12 in FILE0001" for a record, "Prefix Block of SEL 12 in FILE0001" for one of its blocks,
// without the blanks that pad the analyzer's names.
QString PreviewTitle(const QTreeWidgetItem* item, bool isRecord) {
  const QTreeWidgetItem* record = isRecord ? item : item->parent();
  const QString file = record->parent() ? record->parent()->text(0) : QString();
  const QString shown = isRecord ? record->text(0) : item->text(0) + QStringLiteral(" of ") + record->text(0);
  return (shown + QStringLiteral(" in ") + file).simplified();
}

}  // namespace

PreviewFiles* CFileTree::Files() {
  if (!m_previewFiles) m_previewFiles = std::make_unique<PreviewFiles>();
  return m_previewFiles->Ready() ? m_previewFiles.get() : nullptr;
}

QString CFileTree::PreviewFolder() const { return m_previewFiles ? m_previewFiles->Folder() : QString(); }

void CFileTree::ClearPreview() {
  if (m_dataView) m_dataView->Clear();
}

void CFileTree::PreviewItem(QTreeWidgetItem* item) {
  WaitCursor wait;
  CVerdalonApp* app = CVerdalonApp::Instance();
  if (!app) return;
  const int kind = Kind(item);
  const bool isRecord = kind == FileTreeItemKind::kMemoryRecord || kind == FileTreeItemKind::kComputerRecord;
  const bool isBlock = kind == FileTreeItemKind::kMemoryBlock || kind == FileTreeItemKind::kComputerBlock;
  if (!isRecord && !isBlock) {
    ClearPreview();
    return;
  }
  // A block is addressed through the record above it.
  const std::uint32_t recordWord = isRecord ? DataWord(item) : DataWord(item->parent());
  const int type = FileTreeItemKind::RecordTypeOf(recordWord);
  const int number = FileTreeItemKind::HighWordOf(recordWord);
  const auto blockSelect =
      static_cast<unsigned short>(isRecord ? ALL_PRESENT_BLOCKS : FileTreeItemKind::HighWordOf(DataWord(item)));
  const QString title = PreviewTitle(item, isRecord);
  m_previewPath = GetFilePathOfItem(item);
  QString failure;
  if (kind == FileTreeItemKind::kMemoryRecord || kind == FileTreeItemKind::kMemoryBlock) {
    const QString reading = activities::ReadingRecord((isRecord ? item : item->parent())->text(0));
    // The read can take seconds: the last record's text goes at once.
    if (m_dataView) m_dataView->Clear(title, reading);
    const DescribedCalls described(*app->m_comm, reading);
    failure = PreviewMemoryRecord(*app, type, number, blockSelect, title);
  } else {
    failure = PreviewComputerRecord(*app, type, number, blockSelect, title);
  }
  if (!failure.isEmpty() && m_dataView) m_dataView->Clear(title, failure);
}

QString CFileTree::PreviewMemoryRecord(CVerdalonApp& app, int type, int number, unsigned short blockSelect,
                                       const QString& title) {
  PreviewFiles* files = Files();
  if (!files) return NoFilesReason();
  if (!app.m_comm->CopyRecordToHardDrive(m_previewPath, files->TempOut(), 1, type, number))
    return prompts::WithFailureCause(NotReadReason());
  // The copy holds just this record, the first of its type there.
  const bool shown =
      TranslateForPreview(files->TempOut(), files->BlockData(), type, 1, blockSelect, app.GetCurrentProfile()) &&
      ShowPreviewText(title);
  if (shown) emit RecordPreviewed(files->TempOut(), type, 1, blockSelect);
  QFile::remove(files->TempOut());
  return shown ? QString() : NotTranslatedReason();
}

QString CFileTree::PreviewComputerRecord(CVerdalonApp& app, int type, int number, unsigned short blockSelect,
                                         const QString& title) {
  PreviewFiles* files = Files();
  if (!files) return NoFilesReason();
  if (!TranslateForPreview(m_previewPath, files->BlockData(), type, number, blockSelect, app.GetCurrentProfile()) ||
      !ShowPreviewText(title))
    return NotTranslatedReason();
  emit RecordPreviewed(m_previewPath, type, number, blockSelect);
  return QString();
}

bool CFileTree::ShowPreviewText(const QString& title) {
  PreviewFiles* files = Files();
  if (!files) return false;
  QFile result(files->BlockData());
  if (!result.open(QIODevice::ReadOnly)) return false;
  const qint64 size = result.size();
  QByteArray text = result.read(size);
  const bool whole = text.size() == size;
  result.close();
  result.remove();
  if (!whole || !m_dataView) return false;
  m_dataView->SetText(std::move(text), title);
  return true;
}

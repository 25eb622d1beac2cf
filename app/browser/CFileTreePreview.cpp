// The record preview: the selected record or block, translated under the
// current data profile, shown as text in the right pane. Previews fail
// silently and leave the pane as it was.
#include <QFile>

#include "browser/CFileTree.h"
#include "browser/CVQBDataView.h"
#include "browser/FileTreeItemKind.h"
#include "browser/RecordPreview.h"
#include "common/WaitCursor.h"
#include "link/LinkActivities.h"
#include "link/LinkWorker.h"
#include "morvane/Morvane.h"
#include "shell/CVerdalonApp.h"

PreviewFiles* CFileTree::Files() {
  if (!m_previewFiles) m_previewFiles = std::make_unique<PreviewFiles>();
  return m_previewFiles->Ready() ? m_previewFiles.get() : nullptr;
}

QString CFileTree::PreviewFolder() const { return m_previewFiles ? m_previewFiles->Folder() : QString(); }

void CFileTree::PreviewItem(QTreeWidgetItem* item) {
  WaitCursor wait;
  CVerdalonApp* app = CVerdalonApp::Instance();
  if (!app || !item) return;
  const int kind = Kind(item);
  const bool isRecord = kind == FileTreeItemKind::kMemoryRecord || kind == FileTreeItemKind::kComputerRecord;
  // A block is addressed through the record above it.
  const std::uint32_t recordWord = isRecord ? DataWord(item) : DataWord(item->parent());
  const int type = FileTreeItemKind::RecordTypeOf(recordWord);
  const int number = FileTreeItemKind::HighWordOf(recordWord);
  const auto blockSelect =
      static_cast<unsigned short>(isRecord ? ALL_PRESENT_BLOCKS : FileTreeItemKind::HighWordOf(DataWord(item)));
  switch (kind) {
    case FileTreeItemKind::kMemoryRecord:
    case FileTreeItemKind::kMemoryBlock: {
      m_previewPath = GetFilePathOfItem(item);
      const DescribedCalls described(*app->m_comm,
                                     activities::ReadingRecord((isRecord ? item : item->parent())->text(0)));
      PreviewMemoryRecord(*app, type, number, blockSelect);
      break;
    }
    case FileTreeItemKind::kComputerRecord:
    case FileTreeItemKind::kComputerBlock:
      m_previewPath = GetFilePathOfItem(item);
      PreviewComputerRecord(*app, type, number, blockSelect);
      break;
    default:
      break;
  }
}

void CFileTree::PreviewMemoryRecord(CVerdalonApp& app, int type, int number, unsigned short blockSelect) {
  PreviewFiles* files = Files();
  if (!files || !app.m_comm->CopyRecordToHardDrive(m_previewPath, files->TempOut(), 1, type, number)) return;
  // The copy holds just this record, the first of its type there.
  if (TranslateForPreview(files->TempOut(), files->BlockData(), type, 1, blockSelect, app.GetCurrentProfile()) &&
      ShowPreviewText())
    emit RecordPreviewed(files->TempOut(), type, 1, blockSelect);
  QFile::remove(files->TempOut());
}

void CFileTree::PreviewComputerRecord(CVerdalonApp& app, int type, int number, unsigned short blockSelect) {
  PreviewFiles* files = Files();
  if (files && TranslateForPreview(m_previewPath, files->BlockData(), type, number, blockSelect,
                                   app.GetCurrentProfile()) &&
      ShowPreviewText())
    emit RecordPreviewed(m_previewPath, type, number, blockSelect);
}

bool CFileTree::ShowPreviewText() {
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
  m_dataView->SetText(std::move(text));
  return true;
}

// The file tree after a file command: the listing that the command changed
// is made again and merged into the items shown, so that the items that
// still exist keep their children, their expansion and the selection.
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include "browser/CFileTree.h"
#include "browser/FileTreeItemKind.h"
#include "common/WaitCursor.h"
#include "shell/CVerdalonApp.h"

namespace {

QString MergeKey(const QTreeWidgetItem* item) {
  return item->text(0) + QLatin1Char('\n') + QString::number(CFileTree::DataWord(item));
}

bool HoldsPath(const QString& folder, const QString& path) {
  return path == folder || path.startsWith(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'));
}

}  // namespace

bool CFileTree::IsListed(const QTreeWidgetItem* item) {
  const bool onlyPlaceholder = item->childCount() == 1 && Kind(item->child(0)) == FileTreeItemKind::kNone &&
                               item->child(0)->text(0).isEmpty();
  return !onlyPlaceholder;
}

void CFileTree::RefreshAnalyzerFiles() {
  CVerdalonApp* app = CVerdalonApp::Instance();
  if (!app || !m_analyzerRoot || !IsListed(m_analyzerRoot)) return;
  WaitCursor wait;
  // A listing that failed says nothing about the files: the items stay.
  if (std::optional<QList<QTreeWidgetItem*>> files = MemoryFileItems(*app->m_comm))
    MergeChildren(m_analyzerRoot, *files);
}

void CFileTree::RefreshFolderOf(const QString& filePath) {
  const QFileInfo file(filePath);
  const QString folderPath = QDir::cleanPath(file.absolutePath());
  QList<QTreeWidgetItem*> folders;
  FindListedFolders(m_computerRoot, folderPath, folders);
  for (QTreeWidgetItem* folder : folders) {
    MergeChildren(folder, FolderItems(folderPath));
    // A file written over keeps its item, but not the records listed from its old contents.
    for (int i = 0; i < folder->childCount(); ++i) {
      QTreeWidgetItem* child = folder->child(i);
      if (Kind(child) == FileTreeItemKind::kComputerFile && child->text(0) == file.fileName()) DropListing(child);
    }
  }
}

void CFileTree::FindListedFolders(QTreeWidgetItem* item, const QString& folderPath,
                                  QList<QTreeWidgetItem*>& found) const {
  if (!IsListed(item)) return;
  for (int i = 0; i < item->childCount(); ++i) {
    QTreeWidgetItem* child = item->child(i);
    if (Kind(child) != FileTreeItemKind::kFolder) continue;
    const QString path = QDir::cleanPath(GetItemPath(child));
    if (path == folderPath && IsListed(child)) found << child;
    if (HoldsPath(path, folderPath)) FindListedFolders(child, folderPath, found);
  }
}

void CFileTree::MergeChildren(QTreeWidgetItem* parent, const QList<QTreeWidgetItem*>& fresh) {
  QSet<QString> freshKeys;
  for (const QTreeWidgetItem* item : fresh) freshKeys.insert(MergeKey(item));
  QHash<QString, QTreeWidgetItem*> kept;
  bool selectionGone = false;
  for (int i = parent->childCount() - 1; i >= 0; --i) {
    QTreeWidgetItem* child = parent->child(i);
    if (freshKeys.contains(MergeKey(child))) {
      kept.insert(MergeKey(child), child);
      continue;
    }
    if (IsInside(m_selectedItem, child)) {
      selectionGone = true;
      m_selectedItem = parent;
    }
    LeaveSubtree(child);
    delete parent->takeChild(i);
  }
  // New items go after the item listed before them.
  int position = 0;
  for (QTreeWidgetItem* item : fresh) {
    if (QTreeWidgetItem* existing = kept.value(MergeKey(item))) {
      position = parent->indexOfChild(existing) + 1;
      delete item;
    } else {
      parent->insertChild(position++, item);
    }
  }
  if (selectionGone) SelectRecordedItem();
}

void CFileTree::DropListing(QTreeWidgetItem* item) {
  if (!IsListed(item)) return;
  if (m_selectedItem != item && IsInside(m_selectedItem, item)) m_selectedItem = item;
  DeleteChildren(item);
  item->addChild(NewPlaceholder());
  item->setExpanded(false);
  SelectRecordedItem();
}

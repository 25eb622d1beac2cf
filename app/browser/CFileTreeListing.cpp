// The file tree's listings: each replaces an item's children with what the
// computer or the analyzer holds now. A failed step leaves the children
// listed so far.
#include <QDirIterator>
#include <QFile>
#include <algorithm>
#include <cstring>
#include <optional>

#include "browser/CFileTree.h"
#include "browser/FileTreeItemKind.h"
#include "browser/TreeImages.h"
#include "common/WaitCursor.h"
#include "morvane/Morvane.h"
#include "shell/CVerdalonApp.h"

namespace {

// The largest record a binary data file can announce: 65535 units of 256 bytes.
constexpr int kLargestRecordSize = 0xFFFF * 256;

QString RecordText(const QString& typeName, int number) {
  return QStringLiteral("%1 %2").arg(typeName).arg(number);
}

QString FixedText(const char* field, std::size_t room) {
  return QString::fromLatin1(field, static_cast<qsizetype>(strnlen(field, room)));
}

// Puts the analyzer in remote mode and back in local mode whatever happens between.
class RemoteModeScope {
 public:
  explicit RemoteModeScope(AnalyzerLink& analyzer) : link(analyzer) { link.SetRemoteMode(); }
  ~RemoteModeScope() { link.SetLocalMode(); }
  RemoteModeScope(const RemoteModeScope&) = delete;
  RemoteModeScope& operator=(const RemoteModeScope&) = delete;

 private:
  AnalyzerLink& link;
};

}  // namespace

void CFileTree::ListChildren(QTreeWidgetItem* item) {
  const int kind = Kind(item);
  CVerdalonApp* app = CVerdalonApp::Instance();
  AnalyzerLink* link = app ? app->m_comm.get() : nullptr;
  setUpdatesEnabled(false);
  switch (kind) {
    case FileTreeItemKind::kComputerRoot:
      ListDrives(item);
      break;
    case FileTreeItemKind::kFolder:
      ListFolder(item);
      break;
    case FileTreeItemKind::kAnalyzerRoot:
      if (link) ListMemoryFiles(item, *link);
      break;
    case FileTreeItemKind::kMemoryFile:
      if (link) ListMemoryFileRecords(item, *link);
      break;
    case FileTreeItemKind::kComputerFile:
      ListComputerFileRecords(item);
      break;
    case FileTreeItemKind::kMemoryRecord:
      if (link) ListMemoryRecordBlocks(item, *link);
      break;
    case FileTreeItemKind::kComputerRecord:
      ListComputerRecordBlocks(item);
      break;
    default:
      break;
  }
  setUpdatesEnabled(true);
}

void CFileTree::ListDrives(QTreeWidgetItem* root) {
  DeleteChildren(root);
  QList<QTreeWidgetItem*> drives;
  for (const ComputerDrive& drive : m_listDrives()) {
    drives << NewItem(drive.text, FileTreeItemKind::kFolder, drive.image, drive.image, true);
  }
  root->addChildren(drives);
}

void CFileTree::ListFolder(QTreeWidgetItem* folder) {
  DeleteChildren(folder);
  const QString path = GetItemPath(folder);
  if (!path.isEmpty()) folder->addChildren(FolderItems(path));
}

QList<QTreeWidgetItem*> CFileTree::FolderItems(const QString& path) const {
  QStringList folders;
  // Without QDir::System: on Linux it would add pipes, sockets and dangling links as folders.
  QDirIterator subfolders(path, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
  while (subfolders.hasNext()) folders << subfolders.nextFileInfo().fileName();
  std::sort(folders.begin(), folders.end(), [](const QString& a, const QString& b) {
    const int order = a.compare(b, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a < b;
  });
  QList<QTreeWidgetItem*> children;
  for (const QString& name : folders) {
    children << NewItem(name, FileTreeItemKind::kFolder, TreeImage::kClosedFolder, TreeImage::kOpenFolder, true);
  }
  // Data files follow the folders in the order the file system gives them; a
  // pipe named like one is left out, as opening it would never return.
  QDirIterator files(path, {QStringLiteral("*.vqb")}, QDir::Files | QDir::Hidden);
  while (files.hasNext()) {
    children << NewItem(files.nextFileInfo().fileName(), FileTreeItemKind::kComputerFile, TreeImage::kFile,
                        TreeImage::kFile, true);
  }
  return children;
}

void CFileTree::ListMemoryFiles(QTreeWidgetItem* root, AnalyzerLink& link) {
  WaitCursor wait;
  DeleteChildren(root);
  if (std::optional<QList<QTreeWidgetItem*>> files = MemoryFileItems(link)) root->addChildren(*files);
}

std::optional<QList<QTreeWidgetItem*>> CFileTree::MemoryFileItems(AnalyzerLink& link) const {
  RemoteModeScope remote(link);
  int count = 0;
  QStringList names;
  if (!link.GetMemoryFileCount(count, 0) || !link.GetFiles(count, names)) return std::nullopt;
  QList<QTreeWidgetItem*> files;
  for (const QString& name : names) {
    files << NewItem(name, FileTreeItemKind::kMemoryFile, TreeImage::kFile, TreeImage::kFile, true);
  }
  return files;
}

void CFileTree::ListMemoryFileRecords(QTreeWidgetItem* file, AnalyzerLink& link) {
  WaitCursor wait;
  DeleteChildren(file);
  const QString name = GetItemPath(file);
  RemoteModeScope remote(link);
  int count = 0;
  std::vector<AnalyzerRecordEntry> records;
  if (!link.SetCurrentFile(name, 0) || !link.GetRecordCount(count, 0) || !link.GetRecords(count, records)) return;
  for (const AnalyzerRecordEntry& record : records) {
    AppendChild(file, RecordText(record.name, record.number),
                FileTreeItemKind::RecordWord(FileTreeItemKind::kMemoryRecord, record.type, record.number),
                TreeImage::kRecord, true);
  }
}

void CFileTree::ListComputerFileRecords(QTreeWidgetItem* file) {
  WaitCursor wait;
  DeleteChildren(file);
  const Morvane translator(QFile::encodeName(GetItemPath(file)).constData());
  const unsigned short count = translator.GetRecordCount();
  if (count == 0) return;
  std::vector<_RecordEntryTag> records(count);
  if (translator.GetRecordsInFile(records.data()) == 0) return;
  for (const _RecordEntryTag& record : records) {
    AppendChild(file, RecordText(FixedText(record.name, sizeof record.name), record.number),
                FileTreeItemKind::RecordWord(FileTreeItemKind::kComputerRecord, record.type, record.number),
                TreeImage::kRecord, true);
  }
}

void CFileTree::AppendBlocks(QTreeWidgetItem* record, const _DataBlocksTag& blocks, int kind) const {
  for (int i = 0; i < kBlockSlots; ++i) {
    const QString name = FixedText(blocks.name[i], kBlockNameSize);
    if (!name.isEmpty()) AppendChild(record, name, FileTreeItemKind::BlockWord(kind, i), TreeImage::kBlock, false);
  }
}

void CFileTree::ListMemoryRecordBlocks(QTreeWidgetItem* record, AnalyzerLink& link) {
  WaitCursor wait;
  DeleteChildren(record);
  const std::uint32_t word = DataWord(record);
  const int type = FileTreeItemKind::RecordTypeOf(word);
  const int number = FileTreeItemKind::HighWordOf(word);
  int size = 0;
  QByteArray bytes;
  if (!link.SetCurrentFile(GetFilePathOfItem(record), 1) || !link.GetRecordSize(type, number, size, 1)) return;
  if (size <= 0 || size > kLargestRecordSize || !link.GetRecordData(type, number, size, bytes, 1)) return;
  if (bytes.size() < size) return;
  const Morvane translator;
  _DataBlocksTag blocks{};
  if (translator.GetDataBlocksPresent(reinterpret_cast<const unsigned char*>(bytes.constData()), &blocks, nullptr,
                                      static_cast<unsigned long>(size)) == 0)
    return;
  AppendBlocks(record, blocks, FileTreeItemKind::kMemoryBlock);
}

void CFileTree::ListComputerRecordBlocks(QTreeWidgetItem* record) {
  WaitCursor wait;
  DeleteChildren(record);
  const std::uint32_t word = DataWord(record);
  Morvane translator(QFile::encodeName(GetFilePathOfItem(record)).constData());
  _DataBlocksTag blocks{};
  if (translator.GetDataBlocksPresent(static_cast<unsigned char>(FileTreeItemKind::RecordTypeOf(word)),
                                      static_cast<unsigned short>(FileTreeItemKind::HighWordOf(word)), &blocks) == 0)
    return;
  AppendBlocks(record, blocks, FileTreeItemKind::kComputerBlock);
}

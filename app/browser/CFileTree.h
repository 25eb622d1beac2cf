// The left pane: the computer's binary data files and, while connected, the
// analyzer's memory files, each down to its records and their blocks. Items
// are listed when expanded, again at every expansion; selecting a record or
// a block previews it in the right pane.
#pragma once

#include <QIcon>
#include <QTreeWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "browser/ComputerDrives.h"

struct _DataBlocksTag;
class AnalyzerLink;
class CVQBDataView;
class CVerdalonApp;
class PreviewFiles;
class QAction;
class QMenu;

class CFileTree : public QTreeWidget {
  Q_OBJECT

 public:
  // Item data roles: the data word and the two image indices.
  static constexpr int kDataWordRole = Qt::UserRole;
  static constexpr int kImageRole = Qt::UserRole + 1;
  static constexpr int kSelectedImageRole = Qt::UserRole + 2;

  explicit CFileTree(QWidget* parent = nullptr);
  ~CFileTree() override;

  void ShowAnalyzerRoot();
  void HideAnalyzerRoot();
  QTreeWidgetItem* AnalyzerRoot() const { return m_analyzerRoot; }
  QTreeWidgetItem* ComputerRoot() const { return m_computerRoot; }

  // The kind of the selected item, 0 when nothing is selected.
  int GetSelectedKind() const;
  QTreeWidgetItem* SelectedItem() const { return m_selectedItem; }
  // The selected item's text (for a memory file, its name on the analyzer).
  QString SelectedText() const;
  static std::uint32_t DataWord(const QTreeWidgetItem* item);
  static int Kind(const QTreeWidgetItem* item);

  // The full path of a drive, folder or computer file; a memory file's name.
  QString GetItemPath(const QTreeWidgetItem* item) const;
  // The file that holds a record or block: memory-file name or full path.
  QString GetFilePathOfItem(const QTreeWidgetItem* item) const;
  // The file of the record last previewed.
  const QString& PreviewPath() const { return m_previewPath; }

  // The private folder of the preview's temporary files; empty before the first preview.
  QString PreviewFolder() const;
  // Reads the translated text of a preview into the right pane, under `title`.
  bool ShowPreviewText(const QString& title);

  // After a file command: lists "Analyzer Files" again, once it was listed.
  void RefreshAnalyzerFiles();
  // After `filePath` was written or removed: lists again each listed folder
  // item that holds it.
  void RefreshFolderOf(const QString& filePath);

  // Where the panes and commands come from; the main frame sets them.
  void SetDataView(CVQBDataView* view) { m_dataView = view; }
  void SetCommandActions(const std::function<QAction*(int)>& actionOf);
  // Replaces the computer's mount points, for tests and benchmarks.
  void SetDriveLister(std::function<std::vector<ComputerDrive>()> lister) { m_listDrives = std::move(lister); }
  QMenu* ContextMenu() const { return m_contextMenu; }

 signals:
  void SelectionKindChanged();
  // A record preview succeeded: record (type, number) of binary data file
  // `path`, which exists only while this signal is handled, for the blocks
  // `blockSelect` names.
  void RecordPreviewed(const QString& path, int type, int number, unsigned short blockSelect);

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  QTreeWidgetItem* AddRoot(const QString& text, int kind, int image, int position);
  // A child with its data word and images; a placeholder below it when it can have children.
  QTreeWidgetItem* NewItem(const QString& text, std::uint32_t dataWord, int image, int selectedImage,
                           bool withPlaceholder) const;
  void AppendChild(QTreeWidgetItem* parent, const QString& text, std::uint32_t dataWord, int image,
                   bool withPlaceholder) const;
  QTreeWidgetItem* NewPlaceholder() const;
  void DeleteChildren(QTreeWidgetItem* item);
  static bool IsInside(const QTreeWidgetItem* item, const QTreeWidgetItem* ancestor);
  // Clears the current item, without a selection change, when it lies inside `subtree`.
  void LeaveSubtree(const QTreeWidgetItem* subtree);
  void SelectRecordedItem();

  void OnItemExpanded(QTreeWidgetItem* item);
  void OnCurrentItemChanged(QTreeWidgetItem* current);

  // Listing by kind (CFileTreeListing.cpp).
  void ListChildren(QTreeWidgetItem* item);
  void ListDrives(QTreeWidgetItem* root);
  void ListFolder(QTreeWidgetItem* folder);
  QList<QTreeWidgetItem*> FolderItems(const QString& path) const;
  void ListMemoryFiles(QTreeWidgetItem* root, AnalyzerLink& link);
  // The memory files as new items; none when the analyzer did not list them.
  std::optional<QList<QTreeWidgetItem*>> MemoryFileItems(AnalyzerLink& link) const;
  void ListMemoryFileRecords(QTreeWidgetItem* file, AnalyzerLink& link);
  void ListComputerFileRecords(QTreeWidgetItem* file);
  void ListMemoryRecordBlocks(QTreeWidgetItem* record, AnalyzerLink& link);
  void ListComputerRecordBlocks(QTreeWidgetItem* record);
  void AppendBlocks(QTreeWidgetItem* record, const _DataBlocksTag& blocks, int kind) const;

  // Refreshing after a file command (CFileTreeRefresh.cpp).
  // False while an item shows only its placeholder: it has not been listed.
  static bool IsListed(const QTreeWidgetItem* item);
  void FindListedFolders(QTreeWidgetItem* item, const QString& folderPath, QList<QTreeWidgetItem*>& found) const;
  // Makes `parent`'s children those of `fresh`, keeping the ones it holds already.
  void MergeChildren(QTreeWidgetItem* parent, const QList<QTreeWidgetItem*>& fresh);
  // Back to the placeholder, to be listed at the next expansion.
  void DropListing(QTreeWidgetItem* item);

  // The record preview (CFileTreePreview.cpp). Each preview returns why it
  // failed, empty when it succeeded.
  void PreviewItem(QTreeWidgetItem* item);
  QString PreviewMemoryRecord(CVerdalonApp& app, int type, int number, unsigned short blockSelect,
                              const QString& title);
  QString PreviewComputerRecord(CVerdalonApp& app, int type, int number, unsigned short blockSelect,
                                const QString& title);
  void ClearPreview();
  PreviewFiles* Files();

  QTreeWidgetItem* m_selectedItem = nullptr;
  QString m_previewPath;
  std::vector<QIcon> m_images;
  QTreeWidgetItem* m_analyzerRoot = nullptr;
  QTreeWidgetItem* m_computerRoot = nullptr;
  CVQBDataView* m_dataView = nullptr;
  QMenu* m_contextMenu = nullptr;
  std::function<std::vector<ComputerDrive>()> m_listDrives = ListComputerDrives;
  std::unique_ptr<PreviewFiles> m_previewFiles;
};

#include "browser/CFileTree.h"

#include <QContextMenuEvent>
#include <QMenu>

#include "browser/FileTreeItemKind.h"
#include "browser/RecordPreview.h"
#include "browser/TreeImages.h"
#include "commands/MenuLayout.h"
#include "common/WaitCursor.h"

namespace {

// The kinds whose items offer the frame's file commands on a right click.
bool HasContextMenu(int kind) {
  using namespace FileTreeItemKind;
  for (int k : {kAnalyzerRoot, kComputerRoot, kMemoryFile, kComputerFile, kMemoryRecord, kComputerRecord, kMemoryBlock,
                kComputerBlock, kFolder}) {
    if (kind == k) return true;
  }
  return false;
}

}  // namespace

CFileTree::CFileTree(QWidget* parent) : QTreeWidget(parent) {
  setObjectName(QStringLiteral("fileTree"));
  setHeaderHidden(true);
  setRootIsDecorated(true);
  setIconSize(QSize(TreeImage::kWidth, TreeImage::kHeight));
  setUniformRowHeights(true);
  WaitCursor wait;
  for (int i = 0; i < TreeImage::kCount; ++i) m_images.emplace_back(TreeImage::Image(i));
  m_computerRoot = AddRoot(QStringLiteral("Computer Files"), FileTreeItemKind::kComputerRoot, TreeImage::kComputer, 0);
  connect(this, &QTreeWidget::currentItemChanged, this, &CFileTree::OnCurrentItemChanged);
  connect(this, &QTreeWidget::itemExpanded, this, &CFileTree::OnItemExpanded);
  connect(this, &QTreeWidget::itemCollapsed, this, &CFileTree::SelectRecordedItem);
}

CFileTree::~CFileTree() = default;

QTreeWidgetItem* CFileTree::NewItem(const QString& text, std::uint32_t dataWord, int image, int selectedImage,
                                    bool withPlaceholder) const {
  auto* item = new QTreeWidgetItem(QStringList{text});
  item->setData(0, kDataWordRole, static_cast<uint>(dataWord));
  item->setData(0, kImageRole, image);
  item->setData(0, kSelectedImageRole, selectedImage);
  QIcon icon;
  icon.addPixmap(m_images[static_cast<std::size_t>(image)].pixmap(iconSize()), QIcon::Normal);
  icon.addPixmap(m_images[static_cast<std::size_t>(selectedImage)].pixmap(iconSize()), QIcon::Selected);
  item->setIcon(0, icon);
  if (withPlaceholder) item->addChild(NewPlaceholder());
  return item;
}

// An empty child gives the item its expand button before its children are listed.
QTreeWidgetItem* CFileTree::NewPlaceholder() const {
  return NewItem(QString(), FileTreeItemKind::kNone, TreeImage::kPlaceholder, TreeImage::kPlaceholder, false);
}

bool CFileTree::IsInside(const QTreeWidgetItem* item, const QTreeWidgetItem* ancestor) {
  for (; item; item = item->parent()) {
    if (item == ancestor) return true;
  }
  return false;
}

void CFileTree::AppendChild(QTreeWidgetItem* parent, const QString& text, std::uint32_t dataWord, int image,
                            bool withPlaceholder) const {
  parent->addChild(NewItem(text, dataWord, image, image, withPlaceholder));
}

QTreeWidgetItem* CFileTree::AddRoot(const QString& text, int kind, int image, int position) {
  QTreeWidgetItem* root = NewItem(text, static_cast<std::uint32_t>(kind), image, image, true);
  insertTopLevelItem(position, root);
  return root;
}

void CFileTree::ShowAnalyzerRoot() {
  if (!m_analyzerRoot)
    m_analyzerRoot = AddRoot(QStringLiteral("Analyzer Files"), FileTreeItemKind::kAnalyzerRoot, TreeImage::kAnalyzer, 0);
}

void CFileTree::HideAnalyzerRoot() {
  if (!m_analyzerRoot) return;
  QTreeWidgetItem* root = m_analyzerRoot;
  m_analyzerRoot = nullptr;
  // The analyzer's records are out of reach now: none stays on view.
  if (IsInside(m_selectedItem, root) || IsInside(currentItem(), root)) ClearPreview();
  if (IsInside(m_selectedItem, root)) m_selectedItem = nullptr;
  LeaveSubtree(root);
  delete root;
  emit SelectionKindChanged();
}

std::uint32_t CFileTree::DataWord(const QTreeWidgetItem* item) {
  return item ? item->data(0, kDataWordRole).toUInt() : 0;
}

int CFileTree::Kind(const QTreeWidgetItem* item) { return FileTreeItemKind::KindOf(DataWord(item)); }

int CFileTree::GetSelectedKind() const { return Kind(m_selectedItem); }

QString CFileTree::SelectedText() const { return m_selectedItem ? m_selectedItem->text(0) : QString(); }

QString CFileTree::GetItemPath(const QTreeWidgetItem* item) const {
  if (!item) return QString();
  QString path = item->text(0);
  for (const QTreeWidgetItem* parent = item->parent(); parent && parent != m_computerRoot && parent != m_analyzerRoot;
       parent = parent->parent()) {
    // A mount point such as "/" already ends in the separator.
    const QString prefix = parent->text(0);
    path.prepend(prefix.endsWith(QLatin1Char('/')) ? prefix : prefix + QLatin1Char('/'));
  }
  return path;
}

QString CFileTree::GetFilePathOfItem(const QTreeWidgetItem* item) const {
  for (; item; item = item->parent()) {
    const int kind = Kind(item);
    if (kind == FileTreeItemKind::kComputerFile || kind == FileTreeItemKind::kMemoryFile) return GetItemPath(item);
  }
  return QString();
}

void CFileTree::LeaveSubtree(const QTreeWidgetItem* subtree) {
  if (!IsInside(currentItem(), subtree)) return;
  const QSignalBlocker quiet(this);
  setCurrentItem(nullptr);
}

void CFileTree::DeleteChildren(QTreeWidgetItem* item) {
  for (int i = 0; i < item->childCount(); ++i) LeaveSubtree(item->child(i));
  qDeleteAll(item->takeChildren());
}

void CFileTree::SelectRecordedItem() {
  if (currentItem() != m_selectedItem) setCurrentItem(m_selectedItem);
}

void CFileTree::OnItemExpanded(QTreeWidgetItem* item) {
  if (item) {
    m_selectedItem = item;
    ListChildren(item);
  }
  SelectRecordedItem();
}

void CFileTree::OnCurrentItemChanged(QTreeWidgetItem* current) {
  m_selectedItem = current;
  emit SelectionKindChanged();
  PreviewItem(current);
}

void CFileTree::SetCommandActions(const std::function<QAction*(int)>& actionOf) {
  delete m_contextMenu;
  m_contextMenu = new QMenu(this);
  m_contextMenu->setObjectName(QStringLiteral("fileTreeContextMenu"));
  for (int id : cmd::FileTreeContextMenu()) {
    if (id == cmd::kSeparator) {
      m_contextMenu->addSeparator();
    } else if (QAction* action = actionOf(id)) {
      m_contextMenu->addAction(action);
    }
  }
}

void CFileTree::contextMenuEvent(QContextMenuEvent* event) {
  QTreeWidget::contextMenuEvent(event);
  QTreeWidgetItem* item = itemAt(event->pos());
  m_selectedItem = item;
  emit SelectionKindChanged();
  if (!item) return;
  SelectRecordedItem();
  if (m_contextMenu && HasContextMenu(Kind(item))) m_contextMenu->popup(event->globalPos());
}

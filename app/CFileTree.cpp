#include "CFileTree.h"

#include "FileTreeItemKind.h"

namespace {
constexpr int kDataWordRole = Qt::UserRole;
}  // namespace

CFileTree::CFileTree(QWidget* parent) : QTreeWidget(parent) {
  setObjectName(QStringLiteral("fileTree"));
  setHeaderHidden(true);
  setRootIsDecorated(true);
  m_computerRoot = AddRoot(QStringLiteral("Computer Files"), FileTreeItemKind::kComputerRoot, 0);
  connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
    m_selectedItem = current;
    emit SelectionKindChanged();
  });
}

QTreeWidgetItem* CFileTree::AddRoot(const QString& text, int dataWord, int position) {
  auto* root = new QTreeWidgetItem(QStringList{text});
  root->setData(0, kDataWordRole, dataWord);
  // An empty child gives the root its expand button before its children are listed.
  root->addChild(new QTreeWidgetItem(QStringList{QString()}));
  insertTopLevelItem(position, root);
  return root;
}

void CFileTree::ShowAnalyzerRoot() {
  if (!m_analyzerRoot) m_analyzerRoot = AddRoot(QStringLiteral("Analyzer Files"), FileTreeItemKind::kAnalyzerRoot, 0);
}

void CFileTree::HideAnalyzerRoot() {
  if (!m_analyzerRoot) return;
  QTreeWidgetItem* root = m_analyzerRoot;
  m_analyzerRoot = nullptr;
  if (m_selectedItem && (m_selectedItem == root || root->indexOfChild(m_selectedItem) >= 0)) m_selectedItem = nullptr;
  delete root;
  emit SelectionKindChanged();
}

int CFileTree::DataWord(const QTreeWidgetItem* item) { return item ? item->data(0, kDataWordRole).toInt() : 0; }

int CFileTree::GetSelectedKind() const { return DataWord(m_selectedItem) & 0xFF; }

// The left pane: the "Computer Files" root and, while connected, the
// "Analyzer Files" root; the selected item's kind drives the file commands.
#pragma once

#include <QTreeWidget>

class CFileTree : public QTreeWidget {
  Q_OBJECT

 public:
  explicit CFileTree(QWidget* parent = nullptr);

  void ShowAnalyzerRoot();
  void HideAnalyzerRoot();
  QTreeWidgetItem* AnalyzerRoot() const { return m_analyzerRoot; }
  QTreeWidgetItem* ComputerRoot() const { return m_computerRoot; }

  // The kind of the selected item, 0 when nothing is selected.
  int GetSelectedKind() const;
  static int DataWord(const QTreeWidgetItem* item);

 signals:
  void SelectionKindChanged();

 private:
  QTreeWidgetItem* AddRoot(const QString& text, int dataWord, int position);

  QTreeWidgetItem* m_selectedItem = nullptr;
  QTreeWidgetItem* m_analyzerRoot = nullptr;
  QTreeWidgetItem* m_computerRoot = nullptr;
};

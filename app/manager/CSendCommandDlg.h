// The "Send Command" window: free-form commands and queries, one row per
// command and per further reply value.
#pragma once

#include <QDialog>

class AnalyzerLink;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class CSendCommandDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CSendCommandDlg(AnalyzerLink& link, QWidget* parent = nullptr);

  void OnSend();

 private:
  void AddResultRows(QTreeWidgetItem* commandRow, const QByteArray& reply);
  void CopyRowToEdit(QTreeWidgetItem* row);

  AnalyzerLink& link;
  QLineEdit* commandEdit;
  QTreeWidget* results;
};

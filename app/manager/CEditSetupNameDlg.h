// "Edit Setup Name": one line for a stored setup's new name.
#pragma once

#include <QDialog>

class QLineEdit;

class CEditSetupNameDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CEditSetupNameDlg(const QString& name, QWidget* parent = nullptr);

  QString Name() const;

 private:
  QLineEdit* nameEdit;
};

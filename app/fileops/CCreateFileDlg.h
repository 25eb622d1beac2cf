// The "Create File" dialog: the name of a new memory file, at most 8
// characters, upper case, letters and digits only.
#pragma once

#include <QDialog>

class QLineEdit;

class CCreateFileDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CCreateFileDlg(QWidget* parent = nullptr);

  // The accepted name, every character other than an ASCII letter or digit made "_".
  QString FileName() const { return fileName; }

  // OK: refuses a name longer than 8 characters with a message and stays open.
  void accept() override;

 private:
  QLineEdit* nameEdit;
  QString fileName;
};

// `typed` with every character that is not an ASCII letter or digit replaced by "_".
QString MemoryFileName(const QString& typed);

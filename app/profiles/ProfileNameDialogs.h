// The small dialogs that ask for a profile name: "Create Profile" and
// "Change Profile Name". Each keeps itself open until the name is acceptable.
#pragma once

#include <QDialog>

class DataProfileList;
class QLineEdit;

class ProfileNameDialog : public QDialog {
  Q_OBJECT

 public:
  QString Name() const;
  void accept() override;

 protected:
  // `existing` is null when a name that already exists is accepted.
  ProfileNameDialog(const QString& caption, const QString& prompt, bool cancellable, const DataProfileList* existing,
                    QWidget* parent);
  QLineEdit* NameEdit() const { return nameEdit; }

 private:
  const DataProfileList* existing;
  QLineEdit* nameEdit;
};

// Asks for the name of a new profile: empty, too long or taken names are refused.
class CCreateProfileDlg : public ProfileNameDialog {
  Q_OBJECT

 public:
  CCreateProfileDlg(const DataProfileList& existing, QWidget* parent = nullptr);
};

// Asks for another name for an imported profile whose name is taken.
class CChangeProfileNameDlg : public ProfileNameDialog {
  Q_OBJECT

 public:
  CChangeProfileNameDlg(const QString& name, QWidget* parent = nullptr);
};

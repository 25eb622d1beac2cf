// "Export Profiles" and "Import Profiles": a file name with a browse button and
// a list of profiles to pick from.
#pragma once

#include <QDialog>
#include <vector>

#include "profiles/DataProfileList.h"

class QLineEdit;
class QListWidget;

class ProfileTransferDialog : public QDialog {
  Q_OBJECT

 protected:
  ProfileTransferDialog(const QString& caption, const QString& fileLabel, const QString& listLabel, QWidget* parent);
  virtual void Browse() = 0;
  QString FileName() const;
  void SetFileName(const QString& fileName);
  QListWidget* List() const { return list; }
  QLineEdit* FileNameEdit() const { return fileName; }
  // Item data of the selected entries, in list order.
  std::vector<int> SelectedIds() const;

 private:
  QLineEdit* fileName;
  QListWidget* list;
};

class CExportProfilesDlg : public ProfileTransferDialog {
  Q_OBJECT

 public:
  CExportProfilesDlg(const DataProfileList& profiles, QWidget* parent = nullptr);
  void accept() override;

 protected:
  void Browse() override;

 private:
  const DataProfileList& profiles;
};

class CImportProfilesDlg : public ProfileTransferDialog {
  Q_OBJECT

 public:
  CImportProfilesDlg(DataProfileList& profiles, QWidget* parent = nullptr);
  void accept() override;
  // Reads the exchange file and lists its profiles.
  void LoadFile(const QString& path);

 protected:
  void Browse() override;

 private:
  // Lists the typed file's profiles unless they are listed; true when it did.
  bool LoadTypedFile();

  DataProfileList& profiles;
  QString loadedPath;
  std::vector<DataProfile> fileProfiles;  // ids are positions in the file
};

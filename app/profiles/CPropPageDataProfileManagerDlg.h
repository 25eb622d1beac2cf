// "Data Profile Manager": the list of profiles with Create, Delete, Export and
// Import; selecting a profile makes it current.
#pragma once

#include "common/PropertySheet.h"

class DataProfileList;
class QListWidget;

class CPropPageDataProfileManagerDlg : public PropertyPage {
  Q_OBJECT

 public:
  explicit CPropPageDataProfileManagerDlg(DataProfileList& profiles, QWidget* parent = nullptr);

  void OnSetActive() override;
  void OnCreate();
  void OnDelete();
  void OnExport();
  void OnImport();

 private:
  void FillList();
  void SelectId(int id);

  DataProfileList& profiles;
  QListWidget* list;
};

// "Custom Options": the option words of one profile, one block entry at a time.
#pragma once

#include "common/PropertySheet.h"

class DataProfileList;
class ProfileOptionPanel;
class QComboBox;
class QListWidget;
struct _DataProfileTag;

class CPropPageCustomOptionsDlg : public PropertyPage {
  Q_OBJECT

 public:
  explicit CPropPageCustomOptionsDlg(DataProfileList& profiles, QWidget* parent = nullptr);

  void OnSetActive() override;
  ProfileOptionPanel* Panel() const { return panel; }

 private:
  void SelectProfile(int index);
  void ShowPanel();

  DataProfileList& profiles;
  QComboBox* profileCombo;
  QListWidget* blockList;
  _DataProfileTag* current_words = nullptr;
  bool readOnly = false;
  ProfileOptionPanel* panel = nullptr;
};

// The "Data Profiles" sheet: the manager page and the custom options page.
#pragma once

#include "common/PropertySheet.h"

class DataProfileList;

class CPropSheetDataProfiles : public PropertySheet {
  Q_OBJECT

 public:
  explicit CPropSheetDataProfiles(DataProfileList& profiles, QWidget* parent = nullptr);
};

#include "profiles/CPropSheetDataProfiles.h"

#include "profiles/CPropPageCustomOptionsDlg.h"
#include "profiles/CPropPageDataProfileManagerDlg.h"

CPropSheetDataProfiles::CPropSheetDataProfiles(DataProfileList& profiles, QWidget* parent)
    : PropertySheet(QStringLiteral("Data Profiles"), parent) {
  setObjectName(QStringLiteral("dataProfilesSheet"));
  AddPage(new CPropPageDataProfileManagerDlg(profiles, this), QStringLiteral("Data Profile Manager"));
  AddPage(new CPropPageCustomOptionsDlg(profiles, this), QStringLiteral("Custom Options"));
  // Every change applies at once, so there is nothing for a Cancel to undo.
  ShowOnlyCloseButton();
}

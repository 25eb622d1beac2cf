#include "manager/CInstrumentManagerDlg.h"

#include "manager/CMgrControlDlg.h"
#include "manager/CMgrMacrosDlg.h"
#include "manager/CMgrSetupsDlg.h"
#include "manager/CStatusDlg.h"

CInstrumentManagerDlg::CInstrumentManagerDlg(AnalyzerLink& link, QWidget* parent)
    : PropertySheet(QStringLiteral("Instrument Manager"), parent) {
  setObjectName(QStringLiteral("instrumentManager"));
  AddPage(new CStatusDlg(link, this), QStringLiteral("Status"));
  AddPage(new CMgrControlDlg(link, this), QStringLiteral("Control"));
  AddPage(new CMgrSetupsDlg(link, this), QStringLiteral("Setups"));
  AddPage(new CMgrMacrosDlg(link, this), QStringLiteral("Macros"));
  ShowOnlyCloseButton();
  resize(520, 340);
}

#include "manager/CInstrumentManagerDlg.h"

#include "manager/CMgrControlDlg.h"
#include "manager/CMgrMacrosDlg.h"
#include "manager/CMgrSetupsDlg.h"
#include "manager/CStatusDlg.h"

CInstrumentManagerDlg::CInstrumentManagerDlg(AnalyzerLink& link, QWidget* parent)
    : PropertySheet(QStringLiteral("Instrument Manager"), parent) {
  setObjectName(QStringLiteral("instrumentManager"));
  AddPage(new CStatusDlg(link, this), QStringLiteral("Status"));
  auto* control = new CMgrControlDlg(link, this);
  connect(control, &CMgrControlDlg::ActionReported, this, &CInstrumentManagerDlg::ActionReported);
  AddPage(control, QStringLiteral("Control"));
  AddPage(new CMgrSetupsDlg(link, this), QStringLiteral("Setups"));
  AddPage(new CMgrMacrosDlg(link, this), QStringLiteral("Macros"));
  ShowOnlyCloseButton();
  resize(520, 340);
}

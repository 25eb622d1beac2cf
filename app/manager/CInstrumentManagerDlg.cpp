#include "manager/CInstrumentManagerDlg.h"

#include <QDialogButtonBox>
#include <QPushButton>

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
  Buttons()->button(QDialogButtonBox::Cancel)->hide();
  Buttons()->button(QDialogButtonBox::Apply)->hide();
  QPushButton* close = Buttons()->button(QDialogButtonBox::Ok);
  close->setText(QStringLiteral("&Close"));
  resize(520, 340);
}

#include "manager/CInstrumentManagerDlg.h"

#include <QDialogButtonBox>
#include <QPushButton>

CInstrumentManagerDlg::CInstrumentManagerDlg(QWidget* parent)
    : PropertySheet(QStringLiteral("Instrument Manager"), parent) {
  setObjectName(QStringLiteral("instrumentManager"));
  Buttons()->button(QDialogButtonBox::Cancel)->hide();
  Buttons()->button(QDialogButtonBox::Apply)->hide();
  QPushButton* close = Buttons()->button(QDialogButtonBox::Ok);
  close->setText(QStringLiteral("&Close"));
  resize(480, 360);
}

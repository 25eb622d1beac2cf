// The Instrument Manager: a sheet of the analyzer's remote-control pages with
// a single "&Close" button where Apply would be.
#pragma once

#include "common/PropertySheet.h"

class AnalyzerLink;

class CInstrumentManagerDlg : public PropertySheet {
  Q_OBJECT

 public:
  explicit CInstrumentManagerDlg(AnalyzerLink& link, QWidget* parent = nullptr);
};

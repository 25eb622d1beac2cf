// The Instrument Manager: a sheet of the analyzer's remote-control pages with
// a single "&Close" button where Apply would be.
#pragma once

#include "common/PropertySheet.h"

class AnalyzerLink;

class CInstrumentManagerDlg : public PropertySheet {
  Q_OBJECT

 public:
  explicit CInstrumentManagerDlg(AnalyzerLink& link, QWidget* parent = nullptr);

 signals:
  // What an action of the Control page did, for the main window's status bar.
  void ActionReported(const QString& text);
};

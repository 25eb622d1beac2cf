// The "Virtual RTA Options" dialog: when the picture is refreshed, how it is
// captured and how large it is printed.
#pragma once

#include <QDialog>
#include <functional>

#include "panel/PanelSettings.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;

class CVirtualRtaOptionsDlg : public QDialog {
  Q_OBJECT

 public:
  CVirtualRtaOptionsDlg(const panel::PanelSettings& current, std::function<void()> printerSetup,
                        QWidget* parent = nullptr);

  // The settings as the controls give them; what OK hands back.
  panel::PanelSettings Settings() const;

 private:
  void UpdateEnabling();

  panel::PanelSettings initial;
  QCheckBox* keypressUpdate = nullptr;
  QCheckBox* timedUpdate = nullptr;
  QLineEdit* seconds = nullptr;
  QCheckBox* changesOnly = nullptr;
  QRadioButton* toClipboard = nullptr;
  QRadioButton* toBitmapFile = nullptr;
  QRadioButton* toPrinter = nullptr;
  QSlider* printSize = nullptr;
  QLabel* smallLabel = nullptr;
  QLabel* largeLabel = nullptr;
  QPushButton* printerSetup = nullptr;
};

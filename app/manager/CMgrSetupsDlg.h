// The Instrument Manager's "Setups" page: the analyzer's eight stored setups,
// and setup files on the computer.
#pragma once

#include <QPushButton>

#include "manager/StateListPage.h"
#include "talvinet/Talvinet.h"

class AnalyzerLink;
struct CommandConfirmation;

// Which of the page's buttons a selection allows.
struct SetupButtonStates {
  bool activate = false;
  bool setBoot = false;
  bool saveFile = false;
  bool store = false;
  bool loadFile = false;
  bool editName = false;
  bool operator==(const SetupButtonStates&) const = default;
};

inline constexpr std::uint8_t kNoSetup = 255;

// Setup 0 holds the factory settings: it can only be activated or made the
// boot setup. Setups 1-7 can always be stored to, named and loaded; only
// one in use can be activated, made the boot setup or saved.
SetupButtonStates SetupButtonsFor(std::uint8_t selected, bool inUse);

class CMgrSetupsDlg : public StateListPage {
  Q_OBJECT

 public:
  static constexpr int kLongestName = 7;

  explicit CMgrSetupsDlg(AnalyzerLink& link, QWidget* parent = nullptr);

  void OnSetActive() override;
  void Refresh();

 private:
  void OnSelectionChanged() override;
  void ShowButtons(const SetupButtonStates& states);
  void ClearSelection();
  void Report(bool succeeded, int done, int failed);
  // As Report, for a command: done once the analyzer confirmed it; `done` 0 says nothing then.
  void ReportCommand(const CommandConfirmation& result, int done, int failed);
  QString SetupName(int setup) const;
  bool InUse(int setup) const { return setups.setupUsed[setup] != 0; }
  void OnEditName();
  void OnStore();
  void OnActivate();
  void OnSetBoot();
  void OnLoadFile();
  void OnSaveFile();

  AnalyzerLink& link;
  SetupStruct setups{};
  std::uint8_t selectedSetup = kNoSetup;
  QPushButton* editName;
  QPushButton* store;
  QPushButton* activate;
  QPushButton* setBoot;
  QPushButton* loadFile;
  QPushButton* saveFile;
};

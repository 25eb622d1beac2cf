// The "Translate File" dialog: an input file on the computer or in the
// analyzer's memory, an output file, a data profile, a file note and the
// records to translate. Analyzer files are copied to a private folder first
// and translated from the copy.
#pragma once

#include <QDialog>
#include <vector>

#include "fileops/FileCommands.h"
#include "morvane/Morvane.h"

class AnalyzerLink;
class DataProfileList;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

class CTranslateFileDlg : public QDialog {
  Q_OBJECT

 public:
  CTranslateFileDlg(DataProfileList& profiles, AnalyzerLink& link, QWidget* parent = nullptr);
  ~CTranslateFileDlg() override;

  // Kind 11 for an analyzer memory file, 13 for a computer file.
  void SetInput(int kind, const QString& path);
  // The profile the translation will use; null when none has been picked.
  _DataProfileTag* Profile() const { return profile; }

  void OnTranslate();

 private:
  QPushButton* AddButton(const QString& text, const QString& name);
  void ShowInput();
  void FillRecordList();
  void AddComputerFileRecords(const QString& path);
  void AddMemoryFileRecords(const QString& name);
  void AddRecord(const QString& name, int type, int number);
  void FillProfiles();
  void OnProfileChosen(int index);
  void OnProfileManager();
  void OnBrowseInput();
  void OnBrowseOutput();
  void OnBrowseViewer();
  std::vector<_RecordEntryTag> SelectedRecords() const;
  // The analyzer file named in the input field, downloaded to `copy`.
  fileops::CopyOutcome CopyInput(const QString& copy);
  // The text file made from `inputPath`; false when nothing was translated.
  bool Translate(const QString& inputPath, const QString& outputPath);

  DataProfileList& profiles;
  AnalyzerLink& link;
  int inputKind = 13;
  _DataProfileTag* profile = nullptr;
  QLineEdit* inputEdit;
  QLineEdit* outputEdit;
  QComboBox* profileCombo;
  QLineEdit* noteEdit;
  QCheckBox* autoLaunch;
  QLineEdit* viewerEdit;
  QListWidget* recordList;
  QPushButton* translateButton = nullptr;
};

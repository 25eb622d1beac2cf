#include "commands/CommandTable.h"

#include <algorithm>

#include "commands/CommandIds.h"

namespace cmd {

const std::vector<CommandRow>& CommandTable() {
  static const std::vector<CommandRow> table{
      {kConnect, Rule::NotConnected},
      {kDisconnect, Rule::Connected},
      {kInstrumentManager, Rule::Connected},
      {kSendCommand, Rule::Connected},
      {kVirtualRta, Rule::Connected},
      {kRecord, Rule::RecordAllowed},
      {kPlayback, Rule::PlaybackAllowed},
      {kDataProfiles, Rule::Always},
      {kTranslate, Rule::SelectedDataFile},
      {kCreate, Rule::SelectedAnalyzerRoot},
      {kDelete, Rule::SelectedDataFile},
      {kCopyToComputer, Rule::SelectedMemoryFile},
      {kCopyToDiskette, Rule::SelectedMemoryFile},
      {kAbout, Rule::Always},
      {kFileNew, Rule::Always},
      {kFileOpen, Rule::Always},
      {kFileSave, Rule::Always},
      {kPrintSetup, Rule::Always},
      {kExit, Rule::Always},
      {kViewToolbar, Rule::Always},
      {kViewStatusBar, Rule::Always},
      {kWindowSplit, Rule::PlatformDecides},
      {kNextPane, Rule::PlatformDecides},
      {kPreviousPane, Rule::PlatformDecides},
      {kPrint, Rule::Never},
      {kPrintPreview, Rule::Never},
      {kEditUndo, Rule::Never},
      {kEditCut, Rule::Never},
      {kEditCopy, Rule::Never},
      {kEditPaste, Rule::Never},
  };
  return table;
}

Rule RuleOf(int id) {
  const auto& table = CommandTable();
  const auto row = std::find_if(table.begin(), table.end(), [id](const CommandRow& r) { return r.id == id; });
  return row == table.end() ? Rule::Never : row->rule;
}

bool IsEnabled(int id, const CommandState& state) {
  const int kind = state.selectedKind.value_or(-1);
  switch (RuleOf(id)) {
    case Rule::Always:
    case Rule::PlatformDecides:
      return true;
    case Rule::Never:
      return false;
    case Rule::Connected:
      return state.connected;
    case Rule::NotConnected:
      return !state.connected;
    case Rule::SelectedAnalyzerRoot:
      return kind == 1;
    case Rule::SelectedDataFile:
      return kind == 11 || kind == 13;
    case Rule::SelectedMemoryFile:
      return kind == 11;
    case Rule::RecordAllowed:
      return state.waveOutputExists && state.waveInputExists && !state.playing;
    case Rule::PlaybackAllowed:
      return state.waveOutputExists && !state.recording;
  }
  return false;
}

const char* MissingDeviceText(int id, const CommandState& state) {
  if (id != kRecord && id != kPlayback) return nullptr;
  if (id == kRecord && !state.waveInputExists) return "No sound input device was found.";
  return state.waveOutputExists ? nullptr : "No sound output device was found.";
}

bool IsChecked(int id, const CommandState& state) {
  if (id == kRecord) return state.recording;
  if (id == kPlayback) return state.playing;
  return false;
}

}  // namespace cmd

// Which commands are enabled: every rule is a function of the connection flag,
// the kind of the tree's selected item and the audio state, nothing else.
#pragma once

#include <optional>
#include <vector>

namespace cmd {

enum class Rule {
  Always,
  Never,
  Connected,
  NotConnected,
  SelectedAnalyzerRoot,      // kind 1
  SelectedDataFile,          // kind 11 or 13
  SelectedMemoryFile,        // kind 11
  RecordAllowed,             // a wave output and a sound input exist and no playback runs
  PlaybackAllowed,           // a wave output exists and no recording runs
  PlatformDecides,
};

struct CommandState {
  bool connected = false;
  std::optional<int> selectedKind;  // empty when the tree pane does not exist
  bool waveOutputExists = false;
  bool waveInputExists = true;  // only Record needs one
  bool recording = false;
  bool playing = false;
};

struct CommandRow {
  int id;
  Rule rule;
};

const std::vector<CommandRow>& CommandTable();

// The rule of `id`; commands without a row are never enabled.
Rule RuleOf(int id);
bool IsEnabled(int id, const CommandState& state);
// Record and Playback show a check mark while their activity runs.
bool IsChecked(int id, const CommandState& state);
// Why Record or Playback is unavailable when a sound device is missing, for
// its status tip and tool tip; null when no device is missing.
const char* MissingDeviceText(int id, const CommandState& state);

}  // namespace cmd

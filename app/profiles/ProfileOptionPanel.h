// The check boxes of one "Record Blocks:" entry, each bound to one bit of one
// option word. Ticking changes the word at once.
#pragma once

#include <QWidget>
#include <cstdint>
#include <vector>

struct OptionBox {
  const char* label;
  uint32_t bit;
  bool lockedWhenReadOnly;  // the default profile's translate and header choices are fixed
};

struct BlockEntry {
  const char* name;
  std::vector<OptionBox> boxes;
};

// The twelve entries in word order: entry k edits word k - 1.
const std::vector<BlockEntry>& RecordBlockEntries();

class ProfileOptionPanel : public QWidget {
  Q_OBJECT

 public:
  ProfileOptionPanel(const BlockEntry& entry, uint32_t* word, bool readOnly, QWidget* parent);
};

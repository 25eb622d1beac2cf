// The virtual panel's two keypads as data: one table for the Alder, Birch and
// Cedar and one for the Deodar, each row a button with the key numbers it
// presses and the label it shows.
#pragma once

#include <QString>
#include <QStringList>
#include <span>

namespace keypad {

// The arrow keys of the Alder, Birch and Cedar show pictures, not text.
enum class Arrow { None, Up, Down, Left, Right };

struct KeyRow {
  int buttonId;
  int key;          // pressed when Shift is not active
  int shiftedKey;   // pressed after Shift
  bool softKey;     // labelled from the analyzer's key names
  const char* label;  // the fixed label of a key that is not a soft key
  Arrow arrow;
  // Pressing the key leaves the key names as they are, so the labels are not read again.
  bool keepsLabels;
  int column;  // place on the panel's key grid
  int row;
};

inline constexpr int kShiftKey = 22;
// The minus key goes by number: its name is no help in a quoted key command.
inline constexpr int kPressedByNumber = 45;

std::span<const KeyRow> Layout(bool deodar);
// Every key button of both layouts, each once.
std::span<const int> AllButtonIds();
// The row of `buttonId` in the layout, or null when the layout hides it.
const KeyRow* FindRow(bool deodar, int buttonId);

// A soft key's label: the shifted key's name over the unshifted key's, in
// lower case; `names` holds the analyzer's 128 key names.
QString SoftKeyLabel(const KeyRow& row, const QStringList& names);
QString LabelOf(const KeyRow& row, const QStringList& names);

}  // namespace keypad
